// Stage C played whole on the headless backend: entry, wounding, one attack cycle, the kill, the clear
// sequence, the ending and the way back to the title; twice, for the same final state.
#include <algorithm>
#include <string>

#include "platform/headless_devices.h"
#include "player_fixture.h"
#include "support/stage_c_run.h"

namespace {

class StageCRunTest : public PlayerTest {
protected:
    static stage_c_run::Result Play(int firstFlag, int secondFlag) {
        StartFreshProcess();
        headless::SetTime(1700000000);
        MakeWindowAndLoad();
        stage_c_run::Runner::EnterFromStageB(firstFlag, secondFlag);
        headless::ClearMciCommands();
        stage_c_run::Runner runner;
        return runner.Run(12000);
    }

    static void MakeWindowAndLoad() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = elSystem::WindowProc;
        wc.lpszClassName = "DEFAULT";
        RegisterClassA(&wc);
        elSystem::State.mainWindow = CreateWindowExA(0, "DEFAULT", "QUENDRAVOLT", WS_POPUP, 0, 0, 800, 600,
                                                     nullptr, nullptr, nullptr, nullptr);
        ShowWindow(elSystem::State.mainWindow, SW_SHOWNORMAL);
        headless::SetActive(true);
        LoadAllAssets();
        InitNewGame();
    }

    static int MciCount(const std::string& command) {
        const auto& all = headless::MciCommands();
        return static_cast<int>(std::count(all.begin(), all.end(), command));
    }
};

TEST_F(StageCRunTest, TitleGameRunsFromTheFirstFrameToTheTitleTheSameWayTwice) {
    const stage_c_run::Result first = Play(1, 0);
    EXPECT_TRUE(first.reachedEnding);
    EXPECT_TRUE(first.backAtTitle);
    EXPECT_EQ(first.highestClock, 4899);
    EXPECT_GE(first.wraps, 1);
    EXPECT_EQ(first.podsArmedFrames, 0);
    EXPECT_FALSE(first.secondFanWindowRan);
    EXPECT_EQ(first.wipeLength, 30);
    const int closes = MciCount("close midi");
    const stage_c_run::Result second = Play(1, 0);
    EXPECT_EQ(second.frames, first.frames);
    EXPECT_EQ(second.hash, first.hash);
    EXPECT_GE(closes, 1);
    printf("frames %d stage %d continues %d closes %d\n", first.frames, first.stageFrames, first.continues,
           closes);
}

}  // namespace
