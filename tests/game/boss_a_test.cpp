// Boss A: the entry path, the body by health band with its bursts, flames and markers, and the clear
// sequence into stage B.
#include <cmath>

#include "engine/elDraw.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"
#include "game/stage_a/boss_a.h"
#include "game/stage_a/stage_a_hits.h"
#include "stage_a_fixture.h"

namespace {

using BossATest = StageATest;

// Runs the path for whole frames of `frameTime` until its clock passes `clock`.
void RunPathTo(float clock, float frameTime) {
    FrameTime = frameTime;
    while (BossARecord.clock < clock) RunStageABossScript();
}

TEST_F(BossATest, WarningPictureRisesThenTheBossDescendsAndHolds) {
    RunPathTo(10.0f, 0.05f);
    EXPECT_EQ(BossWarningPicture.x, 160.0f);
    EXPECT_EQ(BossWarningPicture.y, 600.0f);
    // Past 21 it rises at 400 px/s.
    RunPathTo(21.1f, 0.05f);
    const float start = BossWarningPicture.y;
    for (int i = 0; i < 10; ++i) RunStageABossScript();
    EXPECT_NEAR(start - BossWarningPicture.y, 200.0f, 0.01f);
    // Gone above the top edge before the boss appears.
    RunPathTo(59.0f, 0.05f);
    EXPECT_EQ(BossWarningPicture.y, kParkedY);
    EXPECT_EQ(BossWarningPicture.spare2, 0.0f);
    RunPathTo(70.0f, 0.05f);
    EXPECT_EQ(BossARecord.x, 180.0f);
    EXPECT_EQ(BossARecord.y, -360.0f);
    RunPathTo(100.0f, 0.05f);
    EXPECT_GT(BossARecord.y, -360.0f);
    EXPECT_LT(BossARecord.y, 0.0f);
    // From 135 on it holds at (180, 0) with the clock looping 138..160.
    RunPathTo(135.5f, 0.05f);
    EXPECT_EQ(BossARecord.y, 0.0f);
    RunPathTo(159.0f, 0.05f);
    RunStageABossScript();
    RunStageABossScript();
    for (int i = 0; i < 2000; ++i) {
        RunStageABossScript();
        ASSERT_EQ(BossARecord.x, 180.0f);
        ASSERT_EQ(BossARecord.y, 0.0f);
        ASSERT_GE(BossARecord.clock, 138.0f);
        ASSERT_LT(BossARecord.clock, 160.0f);
    }
}

TEST_F(BossATest, ALongFrameSwaysTheBossForOneFrame) {
    PlaceBoss();
    BossARecord.clock = 159.9f;
    FrameTime = 0.25f;
    RunStageABossScript();
    EXPECT_NEAR(BossARecord.x, 200.0f, 1e-3f);
    EXPECT_EQ(BossARecord.clock, 138.0f);
    RunStageABossScript();
    EXPECT_EQ(BossARecord.x, 180.0f);
    EXPECT_EQ(BossARecord.y, 0.0f);
}

TEST_F(BossATest, DamageBurstsPlayEightBomsOnlyInsideTheirBands) {
    PlaceBoss();
    for (float h : {530.0f, 330.0f, 180.0f, 500.0f}) {
        headless::ClearSoundCalls();
        BossARecord.health = h;
        DrawBossDeathA();
        EXPECT_EQ(Plays(SoundBom), 8) << h;
    }
    for (float h : {470.0f, 270.0f, 120.0f, 1000.0f, 50.0f}) {
        headless::ClearSoundCalls();
        BossARecord.health = h;
        DrawBossDeathA();
        EXPECT_EQ(Plays(SoundBom), 0) << h;
    }
}

TEST_F(BossATest, BodyPictureFollowsTheHealthBand) {
    struct Case {
        float health;
        int* picture;
    };
    for (const Case& c : {Case{1020.0f, &PicBOSS11}, Case{500.0f, &PicBOSS11_1}, Case{300.0f, &PicBOSS11_3},
                          Case{-99.0f, &PicBOSS11_3}}) {
        ResetGameStateA();
        ResetGameStateB();
        elDraw::ClearBackBuffer();
        elDraw::Draw(180, 0, *c.picture, 0, 0, 440, 360);
        const std::vector<int> expected = BackBuffer();
        ResetGameStateA();
        ResetGameStateB();
        PlaceBoss(180.0f, 0.0f, c.health);
        elDraw::ClearBackBuffer();
        DrawBossDeathA();
        EXPECT_GT(LitPixels(), 0) << c.health;
        EXPECT_TRUE(BackBuffer() == expected) << c.health;
    }
    // At -100 and below nothing is drawn (the clear sequence's groups still wait off the screen).
    ResetGameStateA();
    ResetGameStateB();
    PlaceBoss(180.0f, 0.0f, -100.0f);
    elDraw::ClearBackBuffer();
    DrawBossDeathA();
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(BossATest, FlamesBurnBelowNinetyAndTheirCycleGoesRound) {
    PlaceBoss(180.0f, 0.0f, 80.0f);
    BossAFlameFrame = 0;
    BossAFlameCycle = 0;
    for (int i = 0; i < 10 * 5; ++i) DrawBossDeathA();
    EXPECT_EQ(BossAFlameFrame, 0);
    EXPECT_EQ(BossAFlameCycle, 0);  // five wraps bring the cycle count back round
    for (int i = 0; i < 10; ++i) DrawBossDeathA();
    EXPECT_EQ(BossAFlameCycle, 1);
    // The flames change the picture of the same body.
    BossARecord.health = 100.0f;
    elDraw::ClearBackBuffer();
    DrawBossDeathA();
    const std::vector<int> body = BackBuffer();
    BossARecord.health = 80.0f;
    elDraw::ClearBackBuffer();
    DrawBossDeathA();
    EXPECT_FALSE(BackBuffer() == body);
}

TEST_F(BossATest, EveryLockedMarkerOfBothSetsIsDrawn) {
    // The boss off the screen; six markers in a row, each 60 px apart.
    int x = 230;
    for (LockRecord* set : {BossAPartMarkers1, BossAPartMarkers2}) {
        for (int k = 0; k < kBossAPartMarkerCount; ++k) {
            set[k] = LockRecord{x, 300, 1, 0};
            x += 60;
        }
    }
    elDraw::ClearBackBuffer();
    DrawBossDeathA();
    for (int m = 0; m < 2 * kBossAPartMarkerCount; ++m) {
        EXPECT_GT(LitPixels(230 + 60 * m, 300, 290 + 60 * m, 360), 0) << m;
    }
    // A marker that is not locked is not drawn.
    BossAPartMarkers1[0].locked = 0;
    elDraw::ClearBackBuffer();
    DrawBossDeathA();
    EXPECT_EQ(LitPixels(230, 300, 290, 360), 0);
}

TEST_F(BossATest, ClearSequenceRunsSevenSecondsThenOpensStageB) {
    SceneNumber = kSceneStageA;
    PreviousScene = kSceneStageA;
    PlaceBoss(180.0f, 0.0f, 0.0f);
    StageScroll = 2000.0f;
    int frames = 0;
    while (SceneNumber == kSceneStageA && frames < 1000) {
        DrawBossDeathA();
        ++frames;
    }
    EXPECT_NEAR(frames, 7 * 60, 2);
    EXPECT_EQ(SceneNumber, kSceneStageB);
    EXPECT_EQ(PreviousScene, 0);
    EXPECT_EQ(Transition.kind, 3);
    EXPECT_EQ(Transition.length, 30);
    EXPECT_EQ(Transition.step, 30);
    EXPECT_EQ(Transition.direction, -1);
    // Everything was reset.
    EXPECT_EQ(StageScroll, 0.0f);
    EXPECT_EQ(BossARecord.health, kBossAHealth);
    EXPECT_EQ(BossARecord.x, kParkedX);
    EXPECT_EQ(BossARecord.destructionTimer, 0.0f);
}

TEST_F(BossATest, AtTheTimeLimitTheClearRunsTwiceAFrameAndEndsInHalfTheTime) {
    SceneNumber = kSceneStageA;
    PlaceBoss(180.0f, 0.0f, 0.0f);
    int frames = 0;
    while (SceneNumber == kSceneStageA && frames < 1000) {
        DrawBossDeathA();
        if (SceneNumber == kSceneStageA) RunStageAClearSequence();
        ++frames;
    }
    EXPECT_NEAR(frames, 7 * 30, 2);
    EXPECT_EQ(SceneNumber, kSceneStageB);
}

TEST_F(BossATest, ClearSequenceWaitsForTheHealthToRunOut) {
    PlaceBoss(180.0f, 0.0f, 0.5f);
    headless::ClearSoundCalls();
    for (int i = 0; i < 600; ++i) RunStageAClearSequence();
    EXPECT_EQ(BossARecord.destructionTimer, 0.0f);
    EXPECT_EQ(Plays(SoundBom), 0);
    BossARecord.health = 0.0f;
    RunStageAClearSequence();
    EXPECT_EQ(Plays(SoundBom), 1);
    EXPECT_GT(BossARecord.destructionTimer, 0.0f);
}

TEST_F(BossATest, AHitDuringTheClearSetsTheFlagAndTheNextDrawClearsIt) {
    PlaceBoss(180.0f, 0.0f, -20.0f);
    MarkBossHit1();
    EXPECT_EQ(BossARecord.hitFlash, 1);
    DrawBossDeathA();
    EXPECT_EQ(BossARecord.hitFlash, 0);
    EXPECT_EQ(BossARecord.flashShown, 1);
}

}  // namespace
