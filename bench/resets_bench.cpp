// The resets run between scenes; the stage reset writes every entity array of the game.
#include <benchmark/benchmark.h>

#include "game/core/core_entities.h"
#include "game/core/resets.h"

namespace {

void BM_StageReset(benchmark::State& state) {
    for (auto _ : state) {
        ResetGameStateA();
        ResetGameStateB();
        benchmark::DoNotOptimize(Stars[0].x);
    }
}
BENCHMARK(BM_StageReset)->Unit(benchmark::kMicrosecond);

void BM_NewGameReset(benchmark::State& state) {
    for (auto _ : state) {
        InitNewGame();
        benchmark::DoNotOptimize(StageAStrip[kStripTileCount - 1].y);
    }
}
BENCHMARK(BM_NewGameReset)->Unit(benchmark::kMicrosecond);

}  // namespace
