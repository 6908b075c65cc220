#include "game/core/stage_driver.h"

#include <climits>

#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/backgrounds.h"
#include "game/core/burst_volley.h"
#include "game/core/collision_pass.h"
#include "game/core/game_state.h"
#include "game/core/homing_missiles.h"
#include "game/core/homing_salvos.h"
#include "game/core/hud.h"
#include "game/core/lock_on.h"
#include "game/core/main_shots.h"
#include "game/core/power_item.h"
#include "game/core/ship.h"
#include "game/core/ship_death.h"
#include "game/core/spiral_volley.h"
#include "game/core/trace_hook.h"

namespace {

void RunPowerItems(const StageDriver& stage) {
    DrawPowerItem();
    MovePowerItem();
    for (const PowerWindow& w : stage.powerWindows) {
        if (StageScroll >= w.low && StageScroll <= w.high) SpawnPowerItem();
    }
}

// The boss phase. The stage clock and the health are read again at each test: a clear sequence that
// ends the stage inside the draw resets them, and nothing after it may act on the old values.
void RunBossPhase(const StageDriver& stage) {
    if (!(StageScroll > stage.bossPhaseLow && StageScroll < stage.bossPhaseHigh)) return;
    stage.bossScript();
    stage.bossDraw();
    RunAttackStep(stage.attack, *stage.boss);
    if (StageScroll >= stage.timeLimit) {
        stage.boss->health = 0.0f;
        stage.bossClear();
    }
}

// The automatic launch block, behind AutoFireTrigger (nothing in play sets it).
void RunAutoFire() {
    if (WeaponType == 1) AutoFireShots1();
    if (WeaponType == 2) AutoFireShots2();
    LaunchHomingMissiles01();
    LaunchHomingMissiles02();
    DetectBossPartLocks();
    LaunchHomingMissiles03();
    LaunchHomingMissiles04();
    LaunchHomingMissiles05();
    LaunchHomingMissiles06();
    LaunchHomingMissiles07();
    LaunchHomingMissiles08();
    LaunchHomingMissiles10();
    LaunchHomingMissiles11();
    LaunchHomingMissiles12();
    LaunchHomingMissiles13();
    LaunchHomingMissiles14();
    LaunchHomingMissiles15();
    LaunchHomingMissiles16();
    LaunchHomingMissiles17();
    LaunchHomingMissiles18();
    LaunchHomingMissiles19();
}

void RunAfterPresent(const StageDriver& stage) {
    UpdatePlayerShip();
    if (ClearEnemyShots == 1 && (!stage.spiralNeedsFireOff || FireEnable[0] == 0)) FireSpiralVolley();
    MoveSpiralShots();
    if (BurstActive[0] == 1) FireBurstVolley();
    HitTestPlayerAttacks();
    if (stage.salvos == SalvoLaunch::kAlways ||
        (stage.salvos == SalvoLaunch::kDifficulty3 && Difficulty == 3)) {
        FireHomingSalvo1();
        FireHomingSalvo2();
        FireHomingSalvo3();
        FireHomingSalvo4();
    }
    stage.missiles();
    if (stage.autoFire && AutoFireTrigger == 1) RunAutoFire();
}

}  // namespace

void RunAttackRows(std::span<const AttackRow> rows, int n, const char* table) {
    for (const AttackRow& row : rows) {
        if (n < row.low || n > row.high) continue;
        if (row.when != nullptr && !row.when()) continue;
        TraceRow(TraceKind::kAttackRow, table, static_cast<int>(&row - rows.data()),
                 static_cast<int>(rows.size()), static_cast<float>(n));
        for (Routine call : row.calls) {
            if (call == nullptr) break;
            call();
        }
    }
}

void RunWaveRows(std::span<const WaveRow> rows, const char* table) {
    for (const WaveRow& row : rows) {
        if (!(StageScroll > row.low && StageScroll < row.high)) continue;
        TraceRow(TraceKind::kWaveRow, table, static_cast<int>(&row - rows.data()),
                 static_cast<int>(rows.size()), StageScroll);
        for (Routine call : row.calls) {
            if (call == nullptr) break;
            call();
        }
    }
}

void RunPoolSteps(std::span<const PoolStep> steps) {
    for (const PoolStep& step : steps) {
        if (step.when != nullptr && !step.when()) continue;
        step.move();
        if (step.draw != nullptr) step.draw();
    }
}

void RunAttackStep(const AttackSchedule& schedule, const BossRecord& boss) {
    if (!(boss.health > schedule.low && boss.health < schedule.high)) return;
    int& clock = *schedule.clock;
    // A clock that never wraps stops at the largest count instead of running over.
    if (clock < INT_MAX) clock += 1;
    const int n = clock;
    RunAttackRows(schedule.rows, n, schedule.table);
    if (schedule.afterRows != nullptr) schedule.afterRows(n);
    const int wrap = schedule.wrapAt != nullptr ? schedule.wrapAt() : 0;
    if (wrap > 0 && clock >= wrap) clock = 0;
}

void RunStage(const StageDriver& stage) {
    if (stage.firstFrameUnfreezes && SceneFirstFrame == 1) {
        Frozen = 0;
        ContinueShown = 0;
    } else if (Frozen != 0) {
        AnswerContinuePrompt();
        return;
    }
    if (stage.prelude != nullptr) stage.prelude();
    elDraw::ClearBackBuffer();
    StageScroll += stage.scrollRate * FrameTime;
    if (BackgroundOff == 0) {
        DrawBackdrop();
        DrawStarfield(stage.starSpread, stage.starBase);
        stage.background();
    } else if (BackgroundOff == 1) {
        DrawStarfield(stage.starSpreadAlone, stage.starBaseAlone);
    }
    DrawBombBlasts();
    if (stage.powerItemsFirst) RunPowerItems(stage);
    RunBossPhase(stage);
    DrawPlayerShots();
    if (stage.enemies != nullptr) stage.enemies();
    if (!stage.powerItemsFirst) RunPowerItems(stage);
    DetectLockTargets();
    DrawHomingSalvo1();
    DrawHomingSalvo2();
    DrawHomingSalvo3();
    DrawHomingSalvo4();
    DrawPlayerShip();
    stage.pools();
    stage.sparks();
    DrawPlayerSpecial();
    DrawScoreHud();
    DrawLockBanner();
    ShowContinuePrompt();
    elDraw::SetWaitVBlank(1);
    elDraw::Present();
    RunAfterPresent(stage);
}
