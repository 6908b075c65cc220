// Kept apart: the X11 headers that SDL_syswm.h brings in name types as our platform headers do.
#include <SDL.h>
#include <SDL_syswm.h>

namespace sdl_backend {

int DisplayConnectionOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return -1;
    return ConnectionNumber(info.info.x11.display);
}

}  // namespace sdl_backend
