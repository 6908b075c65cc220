#include "game/stage_a/stage_a.h"

#include "engine/elSound.h"
#include "game/core/backgrounds.h"
#include "game/core/boss_sparks.h"
#include "game/core/game_state.h"
#include "game/core/homing_missiles.h"
#include "game/core/homing_salvos.h"
#include "game/core/stage_driver.h"
#include "game/enemies/enemy_bullets.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/small_enemies.h"
#include "game/stage_a/boss_a.h"
#include "game/stage_a/boss_a_pools.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_a/stage_a_objects.h"

namespace {

// ---- Music
// ---------------------------------------------------------------------------------------------------

// The frame count starts the music on the first frame of every stage A and goes round long before it could
// overflow.
constexpr int kFrameCountWrap = 100999999;

void StartStageMusic() {
    StageFrameCounter += 1;
    if (StageFrameCounter == 1) elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
    if (StageFrameCounter >= kFrameCountWrap) StageFrameCounter = 0;
}

// ---- Enemies and the wave schedule
// ---------------------------------------------------------------------------

// The small-enemy slots' movement patterns and looks.
constexpr SmallEnemySlotPlan kSlotPlans[] = {{1, 1}, {2, 1}, {2, 1},  {3, 2}, {4, 2}, {5, 0}, {6, 0}, {7, 0},
                                             {8, 0}, {9, 5}, {10, 6}, {5, 0}, {6, 0}, {7, 4}, {8, 4}};

// Moves and draws of the stage's objects and ordinary enemies, in order.
constexpr Routine kEnemySteps[] = {
    MoveFallingObjects,     MoveFallingObjects,     DrawFallingObjects,     MoveSwoopers1,
    DrawSwoopers1,          MoveSwoopers2,          DrawSwoopers2,          MoveDriftObjectsA,
    DrawDriftObjectsA,      MoveDriftObjectsB,      DrawDriftObjectsB,      MoveFormationShooters1,
    DrawFormationShooters1, MoveFormationShooters2, DrawFormationShooters2, MoveFormationShooters3,
    DrawFormationShooters3, MoveFormationShooters4, DrawFormationShooters4, MoveWaveFlyers1,
    DrawWaveFlyers1,        MoveWaveFlyers2,        DrawWaveFlyers2,
};

constexpr WaveRow kWaveSchedule[] = {
    {120.0f, 700.0f, {SpawnSmallEnemySlot<9>, SpawnSmallEnemySlot<10>}},
    {250.0f, 500.0f, {SpawnSmallEnemySlot<0>, FireSmallEnemyShotOf<0>}},
    {300.0f, 600.0f, {SpawnSmallEnemySlot<1>, FireSmallEnemyShotOf<1>, FireSmallEnemySpreadOf<1>}},
    {350.0f, 600.0f, {SpawnSmallEnemySlot<2>, FireSmallEnemyShotOf<2>, FireSmallEnemySpreadOf<2>}},
    {600.0f, 900.0f, {SpawnSmallEnemySlot<3>, FireSmallEnemyShotOf<3>, FireSmallEnemySpreadOf<3>}},
    {700.0f, 900.0f, {SpawnSmallEnemySlot<4>, FireSmallEnemyShotOf<4>, FireSmallEnemySpreadOf<4>}},
    {800.0f, 1200.0f, {SpawnSmallEnemySlot<5>, FireSmallEnemyShotOf<5>}},
    {900.0f, 1250.0f, {SpawnSmallEnemySlot<6>, FireSmallEnemyShotOf<6>}},
    {1050.0f,
     1200.0f,
     {SpawnSmallEnemySlot<7>, FireSmallEnemyShotOf<7>, FireSmallEnemySpreadOf<7>, SpawnSmallEnemySlot<8>,
      FireSmallEnemyShotOf<8>, FireSmallEnemySpreadOf<8>}},
    {1200.0f, 1300.0f, {SpawnSmallEnemySlot<9>, FireSmallEnemyShotOf<9>, FireSmallEnemySpreadOf<9>}},
    {1300.0f, 1400.0f, {SpawnSmallEnemySlot<10>, FireSmallEnemyShotOf<10>, FireSmallEnemySpreadOf<10>}},
    {1300.0f,
     1450.0f,
     {SpawnSmallEnemySlot<11>, FireSmallEnemyShotOf<11>, SpawnSmallEnemySlot<12>, FireSmallEnemyShotOf<12>}},
    {1350.0f,
     1500.0f,
     {SpawnSmallEnemySlot<13>, FireSmallEnemyShotOf<13>, FireSmallEnemySpreadOf<13>, SpawnSmallEnemySlot<14>,
      FireSmallEnemyShotOf<14>, FireSmallEnemySpreadOf<14>}},
    {160.0f, 200.0f, {TickFormationShooters1}},
    {200.0f, 250.0f, {TickFormationShooters2}},
    {400.0f, 450.0f, {TickFormationShooters3}},
    {500.0f, 550.0f, {TickFormationShooters4}},
    {550.0f, 600.0f, {SpawnSwoopers1, FireShotLines6, SpawnSwoopers2, FireShotLines7}},
    {900.0f, 960.0f, {TickFormationShooters1, TickFormationShooters2}},
    {950.0f, 1000.0f, {TickFormationShooters3, TickFormationShooters4}},
    {950.0f, 1050.0f, {SpawnSwoopers1, FireShotLines6, SpawnSwoopers2, FireShotLines7}},
    {1050.0f,
     1150.0f,
     {TickWaveFlyers1, FirePellets28, FirePellets29, FirePellets30, FirePellets31, TickWaveFlyers2,
      FirePellets32, FirePellets33, FirePellets34, FirePellets35}},
    {1150.0f, 1200.0f, {TickFormationShooters3, TickFormationShooters4}},
};

void RunEnemies() {
    RunSmallEnemySlots(kSlotPlans);
    for (Routine step : kEnemySteps) step();
    RunWaveRows(kWaveSchedule, "stageA waves");
}

// ---- Bullet pools
// --------------------------------------------------------------------------------------------

// Boss A's pools, each moved then drawn.
constexpr PoolStep kBossPools[] = {
    {MoveBossARain01, DrawBossARain01},         {MoveBossARain02, DrawBossARain02},
    {MoveBossAVolley03, DrawBossAVolley03},     {MoveBossAVolley04, DrawBossAVolley04},
    {MoveBossAVolley05, DrawBossAVolley05},     {MoveBossAVolley06, DrawBossAVolley06},
    {MoveBossAVolley07, DrawBossAVolley07},     {MoveBossAVolley08, DrawBossAVolley08},
    {MoveBossAGunShots01, DrawBossAGunShots01}, {MoveBossAVolley09, DrawBossAVolley09},
    {MoveBossAVolley10, DrawBossAVolley10},     {MoveBossAVolley01, DrawBossAVolley01},
    {MoveBossAVolley02, DrawBossAVolley02},     {MoveBossASpread02, DrawBossASpread02},
    {MoveBossASpread01, DrawBossASpread01},     {MoveBossASpread03, DrawBossASpread03},
    {MoveBossARain03, DrawBossARain03},         {MoveBossARain04, DrawBossARain04},
    {MoveBossADrop01, DrawBossADrop01},         {MoveBossADrop02, DrawBossADrop02},
    {MoveBossACurtain01, DrawBossACurtain01},   {MoveBossACurtain02, DrawBossACurtain02},
    {MoveBossABarrage, DrawBossABarrage},       {MoveBossAPods01, DrawBossAPods01},
    {MoveBossAPods02, DrawBossAPods02},         {MoveBossAPods03, DrawBossAPods03},
    {MoveBossASpread04, DrawBossASpread04},     {MoveBossASpiral01, DrawBossASpiral01},
    {MoveBossASpiral02, DrawBossASpiral02},     {MoveBossASpiral03, DrawBossASpiral03},
    {MoveBossASpiral05, DrawBossASpiral05},     {MoveBossASpiral04, DrawBossASpiral04},
    {MoveBossASpiral06, DrawBossASpiral06},     {MoveBossAShots01, DrawBossAShots01},
    {MoveBossAShots02, DrawBossAShots02},       {MoveBossAShots03, DrawBossAShots03},
    {MoveBossAShots04, DrawBossAShots04},       {MoveBossAShots05, DrawBossAShots05},
    {MoveBossAShots06, DrawBossAShots06},
};

// The stage's own pools and the kinds' pools.
constexpr PoolStep kStagePools[] = {
    {MoveSpinShotsA, DrawSpinShotsA},
    {MoveSpinShotsB, DrawSpinShotsB},
    {MoveFormationShots1, DrawFormationShots1},
    {MoveFormationShots2, DrawFormationShots2},
    {MoveFormationShots3, DrawFormationShots3},
    {MoveFormationShots4, DrawFormationShots4},
    {MovePellets28, DrawPellets28},
    {MovePellets29, DrawPellets29},
    {MovePellets30, DrawPellets30},
    {MovePellets31, DrawPellets31},
    {MovePellets32, DrawPellets32},
    {MovePellets33, DrawPellets33},
    {MovePellets34, DrawPellets34},
    {MovePellets35, DrawPellets35},
    {MoveGlowShots, DrawGlowShots},
    {MoveCurveShotsLeft, DrawCurveShotsLeft},
    {MoveCurveShotsRight, DrawCurveShotsRight},
    {MoveShotLines6, DrawShotLines6},
    {MoveShotLines7, DrawShotLines7},
};

void RunPools() {
    RunPoolSteps(kBossPools);
    if (ScoringMode[1] == 1) {
        MoveBossACurtain01();
        MoveBossACurtain02();
    }
    RunSmallEnemyBullets();
    RunPoolSteps(kStagePools);
    if (ScoringMode[0] != 1) {
        MoveSpinShotsA();
        MoveSpinShotsB();
    }
}

void RunSparks() {
    DrawBossSparksA1();
    MoveBossSparksA1();
    DrawBossSparksA2();
    MoveBossSparksA2();
    DrawBossSparksA3();
    MoveBossSparksA3();
}

void MoveBossAMissiles() {
    MoveHomingMissiles01();
    MoveHomingMissiles02();
    MoveHomingMissiles03();
    MoveHomingMissiles04();
    MoveHomingMissiles05();
    MoveHomingMissiles06();
    MoveHomingMissiles07();
    MoveHomingMissiles08();
}

// ---- Boss A's attack schedule
// --------------------------------------------------------------------------------

bool HardDifficulty() {
    return Difficulty == 2 || Difficulty == 3;
}
bool ExtraVolleys() {
    return ScoringMode[0] == 2 || ScoringMode[1] == 1;
}

constexpr AttackRow kAttackRows[] = {
    {1, 200, nullptr, {FireBossASpread01}},
    {600, 900, nullptr, {FireBossASpread01}},
    {1400, 1900, nullptr, {FireBossASpread01}},
    {2300, 2800, nullptr, {FireBossAVolley09, FireBossAVolley10}},
    {3300, 3600, nullptr, {FireBossAVolley09, FireBossAVolley10}},
    {3600,
     4250,
     nullptr,
     {FireBossAVolley03, FireBossAVolley04, FireBossAVolley05, FireBossAVolley06, FireBossAVolley07,
      FireBossAVolley08}},
    {1, 3000, nullptr, {UpdateBossASpiral03, UpdateBossASpiral05}},
    {1400, 4300, nullptr, {UpdateBossASpiral01, UpdateBossASpiral02}},
    {2000, 4300, nullptr, {UpdateBossASpiral04, UpdateBossASpiral06}},
    {20, 280, HardDifficulty, {UpdateBossARain01, UpdateBossARain02}},
    {100, 170, nullptr, {FireBossAVolley09, FireBossAVolley10}},
    {170,
     200,
     nullptr,
     {FireBossAVolley03, FireBossAVolley04, FireBossAVolley05, FireBossAVolley06, FireBossAVolley07,
      FireBossAVolley08}},
    {100, 200, ExtraVolleys, {FireBossAVolley01, FireBossAVolley02}},
    {200, 300, nullptr, {FireBossASpread02}},
    {250, 460, nullptr, {FireBossASpread03}},
    {400, 580, nullptr, {FireBossASpread04}},
    {400, 500, ExtraVolleys, {FireBossAVolley01, FireBossAVolley02}},
    {500, 600, nullptr, {UpdateBossADropTimers01, UpdateBossADropTimers02}},
    {600, 800, nullptr, {UpdateBossARain03, UpdateBossARain04}},
    {600, 720, nullptr, {FireBossAVolley09, FireBossAVolley10}},
    {720,
     760,
     nullptr,
     {FireBossAVolley03, FireBossAVolley04, FireBossAVolley05, FireBossAVolley06, FireBossAVolley07,
      FireBossAVolley08}},
    {800,
     900,
     nullptr,
     {UpdateBossACurtain01, UpdateBossACurtain02, UpdateBossADropTimers01, UpdateBossADropTimers02}},
    {900, 1100, nullptr, {FireBossABarrage}},
    {1100,
     1400,
     nullptr,
     {FireBossAVolley03, FireBossAVolley04, FireBossAVolley05, FireBossAVolley06, FireBossAVolley07,
      FireBossAVolley08}},
};

constexpr int kAttackWrap = 4300;
int AttackWrap() {
    return kAttackWrap;
}

constexpr PowerWindow kPowerWindows[] = {{500.0f, 550.0f}, {800.0f, 850.0f}, {950.0f, 1000.0f}};

constexpr int kStarSpread = 80;
constexpr int kStarBase = 80;

const StageDriver kStageA{
    .firstFrameUnfreezes = true,
    .prelude = StartStageMusic,
    .scrollRate = 20.0f,
    .background = DrawStageABackground,
    .starSpread = kStarSpread,
    .starBase = kStarBase,
    .starSpreadAlone = kStarSpread,
    .starBaseAlone = kStarBase,
    .powerItemsFirst = false,
    .powerWindows = kPowerWindows,
    .bossPhaseLow = 1460.0f,
    .bossPhaseHigh = 10100.0f,
    .bossScript = RunStageABossScript,
    .bossDraw = DrawBossDeathA,
    .bossClear = RunStageAClearSequence,
    .boss = &BossARecord,
    .attack = {.clock = &BossAAttackClock,
               .low = 0.0f,
               .high = 1010.0f,
               .rows = kAttackRows,
               .afterRows = nullptr,
               .wrapAt = AttackWrap,
               .table = "bossA attacks"},
    .timeLimit = 10000.0f,
    .enemies = RunEnemies,
    .pools = RunPools,
    .sparks = RunSparks,
    .spiralNeedsFireOff = true,
    .salvos = SalvoLaunch::kNever,
    .missiles = MoveBossAMissiles,
    .autoFire = true,
};

}  // namespace

void RunStageA() {
    RunStage(kStageA);
}
