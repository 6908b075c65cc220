// The real display: the full-screen desktop window shows the screen at its logical size, letterboxed
// and scaled by whole steps, through one 5-6-5 streaming texture updated on every present.
#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "platform/common/gdi_objects.h"
#include "platform/sdl/sdl_backend.h"

namespace {

constexpr long long kNanosPerSecond = 1000000000LL;
constexpr long long kFramesPerSecond = 60;
constexpr int kScreenBits = 16;
constexpr int kDefaultDesktopBits = 32;

struct Screen {
    HWND window;
    SDL_Renderer* renderer;
    SDL_Texture* texture;
    int width;
    int height;
};
constinit Screen gScreen = {};

long long MonotonicNanos() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * kNanosPerSecond + now.tv_nsec;
}

// The end-to-end pacing check asks, through QV_PRESENT_LOG, for the time of every present: one line of
// monotonic nanoseconds each. Nothing else switches it on.
struct PresentLog {
    bool opened;
    std::FILE* file;
};
constinit PresentLog gPresentLog = {};

void LogPresent() {
    if (!gPresentLog.opened) {
        gPresentLog.opened = true;
        const char* path = std::getenv("QV_PRESENT_LOG");
        if (path != nullptr && *path != '\0') gPresentLog.file = std::fopen(path, "w");
    }
    if (gPresentLog.file == nullptr) return;
    std::fprintf(gPresentLog.file, "%lld\n", MonotonicNanos());
    std::fflush(gPresentLog.file);
}

// The renderer of the window the mode was set on, while that window lives.
SDL_Renderer* LiveRenderer() {
    sdl_backend::NativeWindow* native = sdl_backend::NativeOf(gScreen.window);
    if (native == nullptr || native->renderer != gScreen.renderer) return nullptr;
    return gScreen.renderer;
}

void ShowBlack(SDL_Renderer* renderer) {
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer);
}

// Whole-step scaling needs room for one step: on a display smaller than the screen the picture is
// shrunk to fit instead of being cut.
void ApplyScaling(SDL_Renderer* renderer, int width, int height) {
    int outputWidth = 0, outputHeight = 0;
    const bool room = SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight) == 0 &&
                      outputWidth >= width && outputHeight >= height;
    SDL_RenderSetIntegerScale(renderer, room ? SDL_TRUE : SDL_FALSE);
}

void ShowTexture(SDL_Renderer* renderer) {
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, gScreen.texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
}

}  // namespace

namespace display_backend {

bool DeviceAvailable() {
    return sdl_backend::EnsureVideo();
}

bool SetMode(HWND window, int width, int height) {
    sdl_backend::NativeWindow* native = sdl_backend::NativeOf(window);
    if (native == nullptr || native->renderer == nullptr) return false;
    if (LiveRenderer() != nullptr && gScreen.texture != nullptr) SDL_DestroyTexture(gScreen.texture);
    gScreen = Screen{};
    SDL_Renderer* renderer = native->renderer;
    if (SDL_RenderSetLogicalSize(renderer, width, height) != 0) return false;
    ApplyScaling(renderer, width, height);
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (texture == nullptr) return false;
    gScreen = Screen{window, renderer, texture, width, height};
    ShowBlack(renderer);
    return true;
}

void RestoreMode() {
    if (SDL_Renderer* renderer = LiveRenderer()) {
        if (gScreen.texture != nullptr) SDL_DestroyTexture(gScreen.texture);
        SDL_RenderSetLogicalSize(renderer, 0, 0);
    }
    gScreen = Screen{};
}

void Present(DirectDrawSurface*, const std::uint16_t* pixels, int width, int height, int pitchPixels) {
    SDL_Renderer* renderer = LiveRenderer();
    if (renderer == nullptr || gScreen.texture == nullptr) return;
    if (width != gScreen.width || height != gScreen.height) return;
    LogPresent();
    SDL_UpdateTexture(gScreen.texture, nullptr, pixels,
                      pitchPixels * static_cast<int>(sizeof(std::uint16_t)));
    ShowTexture(renderer);
}

// Sleeps to the next refresh: the refreshes beat every 1/60 s (in whole nanoseconds, as the frame
// clock counts its period) on the monotonic clock, which the performance counter reads too.
void WaitVerticalBlank() {
    constexpr long long kRefreshNanos = kNanosPerSecond / kFramesPerSecond;
    const long long next = (MonotonicNanos() / kRefreshNanos + 1) * kRefreshNanos;
    timespec until{static_cast<time_t>(next / kNanosPerSecond), static_cast<long>(next % kNanosPerSecond)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) != 0) {
    }
}

platform_common::PixelMasks Masks() {
    return platform_common::kMasks565;
}

DWORD BitCount() {
    return kScreenBits;
}

bool HardwareStretch() {
    return false;
}

int DesktopBitDepth() {
    if (gScreen.texture != nullptr) return kScreenBits;
    SDL_DisplayMode mode{};
    if (sdl_backend::EnsureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        int bits = SDL_BITSPERPIXEL(mode.format);
        if (bits > 0) return bits == 24 ? kDefaultDesktopBits : bits;
    }
    return kDefaultDesktopBits;
}

}  // namespace display_backend

namespace sdl_backend {

void RefreshScreen(bool rendererReset) {
    SDL_Renderer* renderer = LiveRenderer();
    if (renderer == nullptr || gScreen.texture == nullptr) return;
    if (rendererReset) {
        // The texture's contents are gone with the device: make it again; the next present fills it.
        SDL_DestroyTexture(gScreen.texture);
        gScreen.texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                            gScreen.width, gScreen.height);
        if (gScreen.texture == nullptr) return;
        ShowBlack(renderer);
        return;
    }
    ApplyScaling(renderer, gScreen.width, gScreen.height);
    ShowTexture(renderer);
}

}  // namespace sdl_backend

BOOL CloseWindow(HWND window) {
    sdl_backend::NativeWindow* native = sdl_backend::NativeOf(window);
    if (native == nullptr) return FALSE;
    SDL_MinimizeWindow(native->window);
    return TRUE;
}
