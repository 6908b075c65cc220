// Our blits against SDL2's software blitter on the same 5-6-5 screen and sprites, at the sprite sizes
// the game draws. Rates are pixels per second (items_per_second); each SDL row also carries
// `ours_ratio`, our rate on the same case divided by SDL's.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "engine/draw/draw_state.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "platform/headless.h"
#include "platform/window.h"

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kDrawX = 100;
constexpr int kDrawY = 50;
constexpr int kAngle = 30;
constexpr int kSparkSide = 14;
constexpr int kFieldLeft = 220;
constexpr int kFieldRight = 580;

struct Size {
    int width;
    int height;
};

// A round sprite: coloured inside a disc, transparent black in the corners.
std::vector<std::uint16_t> SpritePixels(int width, int height) {
    std::vector<std::uint16_t> p(static_cast<std::size_t>(width) * height);
    const double cx = (width - 1) / 2.0, cy = (height - 1) / 2.0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double dx = (x - cx) / (width / 2.0), dy = (y - cy) / (height / 2.0);
            const bool inside = dx * dx + dy * dy <= 1.0;
            const int r = 8 + (x * 23) / width, g = 16 + (y * 47) / height, b = 31 - (x * 20) / width;
            p[static_cast<std::size_t>(y) * width + x] =
                inside ? static_cast<std::uint16_t>((r << 11) | (g << 5) | b) : 0;
        }
    }
    return p;
}

struct Sprites {
    std::map<std::pair<int, int>, int> slots;              // our picture slots
    std::map<std::pair<int, int>, SDL_Surface*> surfaces;  // SDL's copies
    SDL_Surface* screen = nullptr;                         // SDL's back buffer
    SDL_Surface* front = nullptr;                          // SDL's stand-in for the display
};

Sprites& Setup() {
    static Sprites s;
    static std::once_flag once;
    std::call_once(once, [] {
        headless::Reset();
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "DEFAULT";
        RegisterClassA(&wc);
        elSystem::State.mainWindow = CreateWindowExA(0, "DEFAULT", "bench", WS_POPUP, 0, 0, kScreenWidth,
                                                     kScreenHeight, nullptr, nullptr, nullptr, nullptr);
        elDraw::Screen(kScreenWidth, kScreenHeight, 2);
        elDraw::SetWaitVBlank(0);
        s.screen = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 16, SDL_PIXELFORMAT_RGB565);
        s.front = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 16, SDL_PIXELFORMAT_RGB565);
    });
    return s;
}

int OurSprite(int width, int height) {
    Sprites& s = Setup();
    auto key = std::make_pair(width, height);
    auto it = s.slots.find(key);
    if (it != s.slots.end()) return it->second;
    const int slot = elDraw::CreateObject(width, height, 1);
    const std::vector<std::uint16_t> pixels = SpritePixels(width, height);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    DrawObject[slot].surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint16_t*>(desc.lpSurface) + y * (desc.lPitch / 2);
        for (int x = 0; x < width; ++x) row[x] = pixels[static_cast<std::size_t>(y) * width + x];
    }
    DrawObject[slot].surface->Unlock(nullptr);
    return s.slots[key] = slot;
}

// A fresh SDL copy of the sprite (each case sets its own modes on it).
SDL_Surface* SdlSprite(int width, int height) {
    Setup();
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, SDL_PIXELFORMAT_RGB565);
    const std::vector<std::uint16_t> pixels = SpritePixels(width, height);
    SDL_LockSurface(surface);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint16_t*>(static_cast<std::uint8_t*>(surface->pixels) +
                                                     y * surface->pitch);
        for (int x = 0; x < width; ++x) row[x] = pixels[static_cast<std::size_t>(y) * width + x];
    }
    SDL_UnlockSurface(surface);
    return surface;
}

std::map<std::string, double>& OurRates() {
    static std::map<std::string, double> rates;
    return rates;
}

// Runs the body per iteration over `pixels` pixels and returns the measured pixel rate.
template <typename F>
double Run(benchmark::State& state, long long pixels, F body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        body();
        benchmark::ClobberMemory();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetItemsProcessed(state.iterations() * pixels);
    return seconds > 0 ? static_cast<double>(state.iterations() * pixels) / seconds : 0.0;
}

std::string CaseName(const char* kind, benchmark::State& state) {
    return std::string(kind) + "/" + std::to_string(state.range(0)) + "x" + std::to_string(state.range(1));
}

void RecordOurs(const char* kind, benchmark::State& state, double rate) {
    OurRates()[CaseName(kind, state)] = rate;
}

void ReportRatio(const char* kind, benchmark::State& state, double sdlRate) {
    auto it = OurRates().find(CaseName(kind, state));
    if (it != OurRates().end() && sdlRate > 0) state.counters["ours_ratio"] = it->second / sdlRate;
}

int BoxSide(int side) {
    return static_cast<int>(std::lround(side * 1.4));
}

// --- Ours ---

void Ours_Keyed(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int slot = OurSprite(w, h);
    elDraw::SetClipRect(0, 0, kScreenWidth, kScreenHeight);
    RecordOurs("keyed", state,
               Run(state, 1LL * w * h, [&] { elDraw::Draw(kDrawX, kDrawY, slot, 0, 0, w, h); }));
}

void Ours_Opaque(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int slot = OurSprite(w, h);
    elDraw::SetClipRect(0, 0, kScreenWidth, kScreenHeight);
    RecordOurs("opaque", state,
               Run(state, 1LL * w * h, [&] { elDraw::DrawOpaque(kDrawX, kDrawY, slot, 0, 0, w, h); }));
}

void Ours_Additive(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int slot = OurSprite(w, h);
    elDraw::SetClipRect(0, 0, kScreenWidth, kScreenHeight);
    RecordOurs("additive", state,
               Run(state, 1LL * w * h, [&] { elDraw::DrawAdditive(kDrawX, kDrawY, slot, 0, 0, w, h); }));
}

void Ours_HalfTransparent(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int slot = OurSprite(w, h);
    elDraw::SetClipRect(0, 0, kScreenWidth, kScreenHeight);
    RecordOurs("half", state, Run(state, 1LL * w * h, [&] {
                   elDraw::DrawHalfTransparent(kDrawX, kDrawY, slot, 0, 0, w, h);
               }));
}

void Ours_Rotated(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int slot = OurSprite(w, h);
    const int bw = BoxSide(w), bh = BoxSide(h);
    elDraw::SetClipRect(0, 0, kScreenWidth, kScreenHeight);
    RecordOurs("rotated", state, Run(state, 1LL * bw * bh, [&] {
                   elDraw::DrawRotated(kDrawX, kDrawY, kDrawX + bw, kDrawY + bh, kAngle, slot, 0, 0, w, h);
               }));
}

// A spark wholly off the play field: the call must cost next to nothing.
void Ours_AdditiveOffField(benchmark::State& state) {
    const int slot = OurSprite(kSparkSide, kSparkSide);
    elDraw::SetClipRect(kFieldLeft, 0, kFieldRight, kScreenHeight);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            elDraw::DrawAdditive(kFieldRight + 40, kDrawY, slot, 0, 0, kSparkSide, kSparkSide));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

// A frame's worth of sparks: every pool full, 14 x 14 additive sprites spread over and around the play
// field, about a third of them wholly outside it. One iteration is one frame's sparks.
void Ours_SparkFrame(benchmark::State& state) {
    constexpr int kSparks = 4680;
    const int slot = OurSprite(kSparkSide, kSparkSide);
    elDraw::SetClipRect(kFieldLeft, 0, kFieldRight, kScreenHeight);
    std::vector<std::pair<int, int>> at(kSparks);
    for (int i = 0; i < kSparks; ++i) at[i] = {100 + (i * 37) % 560, -20 + (i * 53) % 640};
    for (auto _ : state) {
        for (const auto& [x, y] : at) elDraw::DrawAdditive(x, y, slot, 0, 0, kSparkSide, kSparkSide);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSparks);
}

void Ours_ClearAndPresent(benchmark::State& state) {
    Setup();
    RecordOurs("clear_present", state, Run(state, 1LL * kScreenWidth * kScreenHeight, [] {
                   elDraw::ClearBackBuffer();
                   elDraw::Present();
               }));
}

// --- SDL2's software blitter ---

void Sdl_Blit(benchmark::State& state, const char* kind, SDL_Surface* sprite, int w, int h) {
    Sprites& s = Setup();
    SDL_Rect to{kDrawX, kDrawY, w, h};
    const double rate = Run(state, 1LL * w * h, [&] {
        SDL_Rect dst = to;
        SDL_BlitSurface(sprite, nullptr, s.screen, &dst);
    });
    ReportRatio(kind, state, rate);
    SDL_FreeSurface(sprite);
}

void Sdl_Keyed(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    SDL_Surface* sprite = SdlSprite(w, h);
    SDL_SetColorKey(sprite, SDL_TRUE, 0);
    Sdl_Blit(state, "keyed", sprite, w, h);
}

void Sdl_KeyedRle(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    SDL_Surface* sprite = SdlSprite(w, h);
    SDL_SetColorKey(sprite, SDL_TRUE, 0);
    SDL_SetSurfaceRLE(sprite, 1);
    Sdl_Blit(state, "keyed", sprite, w, h);
}

void Sdl_Opaque(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Sdl_Blit(state, "opaque", SdlSprite(w, h), w, h);
}

void Sdl_Additive(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    SDL_Surface* sprite = SdlSprite(w, h);
    SDL_SetColorKey(sprite, SDL_TRUE, 0);
    SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_ADD);
    Sdl_Blit(state, "additive", sprite, w, h);
}

void Sdl_HalfTransparent(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    SDL_Surface* sprite = SdlSprite(w, h);
    SDL_SetColorKey(sprite, SDL_TRUE, 0);
    SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(sprite, 128);
    Sdl_Blit(state, "half", sprite, w, h);
}

// SDL has no rotating blit; the nearest is a keyed nearest-pixel scale into the same box.
void Sdl_Scaled(benchmark::State& state) {
    Sprites& s = Setup();
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int bw = BoxSide(w), bh = BoxSide(h);
    SDL_Surface* sprite = SdlSprite(w, h);
    SDL_SetColorKey(sprite, SDL_TRUE, 0);
    const double rate = Run(state, 1LL * bw * bh, [&] {
        SDL_Rect dst{kDrawX, kDrawY, bw, bh};
        SDL_BlitScaled(sprite, nullptr, s.screen, &dst);
    });
    ReportRatio("rotated", state, rate);
    SDL_FreeSurface(sprite);
}

void Sdl_ClearAndPresent(benchmark::State& state) {
    Sprites& s = Setup();
    const double rate = Run(state, 1LL * kScreenWidth * kScreenHeight, [&] {
        SDL_FillRect(s.screen, nullptr, 0);
        SDL_BlitSurface(s.screen, nullptr, s.front, nullptr);
    });
    ReportRatio("clear_present", state, rate);
}

void SpriteSizes(benchmark::internal::Benchmark* b) {
    const Size sizes[] = {{14, 14}, {30, 30}, {60, 60}, {240, 280}, {440, 480}};
    for (const Size& s : sizes) b->Args({s.width, s.height});
}

void ScreenSize(benchmark::internal::Benchmark* b) {
    b->Args({kScreenWidth, kScreenHeight});
}

// Each of our cases runs right before SDL's, so that SDL's row can give the ratio.
BENCHMARK(Ours_Keyed)->Apply(SpriteSizes);
BENCHMARK(Sdl_Keyed)->Apply(SpriteSizes);
BENCHMARK(Sdl_KeyedRle)->Apply(SpriteSizes);
BENCHMARK(Ours_Opaque)->Apply(SpriteSizes);
BENCHMARK(Sdl_Opaque)->Apply(SpriteSizes);
BENCHMARK(Ours_Additive)->Apply(SpriteSizes);
BENCHMARK(Sdl_Additive)->Apply(SpriteSizes);
BENCHMARK(Ours_HalfTransparent)->Apply(SpriteSizes);
BENCHMARK(Sdl_HalfTransparent)->Apply(SpriteSizes);
BENCHMARK(Ours_Rotated)->Apply(SpriteSizes);
BENCHMARK(Sdl_Scaled)->Apply(SpriteSizes);
BENCHMARK(Ours_AdditiveOffField);
BENCHMARK(Ours_SparkFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(Ours_ClearAndPresent)->Apply(ScreenSize);
BENCHMARK(Sdl_ClearAndPresent)->Apply(ScreenSize);

}  // namespace
