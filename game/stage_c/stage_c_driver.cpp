#include "game/stage_c/stage_c_driver.h"

#include "game/core/backgrounds.h"
#include "game/core/boss_sparks.h"
#include "game/core/game_state.h"
#include "game/core/homing_missiles.h"
#include "game/core/homing_salvos.h"
#include "game/core/scenes.h"
#include "game/core/stage_driver.h"
#include "game/enemies/enemy_bullets.h"
#include "game/stage_c/boss_c.h"
#include "game/stage_c/boss_c_drops.h"
#include "game/stage_c/boss_c_emitters.h"
#include "game/stage_c/boss_c_lines.h"
#include "game/stage_c/stage_c_entities.h"

namespace {

bool SecondFlagSet() {
    return ScoringMode[1] == 1;
}

// Boss C's attack schedule on its attack clock n (1..4900), in table order. The fan emitters take
// 181-frame windows from 1920 on: the centre emitters alone, then the side pairs, then 05 and 06 again.
constexpr AttackRow kAttackRows[] = {
    {30, 60, nullptr, {UpdateBossCTriFan03, UpdateBossCTriFan04}},
    {60, 80, nullptr, {UpdateBossCTwin01, UpdateBossCTwin02, UpdateBossCTwin03}},
    {100, 200, nullptr, {FireBossShotLine29, FireBossShotLine30}},
    {160, 200, nullptr, {FireBossShotLine25, FireBossShotLine26}},
    {200, 300, nullptr, {UpdateBossCFan06, UpdateBossCFan07}},
    {250,
     280,
     nullptr,
     {FireBossShotLine03, FireBossShotLine04, FireBossShotLine05, FireBossShotLine06, FireBossShotLine07,
      FireBossShotLine08, FireBossShotLine15, FireBossShotLine16, FireBossShotLine17, FireBossShotLine18,
      FireBossShotLine19, FireBossShotLine20}},
    {300, 500, nullptr, {FireBossShotLine27, FireBossShotLine28}},
    {380, 500, nullptr, {FireBossShotLine25, FireBossShotLine26}},
    {300, 400, SecondFlagSet, {UpdateBossCTriFan03, UpdateBossCTriFan04}},
    {450, 500, nullptr, {UpdateBossCTwin01, UpdateBossCTwin02, UpdateBossCTwin03}},
    {510,
     540,
     nullptr,
     {FireBossShotLine03, FireBossShotLine04, FireBossShotLine05, FireBossShotLine06, FireBossShotLine07,
      FireBossShotLine08, FireBossShotLine15, FireBossShotLine16, FireBossShotLine17, FireBossShotLine18,
      FireBossShotLine19, FireBossShotLine20}},
    {400, 500, nullptr, {UpdateBossCFan04, UpdateBossCFan05}},
    {500, 550, nullptr, {UpdateBossCTriFan03, UpdateBossCTriFan04}},
    {550, 800, nullptr, {UpdateBossCFan04, UpdateBossCFan05}},
    {600, 750, nullptr, {SpawnBossCurveFan01, SpawnBossCurveFan02}},
    {800, 950, nullptr, {UpdateBossCFan01}},
    {950, 1200, nullptr, {FireBossShotLine29, FireBossShotLine30}},
    {1000, 1200, nullptr, {FireBossShotLine27, FireBossShotLine28}},
    {1050, 1200, nullptr, {FireBossShotLine25, FireBossShotLine26}},
    {1200,
     1250,
     nullptr,
     {FireBossShotLine03, FireBossShotLine04, FireBossShotLine05, FireBossShotLine06, FireBossShotLine07,
      FireBossShotLine08, FireBossShotLine09, FireBossShotLine15, FireBossShotLine16, FireBossShotLine17,
      FireBossShotLine18, FireBossShotLine19, FireBossShotLine20, FireBossShotLine21}},
    {1250,
     1500,
     nullptr,
     {SpawnBossCurveFan01, SpawnBossCurveFan02, SpawnBossCurveFan03, SpawnBossCurveFan04}},
    {1510,
     1900,
     nullptr,
     {TickBossSpray01, TickBossSpray02, TickBossSpray03, TickBossSpray04, TickBossSpray05, TickBossSpray06}},
    {1920, 2100, nullptr, {TickBossFanShot01}},
    {2120, 2300, nullptr, {TickBossFanShot04}},
    {2320, 2500, nullptr, {TickBossFanShot07}},
    {2520, 2700, nullptr, {TickBossFanShot10}},
    {2720, 2900, nullptr, {TickBossFanShot13}},
    {2920, 3100, nullptr, {TickBossFanShot16}},
    {3120, 3300, nullptr, {TickBossFanShot19}},
    {3320, 3500, nullptr, {TickBossFanShot02, TickBossFanShot03}},
    {3520, 3700, nullptr, {TickBossFanShot05, TickBossFanShot06}},
    {3720, 3900, nullptr, {TickBossFanShot08, TickBossFanShot09}},
    {3920, 4100, nullptr, {TickBossFanShot11, TickBossFanShot12}},
    {4120, 4300, nullptr, {TickBossFanShot14, TickBossFanShot15}},
    {4320, 4500, nullptr, {TickBossFanShot17, TickBossFanShot18}},
    {4520, 4700, nullptr, {TickBossFanShot20, TickBossFanShot21}},
    {4720, 4900, nullptr, {TickBossFanShot05, TickBossFanShot06}},
};

// Pods fall while the health passes three bands, only in games that did not start from the title.
constexpr float kPodBands[][2] = {{740.0f, 770.0f}, {460.0f, 490.0f}, {60.0f, 90.0f}};

void LaunchPods(int) {
    if (ScoringMode[0] == 1) return;
    const float health = BossCRecord.health;
    for (const auto& band : kPodBands) {
        if (health < band[0] || health > band[1]) continue;
        LaunchBossCPods01();
        LaunchBossCPods02();
        LaunchBossCPods03();
        LaunchBossCPods04();
        LaunchBossCPods05();
        LaunchBossCPods06();
        LaunchBossCPods07();
        LaunchBossCPods08();
        LaunchBossCPods08();
        LaunchBossCPods09();
    }
}

int AttackCycle() {
    return kBossCAttackCycle;
}

// Boss C's bullets: fan emitters, aimed lines, five-way fans, fast lines, three-way fans, twins, pods and
// sprays; the five-way fans once more with the second flag; then the curving fans.
constexpr PoolStep kBossPools[] = {
    {MoveBossFanShot01, DrawBossFanShot01, nullptr},   {MoveBossFanShot02, DrawBossFanShot02, nullptr},
    {MoveBossFanShot03, DrawBossFanShot03, nullptr},   {MoveBossFanShot04, DrawBossFanShot04, nullptr},
    {MoveBossFanShot05, DrawBossFanShot05, nullptr},   {MoveBossFanShot06, DrawBossFanShot06, nullptr},
    {MoveBossFanShot07, DrawBossFanShot07, nullptr},   {MoveBossFanShot08, DrawBossFanShot08, nullptr},
    {MoveBossFanShot09, DrawBossFanShot09, nullptr},   {MoveBossFanShot10, DrawBossFanShot10, nullptr},
    {MoveBossFanShot11, DrawBossFanShot11, nullptr},   {MoveBossFanShot12, DrawBossFanShot12, nullptr},
    {MoveBossFanShot13, DrawBossFanShot13, nullptr},   {MoveBossFanShot14, DrawBossFanShot14, nullptr},
    {MoveBossFanShot15, DrawBossFanShot15, nullptr},   {MoveBossFanShot16, DrawBossFanShot16, nullptr},
    {MoveBossFanShot17, DrawBossFanShot17, nullptr},   {MoveBossFanShot18, DrawBossFanShot18, nullptr},
    {MoveBossFanShot19, DrawBossFanShot19, nullptr},   {MoveBossFanShot20, DrawBossFanShot20, nullptr},
    {MoveBossFanShot21, DrawBossFanShot21, nullptr},   {MoveBossShotLine01, DrawBossShotLine01, nullptr},
    {MoveBossShotLine02, DrawBossShotLine02, nullptr}, {MoveBossShotLine03, DrawBossShotLine03, nullptr},
    {MoveBossShotLine04, DrawBossShotLine04, nullptr}, {MoveBossShotLine05, DrawBossShotLine05, nullptr},
    {MoveBossShotLine06, DrawBossShotLine06, nullptr}, {MoveBossShotLine07, DrawBossShotLine07, nullptr},
    {MoveBossShotLine08, DrawBossShotLine08, nullptr}, {MoveBossShotLine09, DrawBossShotLine09, nullptr},
    {MoveBossShotLine10, DrawBossShotLine10, nullptr}, {MoveBossShotLine11, DrawBossShotLine11, nullptr},
    {MoveBossShotLine12, DrawBossShotLine12, nullptr}, {MoveBossShotLine13, DrawBossShotLine13, nullptr},
    {MoveBossShotLine14, DrawBossShotLine14, nullptr}, {MoveBossShotLine15, DrawBossShotLine15, nullptr},
    {MoveBossShotLine16, DrawBossShotLine16, nullptr}, {MoveBossShotLine17, DrawBossShotLine17, nullptr},
    {MoveBossShotLine18, DrawBossShotLine18, nullptr}, {MoveBossShotLine19, DrawBossShotLine19, nullptr},
    {MoveBossShotLine20, DrawBossShotLine20, nullptr}, {MoveBossShotLine21, DrawBossShotLine21, nullptr},
    {MoveBossShotLine22, DrawBossShotLine22, nullptr}, {MoveBossShotLine23, DrawBossShotLine23, nullptr},
    {MoveBossShotLine24, DrawBossShotLine24, nullptr}, {MoveBossCFan06, DrawBossCFan06, nullptr},
    {MoveBossCFan07, DrawBossCFan07, nullptr},         {MoveBossCFan04, DrawBossCFan04, nullptr},
    {MoveBossCFan05, DrawBossCFan05, nullptr},         {MoveBossCFan02, DrawBossCFan02, nullptr},
    {MoveBossCFan03, DrawBossCFan03, nullptr},         {MoveBossCFan01, DrawBossCFan01, nullptr},
    {MoveBossShotLine29, DrawBossShotLine29, nullptr}, {MoveBossShotLine30, DrawBossShotLine30, nullptr},
    {MoveBossShotLine25, DrawBossShotLine25, nullptr}, {MoveBossShotLine26, DrawBossShotLine26, nullptr},
    {MoveBossShotLine27, DrawBossShotLine27, nullptr}, {MoveBossShotLine28, DrawBossShotLine28, nullptr},
    {MoveBossCTriFan03, DrawBossCTriFan03, nullptr},   {MoveBossCTriFan04, DrawBossCTriFan04, nullptr},
    {MoveBossCTriFan01, DrawBossCTriFan01, nullptr},   {MoveBossCTriFan02, DrawBossCTriFan02, nullptr},
    {MoveBossCTwin01, DrawBossCTwin01, nullptr},       {MoveBossCTwin02, DrawBossCTwin02, nullptr},
    {MoveBossCTwin03, DrawBossCTwin03, nullptr},       {MoveBossCPods01, DrawBossCPods01, nullptr},
    {MoveBossCPods02, DrawBossCPods02, nullptr},       {MoveBossCPods03, DrawBossCPods03, nullptr},
    {MoveBossCPods04, DrawBossCPods04, nullptr},       {MoveBossCPods05, DrawBossCPods05, nullptr},
    {MoveBossCPods06, DrawBossCPods06, nullptr},       {MoveBossCPods07, DrawBossCPods07, nullptr},
    {MoveBossCPods08, DrawBossCPods08, nullptr},       {MoveBossCPods09, DrawBossCPods09, nullptr},
    {MoveBossSpray01, DrawBossSpray01, nullptr},       {MoveBossSpray02, DrawBossSpray02, nullptr},
    {MoveBossSpray03, DrawBossSpray03, nullptr},       {MoveBossSpray04, DrawBossSpray04, nullptr},
    {MoveBossSpray05, DrawBossSpray05, nullptr},       {MoveBossSpray06, DrawBossSpray06, nullptr},
    {MoveBossCFan06, nullptr, SecondFlagSet},          {MoveBossCFan07, nullptr, SecondFlagSet},
    {MoveBossCFan04, nullptr, SecondFlagSet},          {MoveBossCFan05, nullptr, SecondFlagSet},
    {MoveBossCFan02, nullptr, SecondFlagSet},          {MoveBossCFan03, nullptr, SecondFlagSet},
    {MoveBossCFan01, nullptr, SecondFlagSet},          {MoveBossCurveFan01, DrawBossCurveFan01, nullptr},
    {MoveBossCurveFan02, DrawBossCurveFan02, nullptr}, {MoveBossCurveFan03, DrawBossCurveFan03, nullptr},
    {MoveBossCurveFan04, DrawBossCurveFan04, nullptr},
};

// The ordinary enemies' pools: nothing arms them in this stage, they only run empty.
constexpr PoolStep kEnemyPools[] = {
    {MovePellets01, DrawPellets01, SecondFlagSet},
    {MovePellets02, DrawPellets02, nullptr},
    {MovePellets03, DrawPellets03, nullptr},
    {MovePellets04, DrawPellets04, SecondFlagSet},
    {MovePellets05, DrawPellets05, nullptr},
    {MovePellets06, DrawPellets06, nullptr},
    {MovePellets12, DrawPellets12, SecondFlagSet},
    {MovePellets13, DrawPellets13, nullptr},
    {MovePellets14, DrawPellets14, nullptr},
    {MovePellets15, DrawPellets15, SecondFlagSet},
    {MovePellets16, DrawPellets16, nullptr},
    {MovePellets17, DrawPellets17, nullptr},
    {MovePellets01, nullptr, SecondFlagSet},
    {MovePellets02, nullptr, SecondFlagSet},
    {MovePellets03, nullptr, SecondFlagSet},
    {MovePellets04, nullptr, SecondFlagSet},
    {MovePellets05, nullptr, SecondFlagSet},
    {MovePellets06, nullptr, SecondFlagSet},
    {MovePellets12, nullptr, SecondFlagSet},
    {MovePellets13, nullptr, SecondFlagSet},
    {MovePellets14, nullptr, SecondFlagSet},
    {MovePellets15, nullptr, SecondFlagSet},
    {MovePellets16, nullptr, SecondFlagSet},
    {MovePellets17, nullptr, SecondFlagSet},
    {MoveSpinShots01, DrawSpinShots01, nullptr},
    {MoveSpinShots02, DrawSpinShots02, nullptr},
    {MoveSpinnerVolleys1, DrawSpinnerVolleys1, nullptr},
    {MoveSpinShots03, DrawSpinShots03, nullptr},
    {MoveSpinShots04, DrawSpinShots04, nullptr},
    {MoveSpinnerVolleys2, DrawSpinnerVolleys2, nullptr},
    {MoveMissiles1, DrawMissiles1, nullptr},
    {MoveSpinShots05, DrawSpinShots05, nullptr},
    {MoveSpinShots06, DrawSpinShots06, nullptr},
    {MoveMissiles2, DrawMissiles2, nullptr},
    {MoveSpinShots07, DrawSpinShots07, nullptr},
    {MoveSpinShots08, DrawSpinShots08, nullptr},
    {MovePellets07, DrawPellets07, nullptr},
    {MovePellets08, DrawPellets08, nullptr},
    {MovePellets09, DrawPellets09, nullptr},
    {MovePellets10, DrawPellets10, nullptr},
    {MovePellets11, DrawPellets11, nullptr},
    {MoveShotLines1, DrawShotLines1, nullptr},
    {MoveShotLines2, DrawShotLines2, nullptr},
    {MoveShotLines3, DrawShotLines3, nullptr},
    {MoveShotLines4, DrawShotLines4, nullptr},
    {MoveShotLines5, DrawShotLines5, nullptr},
    {MovePellets07, nullptr, SecondFlagSet},
    {MovePellets08, nullptr, SecondFlagSet},
    {MovePellets09, nullptr, SecondFlagSet},
    {MovePellets10, nullptr, SecondFlagSet},
    {MovePellets11, nullptr, SecondFlagSet},
    {MovePellets18, DrawPellets18, nullptr},
    {MovePellets19, DrawPellets19, nullptr},
    {MovePellets20, DrawPellets20, nullptr},
    {MovePellets21, DrawPellets21, nullptr},
    {MovePellets22, DrawPellets22, nullptr},
    {MoveCarrierMissiles1, DrawCarrierMissiles1, nullptr},
    {MoveCarrierMissiles2, DrawCarrierMissiles2, nullptr},
    {MoveCarrierMissiles3, DrawCarrierMissiles3, nullptr},
    {MovePellets23, DrawPellets23, nullptr},
    {MovePellets24, DrawPellets24, nullptr},
    {MovePellets25, DrawPellets25, nullptr},
    {MovePellets26, DrawPellets26, nullptr},
    {MovePellets27, DrawPellets27, nullptr},
    {MoveCarrierMissiles4, DrawCarrierMissiles4, nullptr},
    {MoveCarrierMissiles5, DrawCarrierMissiles5, nullptr},
    {MoveCarrierMissiles6, DrawCarrierMissiles6, nullptr},
};

void RunStageCPools() {
    RunPoolSteps(kBossPools);
    RunSmallEnemyBullets();
    RunPoolSteps(kEnemyPools);
}

void RunStageCSparks() {
    DrawBossSparksC1();
    MoveBossSparksC1();
    DrawBossSparksC2();
    MoveBossSparksC2();
    DrawBossSparksC3();
    MoveBossSparksC3();
}

void MoveStageCMissiles() {
    MoveHomingMissiles01();
    MoveHomingMissiles02();
    MoveHomingMissiles03();
    MoveHomingMissiles04();
    MoveHomingMissiles05();
    MoveHomingMissiles06();
    MoveHomingMissiles10();
    MoveHomingMissiles11();
}

constexpr PowerWindow kPowerWindows[] = {
    {100.0f, 150.0f}, {300.0f, 350.0f}, {500.0f, 550.0f}, {800.0f, 850.0f}, {1000.0f, 1050.0f}};

const StageDriver kStageC{
    .firstFrameUnfreezes = false,
    .prelude = nullptr,
    .scrollRate = 16.0f,
    .background = DrawStageCBackground,
    .starSpread = 200,
    .starBase = 150,
    .starSpreadAlone = 200,
    .starBaseAlone = 150,
    .powerItemsFirst = true,
    .powerWindows = kPowerWindows,
    .bossPhaseLow = 10.0f,
    .bossPhaseHigh = 11100.0f,
    .bossScript = MoveBossCPath,
    .bossDraw = DrawBossDeathC,
    .bossClear = RunStageCClearSequence,
    .boss = &BossCRecord,
    .attack = {.clock = &BossCAttackClock,
               .low = 0.0f,
               .high = kBossCAttackCeiling,
               .rows = kAttackRows,
               .afterRows = LaunchPods,
               .wrapAt = AttackCycle,
               .table = "bossC attacks"},
    .timeLimit = kStageCTimeLimit,
    .enemies = nullptr,
    .pools = RunStageCPools,
    .sparks = RunStageCSparks,
    .spiralNeedsFireOff = false,
    .salvos = SalvoLaunch::kAlways,
    .missiles = MoveStageCMissiles,
    .autoFire = true,
};

}  // namespace

std::span<const AttackRow> StageCAttackRows() {
    return kAttackRows;
}

void RunStageC() {
    RunStage(kStageC);
}
