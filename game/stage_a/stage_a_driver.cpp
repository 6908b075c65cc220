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

template <int Slot>
void SpawnSlot() {
    SpawnSmallEnemy(Slot);
}
template <int Slot>
void ShotOf() {
    FireSmallEnemyShot(Slot);
}
template <int Slot>
void SpreadOf() {
    FireSmallEnemySpread(Slot);
}

// The small-enemy slots' movement patterns and looks.
struct SlotPlan {
    int pattern;
    int look;
};
constexpr SlotPlan kSlotPlans[] = {{1, 1}, {2, 1}, {2, 1},  {3, 2}, {4, 2}, {5, 0}, {6, 0}, {7, 0},
                                   {8, 0}, {9, 5}, {10, 6}, {5, 0}, {6, 0}, {7, 4}, {8, 4}};
constexpr int kSlotCount = static_cast<int>(sizeof(kSlotPlans) / sizeof(kSlotPlans[0]));

// Moves and draws of the stage's objects and ordinary enemies, in order.
constexpr Routine kEnemySteps[] = {
    MoveFallingObjects,     MoveFallingObjects,     DrawFallingObjects,     MoveSwoopers1,
    DrawSwoopers1,          MoveSwoopers2,          DrawSwoopers2,          MoveDriftObjectsA,
    DrawDriftObjectsA,      MoveDriftObjectsB,      DrawDriftObjectsB,      MoveFormationShooters1,
    DrawFormationShooters1, MoveFormationShooters2, DrawFormationShooters2, MoveFormationShooters3,
    DrawFormationShooters3, MoveFormationShooters4, DrawFormationShooters4, MoveWaveFlyers1,
    DrawWaveFlyers1,        MoveWaveFlyers2,        DrawWaveFlyers2,
};

// A row of the wave schedule: while low < StageScroll < high the calls run in order.
constexpr int kMaxWaveCalls = 10;
struct WaveRow {
    float low;
    float high;
    Routine calls[kMaxWaveCalls];
};

constexpr WaveRow kWaveSchedule[] = {
    {120.0f, 700.0f, {SpawnSlot<9>, SpawnSlot<10>}},
    {250.0f, 500.0f, {SpawnSlot<0>, ShotOf<0>}},
    {300.0f, 600.0f, {SpawnSlot<1>, ShotOf<1>, SpreadOf<1>}},
    {350.0f, 600.0f, {SpawnSlot<2>, ShotOf<2>, SpreadOf<2>}},
    {600.0f, 900.0f, {SpawnSlot<3>, ShotOf<3>, SpreadOf<3>}},
    {700.0f, 900.0f, {SpawnSlot<4>, ShotOf<4>, SpreadOf<4>}},
    {800.0f, 1200.0f, {SpawnSlot<5>, ShotOf<5>}},
    {900.0f, 1250.0f, {SpawnSlot<6>, ShotOf<6>}},
    {1050.0f, 1200.0f, {SpawnSlot<7>, ShotOf<7>, SpreadOf<7>, SpawnSlot<8>, ShotOf<8>, SpreadOf<8>}},
    {1200.0f, 1300.0f, {SpawnSlot<9>, ShotOf<9>, SpreadOf<9>}},
    {1300.0f, 1400.0f, {SpawnSlot<10>, ShotOf<10>, SpreadOf<10>}},
    {1300.0f, 1450.0f, {SpawnSlot<11>, ShotOf<11>, SpawnSlot<12>, ShotOf<12>}},
    {1350.0f, 1500.0f, {SpawnSlot<13>, ShotOf<13>, SpreadOf<13>, SpawnSlot<14>, ShotOf<14>, SpreadOf<14>}},
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
    for (int slot = 0; slot < kSlotCount; ++slot) {
        MoveSmallEnemy(slot, kSlotPlans[slot].pattern);
        DrawSmallEnemy(slot, kSlotPlans[slot].look);
    }
    for (Routine step : kEnemySteps) step();
    for (const WaveRow& row : kWaveSchedule) {
        if (!(StageScroll > row.low && StageScroll < row.high)) continue;
        for (Routine call : row.calls) {
            if (call == nullptr) break;
            call();
        }
    }
}

// ---- Bullet pools
// --------------------------------------------------------------------------------------------

struct PoolSteps {
    Routine move;
    Routine draw;
};

// Boss A's pools, each moved then drawn.
constexpr PoolSteps kBossPools[] = {
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

// The small enemies' shots (slots 0..8) and spreads, with the style each slot is drawn in.
struct SlotStyle {
    int slot;
    int style;
};
constexpr SlotStyle kSlotShots[] = {{0, 0}, {1, 1}, {2, 1}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 1}, {8, 1}};
constexpr SlotStyle kSlotSpreads[] = {{1, 0}, {2, 0}, {3, 1}, {4, 1}, {7, 0}, {8, 0}};

// The stage's own pools and the kinds' pools.
constexpr PoolSteps kStagePools[] = {
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
    for (const PoolSteps& pool : kBossPools) {
        pool.move();
        pool.draw();
    }
    if (ScoringMode[1] == 1) {
        MoveBossACurtain01();
        MoveBossACurtain02();
    }
    for (const SlotStyle& s : kSlotShots) {
        MoveSmallEnemyShot(s.slot);
        DrawSmallEnemyShot(s.slot, s.style);
    }
    for (const SlotStyle& s : kSlotSpreads) {
        MoveSmallEnemySpread(s.slot);
        DrawSmallEnemySpread(s.slot, s.style);
    }
    for (const PoolSteps& pool : kStagePools) {
        pool.move();
        pool.draw();
    }
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
               .wrapAt = AttackWrap},
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
