// Stage A played whole on the headless backend, from Enter on the title to the change into stage B.
#include "support/stage_a_run.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a_entities.h"
#include "support/game_fixture.h"

namespace {

using StageARunTest = GameTest;

void ExpectWavesAndBoss(const StageARunReport& r) {
    EXPECT_GT(r.smallEnemiesAt, 120.0f);
    EXPECT_LT(r.smallEnemiesAt, 130.0f);
    EXPECT_GT(r.formationAt, 160.0f);
    EXPECT_LT(r.formationAt, 200.0f);
    EXPECT_GT(r.swoopersAt, 550.0f);
    EXPECT_LT(r.swoopersAt, 600.0f);
    EXPECT_GT(r.waveFlyersAt, 1050.0f);
    EXPECT_LT(r.waveFlyersAt, 1150.0f);
    EXPECT_TRUE(r.bossHeldInPlace);
    EXPECT_FALSE(r.spiralVolleyStarted);
}

void ExpectParkedAtTheChange(const StageARunReport& r) {
    EXPECT_TRUE(r.reachedStageB);
    EXPECT_EQ(r.unparkedAtChange, "");
    EXPECT_EQ(SceneNumber, kSceneStageB);
}

TEST_F(StageARunTest, FiringUnderTheBossClearsTheStageAndOpensStageB) {
    const StageARunReport r = RunStageAFromTitle(true);
    ExpectWavesAndBoss(r);
    ExpectParkedAtTheChange(r);
    EXPECT_TRUE(r.bossAttacked);
    EXPECT_GT(r.sparksSeen, 0);
    EXPECT_EQ(r.sparksPastTheLine, 0);
    // Shot down before the time limit.
    EXPECT_LT(r.healthAtClear, 10.0f);
    EXPECT_LT(r.stageFrames, 10000 * 3);
}

TEST_F(StageARunTest, WithoutFireTheTimeLimitEndsTheStage) {
    const StageARunReport r = RunStageAFromTitle(false);
    ExpectWavesAndBoss(r);
    ExpectParkedAtTheChange(r);
    EXPECT_EQ(r.healthAtClear, kBossAHealth);
    EXPECT_GE(r.scrollAtChange, 0.0f);
    EXPECT_EQ(r.sparksSeen, 0);
    EXPECT_GT(r.stageFrames, 500 * 60 - 60);
}

TEST_F(StageARunTest, TwoRunsWithTheSameSeedEndInTheSameState) {
    const StageARunReport first = RunStageAFromTitle(true);
    StartFreshProcess();
    const StageARunReport second = RunStageAFromTitle(true);
    ASSERT_TRUE(first.reachedStageB);
    EXPECT_EQ(first.stageFrames, second.stageFrames);
    EXPECT_EQ(first.hashAtChange, second.hashAtChange);
}

}  // namespace
