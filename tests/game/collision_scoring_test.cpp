// The collision pass, scoring, boss-hit sparks, the power item and the homing salvos' flight.
#include "game/core/boss_sparks.h"
#include "game/core/homing_missiles.h"
#include "game/core/homing_salvos.h"
#include "game/core/lock_on.h"
#include "game/core/picture_slots.h"
#include "game/core/power_item.h"
#include "game/core/scoring.h"
#include "game/enemies/enemy_pools.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "player_fixture.h"

namespace {

using CollisionTest = PlayerTest;
using ScoringTest = PlayerTest;
using PowerItemTest = PlayerTest;
using SalvoFlightTest = PlayerTest;

void Place(SmallEnemy& e, float x, float y) {
    e.x = x;
    e.y = y;
    e.active = 1;
}

TEST_F(CollisionTest, OneShotMarksTwoOverlappingSmallEnemiesAndScoresTwice) {
    Place(SmallEnemies[2], 300.0f, 300.0f);
    Place(SmallEnemies[5], 310.0f, 310.0f);
    Place(SmallEnemies[7], 500.0f, 300.0f);  // beside the shot
    MainShots1[3] = MainShot{320, 330, 0, 10, 1};
    HitTestPlayerAttacks();
    EXPECT_EQ(MainShots1[3].y, 320);
    EXPECT_EQ(SmallEnemies[2].hit, 1);
    EXPECT_EQ(SmallEnemies[5].hit, 1);
    EXPECT_EQ(SmallEnemies[7].hit, 0);
    EXPECT_EQ(Score, 200);
    EXPECT_EQ(MainShots1[3].active, 1);  // an ordinary hit does not stop the shot
}

TEST_F(CollisionTest, OrdinaryEnemiesBelowTheirFloorOrBusyAreNotHit) {
    Place(SmallEnemies[0], 300.0f, -10.5f);
    Place(SmallEnemies[1], 300.0f, -10.0f);
    Place(SmallEnemies[3], 300.0f, 0.0f);
    SmallEnemies[3].busy = 1;
    FallingObjects[0].x = 300.0f;
    FallingObjects[0].y = -15.0f;
    for (int pass = 0; pass < 4; ++pass) {
        for (SmallEnemy& e : SmallEnemies) e.hit = 0;
        FallingObjects[0].hit = 0;
        const MainShot shot{310, -5 + 10, 0, 10, 1};
        if (pass == 0) MainShots3[1] = shot;
        if (pass == 1) MainShots2[1] = shot;
        if (pass == 2) MainShots1[1] = shot;
        if (pass == 3) BurstShots[130] = PhaseShot{310, -5, 0, 0, 14.0f, 1};  // straight up 6
        HitTestPlayerAttacks();
        EXPECT_EQ(SmallEnemies[0].hit, 0) << pass;
        EXPECT_EQ(SmallEnemies[1].hit, 1) << pass;
        EXPECT_EQ(SmallEnemies[3].hit, 0) << pass;
        EXPECT_EQ(FallingObjects[0].hit, 1) << pass;
        for (MainShot* pool : {MainShots1, MainShots2, MainShots3}) pool[1].active = 0;
        BurstShots[130].active = 0;
    }
}

TEST_F(CollisionTest, PointsFollowThePassAndTheNarrowRowSkipsTheScoringModeInTheFirstTwoPasses) {
    ScoringMode[0] = 0;  // AddScore adds nothing in this mode
    Swoopers1[1].x = 300.0f;
    Swoopers1[1].y = 300.0f;
    MainShots2[1] = MainShot{310, 310, 0, 10, 1};
    HitTestPlayerAttacks();
    EXPECT_EQ(Swoopers1[1].hit, 1);
    EXPECT_EQ(Score, 20);
    MainShots2[1].active = 0;
    MainShots1[1] = MainShot{310, 310, 0, 10, 1};
    HitTestPlayerAttacks();
    EXPECT_EQ(Score, 20);
    ScoringMode[0] = 1;
    Spinners2[0].x = 300.0f;
    Spinners2[0].y = 300.0f;
    MainShots1[1] = MainShot{250, 310, 0, 10, 1};  // only the spinner's wider box
    HitTestPlayerAttacks();
    EXPECT_EQ(Spinners2[0].hit, 1);
    EXPECT_EQ(Swoopers1[1].hit, 1);
    EXPECT_EQ(Score, 70);
}

TEST_F(CollisionTest, MainShotsHittingABossAreRemovedWhileABurstShotScoresEveryFrame) {
    BossARecord.x = 220.0f;
    BossARecord.y = 100.0f;
    MainShots1[1] = MainShot{400, 210, 0, 10, 1};
    MainShots1[2] = MainShot{410, 220, 0, 10, 1};
    MainShots1[5] = MainShot{600, 600, 0, 10, 1};  // in flight elsewhere
    BurstShots[120] = PhaseShot{400, 250, 0, 0, 14.0f, 1};
    HitTestPlayerAttacks();
    EXPECT_EQ(MainShots1[1].active, 0);
    EXPECT_EQ(MainShots1[1].x, 5000);
    EXPECT_EQ(MainShots1[2].active, 0);
    EXPECT_EQ(BurstShots[120].active, 1);
    EXPECT_EQ(BossARecord.hitFlash, 1);
    EXPECT_EQ(Score, 50 + 50 + 50);
    EXPECT_NEAR(BossARecord.health, 1020.0f - (200.0f + 3.0f) * kFrame, 1e-3f);
    // Sparks sprang from every shot record of the first kind, the one far away included.
    EXPECT_EQ(BossSparksA1[5 * 30].active, 1);
    EXPECT_EQ(BossSparksA1[5 * 30].x, 623.0f);
    EXPECT_EQ(BossSparksA1[5 * 30].y, 594.0f);  // where the shot stood when the first hit came
    EXPECT_EQ(BossSparksA3[120 * 3].active, 1);
    EXPECT_EQ(BossSparksA3[120 * 3].y, 244.0f);
    for (int frame = 0; frame < 3; ++frame) HitTestPlayerAttacks();
    EXPECT_EQ(Score, 150 + 3 * 50);
    EXPECT_EQ(BossSparksA2[0].active, 0);  // no second-kind hit
}

TEST_F(CollisionTest, ThirdKindBossHitsSpawnNoSparksAndBossBPaysMore) {
    BossB.x = 220.0f;
    BossB.y = 0.0f;
    MainShots3[1] = MainShot{500, 120, 0, 10, 1};
    HitTestPlayerAttacks();
    EXPECT_EQ(BossB.hitFlash, 1);
    EXPECT_EQ(Score, 250);
    for (const ExplosionParticle& p : BossSparksB1) EXPECT_EQ(p.active, 0);
    // A boss above the screen or marked dead is not tested.
    BossB.hitFlash = 0;
    BossB.y = -1.0f;
    MainShots3[2] = MainShot{500, 120, 0, 10, 1};
    HitTestPlayerAttacks();
    EXPECT_EQ(BossB.hitFlash, 0);
}

TEST_F(CollisionTest, AFullSparkGroupTakesNoMoreAndSparksFallAwayBelowTheBoss) {
    BossARecord.y = 0.0f;
    MainShots1[4] = MainShot{300, 200, 0, 10, 1};
    SpawnBossSparksA1();
    BossSparksA1[4 * 30].y = 1.0f;
    SpawnBossSparksA1();
    EXPECT_EQ(BossSparksA1[4 * 30].y, 1.0f);
    for (int i = 0; i < 400; ++i) MoveBossSparksA1();
    for (const ExplosionParticle& p : BossSparksA1) {
        EXPECT_EQ(p.active, 0);
        EXPECT_EQ(p.y, 5000.0f);
    }
}

TEST_F(ScoringTest, ScoreIsCappedAndTheHighScoreFollows) {
    Score = 999999950;
    HiScore = 500;
    EXPECT_EQ(AddScore(100), 999999999);
    EXPECT_EQ(HiScore, 999999999);
    EXPECT_EQ(AddScoreUnchecked(2000000000), 999999999);
    ScoringMode[1] = 2;
    Score = 10;
    EXPECT_EQ(AddScore(100), 10);
    ScoringMode[0] = 2;
    ScoringMode[1] = 1;
    EXPECT_EQ(AddScore(100), 110);
}

TEST_F(PowerItemTest, SpawnCountRulesAndTheCollectionFloor) {
    SpawnPowerItem();
    EXPECT_EQ(PowerItem.active, 1);
    EXPECT_EQ(PowerItem.y, -60.0f);
    EXPECT_GE(PowerItem.x, 210.0f);
    EXPECT_LT(PowerItem.x, 530.0f);
    EXPECT_GE(PowerItem.fallSpeed, 100.0f);
    const float x = PowerItem.x;
    SpawnPowerItem();  // one at a time
    EXPECT_EQ(PowerItem.spawnCount, 1);
    EXPECT_EQ(PowerItem.x, x);

    // The ship touches it only below y 50.
    PowerItem.x = 370.0f;
    PowerItem.y = 50.0f;
    PlayerPosition = {430.0f, 110.0f};
    HitTestPlayerAttacks();
    EXPECT_EQ(PowerItem.collected, 0);
    PowerItem.y = 50.5f;
    HitTestPlayerAttacks();
    EXPECT_EQ(PowerItem.collected, 1);
    EXPECT_EQ(Score, 500);
    EXPECT_EQ(Plays(SoundBom), 1);
    DrawPowerItem();
    EXPECT_EQ(PowerCount, 5 + 1);  // spawn count 1 gives 1
    EXPECT_EQ(PowerFlags[0], 1);
    EXPECT_EQ(PowerFlags[1], 1);
    EXPECT_EQ(PowerItem.active, 0);
    EXPECT_EQ(PowerItem.y, 2550.0f);

    // After a death the count is 0: the next collection gives 2 and sets the count to 1.
    PowerItem.spawnCount = 0;
    PowerItem.collected = 1;
    DrawPowerItem();
    EXPECT_EQ(PowerCount, 8);
    EXPECT_EQ(PowerItem.spawnCount, 1);
    PowerItem.spawnCount = 3;
    PowerItem.collected = 1;
    DrawPowerItem();
    EXPECT_EQ(PowerCount, 10);
}

TEST_F(PowerItemTest, AFallingItemIsParkedBelowTheScreen) {
    SpawnPowerItem();
    PowerItem.y = 599.0f;
    FrameTime = 0.01f;
    PowerItem.fallSpeed = 200.0f;
    MovePowerItem();
    EXPECT_EQ(PowerItem.active, 0);
    EXPECT_EQ(PowerItem.x, -500.0f);
    SpawnPowerItem();
    EXPECT_EQ(PowerItem.spawnCount, 2);
}

TEST_F(SalvoFlightTest, UnlockedSalvoFliesTheArcThenStraightUntilParked) {
    SpawnHomingSalvoMissile1(0, 3);
    HomingSalvo& m = HomingSalvos1[3];
    const float startX = m.x;
    MoveHomingMissiles01();  // T 0.5: first window
    EXPECT_EQ(m.x, startX - 6.0f);
    int frames = 1;
    while (m.active != 0 && frames < 1000) {
        MoveHomingMissiles01();
        ++frames;
    }
    EXPECT_EQ(m.active, 0);
    EXPECT_EQ(m.x, -500.0f);
    EXPECT_EQ(m.timer, 0.0f);
    EXPECT_EQ(Score, 0);
}

TEST_F(SalvoFlightTest, OnlyTheFifteenthMissileOfAGroupMarksAndScores) {
    LockMarkers05[1] = LockRecord{300, 300, 1, 0};
    for (int i = 0; i < 15; ++i) {
        HomingSalvo& m = HomingSalvos3[15 + i];
        m.active = 1;
        m.x = 310.0f;
        m.y = 310.0f;
        m.timer = 50.0f;
        m.heading = 0.0f;
    }
    MoveHomingMissiles03();
    for (int i = 0; i < 15; ++i) EXPECT_EQ(HomingSalvos3[15 + i].active, 0);
    EXPECT_EQ(EnemySet01[1].hit, 1);
    EXPECT_EQ(EnemySet01[0].hit, 0);
    EXPECT_EQ(Score, 300);
}

TEST_F(SalvoFlightTest, ALockedMarkerIsHomedOn) {
    LockMarkers03[2] = LockRecord{250, 250, 1, 0};
    HomingSalvo& m = HomingSalvos1[30];
    m.active = 1;
    m.x = 400.0f;
    m.y = 400.0f;
    m.timer = 45.0f;
    m.heading = 0.0f;
    for (int i = 0; i < 100 && m.active != 0; ++i) MoveHomingMissiles01();
    EXPECT_EQ(m.active, 0);
    EXPECT_EQ(Spinners1[2].hit, 0);  // the first missile of the group only goes away
    ClearEnemyShots = 1;
    SpawnHomingSalvoMissile2(1, 1);
    MoveHomingMissiles02();
    EXPECT_EQ(HomingSalvos2[16].active, 0);
}

}  // namespace

namespace {

using LockOnTest = PlayerTest;

TEST_F(LockOnTest, RecordsInsideTheRegionAreLockedAtItsEdges) {
    EnemySet03[0].x = 610.0f;
    EnemySet03[0].y = 470.0f;
    EnemySet03[1].x = 611.0f;
    EnemySet03[1].y = 470.0f;
    EnemySet03[2].x = 300.0f;
    EnemySet03[2].y = -30.5f;  // above the lock floor
    DetectLockTargets();
    EXPECT_EQ(LockMarkers07[0].locked, 1);
    EXPECT_EQ(LockMarkers07[1].locked, 0);
    EXPECT_EQ(LockMarkers07[2].locked, 0);
    // Parked enemies (x -500) are never locked.
    for (const LockRecord* set :
         {LockMarkers03, LockMarkers04, LockMarkers05, LockMarkers06, LockMarkers08}) {
        for (int i = 0; i < kLockSetCount; ++i) EXPECT_EQ(set[i].locked, 0);
    }
    LockTarget05(3);  // not a marker of the set
    LockTarget05(-1);
    EXPECT_EQ(LockMarkers06[0].locked, 0);
}

}  // namespace

namespace {

using HomingMissileTest = PlayerTest;

TEST_F(HomingMissileTest, AMissileHomesOnItsMarkerAndTheHitUnlocksIt) {
    LockMarkers07[1] = LockRecord{300, 200, 1, 0};
    HomingSalvo& m = HomingMissiles05[1];
    m.active = 1;
    m.x = 400.0f;
    m.y = 400.0f;
    m.speed = 600.0f;
    m.timer = 0.0f;
    for (int i = 0; i < 200 && m.active != 0; ++i) MoveHomingMissiles05();
    EXPECT_EQ(m.active, 0);
    EXPECT_EQ(EnemySet03[1].hit, 1);
    EXPECT_EQ(LockMarkers07[1].locked, 0);
    EXPECT_EQ(LockMarkers07[1].x, -500);
    EXPECT_EQ(Score, 300);
}

TEST_F(HomingMissileTest, OutsideTheWindowTheMissileKeepsItsHeadingAndClearingParksIt) {
    BossCPartMarkers1[0] = LockRecord{600, 200, 1, 0};  // beyond the window
    HomingSalvo& m = HomingMissiles10[0];
    m.active = 1;
    m.x = 300.0f;
    m.y = 300.0f;
    m.speed = 600.0f;
    m.heading = 0.0f;
    MoveHomingMissiles10();
    EXPECT_EQ(m.y, 300.0f);
    EXPECT_NEAR(m.x, 300.0f + 600.0f * kFrame, 1e-3f);
    ClearEnemyShots = 1;
    MoveHomingMissiles10();
    EXPECT_EQ(m.active, 0);
    EXPECT_EQ(BossCRecord.hitFlash, 0);
}

TEST_F(HomingMissileTest, TheLastBigEnemyMoverOnlyCapsTheScore) {
    Score = 40;
    HiScore = 10;
    BigEnemy3PartMarkers2[2] = LockRecord{200, 200, 1, 0};
    HomingSalvo& m = HomingMissiles14[2];
    m.active = 1;
    m.x = 220.0f;
    m.y = 225.0f;
    m.speed = 0.0f;
    MoveHomingMissiles14();
    EXPECT_EQ(m.active, 0);
    EXPECT_EQ(BigEnemy3.hitFlash, 1);
    EXPECT_NEAR(BigEnemy3.health, 1500.0f - 150.0f * kFrame, 1e-3f);
    EXPECT_EQ(Score, 40);
    EXPECT_EQ(HiScore, 40);
}

}  // namespace
