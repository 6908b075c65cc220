// The shared bullet-pool routines, through the ordinary enemies' pools.
#include <cmath>

#include "engine/draw/draw_state.h"
#include "game/core/picture_slots.h"
#include "game/enemies/bullet_pool.h"
#include "game/enemies/enemy_bullets.h"
#include "game/enemies/enemy_pools.h"
#include "platform/system.h"
#include "player_fixture.h"

namespace {

using BulletPoolTest = PlayerTest;

constexpr float kPi = 3.1415927410125732f;

void StandSmallEnemy(int slot, float x, float y) {
    SmallEnemies[slot].x = x;
    SmallEnemies[slot].y = y;
    SmallEnemies[slot].active = 1;
}

EnemyShot60 ShotAt(float x, float y) {
    EnemyShot60 s{};
    s.x = x;
    s.y = y;
    s.heading = 0.0f;
    s.speed = 0.0f;
    s.active = 1;
    return s;
}

// Counts the back buffer's non-black pixels inside a rectangle.
int LitPixels(int left, int top, int right, int bottom) {
    int lit = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) lit += headless::SurfacePixel(elDraw::State.backBuffer, x, y) > 0;
    }
    return lit;
}

TEST_F(BulletPoolTest, SmallEnemyShotHitsTheShipAtTheEdgeOfItsWindow) {
    PlayerPosition = {300.0f, 400.0f};
    SmallEnemyShots[0] = ShotAt(310.0f, 420.0f);  // ship 10 left and 20 above
    PlayerAlive = 1;
    MoveSmallEnemyShot(0);
    EXPECT_EQ(PlayerAlive, 0);
    SmallEnemyShots[0] = ShotAt(309.99f, 420.0f);
    PlayerAlive = 1;
    MoveSmallEnemyShot(0);
    EXPECT_EQ(PlayerAlive, 1);
}

TEST_F(BulletPoolTest, AShotThatHitsFliesOnAndIsDrawn) {
    PlayerPosition = {300.0f, 400.0f};
    SmallEnemyShots[1] = ShotAt(315.0f, 425.0f);
    SmallEnemyShots[1].heading = kPi / 2.0f;
    SmallEnemyShots[1].speed = 60.0f;
    PlayerAlive = 1;
    MoveSmallEnemyShot(1);
    EXPECT_EQ(PlayerAlive, 0);
    EXPECT_EQ(SmallEnemyShots[1].active, 1);
    EXPECT_GT(SmallEnemyShots[1].y, 425.0f);
    elDraw::ClearBackBuffer();
    DrawSmallEnemyShot(1, 0);
    EXPECT_GT(LitPixels(315, 426, 331, 442), 0);
}

TEST_F(BulletPoolTest, TheHitTestTakesThePlaceAfterTheMove) {
    PlayerPosition = {300.0f, 400.0f};
    FrameTime = 0.5f;
    // Moving 2 down into the window: hit.
    SmallEnemyShots[8] = ShotAt(315.0f, 418.0f);
    SmallEnemyShots[8].heading = kPi / 2.0f;
    SmallEnemyShots[8].speed = 4.0f;
    PlayerAlive = 1;
    MoveSmallEnemyShot(8);
    EXPECT_EQ(PlayerAlive, 0);
    // Inside before the move, out of the window after it: no hit.
    SmallEnemyShots[8] = ShotAt(315.0f, 429.0f);
    SmallEnemyShots[8].heading = kPi / 2.0f;
    SmallEnemyShots[8].speed = 4.0f;
    PlayerAlive = 1;
    MoveSmallEnemyShot(8);
    EXPECT_EQ(PlayerAlive, 1);
}

TEST_F(BulletPoolTest, BoundsAreStrictAndAFreedShotCannotHit) {
    SmallEnemyShots[2] = ShotAt(800.0f, 600.0f);  // on the edges: in
    MoveSmallEnemyShot(2);
    EXPECT_EQ(SmallEnemyShots[2].active, 1);
    SmallEnemyShots[2] = ShotAt(-30.0f, -30.0f);  // x + 30 = 0: in
    MoveSmallEnemyShot(2);
    EXPECT_EQ(SmallEnemyShots[2].active, 1);
    // Out past the right edge, with the ship standing where the hit window would take it.
    PlayerPosition = {790.0f, 580.0f};
    PlayerAlive = 1;
    SmallEnemyShots[2] = ShotAt(800.5f, 600.0f);
    MoveSmallEnemyShot(2);
    EXPECT_EQ(SmallEnemyShots[2].active, 0);
    EXPECT_EQ(SmallEnemyShots[2].x, kParkedX);
    EXPECT_EQ(PlayerAlive, 1);
}

TEST_F(BulletPoolTest, AShotAimedStraightAlongItsColumnFliesDownOnlyWhenTheAimPointIsBelow) {
    StandSmallEnemy(3, 300.0f, 200.0f);  // shot at (325, 250), aim point ship + 15
    PlayerPosition = {310.0f, 500.0f};
    FireSmallEnemyShot(3);
    EXPECT_FLOAT_EQ(SmallEnemyShots[3].heading, kPi / 2.0f);
    SmallEnemyShots[3].active = 0;
    PlayerPosition = {310.0f, 100.0f};
    FireSmallEnemyShot(3);
    EXPECT_FLOAT_EQ(SmallEnemyShots[3].heading, kPi / 2.0f + kPi);
    SmallEnemyShots[3].active = 0;
    PlayerPosition = {310.0f, 235.0f};  // exactly on it
    FireSmallEnemyShot(3);
    EXPECT_FLOAT_EQ(SmallEnemyShots[3].heading, kPi / 2.0f + kPi);
}

// The aim angle is the arc tangent of the single-precision slope taken in double precision and rounded
// once; a single-precision arc tangent is one unit in the last place off on some slopes, which the sweep
// has to meet for the check to mean anything.
TEST_F(BulletPoolTest, AnAimAngleIsTheSlopesArcTangentRoundedOnce) {
    int singleMisses = 0;
    for (int y = -300; y <= 300; y += 3) {
        for (int x = 1; x <= 400; x += 7) {
            const float dx = static_cast<float>(x) + 0.25f;
            const float dy = static_cast<float>(y) + 0.5f;
            const float slope = dy / dx;
            const float once = static_cast<float>(std::atan(static_cast<double>(slope)));
            singleMisses += std::atan(slope) != once;
            ASSERT_EQ(AimHeading(dx, dy, 0.0), once) << dx << " " << dy;
            ASSERT_EQ(AimHeading(-dx, -dy, 0.0), once + kPi) << dx << " " << dy;  // turned half round
        }
    }
    EXPECT_GT(singleMisses, 0);
}

TEST_F(BulletPoolTest, AParkedSourceArmsABulletTheNextMoveFreesUnseen) {
    SmallEnemies[4].x = kParkedX;
    SmallEnemies[4].y = kParkedY;
    SmallEnemies[4].active = 0;
    FireSmallEnemyShot(4);
    EXPECT_EQ(SmallEnemyShots[4].active, 1);
    elDraw::ClearBackBuffer();
    DrawSmallEnemyShot(4, 0);
    EXPECT_EQ(LitPixels(0, 0, 800, 600), 0);
    MoveSmallEnemyShot(4);
    EXPECT_EQ(SmallEnemyShots[4].active, 0);
}

TEST_F(BulletPoolTest, AFullPoolIgnoresFireCalls) {
    StandSmallEnemy(5, 300.0f, 100.0f);
    SmallEnemyShots[5] = ShotAt(111.0f, 222.0f);
    crt::srand(7);
    const int expected = crt::rand();
    crt::srand(7);
    FireSmallEnemyShot(5);
    EXPECT_EQ(SmallEnemyShots[5].x, 111.0f);
    EXPECT_EQ(crt::rand(), expected);  // no random number drawn
}

TEST_F(BulletPoolTest, PelletsApplyTheirSideSpeedWithTheirSign) {
    Divers[0].x = 300.0f;
    Divers[0].y = 100.0f;
    FirePellets07();
    FirePellets08();
    FirePellets09();
    EXPECT_EQ(Pellets08[0].vx, 30.0f);
    MovePellets07();
    MovePellets08();
    MovePellets09();
    EXPECT_EQ(Pellets07[0].x, 332.0f);
    EXPECT_FLOAT_EQ(Pellets08[0].x, 332.0f - 30.0f * FrameTime);
    EXPECT_FLOAT_EQ(Pellets09[0].x, 332.0f + 30.0f * FrameTime);
    EXPECT_GT(Pellets07[0].y, 170.0f);
}

TEST_F(BulletPoolTest, ClearingFreesOnlyThePoolsThatHonourIt) {
    Carrier1[0].x = 300.0f;
    Carrier1[0].y = 100.0f;
    FirePellets18();  // carrier pellets ignore the clear
    Divers[1].x = 300.0f;
    Divers[1].y = 100.0f;
    FirePellets07();
    ClearEnemyShots = 1;
    MovePellets18();
    MovePellets07();
    ClearEnemyShots = 0;
    EXPECT_EQ(Pellets18[0].active, 1);
    EXPECT_EQ(Pellets07[1].active, 0);
    EXPECT_EQ(Pellets07[1].y, kParkedY);
}

TEST_F(BulletPoolTest, ASpreadRetiresWithItsFirstRecordAndStillHitsWhereItWasFreed) {
    StandSmallEnemy(6, 300.0f, 500.0f);
    PlayerPosition = {0.0f, 0.0f};
    FireSmallEnemySpread(6);
    for (int k = 0; k < kSpreadGroupSize; ++k) ASSERT_EQ(SmallEnemySpreads[30 + k].active, 1);
    EXPECT_EQ(SmallEnemySpreads[34].speed, 340.0f);
    // The first record leaves; the others are freed where they stand.
    SmallEnemySpreads[30].y = 640.0f;
    SmallEnemySpreads[33].x = 315.0f;
    SmallEnemySpreads[33].y = 420.0f;
    SmallEnemySpreads[33].speed = 0.0f;
    PlayerPosition = {300.0f, 400.0f};
    PlayerAlive = 1;
    MoveSmallEnemySpread(6);
    for (int k = 0; k < kSpreadGroupSize; ++k) EXPECT_EQ(SmallEnemySpreads[30 + k].active, 0) << k;
    EXPECT_EQ(SmallEnemySpreads[33].x, 315.0f);
    EXPECT_EQ(PlayerAlive, 0);  // the freed record is still tested
}

TEST_F(BulletPoolTest, AClearedSpreadIsParkedWholeAndHitsNothingWhereItWas) {
    StandSmallEnemy(7, 300.0f, 300.0f);
    FireSmallEnemySpread(7);
    const float x = SmallEnemySpreads[37].x;
    const float y = SmallEnemySpreads[37].y;
    ClearEnemyShots = 1;
    MoveSmallEnemySpread(7);
    ClearEnemyShots = 0;
    for (int k = 0; k < kSpreadGroupSize; ++k) {
        EXPECT_EQ(SmallEnemySpreads[35 + k].active, 0);
        EXPECT_EQ(SmallEnemySpreads[35 + k].y, kParkedY);
    }
    // The ship where a member stood, inside its window: nothing is left there to hit it.
    PlayerPosition = {x - 20.0f, y - 20.0f};
    PlayerAlive = 1;
    MoveSmallEnemySpread(7);
    EXPECT_EQ(PlayerAlive, 1);
    // Spinner volleys are parked whole the same way.
    Spinners1[0].x = 300.0f;
    Spinners1[0].y = 300.0f;
    FireSpinnerVolleys1();
    ClearEnemyShots = 1;
    MoveSpinnerVolleys1();
    ClearEnemyShots = 0;
    for (int k = 0; k < kSpreadGroupSize; ++k) EXPECT_EQ(SpinnerVolleys1[k].y, kParkedY);
}

TEST_F(BulletPoolTest, ReArmingOneShotLinePieceKeepsTheOthersSpeeds) {
    Divers[2].x = 300.0f;
    Divers[2].y = 100.0f;
    FireShotLines3();
    EXPECT_EQ(ShotLines3[10].vy, 140.0f);
    EXPECT_EQ(ShotLines3[14].vy, 220.0f);
    EXPECT_EQ(ShotLines3[14].vx, 8.0f);
    ShotLines3[12] = EnemyDrop{};
    ShotLines3[12].x = kParkedX;
    ShotLines3[12].y = kParkedY;
    ShotLines3[13].y = 400.0f;
    FireShotLines3();
    EXPECT_EQ(ShotLines3[12].active, 1);
    EXPECT_EQ(ShotLines3[12].vy, 180.0f);
    EXPECT_EQ(ShotLines3[13].vy, 200.0f);
    EXPECT_EQ(ShotLines3[13].y, 400.0f);
}

TEST_F(BulletPoolTest, AVolleyTimerFiresOnItsMomentAndSkipsARecordInFlight) {
    Carrier1[0].x = 300.0f;
    Carrier1[0].y = 100.0f;
    for (EnemyShot& s : CarrierMissiles2) s.timer = 18;
    CarrierMissiles2[1].active = 1;  // in flight
    CarrierMissiles2[1].x = 50.0f;
    TickCarrierMissiles2();  // 19
    EXPECT_EQ(CarrierMissiles2[0].active, 0);
    TickCarrierMissiles2();  // 20: group 0
    EXPECT_EQ(CarrierMissiles2[0].active, 1);
    EXPECT_EQ(CarrierMissiles2[1].x, 50.0f);
    EXPECT_EQ(CarrierMissiles2[2].active, 1);
    EXPECT_EQ(CarrierMissiles2[3].active, 0);
    // The short sets wrap once past 100.
    for (EnemyShot& s : CarrierMissiles2) s.timer = 100;
    TickCarrierMissiles2();
    EXPECT_EQ(CarrierMissiles2[0].timer, 0);
}

TEST_F(BulletPoolTest, AFramePastTheStripShowsCellZeroAndStartsOver) {
    WaveFlyers1[0].x = 300.0f;
    WaveFlyers1[0].y = 200.0f;
    FirePellets28();
    Pellets28[0].frame = 7;
    elDraw::ClearBackBuffer();
    DrawPellets28();
    EXPECT_GT(LitPixels(337, 240, 353, 256), 0);
    SpinShots01[0].frame = 9;
    DrawSpinShots01();
    EXPECT_EQ(SpinShots01[0].frame, 0);
}

}  // namespace
