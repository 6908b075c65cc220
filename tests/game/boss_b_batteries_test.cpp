// Boss B's batteries: volley timers and groups, the aim rule, lines, rings, pods, the clear switch and
// the idle sets.
#include <cmath>

#include "game/core/picture_slots.h"
#include "game/stage_b/boss_b_aimed.h"
#include "game/stage_b/boss_b_arms.h"
#include "game/stage_b/boss_b_falling.h"
#include "stage_b_fixture.h"

namespace {

using BossBBatteryTest = StageBTest;

constexpr float kPi = 3.1415927410125732f;

float Wrapped(float radians) {
    float r = std::fmod(radians, 2.0f * kPi);
    if (r < 0.0f) r += 2.0f * kPi;
    return r;
}

TEST_F(BossBBatteryTest, SpreadVolleysFireWholeGroupsAtTheirMoments) {
    SettleBoss();
    PlayerPosition = {300.0f, 500.0f};
    for (int call = 1; call <= 39; ++call) UpdateBossBSpread03();
    EXPECT_EQ(ActiveRecords(BossBSpread03), 0);
    UpdateBossBSpread03();  // 40: group 0, seven records
    EXPECT_EQ(ActiveRecords(BossBSpread03), 7);
    EXPECT_EQ(BossBSpread03[0].x, 150.0f + 110.0f);
    EXPECT_EQ(BossBSpread03[0].y, 130.0f);
    EXPECT_EQ(BossBSpread03[0].speed, 220.0f);
    // Seven headings twelve degrees apart, centred on the ship's bearing.
    const float centre = std::atan((500.0f + 10.0f - 130.0f) / (300.0f + 10.0f - 260.0f));
    EXPECT_NEAR(BossBSpread03[3].heading, centre, 1e-5f);
    EXPECT_NEAR(BossBSpread03[0].heading, centre - 36.0f * kPi / 180.0f, 1e-5f);
    EXPECT_NEAR(BossBSpread03[6].heading, centre + 36.0f * kPi / 180.0f, 1e-5f);
    for (int call = 41; call <= 260; ++call) UpdateBossBSpread03();
    EXPECT_EQ(ActiveRecords(BossBSpread03), 35);  // all five volleys, none moved
    EXPECT_EQ(BossBSpread03[0].timer, 0);         // 260 wraps to 0
}

TEST_F(BossBBatteryTest, AGroupStillFlyingAtItsTriggerRearmsOnlyItsFreeMembers) {
    SettleBoss();
    for (int call = 0; call < 80; ++call) UpdateBossBFan02();
    ASSERT_EQ(ActiveRecords(BossBFan02), 5);
    // Members fall and spread; member 2 is freed.
    for (EnemyDrop& r : BossBFan02) r.y += 100.0f;
    const float spreadX = BossBFan02[0].x = 10.0f;
    BossBFan02[2].active = 0;
    BossBFan02[2].x = kParkedX;
    for (EnemyDrop& r : BossBFan02) r.timer = 79;
    UpdateBossBFan02();
    EXPECT_EQ(ActiveRecords(BossBFan02), 5);
    EXPECT_EQ(BossBFan02[2].x, 150.0f + 200.0f);
    EXPECT_EQ(BossBFan02[0].x, spreadX);  // still flying: left where it was
    // The group's first index puts every member, falling ones too, back at its start height.
    const float startY[] = {60.0f, 83.0f, 90.0f, 83.0f, 60.0f};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(BossBFan02[k].y, startY[k]) << k;
}

TEST_F(BossBBatteryTest, StraightBelowTheMuzzleTheFanPointsDownAndLevelOrAboveUp) {
    SettleBoss();
    // Spread 01's muzzle is boss + (130, 130); the aim point is the ship + (10, 10).
    PlayerPosition = {150.0f + 120.0f, 400.0f};
    for (int i = 0; i < 3; ++i) FireBossBSpreadShot01(i, 0);
    EXPECT_NEAR(BossBSpread01[1].heading, kPi / 2.0f, 1e-6f);
    EXPECT_NEAR(BossBSpread01[0].heading, kPi / 2.0f - 12.0f * kPi / 180.0f, 1e-6f);
    PlayerPosition = {150.0f + 120.0f, 120.0f};  // level
    for (int i = 3; i < 6; ++i) FireBossBSpreadShot01(i, 3);
    EXPECT_NEAR(BossBSpread01[4].heading, 1.5f * kPi, 1e-5f);
    PlayerPosition = {150.0f + 120.0f, 20.0f};  // above
    for (int i = 6; i < 9; ++i) FireBossBSpreadShot01(i, 6);
    EXPECT_NEAR(BossBSpread01[7].heading, 1.5f * kPi, 1e-5f);
}

TEST_F(BossBBatteryTest, SpreadRecordsLeaveAtTheEdgesAndHitInTheirWindow) {
    SettleBoss();
    BossBSpread01[0] = {};
    BossBSpread01[0].active = 1;
    BossBSpread01[0].x = -40.0f;  // x + 40 = 0: still in
    BossBSpread01[0].y = 100.0f;
    MoveBossBSpread01();
    EXPECT_EQ(BossBSpread01[0].active, 1);
    BossBSpread01[0].x = -40.5f;
    MoveBossBSpread01();
    EXPECT_EQ(BossBSpread01[0].active, 0);
    EXPECT_EQ(BossBSpread01[0].x, kParkedX);
    BossBSpread01[1] = {};
    BossBSpread01[1].active = 1;
    BossBSpread01[1].x = 290.0f;
    BossBSpread01[1].y = 400.0f;
    PlayerPosition = {300.0f, 400.0f};  // x - ship x = -10, y - ship y = 0
    PlayerAlive = 1;
    MoveBossBSpread01();
    EXPECT_EQ(PlayerAlive, 0);
}

TEST_F(BossBBatteryTest, ALineRearmsOnlyAfterItsFirstBulletLeft) {
    SettleBoss();
    PlayerPosition = {300.0f, 500.0f};
    FireBossBLine04();
    ASSERT_EQ(ActiveRecords(BossBLine04), 5);
    // All five on one ray from boss + (115, 100), each faster than the last.
    for (const EnemyShot60& r : BossBLine04) {
        EXPECT_EQ(r.x, 265.0f);
        EXPECT_EQ(r.y, 100.0f);
        EXPECT_EQ(r.heading, BossBLine04[0].heading);
    }
    EXPECT_EQ(BossBLine04[0].speed, 170.0f);
    EXPECT_EQ(BossBLine04[4].speed, 270.0f);
    int frames = 0;
    while (BossBLine04[4].y <= 600.0f && frames < 1000) {
        MoveBossBLine04();
        ++frames;
    }
    // The fastest has left, the first has not: the whole line flies on and no fire call re-arms it.
    EXPECT_EQ(ActiveRecords(BossBLine04), 5);
    const float y4 = BossBLine04[4].y;
    FireBossBLine04();
    EXPECT_EQ(BossBLine04[4].y, y4);
    while (BossBLine04[0].y <= 600.0f && frames < 2000) {
        MoveBossBLine04();
        ++frames;
    }
    // Retired where they are, without parking.
    EXPECT_EQ(ActiveRecords(BossBLine04), 0);
    EXPECT_GT(BossBLine04[0].y, 600.0f);
    EXPECT_NE(BossBLine04[0].x, kParkedX);
    FireBossBLine04();
    EXPECT_EQ(ActiveRecords(BossBLine04), 5);
    EXPECT_EQ(BossBLine04[0].y, 100.0f);
}

TEST_F(BossBBatteryTest, LinesTestEveryRecordAgainstTheShip) {
    BossBLine01[3].active = 0;
    BossBLine01[3].x = 300.0f;
    BossBLine01[3].y = 410.0f;
    BossBLine01[0].x = 200.0f;  // the first record inside the field
    BossBLine01[0].y = 200.0f;
    PlayerPosition = {300.0f, 400.0f};
    PlayerAlive = 1;
    MoveBossBLine01();
    EXPECT_EQ(PlayerAlive, 0);
}

TEST_F(BossBBatteryTest, TheTwelveRingRecordsLieThirtyDegreesApartTheFirstAtTheShip) {
    SettleBoss();
    PlayerPosition = {400.0f, 450.0f};
    for (int call = 0; call < 30; ++call) UpdateBossBRing01();
    ASSERT_EQ(ActiveRecords(BossBRing01), 12);
    const float toShip = std::atan((450.0f + 20.0f - 130.0f) / (400.0f + 20.0f - 290.0f));
    EXPECT_NEAR(BossBRing01[0].heading, toShip, 1e-5f);
    for (int k = 1; k < 12; ++k) {
        const float step = Wrapped(BossBRing01[k].heading - BossBRing01[k - 1].heading);
        EXPECT_NEAR(step, 30.0f * kPi / 180.0f, 1e-4f) << k;
    }
    // Group 1 (records 12..23) points the same way: pool index x 30 degrees goes once round per group.
    for (int call = 30; call < 50; ++call) UpdateBossBRing01();
    EXPECT_NEAR(Wrapped(BossBRing01[12].heading), Wrapped(BossBRing01[0].heading), 1e-4f);
    EXPECT_EQ(BossBRing01[12].x, 290.0f);
    EXPECT_EQ(BossBRing01[12].speed, 140.0f);
}

TEST_F(BossBBatteryTest, TriggersAtOrPastTheWrapNeverFire) {
    SettleBoss();
    bool twinPairs9And10 = false;
    bool armRecord19 = false;
    for (int call = 0; call < 700; ++call) {
        UpdateBossBTwin01();
        UpdateBossBArm01();
        for (int i = 16; i < 20; ++i) twinPairs9And10 |= BossBTwin01[i].active != 0;
        armRecord19 |= BossBArm01[19].active != 0;
    }
    EXPECT_FALSE(twinPairs9And10);
    EXPECT_FALSE(armRecord19);
    EXPECT_EQ(ActiveRecords(BossBTwin01), 16);
    EXPECT_EQ(ActiveRecords(BossBArm01), 19);
    // The arm timers never go back below 10.
    EXPECT_GE(BossBArm01[0].timer, 10);
}

TEST_F(BossBBatteryTest, ArmBlocksDropOneAfterAnotherTenCallsApart) {
    SettleBoss();
    for (int call = 0; call < 10; ++call) UpdateBossBArm02();
    EXPECT_EQ(ActiveRecords(BossBArm02), 1);
    EXPECT_EQ(BossBArm02[0].x, 150.0f + 190.0f);
    EXPECT_EQ(BossBArm02[0].y, 150.0f);
    for (int call = 0; call < 10; ++call) UpdateBossBArm02();
    EXPECT_EQ(ActiveRecords(BossBArm02), 2);
    // Set 02 slides down and to the left at 143 px/s each way and passes through the ship.
    PlayerPosition = {BossBArm02[0].x, BossBArm02[0].y};
    PlayerAlive = 1;
    MoveBossBArm02();
    EXPECT_NEAR(BossBArm02[0].x, 340.0f - 143.0f * kFrame, 1e-3f);
    EXPECT_NEAR(BossBArm02[0].y, 150.0f + 143.0f * kFrame, 1e-3f);
    EXPECT_EQ(PlayerAlive, 1);
    // Set 01 falls straight and hits.
    DropBossBArm01(0, 0);
    PlayerPosition = {BossBArm01[0].x + 90.0f, BossBArm01[0].y + 80.0f};
    MoveBossBArm01();
    EXPECT_EQ(PlayerAlive, 0);
}

TEST_F(BossBBatteryTest, PodsLeavingEarlyRelaunchFromTheBossCurrentPlace) {
    SettleBoss();
    LaunchBossBPods01();
    ASSERT_EQ(ActiveRecords(BossBPods01), 2);
    EXPECT_EQ(BossBPods01[0].x, 150.0f + 242.0f);
    EXPECT_EQ(BossBPods01[0].y, 200.0f);
    BossB.x = 200.0f;
    BossBPods01[0].y = 601.0f;
    MoveBossBPods01();
    EXPECT_EQ(BossBPods01[0].active, 0);
    EXPECT_EQ(BossBPods01[0].y, kParkedY);
    const float secondX = BossBPods01[1].x;
    LaunchBossBPods01();
    EXPECT_EQ(BossBPods01[0].x, 200.0f + 242.0f);
    EXPECT_EQ(BossBPods01[0].y, 200.0f);
    EXPECT_EQ(BossBPods01[1].x, secondX);
}

TEST_F(BossBBatteryTest, CurtainsAndLinesIgnoreTheClearSwitchEveryOtherSetParks) {
    SettleBoss();
    PlayerPosition = {300.0f, 500.0f};
    FireBossBCurtainShot01(0, 0);
    FireBossBLine01();
    FireBossBSpreadShot05(0, 0);
    FireBossBRing02(0);
    FireBossBRainShot01(0, 0);
    FireBossBTwin02(0, 0);
    FireBossBFan01(0, 0);
    FireBossBWideFan02(0, 0);
    LaunchBossBPods09();
    DropBossBArm05(0, 0);
    ClearEnemyShots = 1;
    MoveBossBCurtain01();
    MoveBossBLine01();
    MoveBossBSpread05();
    MoveBossBRing02();
    MoveBossBRain01();
    MoveBossBTwin02();
    MoveBossBFan01();
    MoveBossBWideFan02();
    MoveBossBPods09();
    MoveBossBArm05();
    EXPECT_EQ(BossBCurtain01[0].active, 1);
    EXPECT_EQ(ActiveRecords(BossBLine01), 5);
    EXPECT_EQ(ActiveRecords(BossBSpread05), 0);
    EXPECT_EQ(ActiveRecords(BossBRing02), 0);
    EXPECT_EQ(ActiveRecords(BossBRain01), 0);
    EXPECT_EQ(ActiveRecords(BossBTwin02), 0);
    EXPECT_EQ(ActiveRecords(BossBFan01), 0);
    EXPECT_EQ(ActiveRecords(BossBWideFan02), 0);
    EXPECT_EQ(ActiveRecords(BossBPods09), 0);
    EXPECT_EQ(ActiveRecords(BossBArm05), 0);
    EXPECT_EQ(BossBSpread05[0].y, kParkedY);
    EXPECT_EQ(BossBPods09[0].y, kParkedY);
    ClearEnemyShots = 0;
}

TEST_F(BossBBatteryTest, StartPointsOfPairsAndWideFans) {
    SettleBoss();
    FireBossBRainShot02(1, 0);
    EXPECT_EQ(BossBRain02[0].x, 150.0f + 60.0f);  // the pair's x is written for both shots
    EXPECT_EQ(BossBRain02[1].x, 150.0f + 400.0f);
    EXPECT_EQ(BossBRain02[1].y, 160.0f);
    EXPECT_EQ(BossBRain02[0].active, 0);
    EXPECT_EQ(BossBRain02[0].y, kParkedY);  // only the armed record's y
    FireBossBWideFan01(0, 0);
    const float x[] = {76.0f, 98.0f, 120.0f, 142.0f, 164.0f};
    const float y[] = {50.0f, 73.0f, 80.0f, 73.0f, 50.0f};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(BossBWideFan01[k].x, 150.0f + x[k]) << k;
        EXPECT_EQ(BossBWideFan01[k].y, y[k]) << k;
    }
}

TEST_F(BossBBatteryTest, FallingSetsDriftEveryRecordAndFallAtTheirSpeed) {
    SettleBoss();
    FireBossBCurtainShot02(0, 0);
    const float parkedX = BossBCurtain02[3].x;
    MoveBossBCurtain02();
    EXPECT_NEAR(BossBCurtain02[0].x, 500.0f - 30.0f * kFrame, 1e-3f);
    EXPECT_NEAR(BossBCurtain02[0].y, 90.0f + 190.0f * kFrame, 1e-3f);
    // Idle records drift too, at their parked height.
    EXPECT_NEAR(BossBCurtain02[3].x, parkedX - 30.0f * kFrame, 1e-3f);
    EXPECT_EQ(BossBCurtain02[3].y, kParkedY);
}

TEST_F(BossBBatteryTest, ADriftedTwinFarOffOrNotANumberDrawsAndHitsNothing) {
    PlayerPosition = {300.0f, 400.0f};
    PlayerAlive = 1;
    BossBTwin02[0].active = 1;
    BossBTwin02[0].x = 3e9f;
    BossBTwin02[0].y = 400.0f;
    BossBTwin02[1].active = 1;
    BossBTwin02[1].x = std::nanf("");
    BossBTwin02[1].y = 400.0f;
    elDraw::ClearBackBuffer();
    MoveBossBTwin02();
    DrawBossBTwin02();
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(LitPixels(ClipWindow.left, ClipWindow.top, ClipWindow.right, ClipWindow.bottom), 0);
}

TEST_F(BossBBatteryTest, TwinSet02IsDrawnTwentyTimesOver) {
    // The first shot of a pair uses the cell at x 80 of the 40x40 strip, added twenty times in place.
    elDraw::ClearBackBuffer();
    elDraw::DrawAdditive(300, 300, PicVAL405, 80, 0, 120, 40);
    const std::vector<int> once = FieldPixels();
    elDraw::ClearBackBuffer();
    for (int k = 0; k < 20; ++k) elDraw::DrawAdditive(300, 300, PicVAL405, 80, 0, 120, 40);
    const std::vector<int> twenty = FieldPixels();
    ASSERT_NE(once, twenty);
    BossBTwin02[0].active = 1;
    BossBTwin02[0].x = 300.0f;
    BossBTwin02[0].y = 300.0f;
    elDraw::ClearBackBuffer();
    DrawBossBTwin02();
    EXPECT_EQ(FieldPixels(), twenty);
}

}  // namespace
