// Hears, through a display connection of its own, when another program destroys an X11 window of this
// one. Apart from the backend's other declarations: its X11 side cannot include our platform headers,
// whose type names the X11 headers take.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>

namespace sdl_backend {

// Started and ended on the window's thread; read on a thread that must neither lock nor allocate, as
// a process may be forked meanwhile.
struct WindowWatch {
    void* connection;
    int socket = -1;
    std::uint32_t window;
    bool destroyed;
    // A message from the display as it comes in, and the bytes of a long one still to pass over.
    unsigned char message[32];
    std::size_t filled;
    std::size_t skip;
};

// False when the window is no X11 window or cannot be watched; true, with destroyed set, when it is
// gone already.
bool StartWindowWatch(SDL_Window* window, WindowWatch* watch);
// Reads what has come in, without waiting: whether the window has been destroyed.
bool ReadWindowWatch(WindowWatch* watch);
void EndWindowWatch(WindowWatch* watch);

}  // namespace sdl_backend
