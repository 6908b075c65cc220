#include <sys/prctl.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/common/module_path.h"
#include "platform/common/sequencer.h"
#include "platform/sdl/display_check.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/system.h"
#include "platform/window.h"

namespace {

constexpr int kDefaultScreenWidth = 800;
constexpr int kDefaultScreenHeight = 600;

constinit sdl_backend::NativeWindow gNative[platform_common::kMaxWindows] = {};
constinit bool gVideoReady = false;
constinit bool gVideoFailed = false;
constinit bool gWindowRefused = false;
constinit char gRefusal[256] = {};
constinit bool gActive = false;
constinit int gCursorCount = 0;
constinit bool gCursorHidden = false;
constinit bool gClipped = false;

sdl_backend::NativeWindow* FreeNative() {
    for (auto& n : gNative) {
        if (n.window == nullptr) return &n;
    }
    return nullptr;
}

// The performance counter runs in nanoseconds of the monotonic clock (sdl_clock.cpp).
constexpr LONGLONG kNanosPerMs = 1000000;
constexpr LONGLONG kNanosPerSecond = 1000000000;

LONGLONG CounterNow() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// Events stay with SDL while the queue is this close to full, so that a key release, a close or an
// activation is never dropped behind a flood of mouse moves.
constexpr int kReservedQueueSlots = 8;

void Post(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageA(window, message, wParam, lParam);
}

void PostActivation(Window* window, bool active) {
    if (active == gActive) return;
    if (PostMessageA(window, WM_ACTIVATEAPP, active ? 1 : 0, 0)) gActive = active;
}

// Whether the renderer draws through OpenGL that a processor emulates (a display without graphics
// hardware, such as a virtual one): then SDL's own software renderer shows our picture for a fraction
// of the processor time.
bool RendersThroughSoftwareGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr) return false;
    if (SDL_strncmp(info.name, "opengl", 6) != 0) return false;
    constexpr unsigned kGlRenderer = 0x1F01;
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const auto* name = getString != nullptr ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
    if (name == nullptr) return false;
    return SDL_strstr(name, "llvmpipe") != nullptr || SDL_strstr(name, "softpipe") != nullptr ||
           SDL_strstr(name, "Software Rasterizer") != nullptr || SDL_strstr(name, "swrast") != nullptr;
}

SDL_Renderer* CreateRenderer(SDL_Window* window) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (renderer != nullptr && RendersThroughSoftwareGl(renderer)) {
        SDL_DestroyRenderer(renderer);
        renderer = nullptr;
    }
    if (renderer == nullptr) {
        // The software renderer's window surface goes straight to the display, not through OpenGL.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    return renderer;
}

void ClearToBlack(sdl_backend::NativeWindow* native) {
    if (native == nullptr || native->renderer == nullptr) return;
    SDL_SetRenderDrawColor(native->renderer, 0, 0, 0, 255);
    SDL_RenderClear(native->renderer);
    SDL_RenderPresent(native->renderer);
}

void ApplyCursor() {
    if (!gVideoReady) return;
    SDL_ShowCursor(gCursorHidden || gCursorCount < 0 ? SDL_DISABLE : SDL_ENABLE);
}

WPARAM MouseKeyFlags() {
    WPARAM flags = 0;
    if (platform_common::KeyIsDown(VK_LBUTTON)) flags |= MK_LBUTTON;
    if (platform_common::KeyIsDown(VK_RBUTTON)) flags |= MK_RBUTTON;
    return flags;
}

void TranslateKey(Window* window, const SDL_KeyboardEvent& e, bool down) {
    int vk = sdl_backend::VirtualKeyOf(e.keysym);
    if (vk == 0) return;
    bool wasDown = platform_common::KeyIsDown(vk);
    if (const int side = sdl_backend::SideKeyOf(e.keysym)) {
        // Shift, Ctrl and Alt each stand for a left and a right key, and read down while either is.
        wasDown = platform_common::KeyIsDown(side);
        platform_common::SetKeyDown(side, down);
        const int other = side ^ 1;  // VK_LSHIFT and VK_RSHIFT, ... differ in their lowest bit
        platform_common::SetKeyDown(vk, down || platform_common::KeyIsDown(other));
    } else {
        platform_common::SetKeyDown(vk, down);
    }
    // Alt, and keys pressed while Alt is held without Ctrl, arrive as system keys.
    bool altHeld = (e.keysym.mod & KMOD_ALT) != 0 && (e.keysym.mod & KMOD_CTRL) == 0;
    bool system = vk == VK_MENU || vk == VK_F10 || altHeld;
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    bool extended = vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR ||
                    vk == VK_NEXT || e.keysym.sym == SDLK_RCTRL || e.keysym.sym == SDLK_RALT ||
                    e.keysym.sym == SDLK_KP_ENTER;
    Post(window, message, static_cast<WPARAM>(vk),
         platform_common::KeyLParam(static_cast<int>(e.keysym.scancode), extended, down ? wasDown : true,
                                    !down));
}

void TranslateButton(Window* window, const SDL_MouseButtonEvent& e, bool down) {
    int button = e.button == SDL_BUTTON_LEFT ? 1 : e.button == SDL_BUTTON_RIGHT ? 2 : 0;
    if (button == 0) return;
    platform_common::SetKeyDown(button == 1 ? VK_LBUTTON : VK_RBUTTON, down);
    UINT message;
    if (down) {
        bool doubleClick = (window->classStyle & CS_DBLCLKS) != 0 && e.clicks >= 2 && e.clicks % 2 == 0;
        message = button == 1 ? (doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                              : (doubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN);
    } else {
        message = button == 1 ? WM_LBUTTONUP : WM_RBUTTONUP;
    }
    Post(window, message, MouseKeyFlags(), MAKELPARAM(e.x, e.y));
}

void TranslateWindowEvent(Window* window, const SDL_WindowEvent& e) {
    switch (e.event) {
        case SDL_WINDOWEVENT_CLOSE:
            Post(window, WM_CLOSE, 0, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            PostActivation(window, true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            PostActivation(window, false);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            sdl_backend::RefreshScreen(false);
            break;
        case SDL_WINDOWEVENT_MOVED:
            window->x = e.data1;
            window->y = e.data2;
            Post(window, WM_MOVE, 0, MAKELPARAM(e.data1, e.data2));
            break;
        default:
            break;
    }
}

bool Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] != '\0';
}

// Left to itself, SDL falls back to a video driver that draws into memory, and the game would run
// unseen. So only drivers that show a window are tried, in SDL's own order, unless SDL_VIDEODRIVER
// names one: that is taken as asked.
void AskForVisibleDrivers() {
    if (Named(SDL_HINT_VIDEODRIVER)) return;
    // Wayland only where a compositor is named: with none, its library would try a default socket,
    // complaining on stderr when there is no runtime folder.
    const bool compositor = Named("WAYLAND_DISPLAY") || Named("WAYLAND_SOCKET");
    char list[64] = "";
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const char* name = SDL_GetVideoDriver(i);
        const bool visible = SDL_strcasecmp(name, "x11") == 0 || SDL_strcasecmp(name, "KMSDRM") == 0 ||
                             (compositor && SDL_strcasecmp(name, "wayland") == 0);
        if (!visible) continue;
        if (list[0] != '\0') SDL_strlcat(list, ",", sizeof list);
        SDL_strlcat(list, name, sizeof list);
    }
    // With none of them built in, a name that matches no driver still keeps SDL from its fallbacks.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, list[0] != '\0' ? list : "x11", SDL_HINT_OVERRIDE);
}

}  // namespace

namespace sdl_backend {

bool EnsureVideo() {
    if (gVideoReady) return true;
    if (gVideoFailed) return false;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    AskForVisibleDrivers();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        gVideoFailed = true;
        return false;
    }
    gVideoReady = true;
    return true;
}

bool NoDisplayOpened() {
    return gVideoFailed || gWindowRefused;
}

void ReportNoDisplay(const char* program) {
    const char* slash = program != nullptr ? std::strrchr(program, '/') : nullptr;
    const char* name = slash != nullptr ? slash + 1 : program != nullptr ? program : "";
    const char* display = std::getenv("DISPLAY");
    char reason[512];
    if (gWindowRefused) {
        std::snprintf(reason, sizeof reason, "the %s display refused the window: %s",
                      SDL_GetCurrentVideoDriver(), gRefusal);
    } else if (Named(SDL_HINT_VIDEODRIVER)) {
        std::snprintf(reason, sizeof reason, "SDL_VIDEODRIVER=%s did not start",
                      std::getenv(SDL_HINT_VIDEODRIVER));
    } else {
        const int used =
            display == nullptr || display[0] == '\0'
                ? std::snprintf(reason, sizeof reason, "DISPLAY is not set")
                : std::snprintf(reason, sizeof reason, "no X server answers at DISPLAY=%s", display);
        if (Named("WAYLAND_DISPLAY") && used > 0 && static_cast<std::size_t>(used) < sizeof reason) {
            std::snprintf(reason + used, sizeof reason - static_cast<std::size_t>(used),
                          ", and no Wayland compositor answers at WAYLAND_DISPLAY=%s",
                          std::getenv("WAYLAND_DISPLAY"));
        }
    }
    std::fprintf(stderr,
                 "%s: no display could be opened (%s); run it from a graphical session, or set DISPLAY "
                 "to a running X display, for example DISPLAY=:0\n",
                 name, reason);
}

NativeWindow* NativeOf(HWND window) {
    Window* w = platform_common::LiveWindow(window);
    return w == nullptr ? nullptr : static_cast<NativeWindow*>(w->native);
}

void RaiseWindow(HWND window) {
    NativeWindow* native = NativeOf(window);
    if (native == nullptr) return;
    SDL_RestoreWindow(native->window);
    SDL_RaiseWindow(native->window);
}

}  // namespace sdl_backend

namespace backend {

void PumpEvents() {
    // A piece of music that has ended posts its notification here, on the main thread.
    platform_common::PollSequencer();
    if (!gVideoReady) return;
    Window* window = platform_common::FirstLiveWindow();
    SDL_Event e;
    while (platform_common::QueueFreeSlots() >= kReservedQueueSlots && SDL_PollEvent(&e)) {
        if (window == nullptr) continue;
        switch (e.type) {
            case SDL_QUIT:
                Post(window, WM_CLOSE, 0, 0);
                break;
            case SDL_WINDOWEVENT:
                TranslateWindowEvent(window, e.window);
                break;
            case SDL_KEYDOWN:
                TranslateKey(window, e.key, true);
                break;
            case SDL_KEYUP:
                TranslateKey(window, e.key, false);
                break;
            case SDL_MOUSEMOTION:
                if (!platform_common::MergeMouseMove(window, MouseKeyFlags(),
                                                     MAKELPARAM(e.motion.x, e.motion.y))) {
                    Post(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), 0);
                    Post(window, WM_MOUSEMOVE, MouseKeyFlags(), MAKELPARAM(e.motion.x, e.motion.y));
                }
                break;
            case SDL_RENDER_TARGETS_RESET:
            case SDL_RENDER_DEVICE_RESET:
                sdl_backend::RefreshScreen(true);
                break;
            case SDL_MOUSEBUTTONDOWN:
                TranslateButton(window, e.button, true);
                break;
            case SDL_MOUSEBUTTONUP:
                TranslateButton(window, e.button, false);
                break;
            default:
                break;
        }
    }
    if (window != nullptr && sdl_backend::TakeRaiseRequest()) sdl_backend::RaiseWindow(window);
}

void WaitForEvent(int timeoutMs) {
    if (!gVideoReady) {
        if (timeoutMs > 0) Sleep(static_cast<DWORD>(timeoutMs));
        return;
    }
    if (timeoutMs >= 0) {
        SDL_WaitEventTimeout(nullptr, timeoutMs);
        return;
    }
    // Wake now and then to hear another copy's request to raise the window.
    constexpr int kRaisePollMs = 100;
    while (SDL_WaitEventTimeout(nullptr, kRaisePollMs) == 0) {
        if (platform_common::FirstLiveWindow() == nullptr) return;
        if (sdl_backend::TakeRaiseRequest()) {
            sdl_backend::RaiseWindow(platform_common::FirstLiveWindow());
            return;
        }
    }
}

bool WaitForEventUntil(LONGLONG counter) {
    // Timers of this thread end when asked, not up to 50 microseconds later as the system allows.
    static const bool precise = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    (void)precise;
    if (counter <= CounterNow()) return true;
    // SDL waits for events in whole milliseconds: wait for one up to the last whole millisecond
    // before the end, then sleep the rest.
    const LONGLONG wholeMs = (counter - CounterNow()) / kNanosPerMs;
    if (gVideoReady && wholeMs > 0 && SDL_WaitEventTimeout(nullptr, static_cast<int>(wholeMs)) != 0)
        return false;
    timespec until{static_cast<time_t>(counter / kNanosPerSecond),
                   static_cast<long>(counter % kNanosPerSecond)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) != 0) {
    }
    return true;
}

bool CreateNativeWindow(Window* window) {
    if (!sdl_backend::EnsureVideo()) return false;
    sdl_backend::NativeWindow* native = FreeNative();
    if (native == nullptr) return false;
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (window->style & WS_POPUP) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    native->window =
        SDL_CreateWindow(window->title, window->x, window->y, window->width > 0 ? window->width : 1,
                         window->height > 0 ? window->height : 1, flags);
    if (native->window == nullptr) {
        gWindowRefused = true;
        SDL_strlcpy(gRefusal, SDL_GetError(), sizeof gRefusal);
        return false;
    }
    native->renderer = CreateRenderer(native->window);
    ResourceBlob icon{};
    if (window->icon != nullptr && platform_common::IconBlob(window->icon, &icon)) {
        SDL_RWops* rw = SDL_RWFromConstMem(icon.data, static_cast<int>(icon.size));
        SDL_Surface* surface = rw != nullptr ? SDL_LoadBMP_RW(rw, 1) : nullptr;
        if (surface != nullptr) {
            SDL_SetColorKey(surface, SDL_TRUE, SDL_MapRGB(surface->format, 0, 0, 0));
            SDL_SetWindowIcon(native->window, surface);
            SDL_FreeSurface(surface);
        }
    }
    window->native = native;
    sdl_backend::PublishWindow(window);
    return true;
}

void DestroyNativeWindow(Window* window) {
    auto* native = static_cast<sdl_backend::NativeWindow*>(window->native);
    if (native == nullptr) return;
    if (native->renderer != nullptr) SDL_DestroyRenderer(native->renderer);
    if (native->window != nullptr) SDL_DestroyWindow(native->window);
    *native = sdl_backend::NativeWindow{};
    window->native = nullptr;
    sdl_backend::WithdrawWindow();
    gActive = false;
}

}  // namespace backend

BOOL ShowWindow(HWND window, int command) {
    Window* w = platform_common::LiveWindow(window);
    sdl_backend::NativeWindow* native = sdl_backend::NativeOf(window);
    if (w == nullptr || native == nullptr) return FALSE;
    bool wasVisible = w->visible;
    if (command == SW_HIDE) {
        SDL_HideWindow(native->window);
        w->visible = false;
        return wasVisible;
    }
    SDL_ShowWindow(native->window);
    SDL_RaiseWindow(native->window);
    w->visible = true;
    ClearToBlack(native);
    // A window shown in front is the active one.
    PostActivation(w, true);
    return wasVisible;
}

BOOL UpdateWindow(HWND window) {
    if (platform_common::LiveWindow(window) == nullptr) return FALSE;
    return TRUE;
}

BOOL SetWindowPos(HWND window, HWND, int, int, int, int, UINT) {
    return platform_common::LiveWindow(window) != nullptr ? TRUE : FALSE;
}

int GetSystemMetrics(int index) {
    SDL_DisplayMode mode{};
    bool known = sdl_backend::EnsureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0;
    switch (index) {
        case SM_CXSCREEN:
            return known ? mode.w : kDefaultScreenWidth;
        case SM_CYSCREEN:
            return known ? mode.h : kDefaultScreenHeight;
        default:
            return 0;
    }
}

HCURSOR SetCursor(HCURSOR cursor) {
    gCursorHidden = cursor == nullptr;
    ApplyCursor();
    return nullptr;
}

int ShowCursor(BOOL show) {
    gCursorCount += show ? 1 : -1;
    ApplyCursor();
    return gCursorCount;
}

BOOL ClipCursor(const RECT* rect) {
    gClipped = rect != nullptr;
    sdl_backend::NativeWindow* native = sdl_backend::NativeOf(platform_common::FirstLiveWindow());
    if (native != nullptr) SDL_SetWindowGrab(native->window, gClipped ? SDL_TRUE : SDL_FALSE);
    return TRUE;
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    int x = 0, y = 0;
    if (gVideoReady) SDL_GetMouseState(&x, &y);
    *point = POINT{x, y};
    return TRUE;
}
