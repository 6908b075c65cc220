// Stage C played whole on the headless backend, by either program: entry, wounding, one attack cycle, the
// kill, the clear sequence, the ending and the way back to the title, each run twice for the same final
// state; and the whole game from the title.
#include <gtest/gtest.h>

#include "platform/headless_devices.h"
#include "support/game_fixture.h"
#include "support/stage_c_run.h"

namespace {

using StageCRunTest = GameTest;

int CloseCommands() {
    int n = 0;
    for (const std::string& c : headless::MciCommands()) n += c == "close midi";
    return n;
}

TEST_F(StageCRunTest, ATitleGameRunsFromTheFirstFrameToTheTitleTheSameWayTwice) {
    const stage_c_run::Result first = stage_c_run::PlayStageC(1, 0);
    EXPECT_TRUE(first.reachedEnding);
    EXPECT_TRUE(first.backAtTitle);
    EXPECT_EQ(first.highestClock, 4899);
    EXPECT_EQ(first.wraps, 1);
    EXPECT_EQ(first.podsArmedFrames, 0);
    EXPECT_FALSE(first.secondFanWindowRan);
    EXPECT_EQ(first.wipeLength, 30);
    EXPECT_EQ(CloseCommands(), 1);
    const stage_c_run::Result second = stage_c_run::PlayStageC(1, 0);
    EXPECT_EQ(second.frames, first.frames);
    EXPECT_EQ(second.hash, first.hash);
}

TEST_F(StageCRunTest, WithTheOtherFlagsPodsLaunchAndTheSecondThreeWayWindowRuns) {
    const stage_c_run::Result first = stage_c_run::PlayStageC(0, 1);
    EXPECT_TRUE(first.backAtTitle);
    EXPECT_GT(first.podsArmedFrames, 0);
    EXPECT_TRUE(first.secondFanWindowRan);
    const stage_c_run::Result second = stage_c_run::PlayStageC(0, 1);
    EXPECT_EQ(second.hash, first.hash);
}

TEST_F(StageCRunTest, TheWholeGameRunsFromTheTitleThroughEveryStageAndTheEndingBackToTheTitle) {
    const stage_c_run::GameResult first = stage_c_run::PlayWholeGame(200000);
    EXPECT_TRUE(first.reachedStageB);
    EXPECT_TRUE(first.reachedStageC);
    EXPECT_TRUE(first.reachedEnding);
    EXPECT_TRUE(first.backAtTitle);
}

}  // namespace
