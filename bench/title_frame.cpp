// One frame of the title scene: the backdrop and stage A's strips with their 5000 tile submissions
// each, the starfield, the title picture and the present, on the headless display.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/elSystem.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "platform/window.h"

namespace {

void StartTitle() {
    headless::Reset();
    headless::SetModuleFileName(std::string(QV_DATA_DIR) + "game800");
    elSystem::InitState();
    WNDCLASSA wc{};
    wc.lpfnWndProc = elSystem::WindowProc;
    wc.lpszClassName = "DEFAULT";
    RegisterClassA(&wc);
    elSystem::State.mainWindow = CreateWindowExA(0, "DEFAULT", "QUENDRAVOLT", WS_POPUP, 0, 0, 800, 600,
                                                 nullptr, nullptr, nullptr, nullptr);
    LoadAllAssets();
}

void BM_TitleFrame(benchmark::State& state) {
    StartTitle();
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
