// Lock-on of the enemy sets and boss parts, the single-missile launchers and the automatic launch block.
#include "game/core/core_entities.h"
#include "game/core/homing_missiles.h"
#include "game/core/lock_on.h"
#include "game/core/stage_driver.h"
#include "game/enemies/enemy_pools.h"
#include "game/enemies/lock_sets.h"
#include "game/stage_a/stage_a.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "stage_b_fixture.h"

namespace {

using LockLaunchTest = StageBTest;

void Stand(EnemyRecord& r, float x, float y) {
    r.x = x;
    r.y = y;
    r.busy = 0;
}

void Nothing() {}

// A stage frame with nothing of its own: the shared frame shape with its automatic launch block.
const StageDriver kBareStage{.firstFrameUnfreezes = true,
                             .prelude = nullptr,
                             .scrollRate = 0.0f,
                             .background = Nothing,
                             .starSpread = 80,
                             .starBase = 80,
                             .starSpreadAlone = 80,
                             .starBaseAlone = 80,
                             .powerItemsFirst = false,
                             .powerWindows = {},
                             .bossPhaseLow = 1e9f,
                             .bossPhaseHigh = 1e9f,
                             .bossScript = Nothing,
                             .bossDraw = Nothing,
                             .bossClear = Nothing,
                             .boss = &BossARecord,
                             .attack = {.clock = &BossAAttackClock,
                                        .low = 0.0f,
                                        .high = 0.0f,
                                        .rows = {},
                                        .afterRows = nullptr,
                                        .wrapAt = nullptr},
                             .timeLimit = 1e9f,
                             .enemies = Nothing,
                             .pools = Nothing,
                             .sparks = Nothing,
                             .spiralNeedsFireOff = true,
                             .salvos = SalvoLaunch::kNever,
                             .missiles = Nothing,
                             .autoFire = true};

TEST_F(LockLaunchTest, SetsOneAndTwoLockAtTheirMarginsEdges) {
    WeaponType = 1;
    Stand(LockSetEnemies1[0], 620.0f, 460.0f);  // 640 - 20, 500 - 40
    Stand(LockSetEnemies1[1], 621.0f, 460.0f);
    Stand(LockSetEnemies1[2], 620.0f, 461.0f);
    Stand(LockSetEnemies2[0], 600.0f, 440.0f);  // 640 - 40, 500 - 60
    Stand(LockSetEnemies2[1], 601.0f, 440.0f);
    Stand(LockSetEnemies2[2], -60.0f, -30.0f);  // the near edges
    DetectLockTargets();
    EXPECT_EQ(LockMarkers01[0].locked, 1);
    EXPECT_EQ(LockMarkers01[1].locked, 0);
    EXPECT_EQ(LockMarkers01[2].locked, 0);
    EXPECT_EQ(LockMarkers02[0].locked, 1);
    EXPECT_EQ(LockMarkers02[1].locked, 0);
    EXPECT_EQ(LockMarkers02[2].locked, 1);
}

TEST_F(LockLaunchTest, ParkedBusyOrHighRecordsAreNotLocked) {
    DetectLockTargets();  // every record parked after the reset
    EXPECT_EQ(LockMarkers01[0].locked, 0);
    Stand(LockSetEnemies1[0], 300.0f, -30.5f);
    Stand(LockSetEnemies1[1], 300.0f, 200.0f);
    LockSetEnemies1[1].busy = 1;
    DetectLockTargets();
    EXPECT_EQ(LockMarkers01[0].locked, 0);
    EXPECT_EQ(LockMarkers01[1].locked, 0);
}

TEST_F(LockLaunchTest, SettersOutsideTheirGroupChangeNothing) {
    const LockRecord before[] = {LockMarkers01[0], LockMarkers01[1], LockMarkers01[2]};
    LockTarget01(-1);
    LockTarget01(3);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(LockMarkers01[k].locked, before[k].locked);
    BossARecord = {};
    BossCRecord = {};
    LockBossPart01(-1);
    LockBossPart01(3);
    LockBossPart05(-1);
    LockBossPart05(4);
    LockBossPart16(3);
    for (const LockRecord& m : BossAPartMarkers1) EXPECT_EQ(m.locked, 0);
    for (const LockRecord& m : BossCPartMarkers1) {
        EXPECT_EQ(m.locked, 0);
        EXPECT_EQ(m.x, kParkedIntX);
    }
    for (const LockRecord& m : BigEnemy6PartMarkers2) EXPECT_EQ(m.locked, 0);
    // Boss C's group has four markers: index 3 is its own.
    LockBossPart05(3);
    EXPECT_EQ(BossCPartMarkers1[3].locked, 1);
}

TEST_F(LockLaunchTest, BossPartsOverTheRegionCentreAreLockedAndPlacedOnce) {
    WeaponType = 1;
    BossARecord.x = 100.7f;  // centre (320, 250) lies within (+40, +40)..(+400, +320)
    BossARecord.y = 50.2f;
    BossARecord.dead = 0;
    DetectBossPartLocks();
    for (const LockRecord& m : BossAPartMarkers1) {
        EXPECT_EQ(m.locked, 1);
        EXPECT_EQ(m.x, 100 + 190);
        EXPECT_EQ(m.y, 50 + 150);
    }
    for (const LockRecord& m : BossAPartMarkers2) EXPECT_EQ(m.locked, 1);
    BossARecord.x = 120.0f;
    DetectBossPartLocks();
    EXPECT_EQ(BossAPartMarkers1[0].x, 290);  // a locked marker never moves
    // Boss B and the big enemies reach 420, 340.
    BossB.x = -100.0f;
    BossB.y = -9.0f;
    DetectBossPartLocks();
    for (const LockRecord& m : BossBLockMarkers) {
        EXPECT_EQ(m.locked, 1);
        EXPECT_EQ(m.x, 90);
        EXPECT_EQ(m.y, 141);
    }
}

TEST_F(LockLaunchTest, ADeadOwnerOrOneAtYMinus10GetsNoLocks) {
    BossARecord.x = 100.0f;
    BossARecord.y = 50.0f;
    BossARecord.dead = 1;
    DetectBossPartLocks();
    EXPECT_EQ(BossAPartMarkers1[0].locked, 0);
    BossARecord.dead = 0;
    BossARecord.y = -10.0f;
    BossARecord.x = 0.0f;
    DetectBossPartLocks();
    EXPECT_EQ(BossAPartMarkers1[0].locked, 0);
    // The centre outside the extents: boss A reaches only 400 to its right.
    BossARecord.y = 50.0f;
    BossARecord.x = 320.0f - 401.0f;
    DetectBossPartLocks();
    EXPECT_EQ(BossAPartMarkers1[0].locked, 0);
    BossARecord.x = 320.0f - 400.0f;
    DetectBossPartLocks();
    EXPECT_EQ(BossAPartMarkers1[0].locked, 1);
}

TEST_F(LockLaunchTest, BossCGroupSpreadsEvenlyAcrossItsOwner) {
    BossCRecord.x = 0.0f;
    BossCRecord.y = 0.0f;
    BossCRecord.dead = 0;
    DetectBossPartLocks();
    EXPECT_EQ(BossCPartMarkers1[0].x, 30);
    EXPECT_EQ(BossCPartMarkers1[0].y, 110);
    EXPECT_EQ(BossCPartMarkers1[3].x, 370);
    EXPECT_EQ(BossCPartMarkers1[3].y, 120);
    EXPECT_EQ(BossCPartMarkers1[1].x, 143);
    EXPECT_EQ(BossCPartMarkers1[2].locked, 1);
    EXPECT_EQ(BossCPartMarkers1[3].locked, 0);
}

TEST_F(LockLaunchTest, TheNarrowRegionCentresLockOnItsOwnCentre) {
    WeaponType = 2;  // 300 x 240: centre (150, 120)
    BossARecord.x = 100.0f;
    BossARecord.y = 50.0f;
    DetectBossPartLocks();
    EXPECT_EQ(BossAPartMarkers1[0].locked, 1);
    WeaponType = 1;
}

TEST_F(LockLaunchTest, ALockedMarkerInsideTheWindowLaunchesItsFreeMissile) {
    PlayerPosition = {300.0f, 400.0f};
    WeaponType = 1;
    LockMarkers07[0] = {300, 200, 1, 0};
    LockMarkers07[1] = {540, 200, 1, 0};  // on the window's edge
    LockMarkers07[2] = {200, 200, 0, 0};  // not locked
    LaunchHomingMissiles05();
    EXPECT_EQ(HomingMissiles05[0].active, 1);
    EXPECT_EQ(HomingMissiles05[0].x, 315.0f);
    EXPECT_EQ(HomingMissiles05[0].y, 410.0f);
    EXPECT_EQ(HomingMissiles05[0].speed, 600.0f);
    EXPECT_EQ(HomingMissiles05[0].dx, 300.0f + 20.0f - 315.0f);
    EXPECT_EQ(HomingMissiles05[0].dy, 200.0f + 20.0f - 410.0f);
    EXPECT_EQ(HomingMissiles05[1].active, 0);
    EXPECT_EQ(HomingMissiles05[2].active, 0);
    // In flight: a second call leaves it alone.
    PlayerPosition = {250.0f, 400.0f};
    LaunchHomingMissiles05();
    EXPECT_EQ(HomingMissiles05[0].x, 315.0f);
}

TEST_F(LockLaunchTest, LaunchersOneAndTwoFlyFasterWithWeaponType2) {
    PlayerPosition = {300.0f, 400.0f};
    LockMarkers01[0] = {300, 200, 1, 0};
    LockMarkers02[0] = {300, 200, 1, 0};
    WeaponType = 2;
    LaunchHomingMissiles01();
    LaunchHomingMissiles02();
    EXPECT_EQ(HomingMissiles01[0].speed, 700.0f);
    EXPECT_EQ(HomingMissiles02[0].speed, 700.0f);
    EXPECT_EQ(HomingMissiles01[0].x, 320.0f);
    WeaponType = 1;
    HomingMissiles01[0].active = 0;
    LaunchHomingMissiles01();
    EXPECT_EQ(HomingMissiles01[0].speed, 600.0f);
}

TEST_F(LockLaunchTest, TheMissileSteersHitsAndNeedsAFreshLock) {
    PlayerPosition = {300.0f, 400.0f};
    LockMarkers07[0] = {300, 200, 1, 0};
    Score = 0;
    LaunchHomingMissiles05();
    FrameTime = kFrame / 4.0f;
    for (int i = 0; i < 400 && HomingMissiles05[0].active != 0; ++i) MoveHomingMissiles05();
    EXPECT_EQ(HomingMissiles05[0].active, 0);
    EXPECT_EQ(EnemySet03[0].hit, 1);
    EXPECT_EQ(Score, 300);
    EXPECT_EQ(LockMarkers07[0].locked, 0);
    EXPECT_EQ(LockMarkers07[0].x, kParkedIntX);
    LaunchHomingMissiles05();
    EXPECT_EQ(HomingMissiles05[0].active, 0);
}

TEST_F(LockLaunchTest, LauncherSevenMissileLowersBossAHealth) {
    WeaponType = 1;
    PlayerPosition = {300.0f, 450.0f};
    BossARecord.x = 100.0f;
    BossARecord.y = 50.0f;
    BossARecord.health = 1020.0f;
    DetectBossPartLocks();
    LaunchHomingMissiles07();
    ASSERT_EQ(HomingMissiles07[0].active, 1);
    FrameTime = kFrame / 4.0f;
    for (int i = 0; i < 400 && HomingMissiles07[0].active != 0; ++i) MoveHomingMissiles07();
    EXPECT_LT(BossARecord.health, 1020.0f);
    EXPECT_EQ(BossAPartMarkers1[0].locked, 0);
}

TEST_F(LockLaunchTest, TheAutomaticBlockRunsOnlyBehindItsTrigger) {
    PlayerPosition = {300.0f, 400.0f};
    LockMarkers07[0] = {300, 200, 1, 0};
    BossARecord.x = 100.0f;
    BossARecord.y = 50.0f;
    AutoFireTrigger = 0;
    RunStage(kBareStage);
    EXPECT_EQ(HomingMissiles05[0].active, 0);
    EXPECT_EQ(BossAPartMarkers1[0].locked, 0);
    AutoFireTrigger = 1;
    RunStage(kBareStage);
    EXPECT_EQ(HomingMissiles05[0].active, 1);
    EXPECT_EQ(BossAPartMarkers1[0].locked, 1);
    // The part locks stand before launchers 03 to 19, so boss A's missiles leave in the same frame.
    EXPECT_EQ(HomingMissiles07[0].active, 1);
    AutoFireTrigger = 0;
}

TEST_F(LockLaunchTest, StageAFramesRunTheBlockBehindTheTrigger) {
    SceneNumber = kSceneStageA;
    SceneFirstFrame = 1;
    PlayerPosition = {300.0f, 400.0f};
    LockMarkers07[1] = {300, 200, 1, 0};
    AutoFireTrigger = 0;
    RunStageA();
    EXPECT_EQ(HomingMissiles05[1].active, 0);
    AutoFireTrigger = 1;
    SceneFirstFrame = 0;
    RunStageA();
    EXPECT_EQ(HomingMissiles05[1].active, 1);
    EXPECT_EQ(HomingMissiles05[1].speed, 600.0f);
    AutoFireTrigger = 0;
}

}  // namespace
