// The program's whole loading step on the headless display: the screen set up, then every picture and
// sound read from the data folder into its slot, as the program does before its first title frame.
#include <benchmark/benchmark.h>

#include "bench_game.h"

namespace {

void BM_LoadAllAssets(benchmark::State& state) {
    for (auto _ : state) StartLoadedGame();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LoadAllAssets)->Unit(benchmark::kMillisecond);

}  // namespace
