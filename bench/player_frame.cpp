// One frame of the ship's part of a stage with every shot pool full: the shot draws, the ship, then the
// collision pass that steps every shot and tests it against every target, with a boss in reach.
#include <benchmark/benchmark.h>

#include "bench_game.h"

#include <string>

#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/collision_pass.h"
#include "game/core/core_entities.h"
#include "game/core/ending_scene.h"
#include "game/core/game_state.h"
#include "game/core/main_shots.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"
#include "game/core/ship.h"
#include "game/core/ship_death.h"
#include "game/enemies/enemy_pools.h"
#include "game/stage_a/stage_a_entities.h"
#include "platform/headless.h"
#include "platform/window.h"

namespace {

void StartGame() {
    StartLoadedGame();
    InitNewGame();
    ResetGameStateA();
    ResetGameStateB();
    WeaponType = 1;
    ScoringMode[0] = 1;
    ShipVisible = 1;
    FrameTime = 1.0f / 60.0f;
}

// Every shot record in flight over the field, spread so that some cross the small enemies and the boss.
template <int N>
void FillPool(MainShot (&pool)[N], int stepY) {
    for (int i = 0; i < N; ++i) pool[i] = MainShot{230 + (i * 7) % 340, 100 + (i * 13) % 440, 1, stepY, 1};
}

void FillAllPools() {
    FillPool(MainShots1, 0);
    FillPool(MainShots2, 0);
    FillPool(MainShots3, 0);
    for (int i = 0; i < kBurstShotCount; ++i) {
        BurstShots[i] = PhaseShot{230 + (i * 11) % 340, 100 + (i * 17) % 440, 0, 0, 3.5f, 1};
    }
}

void BM_PlayerFrameAllPoolsFull(benchmark::State& state) {
    StartGame();
    for (int i = 0; i < kSmallEnemyCount; ++i) {
        SmallEnemies[i].x = 230.0f + 22.0f * static_cast<float>(i);
        SmallEnemies[i].y = 150.0f + 10.0f * static_cast<float>(i);
        SmallEnemies[i].active = 1;
    }
    BossARecord.x = 220.0f;
    BossARecord.y = 40.0f;
    for (auto _ : state) {
        state.PauseTiming();
        FillAllPools();
        for (SmallEnemy& e : SmallEnemies) e.hit = 0;
        state.ResumeTiming();
        elDraw::ClearBackBuffer();
        DrawPlayerShots();
        DrawPlayerSpecial();
        DrawPlayerShip();
        HitTestPlayerAttacks();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlayerFrameAllPoolsFull)->Unit(benchmark::kMicrosecond);

// The collision pass alone over full pools (shots step in place: zero steps, phase between windows).
void BM_CollisionPassAllPoolsFull(benchmark::State& state) {
    StartGame();
    FillAllPools();
    for (auto _ : state) HitTestPlayerAttacks();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CollisionPassAllPoolsFull)->Unit(benchmark::kMicrosecond);

// One whole frame of the ending (stars, ranking, shots, ship, HUD, present, input, collision pass) with
// every shot pool full.
void BM_EndingFrameAllPoolsFull(benchmark::State& state) {
    StartGame();
    SceneNumber = kSceneEnding;
    SceneFirstFrame = 0;
    StageScroll = 150.0f;  // the ranking's window
    for (auto _ : state) {
        state.PauseTiming();
        FillAllPools();
        StageScroll = 150.0f;
        LastKey = 0;
        state.ResumeTiming();
        RunEndingScene();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EndingFrameAllPoolsFull)->Unit(benchmark::kMicrosecond);

}  // namespace
