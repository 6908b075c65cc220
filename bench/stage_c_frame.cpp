// Stage C's worst frame: boss C on screen in a damage-burst band, every record of every stage-C pool armed
// over the field (pods included), the player's shot pools and boss C's spark sets full. Beside it, the
// frame's rotated bullet draws alone, to give their share, and an ordinary frame of play.
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "engine/elDraw.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/main_shots.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"
#include "game/stage_c/boss_c_emitters.h"
#include "game/stage_c/boss_c_lines.h"
#include "game/stage_c/stage_c_entities.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

// A spot over the field for record i: spread across the 360-pixel play field and most of its height.
float SpotX(int i) {
    return 230.0f + static_cast<float>((i * 37) % 330);
}
float SpotY(int i) {
    return 60.0f + static_cast<float>((i * 53) % 420);
}

template <typename R>
void ArmHeading(R* records, int count, int salt) {
    for (int i = 0; i < count; ++i) {
        R& r = records[i];
        r.active = 1;
        r.x = SpotX(i + salt);
        r.y = SpotY(i + salt);
        r.heading = 0.3f + 0.1f * static_cast<float>(i % 40);
        r.speed = 1.0f;
    }
}

void ArmAll() {
    int salt = 0;
    for (const EntityArray& a : StageCBossArrays()) {
        salt += 17;
        switch (a.kind) {
            case RecordKind::kEnemyShot:
                ArmHeading(static_cast<EnemyShot*>(a.records), a.count, salt);
                break;
            case RecordKind::kEnemyShot60: {
                auto* r = static_cast<EnemyShot60*>(a.records);
                ArmHeading(r, a.count, salt);
                r[0].x = 300.0f;  // the line's lead in the field: nothing is freed
                r[0].y = 200.0f;
                break;
            }
            case RecordKind::kEnemyShot56:
                ArmHeading(static_cast<EnemyShot56*>(a.records), a.count, salt);
                break;
            case RecordKind::kCurveFanBullet: {
                auto* r = static_cast<CurveFanBullet*>(a.records);
                ArmHeading(r, a.count, salt);
                for (int i = 0; i < a.count; ++i) r[i].phase = 5.0f;
                break;
            }
            case RecordKind::kEnemyDrop: {
                auto* r = static_cast<EnemyDrop*>(a.records);
                for (int i = 0; i < a.count; ++i) {
                    r[i].active = 1;
                    r[i].x = SpotX(i + salt);
                    r[i].y = SpotY(i + salt);
                }
                break;
            }
            case RecordKind::kPhaseShot: {
                auto* r = static_cast<PhaseShot*>(a.records);
                for (int i = 0; i < a.count; ++i) {
                    r[i] = PhaseShot{static_cast<int>(SpotX(i + salt)),
                                     static_cast<int>(SpotY(i + salt)),
                                     0,
                                     20,
                                     14.0f,
                                     1};
                }
                break;
            }
            default:
                break;
        }
    }
    for (int i = 0; i < kMainShotPoolCount; ++i) {
        MainShots1[i] = MainShot{230 + (i * 7) % 340, 100 + (i * 13) % 440, 0, -1, 1};
        MainShots2[i] = MainShot{230 + (i * 11) % 340, 100 + (i * 17) % 440, 0, -1, 1};
    }
    for (int i = 0; i < kWideMainShotPoolCount; ++i) {
        MainShots3[i] = MainShot{230 + (i * 5) % 340, 100 + (i * 19) % 440, 0, -1, 1};
    }
    for (int i = 0; i < kBurstShotCount; ++i) {
        BurstShots[i] = PhaseShot{230 + (i * 11) % 340, 100 + (i * 17) % 440, 0, 0, 3.5f, 1};
    }
    for (ExplosionParticle* sparks : {BossSparksC1, BossSparksC2}) {
        for (int i = 0; i < kMainShotSparkCount; ++i) {
            sparks[i] = ExplosionParticle{SpotX(i), SpotY(i), 1};
        }
    }
    for (int i = 0; i < kBurstSparkCount; ++i) BossSparksC3[i] = ExplosionParticle{SpotX(i), SpotY(i), 1};
}

void StartStageC() {
    StartLoadedGame();
    InitNewGame();
    ResetGameStateA();
    ResetGameStateB();
    WeaponType = 1;
    ScoringMode[0] = 0;  // pods too
    ScoringMode[1] = 1;
    ShipVisible = 1;
    Invincible = 1;
    SceneNumber = kSceneStageC;
    PreviousScene = kSceneStageC;
    FrameTime = kFrame;
}

// Boss C over the top of the field in its first damage-burst band, its attack clock inside the busiest
// windows.
void PlaceBoss() {
    BossCRecord.x = 180.0f;
    BossCRecord.y = 40.0f;
    BossCRecord.clock = 100.0f;
    BossCRecord.health = 500.0f;
    BossCAttackClock = 499;
    StageScroll = 2000.0f;
    PlayerPosition = {370.0f, 520.0f};
    PlayerAlive = 1;
}

void BM_StageCWorstFrame(benchmark::State& state) {
    StartStageC();
    for (auto _ : state) {
        state.PauseTiming();
        ArmAll();
        PlaceBoss();
        state.ResumeTiming();
        RunStageC();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StageCWorstFrame)->Unit(benchmark::kMicrosecond);

// The same armed pools, only the rotated draws: fan emitters, bullet lines and curving fans.
void BM_StageCRotatedDraws(benchmark::State& state) {
    StartStageC();
    ArmAll();
    PlaceBoss();
    constexpr void (*kDraws[])() = {
        DrawBossFanShot01,  DrawBossFanShot02,  DrawBossFanShot03,  DrawBossFanShot04,  DrawBossFanShot05,
        DrawBossFanShot06,  DrawBossFanShot07,  DrawBossFanShot08,  DrawBossFanShot09,  DrawBossFanShot10,
        DrawBossFanShot11,  DrawBossFanShot12,  DrawBossFanShot13,  DrawBossFanShot14,  DrawBossFanShot15,
        DrawBossFanShot16,  DrawBossFanShot17,  DrawBossFanShot18,  DrawBossFanShot19,  DrawBossFanShot20,
        DrawBossFanShot21,  DrawBossShotLine01, DrawBossShotLine02, DrawBossShotLine03, DrawBossShotLine04,
        DrawBossShotLine05, DrawBossShotLine06, DrawBossShotLine07, DrawBossShotLine08, DrawBossShotLine09,
        DrawBossShotLine10, DrawBossShotLine11, DrawBossShotLine12, DrawBossShotLine13, DrawBossShotLine14,
        DrawBossShotLine15, DrawBossShotLine16, DrawBossShotLine17, DrawBossShotLine18, DrawBossShotLine19,
        DrawBossShotLine20, DrawBossShotLine21, DrawBossShotLine22, DrawBossShotLine23, DrawBossShotLine24,
        DrawBossShotLine25, DrawBossShotLine26, DrawBossShotLine27, DrawBossShotLine28, DrawBossShotLine29,
        DrawBossShotLine30, DrawBossCurveFan01, DrawBossCurveFan02, DrawBossCurveFan03, DrawBossCurveFan04,
    };
    for (auto _ : state) {
        for (auto draw : kDraws) draw();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StageCRotatedDraws)->Unit(benchmark::kMicrosecond);

// A frame of play: the stage running on through its attack cycle with boss C wounded (outside the burst
// bands), each iteration the next frame; over many iterations the average of the cycle's windows.
void BM_StageCPlayFrame(benchmark::State& state) {
    StartStageC();
    ScoringMode[0] = 1;
    ScoringMode[1] = 0;
    PlaceBoss();
    BossCAttackClock = 0;
    for (auto _ : state) {
        BossCRecord.health = 600.0f;
        PlayerAlive = 1;
        RunStageC();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StageCPlayFrame)->Unit(benchmark::kMicrosecond)->Iterations(4900);

}  // namespace
