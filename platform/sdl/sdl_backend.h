// What the SDL backend's parts share among themselves.
#pragma once

#include <SDL.h>

#include <cstddef>

#include "platform/common/window_table.h"

namespace sdl_backend {

// A thread that does start-up work the program needs later: whoever needs the work done waits for it,
// and so does the end of the program. Declared after the data the thread works on, it is joined first.
struct StartupThread {
    SDL_Thread* thread = nullptr;
    ~StartupThread() { Wait(); }
    void Wait() {
        if (thread != nullptr) SDL_WaitThread(thread, nullptr);
        thread = nullptr;
    }
};

// Waits for the soundfont's load and the font discovery, where they still run on their threads. A
// process forked meanwhile (the message box's) would start with only the forking thread: a lock one of
// those threads held at that moment, the memory allocator's under a sanitizer among them, would stay
// held in it for ever.
void WaitForMusicSynth();
void WaitForFontDiscovery();

struct NativeWindow {
    SDL_Window* window;
    SDL_Renderer* renderer;
};

NativeWindow* NativeOf(HWND window);
void RaiseWindow(HWND window);

// Lets another copy of the program find this window and ask for it to be raised.
void PublishWindow(const Window* window);
void WithdrawWindow();
bool TakeRaiseRequest();

// Shows the last presented screen again (the window was uncovered or resized), or, after the
// renderer lost its textures, makes the screen texture anew.
void RefreshScreen(bool rendererReset);

// The socket of the X11 display connection that shows the window, or -1 (no window, or not X11).
int DisplayConnectionOf(SDL_Window* window);

// Brings up SDL's video and event parts once; false when there is no display.
bool EnsureVideo();

// The name of the display a program shows its windows on, from SDL's video driver, the display
// variables and this machine's name: the single-instance names are taken within it. An X display on
// this machine has one name however it is spelled (":0", "unix:0.0", "localhost:0", "127.0.0.1:0",
// the machine's own name); one on another host keeps that host in its name.
void DisplayScopeName(const char* driver, const char* x11Display, const char* hostName,
                      const char* waylandDisplay, const char* runtimeDir, char* out, std::size_t size);

// Translates an SDL key to the virtual-key code the game reads; 0 for keys the game never sees.
int VirtualKeyOf(const SDL_Keysym& key);
// For a left or right Shift, Ctrl or Alt, the virtual key of that one physical key (VK_LSHIFT ...);
// 0 for every other key.
int SideKeyOf(const SDL_Keysym& key);

}  // namespace sdl_backend
