#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/draw/draw_state.h"
#include "engine/elDraw.h"
#include "game/core/core_entities.h"
#include "game/core/ending_scene.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "platform/headless_devices.h"
#include "platform/headless_text.h"
#include "support/dump_screen.h"
#include "support/game_fixture.h"
#include "support/run_program.h"

namespace {

class EndingTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        if (IsSkipped()) return;
        MakeWindow();
        LoadAllAssets();
        ASSERT_TRUE(headless::MessageBoxes().empty());
    }

    // Runs ending frames of the given length until the scene changes or `frames` have run.
    static int RunFrames(int frames, float frameTime) {
        int ran = 0;
        for (; ran < frames && SceneNumber == kSceneEnding; ++ran) {
            FrameTime = frameTime;
            RunEndingScene();
            SceneFirstFrame = 0;
        }
        return ran;
    }

    static void EnterEnding() {
        SceneNumber = kSceneEnding;
        PreviousScene = kSceneEnding;
        SceneFirstFrame = 1;
        StageFrameCounter = 0;
    }
};

TEST_F(EndingTest, RankingKeepsTheDefaultsBelowTheLastRow) {
    HiScore = 49999;
    Score = 100;
    DrawRankingTable();
    const int defaults[kRankingRows] = {100000000, 70000000, 30000000, 20000000, 1000000, 700000, 50000};
    for (int i = 0; i < kRankingRows; ++i) EXPECT_EQ(RankingTable[i], defaults[i]);
}

TEST_F(EndingTest, HighScoreReplacesTheFirstRowItReachesAndNothingShifts) {
    HiScore = 25000000;
    Score = 0;
    DrawRankingTable();
    EXPECT_EQ(RankingTable[2], 30000000);
    EXPECT_EQ(RankingTable[3], 25000000);
    EXPECT_EQ(RankingTable[4], 1000000);
    // Equal to a default: that row, with the same value.
    HiScore = 700000;
    DrawRankingTable();
    EXPECT_EQ(RankingTable[5], 700000);
    EXPECT_EQ(RankingTable[4], 1000000);
    // Rewritten on every call: the earlier replacement is gone.
    EXPECT_EQ(RankingTable[3], 20000000);
}

TEST_F(EndingTest, TimelineShowsLogoRankingCreditsThenPicturesAndReturnsToTheTitle) {
    EnterEnding();
    Score = 5000;
    ShipStock = 3;
    RunFrames(1, 1.0f / 60.0f);
    ASSERT_FALSE(headless::MciCommands().empty());
    EXPECT_NE(headless::MciCommands().front().find("Qvnd6.MID"), std::string::npos);
    DumpScreen("ending_logo");
    // t 120: the ranking header is on the screen.
    RunFrames(400, 0.0167f);
    ASSERT_GT(StageScroll, 101.0f);
    ASSERT_LT(StageScroll, 250.0f);
    EXPECT_GT(headless::ScreenPixel(400, 150), 0);
    DumpScreen("ending_ranking");
    // t 300: credit lines.
    const int textsBefore = headless::TextCount();
    while (StageScroll < 300.0f) RunFrames(1, 0.1f);
    EXPECT_GE(headless::TextCount() - textsBefore, 7);
    EXPECT_EQ(headless::LastText().text, "(C) 2026 THE QUENDRAVOLT TEAM");
    DumpScreen("ending_credits");
    // To the end of the timeline: the title follows, without a new game.
    RunFrames(100000, 0.1f);
    EXPECT_EQ(SceneNumber, kSceneTitle);
    EXPECT_EQ(PreviousScene, 0);
    EXPECT_EQ(Transition.kind, 3);
    EXPECT_EQ(Transition.length, 60);
    EXPECT_EQ(Transition.step, 60);
    EXPECT_EQ(Transition.direction, -1);
    EXPECT_EQ(Score, 5000);
    EXPECT_EQ(ShipStock, 3);
    EXPECT_EQ(StageScroll, 0.0f);  // the stage reset ran
}

TEST_F(EndingTest, SpaceHeldAtTheStartLeavesInTheFirstFrameWithANewGame) {
    EnterEnding();
    Score = 5000;
    ShipStock = 3;
    PowerCount = 12;
    HiScore = 9000;
    LastKey = VK_SPACE;
    EXPECT_EQ(RunFrames(10, 1.0f / 60.0f), 1);
    EXPECT_EQ(SceneNumber, kSceneTitle);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(ShipStock, 1);
    EXPECT_EQ(PowerCount, 5);
    EXPECT_EQ(HiScore, 9000);
}

}  // namespace

namespace {

TEST_F(EndingTest, ShipFliesAndFiresOverTheEnding) {
    EnterEnding();
    ShipVisible = 1;
    WeaponType = 1;
    ScoringMode[0] = 1;
    const float startX = PlayerPosition.x;
    headless::PressKey(VK_LEFT);
    headless::PressKey(VK_SHIFT);
    // Keys reach the polling through the window's messages.
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    RunFrames(30, 1.0f / 60.0f);
    EXPECT_EQ(SceneNumber, kSceneEnding);
    EXPECT_LT(PlayerPosition.x, startX);
    int shotsInFlight = 0;
    for (const MainShot& shot : MainShots1) shotsInFlight += shot.active;
    EXPECT_GT(shotsInFlight, 0);
}

}  // namespace
