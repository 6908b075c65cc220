// Boss C's twin shots, three-way fans, five-way fans and pods.
#include <cmath>
#include <limits>

#include "game/stage_c/boss_c_drops.h"
#include "stage_c_fixture.h"

namespace {

using TwinShotTest = StageCTest;
using TriFanTest = StageCTest;
using FiveWayFanTest = StageCTest;
using PodTest = StageCTest;
using FallingSetTest = StageCTest;

template <typename R>
bool GroupActive(const R* records, int group, int size) {
    for (int i = group * size; i < (group + 1) * size; ++i) {
        if (records[i].active == 0) return false;
    }
    return true;
}
template <typename R>
bool GroupFree(const R* records, int group, int size) {
    for (int i = group * size; i < (group + 1) * size; ++i) {
        if (records[i].active != 0) return false;
    }
    return true;
}
template <typename R, int N>
void FreeAll(R (&records)[N]) {
    for (R& r : records) r.active = 0;
}

// Runs the attack table over n in [low, high], without moving anything.
void RunWindow(int low, int high) {
    for (int n = low; n <= high; ++n) RunAttackRows(StageCAttackRows(), n);
}

// The hit window of one record at its edges: (left, top) and (right, bottom) hit, just outside does not.
template <typename R>
void ExpectHitWindow(R& r, void (*move)(), float left, float right, float top, float bottom) {
    const FloatPoint ship{300.0f, 400.0f};
    PlayerPosition = ship;
    auto hits = [&](float dx, float dy) {
        r.x = ship.x + dx;
        r.y = ship.y + dy;
        PlayerAlive = 1;
        const float fallBefore = FrameTime;
        FrameTime = 0.0f;  // the record stays where it is put
        move();
        FrameTime = fallBefore;
        return PlayerAlive == 0;
    };
    r.active = 1;
    EXPECT_TRUE(hits(left, top));
    EXPECT_TRUE(hits(right, bottom));
    EXPECT_FALSE(hits(left - 0.1f, top));
    EXPECT_FALSE(hits(right + 0.1f, bottom));
    EXPECT_FALSE(hits(left, top - 0.1f));
    EXPECT_FALSE(hits(right, bottom + 0.1f));
    r.active = 0;
    EXPECT_FALSE(hits(left, top));  // free records never hit
}

// A record far off, or not a number at all, draws nothing and hits nothing (the set's others parked).
template <int N>
void ExpectFarRecordsHarmless(EnemyDrop (&records)[N], void (*move)(), void (*draw)()) {
    for (EnemyDrop& r : records) r = EnemyDrop{0, 0, kParkedX, kParkedY, 0.0f, 0.0f, 0.0f, 0};
    EnemyDrop& r = records[N - 1];
    for (const float x : {3e9f, -3e9f, std::numeric_limits<float>::quiet_NaN()}) {
        r.active = 1;
        r.x = x;
        r.y = 300.0f;
        PlayerPosition = {300.0f, 280.0f};
        PlayerAlive = 1;
        move();
        EXPECT_EQ(PlayerAlive, 1) << x;
        r.x = x;
        r.y = 300.0f;
        elDraw::ClearBackBuffer();
        draw();
        EXPECT_EQ(StageCTest::LitPixels(0, 0, 800, 600), 0) << x;
        r.active = 0;
    }
}

// ---- Twin shots -----------------------------------------------------------------------------------------

TEST_F(TwinShotTest, WindowsReleaseThePairsWhoseMomentsTheyReachAndTheNextCycleGoesOn) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    constexpr int kPair = 2;
    RunWindow(60, 80);
    for (int g = 0; g < 10; ++g) EXPECT_EQ(GroupActive(BossCTwin01, g, kPair), g < 2) << g;
    EXPECT_EQ(BossCTwin01[0].x, 180.0f + 120.0f);
    EXPECT_EQ(BossCTwin01[1].x, 180.0f + 280.0f);
    EXPECT_EQ(BossCTwin01[1].y, 100.0f + 200.0f);
    EXPECT_EQ(BossCTwin03[1].x, 180.0f + 320.0f);
    FreeAll(BossCTwin01);
    RunWindow(450, 500);
    for (int g = 0; g < 10; ++g) EXPECT_EQ(GroupActive(BossCTwin01, g, kPair), g >= 2 && g <= 4) << g;
    FreeAll(BossCTwin01);
    RunWindow(60, 80);
    for (int g = 0; g < 10; ++g) EXPECT_EQ(GroupActive(BossCTwin01, g, kPair), g == 5 || g == 6) << g;
    EXPECT_EQ(BossCTwin02[10].y, 100.0f + 180.0f);
}

TEST_F(TwinShotTest, AFallingPairIsNotReleasedAgainAndItsTimersGoOn) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    for (EnemyDrop& r : BossCTwin02) r.timer = 9;
    BossCTwin02[0].active = BossCTwin02[1].active = 1;
    BossCTwin02[0].y = BossCTwin02[1].y = 444.0f;
    UpdateBossCTwin02();
    EXPECT_EQ(BossCTwin02[0].y, 444.0f);
    EXPECT_EQ(BossCTwin02[1].y, 444.0f);
    EXPECT_EQ(BossCTwin02[0].timer, 10);
    for (EnemyDrop& r : BossCTwin02) r.timer = 139;
    UpdateBossCTwin02();
    EXPECT_EQ(BossCTwin02[5].timer, 0);
}

TEST_F(TwinShotTest, SetThreesPairsSpreadWithoutLimitAndItsFreeRecordsDrift) {
    BossCTwin03[4] = EnemyDrop{};
    BossCTwin03[4].active = 1;
    BossCTwin03[4].x = -200.0f;
    BossCTwin03[4].y = 100.0f;
    const float parked = BossCTwin03[6].x;
    for (int f = 0; f < 60; ++f) MoveBossCTwin03();
    EXPECT_EQ(BossCTwin03[4].active, 1);  // no side edge
    EXPECT_NEAR(BossCTwin03[4].x, -200.0f - 20.0f, 0.01f);
    EXPECT_NEAR(BossCTwin03[4].y, 100.0f + 200.0f, 0.05f);
    EXPECT_NEAR(BossCTwin03[6].x, parked - 20.0f, 0.01f);
    EXPECT_NEAR(BossCTwin03[7].x, parked + 20.0f, 0.01f);
    EXPECT_EQ(BossCTwin03[6].active, 0);
    EXPECT_EQ(BossCTwin01[0].x, kParkedX);  // the other sets hold still
    for (int f = 0; f < 100; ++f) MoveBossCTwin03();
    EXPECT_EQ(BossCTwin03[4].active, 0);  // out below
    EXPECT_EQ(BossCTwin03[4].y, kParkedY);
    ExpectHitWindow(BossCTwin01[3], MoveBossCTwin01, -10.0f, 30.0f, 0.0f, 30.0f);
    ExpectFarRecordsHarmless(BossCTwin03, MoveBossCTwin03, DrawBossCTwin03);
    BossCTwin02[0] = EnemyDrop{0, 0, 300.0f, 100.0f, 0.0f, 0.0f, 0.0f, 1};
    ClearEnemyShots = 1;
    MoveBossCTwin02();
    EXPECT_EQ(BossCTwin02[0].active, 0);
}

// ---- Three-way fans -------------------------------------------------------------------------------------

TEST_F(TriFanTest, WindowsReleaseOneGroupThenTheNextCycleReleasesTheFollowingOnes) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    constexpr int kGroup = 3;
    RunWindow(30, 60);
    for (int g = 0; g < 5; ++g) EXPECT_EQ(GroupActive(BossCTriFan03, g, kGroup), g == 0) << g;
    EXPECT_EQ(BossCTriFan04[0].x, 180.0f + 360.0f);
    FreeAll(BossCTriFan03);
    RunWindow(500, 550);
    for (int g = 0; g < 5; ++g) EXPECT_EQ(GroupActive(BossCTriFan03, g, kGroup), g == 1) << g;
    FreeAll(BossCTriFan03);
    RunWindow(30, 60);
    for (int g = 0; g < 5; ++g) EXPECT_EQ(GroupActive(BossCTriFan03, g, kGroup), g == 2 || g == 3) << g;
    FreeAll(BossCTriFan03);
    RunWindow(500, 550);
    for (int g = 0; g < 5; ++g) EXPECT_EQ(GroupActive(BossCTriFan03, g, kGroup), g == 4) << g;
    // Sets 01 and 02 are never armed, whatever the flags.
    ScoringMode[0] = 0;
    ScoringMode[1] = 1;
    RunWindow(1, 4900);
    EXPECT_EQ(CountActive(BossCTriFan01) + CountActive(BossCTriFan02), 0);
}

TEST_F(TriFanTest, AFlyingRecordIsNotRearmedWhileItsFreePartnersAre) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    PlayerPosition = {220.0f, 400.0f};  // aim point (240, 420), muzzle (240, 200): straight below
    BossCTriFan03[1].active = 1;
    BossCTriFan03[1].x = 555.0f;
    for (EnemyShot56& r : BossCTriFan03) r.timer = 19;
    UpdateBossCTriFan03();
    EXPECT_EQ(BossCTriFan03[1].x, 555.0f);
    EXPECT_EQ(BossCTriFan03[0].active, 1);
    EXPECT_EQ(BossCTriFan03[2].active, 1);
    EXPECT_NEAR(BossCTriFan03[0].heading, kPi / 2.0f - 0.2094395f, 1e-5f);
    EXPECT_NEAR(BossCTriFan03[2].heading, kPi / 2.0f + 0.2094395f, 1e-5f);
    EXPECT_EQ(BossCTriFan03[0].speed, 150.0f);
    BossCTriFan03[1].active = 0;
    FireBossCTriFan03(1, 0);
    EXPECT_FLOAT_EQ(BossCTriFan03[1].heading, kPi / 2.0f);  // the middle bullet: straight down
    ExpectHitWindow(BossCTriFan04[7], MoveBossCTriFan04, 10.0f, 30.0f, 20.0f, 30.0f);
}

// ---- Five-way fans --------------------------------------------------------------------------------------

TEST_F(FiveWayFanTest, AFallingMemberIsNotRearmedButItsPartnersCallsSetItsHeightAgain) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    BossCFan01[2].active = 1;
    BossCFan01[2].x = 444.0f;
    BossCFan01[2].y = 333.0f;
    for (EnemyDrop& r : BossCFan01) r.timer = 9;
    UpdateBossCFan01();
    EXPECT_EQ(BossCFan01[2].x, 444.0f);
    EXPECT_EQ(BossCFan01[2].y, 100.0f + 90.0f);  // written by its partners' calls
    const float stack[5] = {60.0f, 83.0f, 90.0f, 83.0f, 60.0f};
    for (int m = 0; m < 5; ++m) {
        EXPECT_EQ(BossCFan01[m].active, 1);
        EXPECT_EQ(BossCFan01[m].y, 100.0f + stack[m]);
        if (m != 2) {
            EXPECT_EQ(BossCFan01[m].x, 180.0f + 210.0f);
        }
    }
    for (EnemyDrop& r : BossCFan06) r.timer = 59;
    UpdateBossCFan06();
    EXPECT_EQ(BossCFan06[0].y, 100.0f + 30.0f);
    EXPECT_EQ(BossCFan06[2].y, 100.0f + 60.0f);
    EXPECT_EQ(BossCFan06[4].x, 180.0f + 90.0f);
}

TEST_F(FiveWayFanTest, MembersAndFreeRecordsSpreadWithoutLimitAndTheSlidingSetsAddTheirOwnSpeed) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    FireBossCFan04(0, 0);
    FireBossCFan04(4, 0);
    const float parked = BossCFan04[9].x;  // member 4 of group 1, free
    MoveBossCFan04();
    EXPECT_FLOAT_EQ(BossCFan04[0].x, 180.0f + 150.0f - 100.0f * FrameTime + 90.0f * FrameTime);
    EXPECT_FLOAT_EQ(BossCFan04[4].x, 180.0f + 150.0f + 100.0f * FrameTime + 90.0f * FrameTime);
    EXPECT_FLOAT_EQ(BossCFan04[0].y, 100.0f + 60.0f + 110.0f * FrameTime);
    EXPECT_EQ(BossCFan04[0].vx, 90.0f);
    EXPECT_EQ(BossCFan04[0].vy, 110.0f);
    EXPECT_FLOAT_EQ(BossCFan04[9].x, parked + 100.0f * FrameTime);  // free: the spread only
    EXPECT_EQ(BossCFan04[9].active, 0);
    BossCFan07[0] = EnemyDrop{0, 0, -900.0f, 100.0f, 0.0f, 0.0f, 0.0f, 1};
    MoveBossCFan07();
    EXPECT_EQ(BossCFan07[0].active, 1);  // no side edge
    ExpectHitWindow(BossCFan05[12], MoveBossCFan05, 10.0f, 30.0f, 20.0f, 30.0f);
    ExpectFarRecordsHarmless(BossCFan01, MoveBossCFan01, DrawBossCFan01);
}

TEST_F(FiveWayFanTest, TheSetsNothingArmsAnimateBelowTheScreenAndNeverHit) {
    const int frame = BossCFan02[0].frame;
    PlayerPosition = {300.0f, 540.0f};
    for (int f = 0; f < 100; ++f) {
        MoveBossCFan02();
        DrawBossCFan02();
        MoveBossCFan03();
        DrawBossCFan03();
    }
    EXPECT_EQ(BossCFan02[0].frame, (frame + 100) % 24);
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(CountActive(BossCFan02) + CountActive(BossCFan03), 0);
    EXPECT_EQ(BossCFan02[0].y, kParkedY);
}

// ---- Pods -------------------------------------------------------------------------------------------------

TEST_F(PodTest, ALaunchArmsOnlyFreePodsAndASecondCallChangesNothing) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    LaunchBossCPods08();
    const EnemyDrop first = BossCPods08[1];
    EXPECT_EQ(first.x, 180.0f + 292.0f);
    EXPECT_EQ(first.y, 100.0f + 110.0f);
    MoveBossCPods08();
    LaunchBossCPods08();
    EXPECT_EQ(BossCPods08[1].y, first.y + 120.0f * FrameTime);
    EXPECT_FLOAT_EQ(BossCPods08[0].x, first.x - 39.0f * FrameTime);
    EXPECT_FLOAT_EQ(BossCPods08[2].x, first.x + 39.0f * FrameTime);
    LaunchBossCPods09();
    MoveBossCPods09();
    EXPECT_FLOAT_EQ(BossCPods09[3].x, 180.0f + 212.0f + 80.0f * FrameTime);
    EXPECT_FLOAT_EQ(BossCPods09[3].y, 100.0f + 200.0f + 110.0f * FrameTime);
    // Parked pods drift too, and stay free.
    const float parked = BossCPods01[0].x;
    MoveBossCPods01();
    EXPECT_FLOAT_EQ(BossCPods01[0].x, parked - 30.0f * FrameTime);
    EXPECT_EQ(BossCPods01[0].active, 0);
    ExpectHitWindow(BossCPods05[1], MoveBossCPods05, 14.0f, 30.0f, 24.0f, 30.0f);
    ExpectFarRecordsHarmless(BossCPods09, MoveBossCPods09, DrawBossCPods09);
}

TEST_F(PodTest, ABandLastingSeveralFramesReleasesEachGroupAgainOnlyOnceItHasFallenOut) {
    StageScroll = 500.0f;
    ScoringMode[0] = 0;
    Invincible = 1;
    PlaceBoss(180.0f, 0.0f, 470.0f);
    int releases = 0;
    bool wasActive = false;
    for (int f = 0; f < 600; ++f) {
        BossCRecord.health = 470.0f;  // held in the band
        RunStageC();
        const bool active = BossCPods03[0].active != 0;
        if (active && !wasActive) ++releases;
        wasActive = active;
    }
    EXPECT_GE(releases, 2);
    EXPECT_LE(releases, 3);
}

// ---- What the three falling kinds share -------------------------------------------------------------------

// Clearing the screen parks the shots in flight; a free record keeps the place its drift has taken it to.
TEST_F(FallingSetTest, ClearingTheScreenParksFallingShotsAndLeavesFreeOnesDrifting) {
    struct Set {
        EnemyDrop* records;
        void (*move)();
        int falling;
        int free;
        float freeDrift;  // px/s
    };
    const Set sets[] = {{BossCTwin03, MoveBossCTwin03, 0, 2, -20.0f},
                        {BossCFan04, MoveBossCFan04, 1, 5, -100.0f},
                        {BossCPods09, MoveBossCPods09, 0, 3, 80.0f}};
    FrameTime = 0.5f;
    for (const Set& s : sets) {
        s.move();  // the free record drifts off its parked place
        s.records[s.falling] = EnemyDrop{0, 0, 300.0f, 100.0f, 0.0f, 0.0f, 0.0f, 1};
        ClearEnemyShots = 1;
        s.move();
        ClearEnemyShots = 0;
        const EnemyDrop& falling = s.records[s.falling];
        EXPECT_EQ(falling.active, 0);
        EXPECT_EQ(falling.x, kParkedX);
        EXPECT_EQ(falling.y, kParkedY);
        const EnemyDrop& free = s.records[s.free];
        EXPECT_EQ(free.active, 0);
        EXPECT_FLOAT_EQ(free.x, kParkedX + s.freeDrift * 2.0f * FrameTime);
        EXPECT_EQ(free.y, kParkedY);
    }
}

// A one-record fire call places the group that starts at the first record it is given and counts the
// record's place from there.
TEST_F(FallingSetTest, AFireCallPlacesTheGroupThatStartsAtTheFirstRecordItIsGiven) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    FireBossCTwin01(3, 3);
    EXPECT_EQ(BossCTwin01[3].active, 1);
    EXPECT_EQ(BossCTwin01[3].x, 180.0f + 120.0f);
    EXPECT_EQ(BossCTwin01[4].x, 180.0f + 280.0f);
    EXPECT_EQ(BossCTwin01[2].x, kParkedX);
    FireBossCFan01(7, 6);
    const float stack[5] = {60.0f, 83.0f, 90.0f, 83.0f, 60.0f};
    for (int m = 0; m < 5; ++m) EXPECT_EQ(BossCFan01[6 + m].y, 100.0f + stack[m]) << m;
    EXPECT_EQ(BossCFan01[5].y, kParkedY);
    // The three-way fan's angle: the first of a group aims 12 degrees off, the second at the ship.
    PlayerPosition = {200.0f, 500.0f};
    FireBossCTriFan03(4, 4);
    FireBossCTriFan03(1, 0);
    FireBossCTriFan03(7, 6);
    EXPECT_NEAR(BossCTriFan03[1].heading - BossCTriFan03[4].heading, 0.2094395f, 1e-5f);
    EXPECT_EQ(BossCTriFan03[7].heading, BossCTriFan03[1].heading);
    // A record outside the group that starts at the given first is not armed.
    FireBossCTwin02(5, 2);
    FireBossCTwin02(1, 2);
    EXPECT_EQ(CountActive(BossCTwin02), 0);
}

}  // namespace
