// One frame of the title scene: the backdrop and stage A's strips with their 5000 tiles moved (those on
// screen drawn), the starfield, the title picture and the present, on the headless display.
#include <benchmark/benchmark.h>

#include "bench_game.h"

namespace {

void BM_TitleFrame(benchmark::State& state) {
    StartLoadedGame();
    FrameTime = 1.0f / 60.0f;
    SceneFirstFrame = 0;
    for (auto _ : state) {
        LastKey = 0;
        RunTitleScene();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
