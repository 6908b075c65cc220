// The ship's spiral volley, which only the clear flag starts, and stage A's objects and extra pools, which
// nothing arms: both run every stage A frame over parked records.
#include "engine/elDraw.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/spiral_volley.h"
#include "game/enemies/enemy_pools.h"
#include "game/stage_a/stage_a.h"
#include "game/stage_a/stage_a_hits.h"
#include "game/stage_a/stage_a_objects.h"
#include "stage_a_fixture.h"

namespace {

using SpiralVolleyTest = StageATest;
using StageAObjectsTest = StageATest;

int ActiveSpiralShots() {
    int n = 0;
    for (const SpiralShot& s : SpiralShots) n += s.active != 0;
    return n;
}

TEST_F(SpiralVolleyTest, FansLeaveOnTheirTicksAndTheVolleyEndsAtFortySeven) {
    PlayerPosition = {370.0f, 500.0f};
    ClearEnemyShots = 1;
    FireSpiralVolley();
    FireSpiralVolley();
    EXPECT_EQ(ActiveSpiralShots(), 0);
    FireSpiralVolley();  // tick 3: fan 1
    EXPECT_EQ(ActiveSpiralShots(), 5);
    for (int k = 5; k < 10; ++k) EXPECT_EQ(SpiralShots[k].active, 1) << k;
    EXPECT_EQ(SpiralShots[5].x, 360);
    EXPECT_EQ(SpiralShots[5].y, 490);
    while (SpiralVolleyCounter < 23) FireSpiralVolley();
    EXPECT_EQ(SpiralShots[0].active, 0);
    FireSpiralVolley();  // tick 24: fan 0 at last
    EXPECT_EQ(SpiralShots[0].active, 1);
    while (SpiralVolleyCounter != 0) FireSpiralVolley();
    EXPECT_EQ(ClearEnemyShots, 0);
    EXPECT_EQ(ActiveSpiralShots(), 40);
}

TEST_F(SpiralVolleyTest, TheDriverStartsItOnlyWithTheClearFlagAndTheFirstShotOff) {
    SceneFirstFrame = 0;
    StageFrameCounter = 1;
    StageScroll = 10.0f;
    ClearEnemyShots = 1;
    FireEnable[0] = 1;
    RunStageA();
    EXPECT_EQ(SpiralVolleyCounter, 0);
    FireEnable[0] = 0;
    RunStageA();
    EXPECT_EQ(SpiralVolleyCounter, 1);
}

TEST_F(SpiralVolleyTest, ShotsScoreFiftyAHitFlyOnAndParkOutside) {
    // A small enemy and boss A under the hit points of two shots.
    SpiralShots[0] = SpiralShot{300, 300, 0.0f, 0.0f, 0.0f, 1, 0.0f};
    SmallEnemies[3].x = 330.0f;
    SmallEnemies[3].y = 330.0f;
    SmallEnemies[3].active = 1;
    FrameTime = 0.0f;
    Score = 0;
    MoveSpiralShots();
    EXPECT_EQ(SmallEnemies[3].hit, 1);
    EXPECT_EQ(Score, 50);
    EXPECT_EQ(SpiralShots[0].active, 1);

    PlaceBoss(180.0f, 0.0f, 900.0f);
    SmallEnemies[3].active = 0;
    SmallEnemies[3].y = kParkedY;
    SpiralShots[0] = SpiralShot{300, 100, 0.0f, 0.0f, 0.0f, 1, 0.0f};
    FrameTime = 0.5f;
    SpiralShots[0].heading = 0.0f;  // 150 px right: (450, 100) hits at (480, 130)
    Score = 0;
    MoveSpiralShots();
    EXPECT_EQ(BossARecord.hitFlash, 1);
    EXPECT_EQ(Score, 50);
    EXPECT_FLOAT_EQ(BossARecord.health, 850.0f);
    // Gone past the right edge: parked.
    SpiralShots[0] = SpiralShot{790, 100, 0.0f, 0.0f, 0.0f, 1, 0.0f};
    MoveSpiralShots();
    EXPECT_EQ(SpiralShots[0].active, 0);
    EXPECT_EQ(SpiralShots[0].x, kParkedIntX);
}

TEST_F(StageAObjectsTest, ParkedObjectsAndExtraPoolsDrawNothingAndArmNothing) {
    elDraw::ClearBackBuffer();
    FrameTime = 1.0f / 60.0f;
    for (int i = 0; i < 100; ++i) {
        MoveFallingObjects();
        MoveFallingObjects();
        MoveDriftObjectsA();
        MoveDriftObjectsB();
        MoveCurveShotsLeft();
        MoveCurveShotsRight();
        MoveGlowShots();
        MoveSpinShotsA();
        MoveSpinShotsB();
    }
    DrawFallingObjects();
    DrawDriftObjectsA();
    DrawDriftObjectsB();
    DrawCurveShotsLeft();
    DrawCurveShotsRight();
    DrawGlowShots();
    DrawSpinShotsA();
    DrawSpinShotsB();
    EXPECT_EQ(LitPixels(), 0);
    for (const EnemyRecord& r : FallingObjects) EXPECT_EQ(r.active, 0);
    for (const CurveFanBullet& r : CurveShotsLeft) EXPECT_EQ(r.active, 0);
    for (const EnemyShot60& r : SpinShotsB) EXPECT_EQ(r.active, 0);
    EXPECT_EQ(PlayerAlive, 1);
}

TEST_F(StageAObjectsTest, AHitOnAParkedObjectSetsItsFlagAndShowsNothing) {
    headless::ClearSoundCalls();
    MarkFallingObjectHit(1);
    MarkDriftObjectBHit(3);
    MarkDriftObjectAHit(4);  // past the set: nothing
    EXPECT_EQ(FallingObjects[1].hit, 1);
    EXPECT_EQ(DriftObjectsB[3].hit, 1);
    elDraw::ClearBackBuffer();
    DrawFallingObjects();
    DrawDriftObjectsB();
    EXPECT_EQ(LitPixels(), 0);
    EXPECT_EQ(FallingObjects[1].active, 0);
    EXPECT_EQ(FallingObjects[1].y, kParkedY);
    for (const headless::SoundCall& c : headless::SoundCalls())
        EXPECT_NE(c.kind, headless::SoundCallKind::Play);
}

}  // namespace
