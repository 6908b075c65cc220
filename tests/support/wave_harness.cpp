#include "support/wave_harness.h"

#include "engine/elDraw.h"
#include "game/core/burst_volley.h"
#include "game/core/collision_pass.h"
#include "game/core/game_state.h"
#include "game/core/main_shots.h"
#include "game/core/ship.h"
#include "game/core/ship_death.h"
#include "game/enemies/enemy_bullets.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_pools.h"
#include "game/enemies/small_enemies.h"
#include "game/stage_a/stage_a_objects.h"

namespace wave {

namespace {

constexpr int kPatterns = 11;
constexpr int kPlainLooks = 5;
constexpr int kCirclingLeft = 9;
constexpr int kCirclingRight = 10;
constexpr int kTurnedLookLeft = 5;
constexpr int kTurnedLookRight = 6;

// A place over the 360-pixel field for record i of a pool, spread so that pools overlap.
struct Place {
    float x;
    float y;
};
Place FieldPlace(int i, int salt) {
    return {230.0f + static_cast<float>((i * 37 + salt * 13) % 330),
            40.0f + static_cast<float>((i * 53 + salt * 29) % 500)};
}

template <typename R>
void FillHeading(R* records, int count, int salt) {
    for (int i = 0; i < count; ++i) {
        const Place p = FieldPlace(i, salt);
        records[i].x = p.x;
        records[i].y = p.y;
        records[i].heading = 1.2f + 0.05f * static_cast<float>(i % 9);
        records[i].speed = 150.0f;
        records[i].active = 1;
    }
}

void FillDrops(EnemyDrop* records, int count, int salt) {
    for (int i = 0; i < count; ++i) {
        const Place p = FieldPlace(i, salt);
        records[i].x = p.x;
        records[i].y = p.y;
        records[i].vx = 20.0f;
        records[i].vy = 150.0f;
        records[i].active = 1;
    }
}

}  // namespace

int PatternOf(int slot) {
    return slot % kPatterns;
}

int LookOf(int slot) {
    if (slot == kCirclingLeft) return kTurnedLookLeft;
    if (slot == kCirclingRight) return kTurnedLookRight;
    return slot % kPlainLooks;
}

int ShotStyleOf(int slot) {
    return slot % 2;
}

int SpreadStyleOf(int slot) {
    return slot % 3;
}

void Schedule(int frame) {
    for (int n = 0; n < kSlots; ++n) {
        if (frame >= n * kSpawnStagger) SpawnSmallEnemy(n);
        if (frame < kFirstShotFrame) continue;
        if ((frame + 3 * n) % kShotPeriod == 0) FireSmallEnemyShot(n);
        if ((frame + 5 * n) % kSpreadPeriod == 0) FireSmallEnemySpread(n);
    }
}

void MoveAndDrawWave() {
    for (int n = 0; n < kSlots; ++n) {
        MoveSmallEnemy(n, PatternOf(n));
        DrawSmallEnemy(n, LookOf(n));
    }
    for (int n = 0; n < kSlots; ++n) {
        MoveSmallEnemyShot(n);
        DrawSmallEnemyShot(n, ShotStyleOf(n));
        MoveSmallEnemySpread(n);
        DrawSmallEnemySpread(n, SpreadStyleOf(n));
    }
}

void MoveAndDrawSquadrons() {
    using Routine = void (*)();
    static constexpr Routine kKinds[] = {
        MoveSwoopers1,
        DrawSwoopers1,
        MoveSwoopers2,
        DrawSwoopers2,
        MoveWaveFlyers1,
        DrawWaveFlyers1,
        MoveWaveFlyers2,
        DrawWaveFlyers2,
        MoveFormationShooters1,
        DrawFormationShooters1,
        MoveFormationShooters2,
        DrawFormationShooters2,
        MoveFormationShooters3,
        DrawFormationShooters3,
        MoveFormationShooters4,
        DrawFormationShooters4,
        MoveSpinners1,
        DrawSpinners1,
        MoveSpinners2,
        DrawSpinners2,
        MoveDivers,
        DrawDivers,
        MoveCarrier1,
        DrawCarrier1,
        MoveCarrier2,
        DrawCarrier2,
        MoveFallingObjects,
        DrawFallingObjects,
        MoveDriftObjectsA,
        DrawDriftObjectsA,
        MoveDriftObjectsB,
        DrawDriftObjectsB,
    };
    static constexpr Routine kPools[] = {
        MoveSpinnerVolleys1,  DrawSpinnerVolleys1,  MoveSpinnerVolleys2,  DrawSpinnerVolleys2,
        MoveCarrierMissiles1, DrawCarrierMissiles1, MoveCarrierMissiles2, DrawCarrierMissiles2,
        MoveCarrierMissiles3, DrawCarrierMissiles3, MoveCarrierMissiles4, DrawCarrierMissiles4,
        MoveCarrierMissiles5, DrawCarrierMissiles5, MoveCarrierMissiles6, DrawCarrierMissiles6,
        MoveFormationShots1,  DrawFormationShots1,  MoveFormationShots2,  DrawFormationShots2,
        MoveFormationShots3,  DrawFormationShots3,  MoveFormationShots4,  DrawFormationShots4,
        MoveSpinShots01,      DrawSpinShots01,      MoveSpinShots02,      DrawSpinShots02,
        MoveSpinShots03,      DrawSpinShots03,      MoveSpinShots04,      DrawSpinShots04,
        MoveSpinShots05,      DrawSpinShots05,      MoveSpinShots06,      DrawSpinShots06,
        MoveSpinShots07,      DrawSpinShots07,      MoveSpinShots08,      DrawSpinShots08,
        MoveAimedPellets1,    DrawAimedPellets1,    MoveAimedPellets2,    DrawAimedPellets2,
        MoveMissiles1,        DrawMissiles1,        MoveMissiles2,        DrawMissiles2,
        MoveShotLines1,       DrawShotLines1,       MoveShotLines2,       DrawShotLines2,
        MoveShotLines3,       DrawShotLines3,       MoveShotLines4,       DrawShotLines4,
        MoveShotLines5,       DrawShotLines5,       MoveShotLines6,       DrawShotLines6,
        MoveShotLines7,       DrawShotLines7,       MoveCurveShotsLeft,   DrawCurveShotsLeft,
        MoveCurveShotsRight,  DrawCurveShotsRight,  MoveGlowShots,        DrawGlowShots,
        MoveSpinShotsA,       DrawSpinShotsA,       MoveSpinShotsB,       DrawSpinShotsB,
    };
    for (Routine r : kKinds) r();
    for (Routine r : kPools) r();
    constexpr int kPelletPools = 35;
    for (int n = 1; n <= kPelletPools; ++n) {
        MovePellets(n);
        DrawPellets(n);
    }
}

void FillSquadronPools() {
    int salt = 0;
    for (const EntityArray& a : SquadronPoolArrays()) {
        ++salt;
        switch (a.kind) {
            case RecordKind::kEnemyShot:
                FillHeading(static_cast<EnemyShot*>(a.records), a.count, salt);
                break;
            case RecordKind::kEnemyShot60:
                FillHeading(static_cast<EnemyShot60*>(a.records), a.count, salt);
                break;
            case RecordKind::kAimedPellet:
                FillHeading(static_cast<AimedPellet*>(a.records), a.count, salt);
                break;
            case RecordKind::kEnemyDrop:
                FillDrops(static_cast<EnemyDrop*>(a.records), a.count, salt);
                break;
            default:
                break;
        }
    }
}

void Frame(int frame, bool everySquadron) {
    elDraw::ClearBackBuffer();
    DrawPlayerShots();
    Schedule(frame);
    MoveAndDrawWave();
    if (everySquadron) MoveAndDrawSquadrons();
    DrawPlayerShip();
    DrawPlayerSpecial();
    elDraw::Present();
    UpdatePlayerShip();
    if (BurstActive[0] == 1) FireBurstVolley();
    HitTestPlayerAttacks();
}

}  // namespace wave
