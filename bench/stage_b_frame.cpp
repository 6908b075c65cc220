// The heaviest frame of stage B: boss B settled in a damage band (bursts, BOM eight times, body), its
// attack counter inside a busy window, every boss-B and ordinary bullet pool busy on the field, every
// player shot pool full.
#include <benchmark/benchmark.h>

#include "bench_game.h"

#include <string_view>

#include "game/core/core_entities.h"
#include "game/core/entity_table.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/enemies/enemy_pools.h"
#include "game/stage_b/stage_b_driver.h"
#include "game/stage_b/stage_b_entities.h"

namespace {

// Spreads the records of an array over the play field, in flight and standing still (or falling).
template <typename Record>
void Scatter(const EntityArray& a) {
    auto* records = static_cast<Record*>(a.records);
    for (int i = 0; i < a.count; ++i) {
        Record& r = records[i];
        r.x = 230.0f + static_cast<float>((i * 37) % 330);
        r.y = 60.0f + static_cast<float>((i * 53) % 480);
        if constexpr (requires { r.speed; }) r.speed = 0.0f;
        if constexpr (requires { r.vy; }) {
            r.vx = 0.0f;
            r.vy = 0.0f;
        }
        r.active = 1;
    }
}

// The sets that only Difficulty 3 arms, and those nothing arms.
bool ArmedOnlyAtDifficulty3OrNever(const char* name) {
    const std::string_view n(name);
    return n.starts_with("BossBArm") || n.starts_with("BossBExtra") || n == "BossBRain03" ||
           n == "BossBRain04";
}

void FillPools(std::span<const EntityArray> table, bool everySet) {
    for (const EntityArray& a : table) {
        if (!everySet && ArmedOnlyAtDifficulty3OrNever(a.name)) continue;
        switch (a.kind) {
            case RecordKind::kEnemyShot:
                Scatter<EnemyShot>(a);
                break;
            case RecordKind::kEnemyShot60:
                Scatter<EnemyShot60>(a);
                break;
            case RecordKind::kEnemyShot56:
                Scatter<EnemyShot56>(a);
                break;
            case RecordKind::kAimedPellet:
                Scatter<AimedPellet>(a);
                break;
            case RecordKind::kEnemyDrop:
                Scatter<EnemyDrop>(a);
                break;
            default:
                break;
        }
    }
}

template <int N>
void FillShots(MainShot (&pool)[N]) {
    for (int i = 0; i < N; ++i) pool[i] = MainShot{230 + (i * 7) % 340, 100 + (i * 13) % 440, 0, 0, 1};
}

void FillEverything(bool everySet) {
    FillPools(StageBBossArrays(), everySet);
    FillPools(SquadronPoolArrays(), true);
    FillShots(MainShots1);
    FillShots(MainShots2);
    FillShots(MainShots3);
    for (int i = 0; i < kBurstShotCount; ++i) {
        BurstShots[i] = PhaseShot{230 + (i * 11) % 340, 100 + (i * 17) % 440, 0, 0, 3.5f, 1};
    }
    BossB = {150.0f, 0.0f, 0.0f, 0.0f, 200.0f, 500.0f, 0.0f, 0, 0, 0};
    BossBAttackTimer = 1399;  // the spreads' window
    StageScroll = 5000.0f;
    PlayerAlive = 1;
}

void Run(benchmark::State& state, bool everySet) {
    StartLoadedGame();
    InitNewGame();
    ResetGameStateA();
    ResetGameStateB();
    WeaponType = 1;
    Difficulty = 1;
    ScoringMode[0] = 1;
    ShipVisible = 1;
    BlendEffects = 1;
    FrameTime = 1.0f / 60.0f;
    SceneNumber = PreviousScene = kSceneStageB;
    for (auto _ : state) {
        state.PauseTiming();
        FillEverything(everySet);
        state.ResumeTiming();
        RunStageB();
    }
    state.SetItemsProcessed(state.iterations());
}

// Every set busy, the arm blocks and idle sets included.
void BM_StageBWorstFrame(benchmark::State& state) {
    Run(state, true);
}
BENCHMARK(BM_StageBWorstFrame)->Unit(benchmark::kMicrosecond);

// Only the sets a game started from the title arms (no arm blocks, no idle sets).
void BM_StageBWorstFrameTitleGame(benchmark::State& state) {
    Run(state, false);
}
BENCHMARK(BM_StageBWorstFrameTitleGame)->Unit(benchmark::kMicrosecond);

}  // namespace
