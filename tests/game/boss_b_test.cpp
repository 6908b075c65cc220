// Boss B: its path with the warning picture, the body and damage effects by health, the hit flag and the
// clear sequence.
#include "game/stage_b/boss_b.h"
#include "game/core/boss_sequence.h"
#include "game/core/picture_slots.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/boss_b_hit.h"
#include "stage_b_fixture.h"

namespace {

using BossBTest = StageBTest;

// The picture as the body draw would blit it at the settled place, for comparison.
std::vector<int> Reference(void (*draw)()) {
    elDraw::ClearBackBuffer();
    draw();
    std::vector<int> pixels;
    for (int y = ClipWindow.top; y < ClipWindow.bottom; ++y) {
        for (int x = ClipWindow.left; x < ClipWindow.right; ++x) {
            pixels.push_back(headless::SurfacePixel(elDraw::State.backBuffer, x, y));
        }
    }
    return pixels;
}

std::vector<int> DrawnAtHealth(float health) {
    ResetGameStateB();
    BossB.x = 150.0f;
    BossB.y = 0.0f;
    BossB.health = health;
    elDraw::ClearBackBuffer();
    DrawBossDeathB();
    return StageBTest::FieldPixels();
}

void Body(int picture) {
    elDraw::Draw(150, 0, picture, 0, 0, 500, 400);
}

void Flame(int x, int y) {
    elDraw::Draw(x, y, PicZBAK3B, 0, 0, 80, 80);
}

TEST_F(BossBTest, TheWarningPictureRisesFromTheBottomEdgeAndIsNeverSeenAgain) {
    RunStageBBossScript();
    EXPECT_EQ(BossBFlyBy.x, 150.0f);
    EXPECT_EQ(BossBFlyBy.y, 600.0f);
    EXPECT_EQ(BossB.x, kParkedX);  // the boss itself waits parked
    float lowest = BossBFlyBy.y;
    bool parked = false;
    while (BossB.clock < 59.0f) {
        RunStageBBossScript();
        if (BossBFlyBy.y == kParkedY) {
            parked = true;
        } else {
            ASSERT_FALSE(parked) << "shown again after leaving";
            EXPECT_LE(BossBFlyBy.y, lowest);
            EXPECT_GE(BossBFlyBy.y, -480.0f - 500.0f * kFrame);
            lowest = BossBFlyBy.y;
        }
    }
    EXPECT_TRUE(parked);
    EXPECT_LT(lowest, -470.0f);
    // Parked below the screen with x put back at 150 each call: nothing of it on the field.
    EXPECT_EQ(BossBFlyBy.x, 150.0f);
    EXPECT_EQ(BossBFlyBy.y, kParkedY);
}

TEST_F(BossBTest, EntersFromAboveSettlesAndSways) {
    BossB.clock = 61.0f;
    RunStageBBossScript();
    EXPECT_EQ(BossB.x, 150.0f);
    EXPECT_EQ(BossB.y, -400.0f);
    BossB.clock = 100.0f;
    RunStageBBossScript();
    EXPECT_NEAR(BossB.y, -400.0f + 93.0f * kFrame, 1e-3f);
    BossB.clock = 140.0f;
    RunStageBBossScript();
    EXPECT_EQ(BossB.y, 0.0f);
    BossB.clock = 165.0f;
    RunStageBBossScript();
    EXPECT_NEAR(BossB.x, 150.0f + 80.0f * kFrame, 1e-3f);
    // A clock between two rows moves nothing.
    BossB.clock = 171.2f;
    const float x = BossB.x;
    RunStageBBossScript();
    EXPECT_EQ(BossB.x, x);
}

TEST_F(BossBTest, ClockAt331GoesBackTo145WithoutTheLastSway) {
    SettleBoss();
    BossB.clock = 330.5f;
    FrameTime = 0.05f;
    RunStageBBossScript();
    EXPECT_EQ(BossB.clock, 145.0f);
    EXPECT_EQ(BossB.x, 150.0f);
}

TEST_F(BossBTest, DamageBurstsFlareInTheirBandsWithEightBomsAFrame) {
    SettleBoss(530.0f);
    headless::ClearSoundCalls();
    DrawBossDeathB();
    EXPECT_EQ(Plays(SoundBom), 8);
    EXPECT_EQ(BossDamageBursts[0].frame, 1);
    EXPECT_GE(BossDamageBursts[0].x, 150.0f - 100.0f);
    EXPECT_LT(BossDamageBursts[0].x, 150.0f + 340.0f);
    ResetGameStateB();
    SettleBoss(470.0f);
    headless::ClearSoundCalls();
    DrawBossDeathB();
    EXPECT_EQ(Plays(SoundBom), 0);
    EXPECT_EQ(BossDamageBursts[0].frame, 0);
}

TEST_F(BossBTest, BodyPictureFollowsTheHealthBands) {
    // The bursts start parked, so the first draw of a band shows the body alone.
    EXPECT_EQ(DrawnAtHealth(1000.0f), Reference([] { Body(PicBOSS71); }));
    EXPECT_EQ(DrawnAtHealth(500.0f), Reference([] { Body(PicBOSS71_1); }));
    EXPECT_EQ(DrawnAtHealth(300.0f), Reference([] { Body(PicBOSS71_2); }));
    EXPECT_EQ(DrawnAtHealth(150.0f), Reference([] { Body(PicBOSS71_3); }));
    EXPECT_NE(DrawnAtHealth(150.0f), DrawnAtHealth(150.01f));
}

TEST_F(BossBTest, TwoFlamesAt90AndFourAt70) {
    EXPECT_EQ(DrawnAtHealth(90.0f), Reference([] {
                  Body(PicBOSS71_3);
                  Flame(300, 70);
                  Flame(420, 70);
              }));
    EXPECT_EQ(DrawnAtHealth(70.0f), Reference([] {
                  Body(PicBOSS71_3);
                  Flame(300, 70);
                  Flame(420, 70);
                  Flame(240, 0);
                  Flame(480, 0);
              }));
    // The frame runs on with every draw, whatever the health, and each flame slides 28 pixels a frame.
    ResetGameStateB();
    for (int i = 0; i < 12; ++i) DrawBossDeathB();
    EXPECT_EQ(BossBFlameFrame, 2);
}

TEST_F(BossBTest, HitFlagIsClearedByTheNextDraw) {
    SettleBoss();
    FlashBossB();
    EXPECT_EQ(BossB.hitFlash, 1);
    DrawBossDeathB();
    EXPECT_EQ(BossB.hitFlash, 0);
    EXPECT_EQ(BossB.flashShown, 1);
}

TEST_F(BossBTest, MarkersAreDrawnWhereLocked) {
    SettleBoss(1000.0f);
    BossB.x = -1000.0f;  // the body out of the way
    BossBLockMarkers[4] = {300, 300, 1, 0};
    BossBLockMarkers[5] = {400, 300, 0, 0};
    elDraw::ClearBackBuffer();
    DrawBossDeathB();
    EXPECT_GT(LitPixels(300, 300, 360, 360), 0);
    EXPECT_EQ(LitPixels(400, 300, 460, 360), 0);
}

TEST_F(BossBTest, FarBelowZeroNoBodyButBurstsAndBlastsPlay) {
    SettleBoss(-100.0f);
    headless::ClearSoundCalls();
    elDraw::ClearBackBuffer();
    DrawBossDeathB();
    // First call: bursts and blasts still at their reset place, no body.
    EXPECT_EQ(LitPixels(ClipWindow.left, 0, ClipWindow.right, 400), 0);
    EXPECT_EQ(Plays(SoundBom), 1);
    EXPECT_GT(BossB.destructionTimer, 0.0f);
    elDraw::ClearBackBuffer();
    DrawBossDeathB();
    EXPECT_GT(LitPixels(ClipWindow.left, 0, ClipWindow.right, 600), 0);
    EXPECT_EQ(BossBClearBursts[0].frame, 2);
    EXPECT_EQ(BossBClearBlasts[0].frame, 2);
}

TEST_F(BossBTest, ClearSequenceOpensStageCWithASixtyStepTransition) {
    SettleBoss(0.0f);
    int calls = 0;
    while (SceneNumber == kSceneStageB && calls < 1000) {
        RunStageBClearSequence();
        ++calls;
    }
    // 70 units at 10 a second, one call per 1/60 s frame: just over 7 s.
    EXPECT_NEAR(calls, 420, 1);
    EXPECT_EQ(SceneNumber, kSceneStageC);
    EXPECT_EQ(PreviousScene, 0);
    EXPECT_EQ(Transition.kind, 3);
    EXPECT_EQ(Transition.length, 60);
    EXPECT_EQ(Transition.step, 60);
    EXPECT_EQ(Transition.direction, -1);
    // The stage reset ran: the boss is back at full health, parked.
    EXPECT_EQ(BossB.health, kBossBHealth);
    EXPECT_EQ(BossB.x, kParkedX);
    EXPECT_EQ(StageScroll, 0.0f);
}

TEST_F(BossBTest, ClearSequenceWaitsForHealthAtOrBelowZero) {
    SettleBoss(0.01f);
    RunStageBClearSequence();
    EXPECT_EQ(BossB.destructionTimer, 0.0f);
}

}  // namespace
