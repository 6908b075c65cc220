// The yardstick of the pacing and start-up checks: a bare SDL program that clears and presents a window
// 60 times a second, sleeping between frames, for the given number of seconds. With QV_PRESENT_LOG set
// it writes the time of every present there, as the game does. The window is 800x600, or with
// "fullscreen" the one the game opens: hidden, full-screen on the desktop at the desktop's size, shown
// once its renderer is made.
// Usage: bare_present <seconds> [fullscreen]
#include <SDL.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr long long kNanosPerSecond = 1000000000LL;
constexpr long long kFramesPerSecond = 60;

long long Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * kNanosPerSecond + ts.tv_nsec;
}

void SleepUntil(long long nanos) {
    timespec until{static_cast<time_t>(nanos / kNanosPerSecond), static_cast<long>(nanos % kNanosPerSecond)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) != 0) {
    }
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const bool fullScreen = argc > 2 && std::strcmp(argv[2], "fullscreen") == 0;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    int width = 800, height = 600;
    Uint32 flags = SDL_WINDOW_SHOWN;
    SDL_DisplayMode desktop{};
    if (fullScreen) {
        if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return 1;
        width = desktop.w;
        height = desktop.h;
        flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    SDL_Window* window = SDL_CreateWindow("bare present", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          width, height, flags);
    if (window == nullptr) return 1;
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (renderer == nullptr) return 1;
    if (fullScreen) SDL_ShowWindow(window);
    const char* logPath = std::getenv("QV_PRESENT_LOG");
    std::FILE* log = logPath != nullptr ? std::fopen(logPath, "w") : nullptr;
    const long long start = Now();
    const long long end = start + static_cast<long long>(seconds * kNanosPerSecond);
    bool running = true;
    for (long long frame = 1; running && Now() < end; ++frame) {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            if (e.type == SDL_QUIT) running = false;
        }
        SDL_SetRenderDrawColor(renderer, static_cast<Uint8>(frame), 0, 0, 255);
        SDL_RenderClear(renderer);
        if (log != nullptr) {
            std::fprintf(log, "%lld\n", Now());
            std::fflush(log);
        }
        SDL_RenderPresent(renderer);
        SleepUntil(start + frame * kNanosPerSecond / kFramesPerSecond);
    }
    if (log != nullptr) std::fclose(log);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
