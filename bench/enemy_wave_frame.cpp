// One frame of the small-enemy wave harness at its busiest: all fifteen slots alive or exploding
// (blended), every aimed shot and spread in flight, and every other squadron pool full, moved and drawn.
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/enemies/enemy_pools.h"
#include "support/wave_harness.h"

namespace {

void StartWave() {
    StartLoadedGame();
    InitNewGame();
    ResetGameStateA();
    ResetGameStateB();
    WeaponType = 1;
    ScoringMode[0] = 1;
    ShipVisible = 1;
    BlendEffects = 1;
    FrameTime = 1.0f / 60.0f;
}

// Every slot over the field; every other one exploding, at a frame inside its first run.
void FillWave() {
    for (int i = 0; i < kSmallEnemyCount; ++i) {
        SmallEnemy& e = SmallEnemies[i];
        e.x = 230.0f + 20.0f * static_cast<float>(i);
        e.y = 60.0f + 25.0f * static_cast<float>(i);
        e.vx = 30.0f;
        e.vy = 90.0f;
        e.speed = 170.0f;
        e.active = 1;
        e.hit = i % 2;
        e.frame = 3;
        e.runCounter = 0;
        e.explosionStyle = i % 4;
    }
    wave::FillSquadronPools();
    PlayerAlive = 1;
    ContinueRecovery = 1;
}

void BM_EnemyWaveFrameEverythingInFlight(benchmark::State& state) {
    StartWave();
    int frame = 1;
    for (auto _ : state) {
        state.PauseTiming();
        FillWave();
        state.ResumeTiming();
        wave::Frame(frame, true);
        frame = frame % 1000 + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EnemyWaveFrameEverythingInFlight)->Unit(benchmark::kMicrosecond);

}  // namespace
