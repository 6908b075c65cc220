// The worst frame of stage A: boss A in place in a damage-burst band and inside its attack band, every
// pool of boss A and of stage A full of active records over the field, every spark active and every
// player shot pool full; RunStageA as the scene loop calls it.
#include <benchmark/benchmark.h>

#include "bench_game.h"

#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a.h"
#include "game/stage_a/stage_a_entities.h"

namespace {

// Places record i of a pool somewhere over the field, active and standing still.
template <typename R>
void Spread(R* records, int count) {
    for (int i = 0; i < count; ++i) {
        R& r = records[i];
        r.x = 230.0f + static_cast<float>((i * 37) % 330);
        r.y = 20.0f + static_cast<float>((i * 53) % 520);
        if constexpr (requires { r.speed; }) r.speed = 0.0f;
        if constexpr (requires { r.vy; }) r.vy = 0.0f;
        r.active = 1;
    }
}

template <typename R>
R* As(const EntityArray& a) {
    return static_cast<R*>(a.records);
}

void FillStagePools() {
    for (auto table : {StageAObjectArrays(), StageABossArrays()}) {
        for (const EntityArray& a : table) {
            switch (a.kind) {
                case RecordKind::kEnemyShot:
                    Spread(As<EnemyShot>(a), a.count);
                    break;
                case RecordKind::kEnemyShot60:
                    Spread(As<EnemyShot60>(a), a.count);
                    break;
                case RecordKind::kEnemyShot60Timed:
                    Spread(As<EnemyShot60Timed>(a), a.count);
                    break;
                case RecordKind::kEnemyDrop:
                    Spread(As<EnemyDrop>(a), a.count);
                    break;
                case RecordKind::kCurveFanBullet:
                    Spread(As<CurveFanBullet>(a), a.count);
                    break;
                default:
                    break;
            }
        }
    }
}

template <int N>
void FillSparks(ExplosionParticle (&sparks)[N]) {
    for (int i = 0; i < N; ++i) {
        sparks[i] = ExplosionParticle{230.0f + static_cast<float>((i * 7) % 340),
                                      20.0f + static_cast<float>((i * 11) % 330), 1};
    }
}

template <int N>
void FillShots(MainShot (&pool)[N]) {
    for (int i = 0; i < N; ++i) pool[i] = MainShot{230 + (i * 7) % 340, 100 + (i * 13) % 440, 1, 0, 1};
}

void FillEverything() {
    FillStagePools();
    FillSparks(BossSparksA1);
    FillSparks(BossSparksA2);
    FillSparks(BossSparksA3);
    FillShots(MainShots1);
    FillShots(MainShots2);
    FillShots(MainShots3);
    for (int i = 0; i < kBurstShotCount; ++i) {
        BurstShots[i] = PhaseShot{230 + (i * 11) % 340, 100 + (i * 17) % 440, 0, 0, 3.5f, 1};
    }
    // Boss A holding in place, in the 470..530 burst band and its attack band, mid-way through its
    // curtain and drop window.
    BossARecord.x = 180.0f;
    BossARecord.y = 0.0f;
    BossARecord.clock = 140.0f;
    BossARecord.health = 500.0f;
    BossAAttackClock = 850;
    StageScroll = 2000.0f;
}

void BM_StageAWorstFrame(benchmark::State& state) {
    StartLoadedGame();
    WeaponType = 1;
    InitNewGame();
    ResetGameStateA();
    ResetGameStateB();
    Difficulty = 1;
    ScoringMode[0] = 1;
    ScoringMode[1] = 0;
    ShipVisible = 1;
    BlendEffects = 1;
    Invincible = 1;
    SceneNumber = kSceneStageA;
    SceneFirstFrame = 0;
    StageFrameCounter = 1;
    FrameTime = 1.0f / 60.0f;
    for (auto _ : state) {
        state.PauseTiming();
        FillEverything();
        state.ResumeTiming();
        RunStageA();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StageAWorstFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
