#include "game/stage_b/stage_b_driver.h"

#include <iterator>

#include "game/core/backgrounds.h"
#include "game/core/boss_sparks.h"
#include "game/core/game_state.h"
#include "game/core/homing_missiles.h"
#include "game/core/homing_salvos.h"
#include "game/enemies/enemy_bullets.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/small_enemies.h"
#include "game/stage_b/boss_b.h"
#include "game/stage_b/boss_b_aimed.h"
#include "game/stage_b/boss_b_arms.h"
#include "game/stage_b/boss_b_falling.h"
#include "game/stage_b/stage_b_entities.h"

namespace {

// Stage clock: 18 units a second. The boss phase is open while 150 < clock < 11100; the time limit is at
// 11000. The boss attacks while 0 < health < 980.
constexpr float kScrollRate = 18.0f;
constexpr float kBossPhaseOpens = 150.0f;
constexpr float kBossPhaseCloses = 11100.0f;
constexpr float kTimeLimit = 11000.0f;
constexpr float kAttackBandHigh = 980.0f;
constexpr int kCycle = 2300;
constexpr int kLongCycle = 3710;
constexpr int kPodFrames = 30;

// ---- Boss B's attack rows (counter n after its increment, bounds included) ------------------------------

constexpr AttackRow kAttackRows[] = {
    {30, 150, nullptr, {UpdateBossBCurtain01, UpdateBossBCurtain02}},
    {110, 200, nullptr, {UpdateBossBRain01, UpdateBossBRain02}},
    {200, 250, nullptr, {UpdateBossBFan04, UpdateBossBFan05, UpdateBossBFan02, UpdateBossBFan03}},
    {250, 400, nullptr, {UpdateBossBFan04, UpdateBossBFan05, UpdateBossBFan02, UpdateBossBFan03}},
    {350,
     380,
     nullptr,
     {FireBossBLine01, FireBossBLine02, FireBossBLine03, FireBossBLine04, FireBossBLine05, FireBossBLine06,
      FireBossBLine07, FireBossBLine08, FireBossBLine09, FireBossBLine10, FireBossBLine11, FireBossBLine12}},
    {400, 500, nullptr, {UpdateBossBRing01, UpdateBossBRing02}},
    {450, 500, nullptr, {UpdateBossBFan01}},
    {500, 700, nullptr, {UpdateBossBFan02, UpdateBossBFan03}},
    {480, 580, nullptr, {UpdateBossBTwin01, UpdateBossBTwin02}},
    {580, 700, nullptr, {UpdateBossBWideFan01, UpdateBossBWideFan02}},
    {800,
     900,
     nullptr,
     {FireBossBLine01, FireBossBLine02, FireBossBLine03, FireBossBLine04, FireBossBLine05, FireBossBLine06,
      FireBossBLine07, FireBossBLine08, FireBossBLine09, FireBossBLine10, FireBossBLine11, FireBossBLine12}},
    {700, 1000, nullptr, {UpdateBossBFan02, UpdateBossBFan03}},
    {750, 1100, nullptr, {UpdateBossBFan04, UpdateBossBFan05}},
    {1050, 1300, nullptr, {UpdateBossBWideFan01, UpdateBossBWideFan02}},
    {1320, 1500, nullptr, {UpdateBossBSpread01, UpdateBossBSpread02}},
    {1520, 1800, nullptr, {UpdateBossBSpread03, UpdateBossBSpread04}},
    {1820, 2000, nullptr, {UpdateBossBSpread05}},
    {2020, 2300, nullptr, {UpdateBossBSpread06, UpdateBossBSpread07}},
};

// Difficulty 3 adds the arm blocks and a second run of the spreads.
constexpr AttackRow kDifficulty3Rows[] = {
    {1320, 1600, nullptr, {UpdateBossBArm01}},
    {1380, 1650, nullptr, {UpdateBossBArm02, UpdateBossBArm03}},
    {1660, 1900, nullptr, {UpdateBossBArm04, UpdateBossBArm07}},
    {1690, 1950, nullptr, {UpdateBossBArm05, UpdateBossBArm06, UpdateBossBArm08, UpdateBossBArm09}},
    {1960, 2700, nullptr, {UpdateBossBArm02, UpdateBossBArm03}},
    {1990, 2700, nullptr, {UpdateBossBArm05, UpdateBossBArm06, UpdateBossBArm08, UpdateBossBArm09}},
    {2300, 2700, nullptr, {UpdateBossBArm04, UpdateBossBArm07, UpdateBossBArm01}},
    {2720, 2900, nullptr, {UpdateBossBSpread01, UpdateBossBSpread02}},
    {2920, 3200, nullptr, {UpdateBossBSpread03, UpdateBossBSpread04}},
    {3220, 3400, nullptr, {UpdateBossBSpread05}},
    {3420, 3700, nullptr, {UpdateBossBSpread06, UpdateBossBSpread07}},
};

constexpr Routine kPodLaunchers[] = {LaunchBossBPods01, LaunchBossBPods02, LaunchBossBPods03,
                                     LaunchBossBPods04, LaunchBossBPods05, LaunchBossBPods06,
                                     LaunchBossBPods07, LaunchBossBPods08, LaunchBossBPods09};

void AfterAttackRows(int n) {
    if (Difficulty == 3) RunAttackRows(kDifficulty3Rows, n, "bossB difficulty3");
    if (n <= kPodFrames) {
        for (Routine launch : kPodLaunchers) launch();
    }
}

// ---- The wave table (stage clock, bounds excluded), in the four places of the frame its rows run.
constexpr WaveRow kPreludeWaves[] = {
    {50.0f, 120.0f, {TickFormationShooters1, TickFormationShooters2}},
    {80.0f, 150.0f, {SpawnSmallEnemySlot<5>, FireSmallEnemyShotOf<5>}},
    {90.0f, 160.0f, {SpawnSmallEnemySlot<6>, FireSmallEnemyShotOf<6>}},
    {100.0f, 180.0f, {SpawnSmallEnemySlot<7>, FireSmallEnemyShotOf<7>, FireSmallEnemySpreadOf<7>}},
    {105.0f, 180.0f, {SpawnSmallEnemySlot<8>, FireSmallEnemyShotOf<8>, FireSmallEnemySpreadOf<8>}},
    {120.0f, 200.0f, {SpawnSmallEnemySlot<9>, FireSmallEnemyShotOf<9>, FireSmallEnemySpreadOf<9>}},
    {130.0f, 200.0f, {SpawnSmallEnemySlot<10>, FireSmallEnemyShotOf<10>, FireSmallEnemySpreadOf<10>}},
};
constexpr WaveRow kMidStageWaves[] = {
    {890.0f,
     1100.0f,
     {FirePellets07, FirePellets08, FirePellets09, FirePellets10, FirePellets11, FireShotLines1,
      FireShotLines2, FireShotLines3, FireShotLines4, FireShotLines5}},
    {1100.0f,
     1180.0f,
     {SpawnSmallEnemySlot<3>, FireSmallEnemyShotOf<3>, FireSmallEnemySpreadOf<3>, SpawnSmallEnemySlot<4>,
      FireSmallEnemyShotOf<4>, FireSmallEnemySpreadOf<4>}},
};
constexpr WaveRow kCarrier1Waves[] = {
    {200.0f,
     230.0f,
     {FirePellets18, FirePellets19, FirePellets20, FirePellets21, FirePellets22, TickCarrierMissiles1,
      TickCarrierMissiles2, TickCarrierMissiles3}},
    {670.0f,
     700.0f,
     {FirePellets18, FirePellets19, FirePellets20, FirePellets21, FirePellets22, TickCarrierMissiles1,
      TickCarrierMissiles2, TickCarrierMissiles3}},
};
constexpr WaveRow kCarrier2Waves[] = {
    {200.0f,
     230.0f,
     {FirePellets23, FirePellets24, FirePellets25, FirePellets26, FirePellets27, TickCarrierMissiles4,
      TickCarrierMissiles5, TickCarrierMissiles6}},
    {670.0f,
     700.0f,
     {FirePellets23, FirePellets24, FirePellets25, FirePellets26, FirePellets27, TickCarrierMissiles4,
      TickCarrierMissiles5, TickCarrierMissiles6}},
};

// ---- The stage's own enemies ------------------------------------------------------------------------

// Small-enemy slots 0 to 10: the movement pattern and the look of each.
constexpr SmallEnemySlotPlan kSlotStyles[] = {{1, 4}, {2, 4}, {2, 4}, {3, 2}, {4, 2}, {5, 0},
                                              {6, 0}, {7, 0}, {8, 0}, {9, 5}, {10, 6}};

void RunEnemies() {
    RunSmallEnemySlots(kSlotStyles);
    MoveFormationShooters1();
    DrawFormationShooters1();
    MoveFormationShooters2();
    DrawFormationShooters2();
    RunWaveRows(kPreludeWaves, "stageB prelude");
    MoveSpinners1();
    DrawSpinners1();
    MoveSpinners2();
    DrawSpinners2();
    if (ScoringMode[1] == 1) {
        MoveSpinners1();
        MoveSpinners2();
    }
    FirePellets01();
    FireSpinnerVolleys1();
    FirePellets04();
    FireSpinnerVolleys2();
    MoveDivers();
    MoveDivers();
    DrawDivers();
    RunWaveRows(kMidStageWaves, "stageB mid");
    MoveCarrier1();
    DrawCarrier1();
    RunWaveRows(kCarrier1Waves, "stageB carrier1");
    MoveCarrier2();
    DrawCarrier2();
    RunWaveRows(kCarrier2Waves, "stageB carrier2");
}

// ---- Pools, each moved then drawn, in the frame's order -------------------------------------------------

constexpr PoolStep kBossBPools[] = {
    {MoveBossBArm02, DrawBossBArm02},
    {MoveBossBArm03, DrawBossBArm03},
    {MoveBossBArm01, DrawBossBArm01},
    {MoveBossBArm05, DrawBossBArm05},
    {MoveBossBArm06, DrawBossBArm06},
    {MoveBossBArm04, DrawBossBArm04},
    {MoveBossBArm08, DrawBossBArm08},
    {MoveBossBArm09, DrawBossBArm09},
    {MoveBossBArm07, DrawBossBArm07},
    {MoveBossBLine01, DrawBossBLine01},
    {MoveBossBLine02, DrawBossBLine02},
    {MoveBossBLine03, DrawBossBLine03},
    {MoveBossBLine04, DrawBossBLine04},
    {MoveBossBLine05, DrawBossBLine05},
    {MoveBossBLine06, DrawBossBLine06},
    {MoveBossBLine07, DrawBossBLine07},
    {MoveBossBLine08, DrawBossBLine08},
    {MoveBossBLine09, DrawBossBLine09},
    {MoveBossBLine10, DrawBossBLine10},
    {MoveBossBLine11, DrawBossBLine11},
    {MoveBossBLine12, DrawBossBLine12},
    {MoveBossBRing01, DrawBossBRing01},
    {MoveBossBRing02, DrawBossBRing02},
    {MoveBossBFan04, DrawBossBFan04},
    {MoveBossBFan05, DrawBossBFan05},
    {MoveBossBWideFan01, DrawBossBWideFan01},
    {MoveBossBWideFan02, DrawBossBWideFan02},
    {MoveBossBFan02, DrawBossBFan02},
    {MoveBossBFan03, DrawBossBFan03},
    {MoveBossBFan01, DrawBossBFan01},
    {MoveBossBTwin01, DrawBossBTwin01},
    {MoveBossBTwin02, DrawBossBTwin02},
    {MoveBossBPods01, DrawBossBPods01},
    {MoveBossBPods02, DrawBossBPods02},
    {MoveBossBPods03, DrawBossBPods03},
    {MoveBossBPods04, DrawBossBPods04},
    {MoveBossBPods05, DrawBossBPods05},
    {MoveBossBPods06, DrawBossBPods06},
    {MoveBossBPods07, DrawBossBPods07},
    {MoveBossBPods08, DrawBossBPods08},
    {MoveBossBPods09, DrawBossBPods09},
    {MoveBossBCurtain01, DrawBossBCurtain01},
    {MoveBossBCurtain02, DrawBossBCurtain02},
    {MoveBossBRain01, DrawBossBRain01},
    {MoveBossBRain02, DrawBossBRain02},
    {MoveBossBExtraFan04, DrawBossBExtraFan04},
    {MoveBossBExtraFan05, DrawBossBExtraFan05},
    {MoveBossBExtraFan02, DrawBossBExtraFan02},
    {MoveBossBExtraFan03, DrawBossBExtraFan03},
    {MoveBossBExtraFan01, DrawBossBExtraFan01},
    {MoveBossBExtraRing01, DrawBossBExtraRing01},
    {MoveBossBRain03, DrawBossBRain03},
    {MoveBossBRain04, DrawBossBRain04},
    {MoveBossBExtraPods01, DrawBossBExtraPods01},
    {MoveBossBExtraPods02, DrawBossBExtraPods02},
    {MoveBossBExtraPods03, DrawBossBExtraPods03},
    {MoveBossBExtraPods04, DrawBossBExtraPods04},
    {MoveBossBExtraPods05, DrawBossBExtraPods05},
    {MoveBossBExtraPods06, DrawBossBExtraPods06},
    {MoveBossBExtraPods07, DrawBossBExtraPods07},
    {MoveBossBSpread01, DrawBossBSpread01},
    {MoveBossBSpread02, DrawBossBSpread02},
    {MoveBossBSpread03, DrawBossBSpread03},
    {MoveBossBSpread04, DrawBossBSpread04},
    {MoveBossBSpread05, DrawBossBSpread05},
    {MoveBossBSpread06, DrawBossBSpread06},
    {MoveBossBSpread07, DrawBossBSpread07},
};
constexpr Routine kExtraFanSecondRun[] = {MoveBossBExtraFan04, MoveBossBExtraFan05, MoveBossBExtraFan02,
                                          MoveBossBExtraFan03, MoveBossBExtraFan01};

constexpr PoolStep kOrdinaryPools[] = {
    {MovePellets01, DrawPellets01},
    {MovePellets02, DrawPellets02},
    {MovePellets03, DrawPellets03},
    {MoveSpinShots01, DrawSpinShots01},
    {MoveSpinShots02, DrawSpinShots02},
    {MoveSpinnerVolleys1, DrawSpinnerVolleys1},
    {MoveAimedPellets1, DrawAimedPellets1},
    {MovePellets04, DrawPellets04},
    {MovePellets05, DrawPellets05},
    {MovePellets06, DrawPellets06},
    {MoveSpinShots03, DrawSpinShots03},
    {MoveSpinShots04, DrawSpinShots04},
    {MoveSpinnerVolleys2, DrawSpinnerVolleys2},
    {MoveAimedPellets2, DrawAimedPellets2},
    {MoveFormationShots1, DrawFormationShots1},
    {MoveFormationShots2, DrawFormationShots2},
    {MoveFormationShots3, DrawFormationShots3},
    {MoveFormationShots4, DrawFormationShots4},
    {MovePellets07, DrawPellets07},
    {MovePellets08, DrawPellets08},
    {MovePellets09, DrawPellets09},
    {MovePellets10, DrawPellets10},
    {MovePellets11, DrawPellets11},
    {MoveShotLines1, DrawShotLines1},
    {MoveShotLines2, DrawShotLines2},
    {MoveShotLines3, DrawShotLines3},
    {MoveShotLines4, DrawShotLines4},
    {MoveShotLines5, DrawShotLines5},
};
constexpr Routine kDiverPelletSecondRun[] = {MovePellets07, MovePellets08, MovePellets09, MovePellets10,
                                             MovePellets11};
constexpr PoolStep kCarrierPools[] = {
    {MovePellets18, DrawPellets18},
    {MovePellets19, DrawPellets19},
    {MovePellets20, DrawPellets20},
    {MovePellets21, DrawPellets21},
    {MovePellets22, DrawPellets22},
    {MoveCarrierMissiles1, DrawCarrierMissiles1},
    {MoveCarrierMissiles2, DrawCarrierMissiles2},
    {MoveCarrierMissiles3, DrawCarrierMissiles3},
    {MovePellets23, DrawPellets23},
    {MovePellets24, DrawPellets24},
    {MovePellets25, DrawPellets25},
    {MovePellets26, DrawPellets26},
    {MovePellets27, DrawPellets27},
    {MoveCarrierMissiles4, DrawCarrierMissiles4},
    {MoveCarrierMissiles5, DrawCarrierMissiles5},
    {MoveCarrierMissiles6, DrawCarrierMissiles6},
};

void RunAll(std::span<const Routine> routines) {
    for (Routine routine : routines) routine();
}

void RunPools() {
    RunPoolSteps(kBossBPools);
    if (ScoringMode[1] == 1) RunAll(kExtraFanSecondRun);
    RunSmallEnemyBullets();
    RunPoolSteps(kOrdinaryPools);
    if (ScoringMode[0] != 1) RunAll(kDiverPelletSecondRun);
    RunPoolSteps(kCarrierPools);
}

void RunSparks() {
    DrawBossSparksB1();
    MoveBossSparksB1();
    DrawBossSparksB2();
    MoveBossSparksB2();
    DrawBossSparksB3();
    MoveBossSparksB3();
}

void RunMissiles() {
    MoveHomingMissiles01();
    MoveHomingMissiles02();
    MoveHomingMissiles03();
    MoveHomingMissiles04();
    MoveHomingMissiles05();
    MoveHomingMissiles06();
    MoveHomingMissiles09();
    MoveHomingMissiles14();
    MoveHomingMissiles12();
    MoveHomingMissiles13();
}

constexpr PowerWindow kPowerWindows[] = {
    {300.0f, 350.0f}, {500.0f, 550.0f}, {800.0f, 850.0f}, {1000.0f, 1050.0f}};

const StageDriver kStageB{
    .firstFrameUnfreezes = false,
    .prelude = nullptr,
    .scrollRate = kScrollRate,
    .background = DrawStageBBackground,
    .starSpread = 130,
    .starBase = 130,
    .starSpreadAlone = 150,
    .starBaseAlone = 150,
    .powerItemsFirst = true,
    .powerWindows = kPowerWindows,
    .bossPhaseLow = kBossPhaseOpens,
    .bossPhaseHigh = kBossPhaseCloses,
    .bossScript = RunStageBBossScript,
    .bossDraw = DrawBossDeathB,
    .bossClear = RunStageBClearSequence,
    .boss = &BossB,
    .attack = {.clock = &BossBAttackTimer,
               .low = 0.0f,
               .high = kAttackBandHigh,
               .rows = kAttackRows,
               .afterRows = AfterAttackRows,
               .wrapAt = StageBAttackWrap,
               .table = "bossB attacks"},
    .timeLimit = kTimeLimit,
    .enemies = RunEnemies,
    .pools = RunPools,
    .sparks = RunSparks,
    .spiralNeedsFireOff = false,
    .salvos = SalvoLaunch::kDifficulty3,
    .missiles = RunMissiles,
    .autoFire = false,
};

}  // namespace

int StageBAttackWrap() {
    if (Difficulty == 1 || Difficulty == 2) return kCycle;
    if (Difficulty == 3) return kLongCycle;
    return 0;
}

void RunStageB() {
    RunStage(kStageB);
}

const StageDriver& StageBDriver() {
    return kStageB;
}
std::span<const AttackRow> StageBAttackRows() {
    return kAttackRows;
}
std::span<const AttackRow> StageBDifficulty3Rows() {
    return kDifficulty3Rows;
}
