// Boss A's bullet pools: volleys, spreads and spirals; drops, curtains, rain, barrage and pods.
#include <cmath>
#include <limits>

#include "engine/elDraw.h"
#include "game/core/game_state.h"
#include "game/enemies/bullet_pool.h"
#include "game/stage_a/boss_a_pools.h"
#include "stage_a_fixture.h"

namespace {

using BossAPoolTest = StageATest;

constexpr float kPi = 3.1415927410125732f;
constexpr float kDegree = kPi / 180.0f;

template <typename R, int N>
int ActiveRecords(const R (&pool)[N]) {
    int n = 0;
    for (const R& r : pool) n += r.active != 0;
    return n;
}

TEST_F(BossAPoolTest, AVolleyRetiresWholeWhereItIsWhenItsFirstShotLeaves) {
    PlaceBoss();
    PlayerPosition = {300.0f, 500.0f};
    FireBossAVolley09();
    ASSERT_EQ(ActiveRecords(BossAVolley09), kBossAVolleyCount);
    for (int k = 1; k < kBossAVolleyCount; ++k) EXPECT_GT(BossAVolley09[k].speed, BossAVolley09[k - 1].speed);
    // Only the first shot is outside; the others are freed with it and keep their places.
    BossAVolley09[0].x = 801.0f;
    BossAVolley09[2].x = 400.0f;
    MoveBossAVolley09();
    EXPECT_EQ(ActiveRecords(BossAVolley09), 0);
    EXPECT_GT(BossAVolley09[0].x, 800.0f);
    EXPECT_NEAR(BossAVolley09[2].x, 400.0f, 10.0f);
    EXPECT_NE(BossAVolley09[2].y, kParkedY);
    // A volley whose first shot is inside flies on, whatever the others do.
    FireBossAVolley09();
    BossAVolley09[4].x = 900.0f;
    MoveBossAVolley09();
    EXPECT_EQ(ActiveRecords(BossAVolley09), kBossAVolleyCount);
}

TEST_F(BossAPoolTest, StraightAboveOrBelowTheAimPointFliesStraightDownOrUp) {
    PlaceBoss(180.0f, 200.0f);
    // Volley 09 fires from (bx + 105, by + 100) at the ship plus 15.
    PlayerPosition = {180.0f + 105.0f - 15.0f, 500.0f};
    FireBossAVolley09();
    EXPECT_FLOAT_EQ(BossAVolley09[0].heading, kPi / 2.0f);
    // Volley 03 adds 18 degrees.
    PlayerPosition = {180.0f + 85.0f - 15.0f, 500.0f};
    FireBossAVolley03();
    EXPECT_NEAR(BossAVolley03[0].heading, kPi / 2.0f + 18.0f * kDegree, 1e-5f);
    // On the aim point itself, or above it: straight up.
    PlayerPosition = {180.0f + 105.0f - 15.0f, 200.0f + 100.0f - 15.0f};
    BossAVolley09[0].active = 0;
    FireBossAVolley09();
    EXPECT_NEAR(BossAVolley09[0].heading, 1.5f * kPi, 1e-5f);
    // A spread's fan is laid round the same straight line: member m at (12 m - 24) degrees.
    PlayerPosition = {180.0f + 210.0f - 20.0f, 500.0f};
    for (int m = 0; m < 5; ++m) FireBossASpreadShot02(m, 0);
    for (int m = 0; m < 5; ++m) {
        EXPECT_NEAR(BossASpread02[m].heading, kPi / 2.0f + (12.0f * m - 24.0f) * kDegree, 1e-5f) << m;
        EXPECT_EQ(BossASpread02[m].speed, 220.0f);
    }
}

TEST_F(BossAPoolTest, AVolleyFiredStraightUpStillDraws) {
    PlaceBoss(180.0f, 200.0f);
    PlayerPosition = {180.0f + 85.0f - 15.0f, 100.0f};
    FireBossAVolley03();
    ASSERT_EQ(270 - HeadingDegrees(BossAVolley03[0].heading), -18);
    elDraw::ClearBackBuffer();
    DrawBossAVolley03();
    EXPECT_GT(LitPixels(260, 295, 300, 335), 0);
}

TEST_F(BossAPoolTest, SpiralStreamsFireEveryTenthCallAndNeverTheirLastRecord) {
    PlaceBoss();
    for (int i = 0; i < 9; ++i) UpdateBossASpiral02();
    EXPECT_EQ(ActiveRecords(BossASpiral02), 0);
    UpdateBossASpiral02();
    ASSERT_EQ(BossASpiral02[0].active, 1);
    EXPECT_EQ(BossASpiral02[0].speed, 110.0f);
    EXPECT_EQ(BossASpiral02[0].x, BossARecord.x + 210.0f);
    EXPECT_EQ(BossASpiral02[0].y, BossARecord.y + 130.0f);
    // The counter keeps its value between windows and the rotation resumes.
    for (int i = 0; i < 5; ++i) UpdateBossASpiral02();
    EXPECT_EQ(BossASpiralCounters[1], 15);
    EXPECT_EQ(BossASpiral02[1].active, 0);
    for (int i = 0; i < 5; ++i) UpdateBossASpiral02();
    EXPECT_EQ(BossASpiral02[1].active, 1);
    EXPECT_NEAR(BossASpiral02[1].heading, 10.0f * kDegree, 1e-6f);
    for (int i = 0; i < 3 * 360; ++i) UpdateBossASpiral02();
    EXPECT_EQ(ActiveRecords(BossASpiral02), kBossASpiralCount - 1);
    EXPECT_EQ(BossASpiral02[kBossASpiralCount - 1].active, 0);
    // Streams turn their own way: 01 against 02.
    for (int i = 0; i < 20; ++i) UpdateBossASpiral01();
    EXPECT_NEAR(BossASpiral01[1].heading, -10.0f * kDegree, 1e-6f);
}

TEST_F(BossAPoolTest, TriggersAtOrPastTheWrapNeverFire) {
    PlaceBoss();
    PlayerPosition = {370.0f, 500.0f};
    for (int i = 0; i < 3 * 150; ++i) FireBossASpread03();
    for (int k = 0; k < 4 * 7; ++k) EXPECT_EQ(BossASpread03[k].active, 1) << k;
    for (int k = 4 * 7; k < kBossASpreadLongCount; ++k) EXPECT_EQ(BossASpread03[k].active, 0) << k;

    for (int i = 0; i < 3 * 200; ++i) UpdateBossARain01();
    EXPECT_EQ(ActiveRecords(BossARain01), kBossARainCount - 1);
    EXPECT_EQ(BossARain01[kBossARainCount - 1].active, 0);

    for (int i = 0; i < 3 * 150; ++i) UpdateBossADropTimers01();
    EXPECT_EQ(ActiveRecords(BossADrops01), 16);
    for (int k = 16; k < kBossADropCount; ++k) EXPECT_EQ(BossADrops01[k].active, 0) << k;
}

TEST_F(BossAPoolTest, SpreadTimersKeepTheirValuesBetweenWindows) {
    PlaceBoss();
    PlayerPosition = {370.0f, 500.0f};
    for (int i = 0; i < 39; ++i) FireBossASpread02();
    EXPECT_EQ(ActiveRecords(BossASpread02), 0);
    // Nothing advances while the routine is not called.
    for (int i = 0; i < 100; ++i) MoveBossASpread02();
    EXPECT_EQ(BossASpread02[0].timer, 39);
    FireBossASpread02();
    EXPECT_EQ(ActiveRecords(BossASpread02), 5);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(BossASpread02[k].active, 1);
}

TEST_F(BossAPoolTest, DropPairsShareTheirPlaceAndDrops02SpreadApart) {
    PlaceBoss(180.0f, 0.0f);
    for (int i = 0; i < 10; ++i) UpdateBossADropTimers02();
    ASSERT_EQ(BossADrops02[0].active, 1);
    ASSERT_EQ(BossADrops02[1].active, 1);
    EXPECT_EQ(BossADrops02[0].x, 300.0f);
    EXPECT_EQ(BossADrops02[1].x, 460.0f);
    EXPECT_EQ(BossADrops02[0].y, 130.0f);
    FrameTime = 0.5f;
    MoveBossADrop02();
    EXPECT_NEAR(BossADrops02[0].x, 240.0f, 1e-3f);
    EXPECT_NEAR(BossADrops02[1].x, 520.0f, 1e-3f);
    EXPECT_NEAR(BossADrops02[0].y, 255.0f, 1e-3f);
    // Free records drift too, at their parked height; arming puts them back at the boss.
    EXPECT_NEAR(BossADrops02[2].x, kParkedX - 60.0f, 1e-3f);
    EXPECT_NEAR(BossADrops02[3].x, kParkedX + 60.0f, 1e-3f);
    for (int i = 0; i < 10; ++i) UpdateBossADropTimers02();
    EXPECT_EQ(BossADrops02[2].x, 300.0f);
    EXPECT_EQ(BossADrops02[3].x, 460.0f);
}

TEST_F(BossAPoolTest, CurtainAndBarrageGroupsFanOutSideways) {
    PlaceBoss(180.0f, 0.0f);
    for (int i = 0; i < 60; ++i) UpdateBossACurtain01();
    ASSERT_EQ(ActiveRecords(BossACurtain01), 3);
    EXPECT_EQ(BossACurtain01[0].y, 90.0f);
    EXPECT_EQ(BossACurtain01[1].y, 113.0f);
    EXPECT_EQ(BossACurtain01[2].y, 120.0f);
    FrameTime = 0.1f;
    MoveBossACurtain01();
    EXPECT_NEAR(BossACurtain01[0].x - 270.0f, 3.0f, 1e-3f);
    EXPECT_NEAR(BossACurtain01[1].x - 270.0f, 6.0f, 1e-3f);
    EXPECT_NEAR(BossACurtain01[2].x - 270.0f, 9.0f, 1e-3f);
    EXPECT_NEAR(BossACurtain01[0].y, 102.0f, 1e-3f);

    for (int i = 0; i < 25; ++i) FireBossABarrage();
    ASSERT_EQ(ActiveRecords(BossABarrage), 7);
    const float domeY[] = {154.0f, 183.0f, 194.0f, 200.0f, 194.0f, 183.0f, 154.0f};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(BossABarrage[k].x, 380.0f);
        EXPECT_EQ(BossABarrage[k].y, domeY[k]);
    }
    MoveBossABarrage();
    for (int k = 0; k < 7; ++k) EXPECT_NEAR(BossABarrage[k].x - 380.0f, (k - 3) * 7.0f, 1e-3f) << k;
}

// Nothing launches the pods, but every pod drifts at its own speed, free or falling.
TEST_F(BossAPoolTest, EachPodDriftsAtItsOwnSpeedSoTheSetsMoveApart) {
    FrameTime = 0.5f;
    BossAPods02[2] = {};
    BossAPods02[2].x = 300.0f;
    BossAPods02[2].y = 100.0f;
    BossAPods02[2].active = 1;
    MoveBossAPods01();
    MoveBossAPods02();
    MoveBossAPods03();
    // Pods 01 part at 60 px/s each, pods 02's first two at 23 px/s, pods 03 in pairs at 7 and 20 px/s.
    EXPECT_NEAR(BossAPods01[0].x, kParkedX - 30.0f, 1e-3f);
    EXPECT_NEAR(BossAPods01[1].x, kParkedX + 30.0f, 1e-3f);
    EXPECT_NEAR(BossAPods02[0].x, kParkedX - 11.5f, 1e-3f);
    EXPECT_NEAR(BossAPods02[1].x, kParkedX + 11.5f, 1e-3f);
    EXPECT_EQ(BossAPods02[2].x, 300.0f);  // the third falls straight
    EXPECT_NEAR(BossAPods02[2].y, 100.0f + 110.0f, 1e-3f);
    const float pods03[] = {-3.5f, 3.5f, -10.0f, 10.0f};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(BossAPods03[k].x, kParkedX + pods03[k], 1e-3f) << k;
    EXPECT_EQ(ActiveRecords(BossAPods01) + ActiveRecords(BossAPods03), 0);
}

TEST_F(BossAPoolTest, ClearFlagParksTheSpreadsButNotTheCurtains) {
    PlaceBoss();
    PlayerPosition = {370.0f, 500.0f};
    for (int i = 0; i < 40; ++i) FireBossASpread02();
    for (int i = 0; i < 60; ++i) UpdateBossACurtain02();
    ClearEnemyShots = 1;
    MoveBossASpread02();
    MoveBossACurtain02();
    EXPECT_EQ(ActiveRecords(BossASpread02), 0);
    EXPECT_EQ(BossASpread02[0].y, kParkedY);
    EXPECT_EQ(ActiveRecords(BossACurtain02), 3);
}

TEST_F(BossAPoolTest, AGunShotThatHitsIsGoneWhileOtherBulletsFlyOn) {
    PlayerPosition = {300.0f, 400.0f};
    PlayerAlive = 1;
    BossAGunShots01[0] = {};
    BossAGunShots01[0].x = 315.0f;
    BossAGunShots01[0].y = 425.0f;
    BossAGunShots01[0].active = 1;
    MoveBossAGunShots01();
    EXPECT_EQ(PlayerAlive, 0);
    EXPECT_EQ(BossAGunShots01[0].active, 0);
    EXPECT_EQ(BossAGunShots01[0].y, kParkedY);
    // A spiral shot in the same place hits and stays.
    PlayerAlive = 1;
    BossAShots02[0] = {};
    BossAShots02[0].x = 315.0f;
    BossAShots02[0].y = 425.0f;
    BossAShots02[0].active = 1;
    MoveBossAShots02();
    EXPECT_EQ(PlayerAlive, 0);
    EXPECT_EQ(BossAShots02[0].active, 1);
}

TEST_F(BossAPoolTest, ShotPool01FliesBackwards) {
    BossAShots01[0] = {};
    BossAShots01[0].x = 400.0f;
    BossAShots01[0].y = 300.0f;
    BossAShots01[0].speed = 60.0f;
    BossAShots01[0].active = 1;
    BossAShots02[0] = BossAShots01[0];
    FrameTime = 0.5f;
    MoveBossAShots01();
    MoveBossAShots02();
    EXPECT_NEAR(BossAShots01[0].x, 370.0f, 1e-3f);
    EXPECT_NEAR(BossAShots02[0].x, 430.0f, 1e-3f);
}

TEST_F(BossAPoolTest, SpreadDartsStoreTheDegreesTheyAreDrawnAt) {
    PlaceBoss(180.0f, 0.0f);
    PlayerPosition = {370.0f, 500.0f};
    for (int i = 0; i < 40; ++i) FireBossASpread01();
    ASSERT_EQ(BossASpread01[2].active, 1);
    elDraw::ClearBackBuffer();
    DrawBossASpread01();
    EXPECT_EQ(BossASpread01[2].degrees, HeadingDegrees(BossASpread01[2].heading));
    EXPECT_GT(LitPixels(360, 110, 420, 160), 0);
}

// Free records of the drifting pools wander sideways for a whole stage; wherever they end up, and even
// when their place is no number at all, they draw nothing and hit nothing.
TEST_F(BossAPoolTest, RecordsFarAwayOrWithoutAPlaceDrawAndHitNothing) {
    PlaceBoss();
    PlayerAlive = 1;
    for (float x : {3e9f, -3e9f, std::numeric_limits<float>::quiet_NaN()}) {
        for (EnemyDrop* pool : {BossADrops02, BossACurtain01, BossABarrage, BossAPods03}) {
            pool[0] = {};
            pool[0].x = x;
            pool[0].y = 300.0f;
            pool[0].active = 1;
        }
        PlayerPosition = {300.0f, 280.0f};
        if (!std::isnan(x)) PlayerPosition.x = x;
        elDraw::ClearBackBuffer();
        DrawBossADrop02();
        DrawBossACurtain01();
        DrawBossABarrage();
        DrawBossAPods03();
        EXPECT_EQ(LitPixels(), 0) << x;
        FrameTime = 1.0f / 60.0f;
        PlayerPosition = {300.0f, 280.0f};
        MoveBossADrop02();
        MoveBossACurtain01();
        MoveBossABarrage();
        MoveBossAPods03();
        EXPECT_EQ(PlayerAlive, 1) << x;
    }
}

TEST_F(BossAPoolTest, ParkedPoolsDrawNothing) {
    elDraw::ClearBackBuffer();
    DrawBossADrop01();
    DrawBossADrop02();
    DrawBossACurtain01();
    DrawBossARain01();
    DrawBossABarrage();
    DrawBossAPods01();
    DrawBossAVolley01();
    DrawBossAVolley05();
    DrawBossASpread01();
    DrawBossASpiral04();
    DrawBossAShots06();
    DrawBossAGunShots01();
    EXPECT_EQ(LitPixels(), 0);
}

}  // namespace
