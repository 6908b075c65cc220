// Stage A played whole by the 640x480 program, from Enter on the title to the change into stage B.
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a_entities.h"
#include "support/game_fixture.h"
#include "support/stage_a_run.h"

namespace {

using StageARun640 = GameTest;

TEST_F(StageARun640, FiringUnderTheBossClearsTheStageAndTheSameRunEndsInTheSameState) {
    const StageARunReport first = RunStageAFromTitle(true);
    EXPECT_TRUE(first.reachedStageB);
    EXPECT_EQ(first.unparkedAtChange, "");
    EXPECT_TRUE(first.bossHeldInPlace);
    EXPECT_TRUE(first.bossAttacked);
    EXPECT_GT(first.sparksSeen, 0);
    EXPECT_EQ(first.sparksPastTheLine, 0);
    EXPECT_LT(first.healthAtClear, 10.0f);
    EXPECT_GT(first.swoopersAt, 550.0f);
    EXPECT_GT(first.waveFlyersAt, 1050.0f);
    StartFreshProcess();
    const StageARunReport second = RunStageAFromTitle(true);
    EXPECT_EQ(first.stageFrames, second.stageFrames);
    EXPECT_EQ(first.hashAtChange, second.hashAtChange);
}

TEST_F(StageARun640, WithoutFireTheTimeLimitEndsTheStage) {
    const StageARunReport r = RunStageAFromTitle(false);
    EXPECT_TRUE(r.reachedStageB);
    EXPECT_EQ(r.unparkedAtChange, "");
    EXPECT_EQ(r.healthAtClear, kBossAHealth);
    EXPECT_EQ(SceneNumber, kSceneStageB);
}

}  // namespace
