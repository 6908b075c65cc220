// Stage A's objects and extra shot pools: nothing arms them in play, so above all they must do nothing
// while parked; armed by hand they move, draw, explode and hit as their rows say.
#include <cmath>

#include "enemy_fixture.h"
#include "game/core/picture_slots.h"
#include "game/core/resets.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_a/stage_a_hits.h"
#include "game/stage_a/stage_a_objects.h"

namespace {

using StageAObjectTest = EnemyTest;

constexpr float kPi = 3.1415927410125732f;

void MoveAndDrawAll() {
    MoveFallingObjects();
    MoveFallingObjects();
    DrawFallingObjects();
    MoveDriftObjectsA();
    DrawDriftObjectsA();
    MoveDriftObjectsB();
    DrawDriftObjectsB();
    MoveCurveShotsLeft();
    DrawCurveShotsLeft();
    MoveCurveShotsRight();
    DrawCurveShotsRight();
    MoveGlowShots();
    DrawGlowShots();
    MoveSpinShotsA();
    DrawSpinShotsA();
    MoveSpinShotsB();
    DrawSpinShotsB();
}

TEST_F(StageAObjectTest, EverythingParkedMovesAndDrawsWithoutAnyEffect) {
    for (float x : {220.0f, 370.0f, 520.0f}) {
        PlayerPosition = {x, 520.0f};
        PlayerAlive = 1;
        elDraw::ClearBackBuffer();
        for (int i = 0; i < 30; ++i) MoveAndDrawAll();
        EXPECT_EQ(LitPixels(), 0);
        EXPECT_EQ(PlayerAlive, 1);
    }
    EXPECT_EQ(Plays(SoundBom), 0);
    for (const CurveFanBullet& b : CurveShotsLeft) EXPECT_EQ(b.active, 0);
    for (const EnemyDrop& d : GlowShots) EXPECT_EQ(d.active, 0);
}

TEST_F(StageAObjectTest, AHitOnAParkedObjectSetsItsFlagAndShowsNothing) {
    MarkFallingObjectHit(1);
    MarkDriftObjectAHit(3);
    MarkDriftObjectBHit(4);  // outside the set: nothing
    EXPECT_EQ(FallingObjects[1].hit, 1);
    EXPECT_EQ(DriftObjectsA[3].hit, 1);
    elDraw::ClearBackBuffer();
    MoveAndDrawAll();
    EXPECT_EQ(LitPixels(), 0);
    EXPECT_EQ(Plays(SoundBom), 0);
    EXPECT_EQ(FallingObjects[1].x, -500.0f);
}

TEST_F(StageAObjectTest, FallingObjectsBurnAFlameAndBurstForTwentyFrames) {
    EnemyRecord& r = FallingObjects[0];
    r = {};
    r.x = 300.0f;
    r.y = 200.0f;
    r.vy = 60.0f;
    r.active = 1;
    FallingObjectFlameFrame = 4;
    EXPECT_TRUE(Drawn(DrawFallingObjects) == Drawn([] {
                    elDraw::Draw(325, 150, PicZFIRE1, 80, 0, 100, 70);
                    elDraw::Draw(300, 200, PicSZAK10, 0, 0, 70, 80);
                }));
    EXPECT_EQ(FallingObjectFlameFrame, 5);
    MoveFallingObjects();
    EXPECT_FLOAT_EQ(r.y, 201.0f);
    MarkFallingObjectHit(0);
    int frames = 0;
    while (r.active != 0 && frames < 100) {
        DrawFallingObjects();
        ++frames;
    }
    EXPECT_EQ(frames, 20);
    EXPECT_EQ(Plays(SoundBom), 2);
    // Below the bottom edge a record is parked, active or not.
    r.y = 600.5f;
    MoveFallingObjects();
    EXPECT_EQ(r.y, 2550.0f);
    // The set's one flame counter goes back to 0 with the set.
    ResetGameStateA();
    EXPECT_EQ(FallingObjectFlameFrame, 0);
}

TEST_F(StageAObjectTest, DriftObjectsSlideApartAndExplodeInOneFireball) {
    FrameTime = 0.5f;
    for (EnemyRecord* r : {&DriftObjectsA[1], &DriftObjectsB[1]}) {
        *r = {};
        r->x = 300.0f;
        r->y = 100.0f;
        r->vx = 20.0f;
        r->vy = 40.0f;
        r->active = 1;
    }
    MoveDriftObjectsA();
    MoveDriftObjectsB();
    EXPECT_EQ(DriftObjectsA[1].x, 310.0f);
    EXPECT_EQ(DriftObjectsB[1].x, 290.0f);
    EXPECT_EQ(DriftObjectsB[1].y, 120.0f);
    DriftObjectsA[1].hit = 1;
    DriftObjectsA[1].explosionFrame = 2;
    EXPECT_TRUE(Drawn(DrawDriftObjectsA) ==
                Drawn([] { elDraw::DrawAdditive(310, 120, PicZBAK2B, 160, 0, 240, 80); }));
}

// A curve-shot group armed by hand, as a spawn would: the start heading, phase and drift 0.
void ArmCurveGroup(CurveFanBullet (&pool)[kCurveShotCount], int group, float heading) {
    for (int k = 0; k < kCurveShotGroupSize; ++k) {
        CurveFanBullet& b = pool[group * kCurveShotGroupSize + k];
        b.x = 350.0f;
        b.y = 100.0f;
        b.heading = heading;
        b.speed = 160.0f + static_cast<float>(k);
        b.phase = 0.0f;
        b.driftX = b.driftY = 0.0f;
        b.active = 1;
    }
}

TEST_F(StageAObjectTest, CurveShotsTurnWhileTheirClockRunsThenHoldAndDriftApart) {
    const float start = -0.6283185f;
    ArmCurveGroup(CurveShotsLeft, 1, start);
    CurveFanBullet& first = CurveShotsLeft[7];
    CurveFanBullet& last = CurveShotsLeft[13];
    MoveCurveShotsLeft();
    EXPECT_FLOAT_EQ(first.heading, start - kPi / 160.0f);
    EXPECT_FLOAT_EQ(first.phase, 20.0f * kFrame);
    EXPECT_EQ(first.driftX, 16.0f);  // drift 0 on the first frame, its own from the next on
    EXPECT_EQ(last.driftX, -26.0f);
    // Against the heading: -36 degrees takes it left and down.
    EXPECT_LT(first.x, 350.0f);
    EXPECT_GT(first.y, 100.0f);
    first.phase = 16.9f;
    MoveCurveShotsLeft();
    EXPECT_EQ(first.phase, 18.0f);
    const float held = first.heading;
    MoveCurveShotsLeft();
    EXPECT_EQ(first.heading, held);
    // Nothing clears them.
    ClearEnemyShots = 1;
    MoveCurveShotsLeft();
    ClearEnemyShots = 0;
    EXPECT_EQ(first.active, 1);
}

TEST_F(StageAObjectTest, ACurveGroupIsRetiredInPlaceWithItsFirstShotAndStillHits) {
    ArmCurveGroup(CurveShotsRight, 2, 0.6283185f);
    CurveFanBullet& lead = CurveShotsRight[14];
    lead.y = 610.0f;
    CurveShotsRight[16].x = 300.0f;
    CurveShotsRight[16].y = 400.0f;
    CurveShotsRight[16].speed = 0.0f;
    PlayerPosition = {290.0f, 380.0f};
    PlayerAlive = 1;
    MoveCurveShotsRight();
    for (int k = 14; k < 21; ++k) {
        EXPECT_EQ(CurveShotsRight[k].active, 0) << k;
        EXPECT_EQ(CurveShotsRight[k].phase, 0.0f);
        EXPECT_EQ(CurveShotsRight[k].heading, 0.6283185f);
    }
    EXPECT_EQ(CurveShotsRight[16].x, 300.0f);  // left where it was
    EXPECT_EQ(PlayerAlive, 0);                 // and still hit-tested there
    EXPECT_TRUE(Drawn(DrawCurveShotsRight) == Drawn([] {}));
}

TEST_F(StageAObjectTest, CurveShotsAreTurnedByTheirHeadingTheLeftSetNegated) {
    for (int side = 0; side < 2; ++side) {
        CurveFanBullet(&pool)[kCurveShotCount] = side == 0 ? CurveShotsLeft : CurveShotsRight;
        CurveFanBullet& b = pool[0];
        b.x = 300.0f;
        b.y = 200.0f;
        b.heading = 0.7f;  // 40 degrees
        b.active = 1;
        const int picture = side == 0 ? PicVALL3015 : PicVALL3016;
        const int angle = side == 0 ? -40 : 40;
        EXPECT_TRUE(Drawn(side == 0 ? DrawCurveShotsLeft : DrawCurveShotsRight) ==
                    Drawn([=] { elDraw::DrawRotated(300, 200, 330, 230, angle, picture, 0, 0, 30, 30); }));
    }
}

TEST_F(StageAObjectTest, GlowShotsFallAndAreParkedWhenCleared) {
    EnemyDrop& d = GlowShots[6];
    d.x = 300.0f;
    d.y = 200.0f;
    d.vx = 50.0f;
    d.vy = 60.0f;
    d.active = 1;
    FrameTime = 0.5f;
    MoveGlowShots();
    EXPECT_EQ(d.x, 300.0f);
    EXPECT_EQ(d.y, 230.0f);
    EXPECT_TRUE(Drawn(DrawGlowShots) ==
                Drawn([] { elDraw::DrawAdditive(300, 230, PicVAL15L, 0, 0, 15, 30); }));
    PlayerPosition = {286.0f, 220.0f};  // 14 and 10 from the shot
    PlayerAlive = 1;
    FrameTime = 0.0f;
    MoveGlowShots();
    EXPECT_EQ(PlayerAlive, 0);
    ClearEnemyShots = 1;
    MoveGlowShots();
    ClearEnemyShots = 0;
    EXPECT_EQ(d.active, 0);
    EXPECT_EQ(d.y, 2550.0f);
}

TEST_F(StageAObjectTest, SpinShotsFlyTheirHeadingAndLeaveStrictlyOutside) {
    EnemyShot60& s = SpinShotsB[2];
    s.x = 300.0f;
    s.y = 200.0f;
    s.heading = kPi / 2.0f;
    s.speed = 120.0f;
    s.active = 1;
    FrameTime = 0.5f;
    MoveSpinShotsB();
    EXPECT_NEAR(s.y, 260.0f, 1e-3f);
    EXPECT_NEAR(s.x, 300.0f, 1e-3f);
    EXPECT_TRUE(Drawn(DrawSpinShotsB) ==
                Drawn([&] { elDraw::DrawRotated(295, 255, 330, 290, 180, PicVALL302, 0, 0, 30, 30); }));
    FrameTime = 0.0f;
    s.x = -30.0f;
    MoveSpinShotsB();
    EXPECT_EQ(s.active, 1);
    s.x = -30.5f;
    MoveSpinShotsB();
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.x, -500.0f);
}

}  // namespace
