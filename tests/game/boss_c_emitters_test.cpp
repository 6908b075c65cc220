// Boss C's fan emitters, sprays and curving fans.
#include "game/stage_c/boss_c_emitters.h"
#include "stage_c_fixture.h"

namespace {

using FanEmitterTest = StageCTest;
using SprayTest = StageCTest;
using CurveFanTest = StageCTest;

constexpr int kB3 = 3;  // emitter 01's bullets per volley

int ActiveInGroup(const EnemyShot* records, int group, int size) {
    int active = 0;
    for (int i = group * size; i < (group + 1) * size; ++i) active += records[i].active != 0;
    return active;
}

// ---- Fan emitters ---------------------------------------------------------------------------------------

TEST_F(FanEmitterTest, AVolleyIntoAPartlyBusyGroupLeavesGaps) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    BossFanShot04[2] = EnemyShot{};
    BossFanShot04[2].active = 1;
    BossFanShot04[2].x = 333.0f;
    for (EnemyShot& s : BossFanShot04) s.timer = 39;
    TickBossFanShot04();
    EXPECT_EQ(ActiveInGroup(BossFanShot04, 0, 5), 5);
    EXPECT_EQ(BossFanShot04[2].x, 333.0f);  // the busy one kept its flight
    EXPECT_EQ(BossFanShot04[1].x, 180.0f + 200.0f);
    EXPECT_EQ(BossFanShot04[1].y, 100.0f + 130.0f);
    // The fan: 12 degrees between neighbours, centred on the ship.
    EXPECT_NEAR(BossFanShot04[4].heading - BossFanShot04[3].heading, 0.2094395f, 1e-5f);
    EXPECT_NEAR(BossFanShot04[1].heading - BossFanShot04[0].heading, 0.2094395f, 1e-5f);
}

TEST_F(FanEmitterTest, AimedStraightAboveOrBelowTheMuzzleTheMiddleBulletFliesStraight) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    PlayerPosition = {370.0f, 400.0f};  // aim point (380, 410), muzzle (380, 230)
    FireBossFanShot01(1, 0);
    EXPECT_FLOAT_EQ(BossFanShot01[1].heading, kPi / 2.0f);
    EXPECT_EQ(BossFanShot01[0].active, 0);  // only the record fired is armed
    PlayerPosition = {370.0f, 100.0f};
    FireBossFanShot01(4, 3);
    EXPECT_FLOAT_EQ(BossFanShot01[4].heading, kPi / 2.0f + kPi);
    FireBossFanShot01(3, 3);
    EXPECT_NEAR(BossFanShot01[3].heading, kPi / 2.0f + kPi - 0.2094395f, 1e-5f);
}

TEST_F(FanEmitterTest, TimersReachingTheWrapGoBackToZeroAndFireNothing) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    for (EnemyShot& s : BossFanShot07) s.timer = 259;
    TickBossFanShot07();
    for (const EnemyShot& s : BossFanShot07) {
        EXPECT_EQ(s.timer, 0);
        EXPECT_EQ(s.active, 0);
    }
}

TEST_F(FanEmitterTest, TimersCarryOverSoTheSecondCycleFiresOtherVolleys) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    auto window = [] {
        for (int k = 0; k < 181; ++k) TickBossFanShot01();
    };
    window();  // the first cycle: volleys at 40, 80, 120 and 160, the fifth never
    for (int g = 0; g < 4; ++g) EXPECT_EQ(ActiveInGroup(BossFanShot01, g, kB3), kB3) << g;
    EXPECT_EQ(ActiveInGroup(BossFanShot01, 4, kB3), 0);
    EXPECT_EQ(BossFanShot01[0].timer, 181);
    for (EnemyShot& s : BossFanShot01) s.active = 0;
    window();  // the second: 200 (group 4), the wrap after 259, then 40 and 80
    EXPECT_EQ(ActiveInGroup(BossFanShot01, 4, kB3), kB3);
    EXPECT_EQ(ActiveInGroup(BossFanShot01, 0, kB3), kB3);
    EXPECT_EQ(ActiveInGroup(BossFanShot01, 1, kB3), kB3);
    EXPECT_EQ(ActiveInGroup(BossFanShot01, 2, kB3), 0);
    EXPECT_EQ(BossFanShot01[0].timer, 102);
}

TEST_F(FanEmitterTest, AWholeAttackCycleTicksEmitters05And06InTwoWindows) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    for (int n = 1; n <= 4900; ++n) RunAttackRows(StageCAttackRows(), n);
    EXPECT_EQ(BossFanShot05[0].timer, 362 % 260);
    EXPECT_EQ(BossFanShot06[0].timer, 362 % 260);
    EXPECT_EQ(BossFanShot04[0].timer, 181);
    EXPECT_EQ(BossFanShot21[0].timer, 181);
}

TEST_F(FanEmitterTest, TheDrawStoresTheWholeDegreesAndABulletThroughTheShipFliesOn) {
    BossFanShot10[7] = EnemyShot{};
    BossFanShot10[7].heading = 1.0f;  // 57.3 degrees
    BossFanShot10[8].heading = -1.0f;
    DrawBossFanShot10();
    EXPECT_EQ(BossFanShot10[7].degrees, 57);
    EXPECT_EQ(BossFanShot10[8].degrees, -57);
    // The hit window: -10..30 across, 0..30 down, active bullets only.
    PlayerPosition = {300.0f, 400.0f};
    EnemyShot& s = BossFanShot10[7];
    s.active = 1;
    s.speed = 0.0f;
    for (const FloatPoint at : {FloatPoint{290.0f, 400.0f}, FloatPoint{330.0f, 430.0f}}) {
        s.x = at.x;
        s.y = at.y;
        PlayerAlive = 1;
        MoveBossFanShot10();
        EXPECT_EQ(PlayerAlive, 0) << at.x;
        EXPECT_EQ(s.active, 1);
    }
    for (const FloatPoint at : {FloatPoint{289.9f, 400.0f}, FloatPoint{330.1f, 415.0f},
                                FloatPoint{300.0f, 399.9f}, FloatPoint{300.0f, 430.1f}}) {
        s.x = at.x;
        s.y = at.y;
        PlayerAlive = 1;
        MoveBossFanShot10();
        EXPECT_EQ(PlayerAlive, 1) << at.x << ' ' << at.y;
    }
    s.active = 0;
    s.x = 300.0f;
    s.y = 410.0f;
    MoveBossFanShot10();
    EXPECT_EQ(PlayerAlive, 1);
    // Out past an edge, or cleared: parked.
    s.active = 1;
    s.x = -40.5f;
    MoveBossFanShot10();
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.y, kParkedY);
    s = EnemyShot{};
    s.active = 1;
    s.x = 300.0f;
    s.y = 100.0f;
    ClearEnemyShots = 1;
    MoveBossFanShot10();
    EXPECT_EQ(s.active, 0);
}

TEST_F(FanEmitterTest, CallsWithIndicesOutsideAnArrayChangeNothing) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    const EnemyShot before = BossFanShot02[0];
    FireBossFanShot01(-1, 0);
    FireBossFanShot01(15, 15);
    FireBossFanShot01(3, -3);
    SpawnBossSpray01(-1);
    SpawnBossSpray01(50);
    EXPECT_EQ(ActiveStageCRecords(), 0);
    EXPECT_EQ(BossFanShot02[0].x, before.x);
}

// ---- Sprays ---------------------------------------------------------------------------------------------

TEST_F(SprayTest, AParticleStartsEveryThirdTickParticleZeroOnTheWrap) {
    PlaceBoss(180.6f, 100.0f, 500.0f);
    TickBossSpray01();
    TickBossSpray01();
    EXPECT_EQ(CountActive(BossSpray01), 0);
    TickBossSpray01();
    EXPECT_EQ(BossSpray01[1].active, 1);
    EXPECT_EQ(BossSpray01[1].x, 180 + 135);  // the boss's x truncated, then the muzzle
    EXPECT_EQ(BossSpray01[1].y, 100 + 135);
    EXPECT_EQ(BossSpray01[1].strength, 20);
    for (int k = 3; k < 149; ++k) TickBossSpray01();
    EXPECT_EQ(CountActive(BossSpray01), 49);
    EXPECT_EQ(BossSpray01[0].active, 0);
    TickBossSpray01();
    EXPECT_EQ(BossCSprayCounters[0], 0);
    EXPECT_EQ(BossSpray01[0].active, 1);
    EXPECT_EQ(CountActive(BossSpray01), 50);
    // The counters are the driver's: one cycle's window leaves each at 391 % 150, the next at 782 % 150.
    ResetGameStateA();
    ResetGameStateB();
    PlaceBoss(180.0f, 100.0f, 500.0f);
    for (int n = 1; n <= 4900; ++n) RunAttackRows(StageCAttackRows(), n);
    EXPECT_EQ(BossCSprayCounters[5], 91);
    for (int n = 1; n <= 4900; ++n) RunAttackRows(StageCAttackRows(), n);
    EXPECT_EQ(BossCSprayCounters[5], 32);
}

TEST_F(SprayTest, ParticlesNeverHitAndIgnoreTheClearAndRetireBelowTheBottomWhereTheyAre) {
    PlayerPosition = {300.0f, 400.0f};
    BossSpray03[5] = PhaseShot{300, 400, 0, 20, 0.0f, 1};
    BossSpray03[6] = PhaseShot{310, 410, 0, 20, 0.0f, 1};
    ClearEnemyShots = 1;
    MoveBossSpray03();
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(BossSpray03[5].active, 1);
    BossSpray03[5] = PhaseShot{300, 598, 0, 20, 14.0f, 1};  // a window stepping 0, +6
    MoveBossSpray03();
    EXPECT_EQ(BossSpray03[5].active, 0);
    EXPECT_EQ(BossSpray03[5].phase, 0.0f);
    EXPECT_EQ(BossSpray03[5].y, 604);
    EXPECT_EQ(BossSpray03[5].x, 300);
}

TEST_F(SprayTest, MirrorPairsStaySymmetricAboutTheBodysMiddle) {
    PlaceBoss(180.9f, 20.0f, 500.0f);
    struct Pair {
        void (*spawnLeft)(int);
        void (*spawnRight)(int);
        void (*moveLeft)();
        void (*moveRight)();
        PhaseShot* left;
        PhaseShot* right;
        int half;  // half the picture's size
    };
    for (const Pair p : {Pair{SpawnBossSpray01, SpawnBossSpray02, MoveBossSpray01, MoveBossSpray02,
                              BossSpray01, BossSpray02, 15},
                         Pair{SpawnBossSpray03, SpawnBossSpray04, MoveBossSpray03, MoveBossSpray04,
                              BossSpray03, BossSpray04, 20},
                         Pair{SpawnBossSpray05, SpawnBossSpray06, MoveBossSpray05, MoveBossSpray06,
                              BossSpray05, BossSpray06, 25}}) {
        p.spawnLeft(7);
        p.spawnRight(7);
        for (int frame = 0; frame < 200 && p.left[7].active != 0; ++frame) {
            p.moveLeft();
            p.moveRight();
            ASSERT_EQ(p.left[7].x + p.half + p.right[7].x + p.half, 2 * (180 + 220)) << frame;
            ASSERT_EQ(p.left[7].y, p.right[7].y);
        }
        EXPECT_EQ(p.left[7].active, 0);  // fell out below
    }
}

TEST_F(SprayTest, AtThirtyFramesASecondAParticleTravelsFewerPixels) {
    PlaceBoss(180.0f, 20.0f, 500.0f);
    SpawnBossSpray05(0);
    SpawnBossSpray06(0);
    const PhaseShot left = BossSpray05[0];
    const PhaseShot right = BossSpray06[0];
    FrameTime = 1.0f / 60.0f;
    for (int k = 0; k < 30; ++k) MoveBossSpray05();
    FrameTime = 1.0f / 30.0f;
    for (int k = 0; k < 15; ++k) MoveBossSpray06();
    // The same phase after the same half second, fewer steps at the lower rate.
    EXPECT_FLOAT_EQ(BossSpray05[0].phase, BossSpray06[0].phase);
    EXPECT_GT(std::abs(BossSpray05[0].x - left.x), std::abs(BossSpray06[0].x - right.x));
    EXPECT_GT(BossSpray05[0].y - left.y, BossSpray06[0].y - right.y);
}

// ---- Curving fans ---------------------------------------------------------------------------------------

TEST_F(CurveFanTest, DriftIsZeroOnTheFirstMovingFrameAndTheTurnStopsAtPhaseEighteen) {
    PlaceBoss(180.0f, 0.0f, 500.0f);
    SpawnBossCurveFan01();
    const CurveFanBullet start = BossCurveFan01[6];
    EXPECT_FLOAT_EQ(start.heading, -0.62831853f);
    EXPECT_EQ(start.x, 180.0f + 205.0f);
    EXPECT_EQ(start.speed, 193.0f);
    MoveBossCurveFan01();
    const CurveFanBullet& b = BossCurveFan01[6];
    // Moved against the heading (down and to the left), no drift yet, then turned once.
    EXPECT_FLOAT_EQ(b.x, start.x - std::cos(start.heading) * 193.0f * FrameTime);
    EXPECT_FLOAT_EQ(b.y, start.y - std::sin(start.heading) * 193.0f * FrameTime);
    EXPECT_FLOAT_EQ(b.heading, start.heading - 0.022439947f);
    EXPECT_EQ(b.driftX, -26.0f);
    EXPECT_EQ(b.driftY, -26.0f);
    const CurveFanBullet second = b;
    MoveBossCurveFan01();
    EXPECT_FLOAT_EQ(b.y, second.y - std::sin(second.heading) * 193.0f * FrameTime + 26.0f * FrameTime);
    for (int k = 0; k < 80; ++k) MoveBossCurveFan01();
    EXPECT_EQ(b.phase, 18.0f);
    const float held = b.heading;
    MoveBossCurveFan01();
    EXPECT_EQ(b.heading, held);
    // About 66 degrees of turn in all, ending almost straight down.
    EXPECT_NEAR((start.heading - held) * 180.0f / kPi, 66.0f, 3.0f);
}

TEST_F(CurveFanTest, AFlyingGroupIgnoresSpawnsAndIsFreedWholeWhereItIsWhenItsSlowestBulletLeaves) {
    PlaceBoss(180.0f, 0.0f, 500.0f);
    SpawnBossCurveFan02();
    MoveBossCurveFan02();
    const CurveFanBullet flying = BossCurveFan02[3];
    SpawnBossCurveFan02();
    EXPECT_EQ(BossCurveFan02[3].x, flying.x);
    EXPECT_EQ(BossCurveFan02[3].phase, flying.phase);
    int frames = 0;
    while (BossCurveFan02[0].active != 0 && frames < 2000) {
        MoveBossCurveFan02();
        ++frames;
    }
    ASSERT_LT(frames, 2000);
    for (const CurveFanBullet& b : BossCurveFan02) {
        EXPECT_EQ(b.active, 0);
        EXPECT_GT(b.y, 540.0f + 30.0f);  // below every place the ship's hit window could reach
        EXPECT_NE(b.y, kParkedY);
        EXPECT_EQ(b.phase, 0.0f);
        EXPECT_FLOAT_EQ(b.heading, 0.62831853f);
    }
}

TEST_F(CurveFanTest, AfterTheResetEveryMoveFreesTheParkedGroupAgain) {
    BossCurveFan03[4].phase = 9.0f;
    BossCurveFan03[4].heading = 2.0f;
    MoveBossCurveFan03();
    EXPECT_EQ(BossCurveFan03[4].phase, 0.0f);
    EXPECT_FLOAT_EQ(BossCurveFan03[4].heading, -0.62831853f);
    // Every bullet is hit-tested, in use or not.
    PlayerPosition = {300.0f, 400.0f};
    BossCurveFan03[0].x = kParkedX;  // bullet 1 out: the group is freed, and still tested
    BossCurveFan03[5].x = 300.0f;
    BossCurveFan03[5].y = 410.0f;
    MoveBossCurveFan03();
    EXPECT_EQ(PlayerAlive, 0);
}

}  // namespace
