// The 640x480 program's own new-game placement; the record layouts and stage-reset values are shared.
#include <gtest/gtest.h>

#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "platform/headless.h"
#include "support/fresh_process.h"

namespace {

using NewGame640 = FreshProcessTest;

TEST_F(NewGame640, StripsStartAtTheTopOfTheSmallerScreen) {
    for (BackgroundStrip& tile : SpareStrip) tile.zero = 4.0f;
    InitNewGame();
    for (const BackgroundStrip* strip : {StageAStrip, StageBStrip, StageCStrip, BackdropStrip, SideStrip1,
                                         SideStrip2, SideStrip3, SideStrip4, SpareStrip}) {
        EXPECT_EQ(strip[0].y, 0.0f);
        EXPECT_EQ(strip[1].y, -480.0f);
        EXPECT_EQ(strip[4999].y, -2399520.0f);
    }
    EXPECT_EQ(StageAStrip[10].x, 100.0f);
    EXPECT_EQ(StageBStrip[10].x, 100.0f);
    EXPECT_EQ(StageCStrip[10].x, 100.0f);
    EXPECT_EQ(SideStrip1[10].x, 0.0f);
    EXPECT_EQ(SideStrip3[10].zero, 0.0f);
    EXPECT_EQ(BackdropStrip[10].x, -500.0f);
    EXPECT_EQ(SpareStrip[10].x, -500.0f);
    EXPECT_EQ(SpareStrip[10].zero, 4.0f);
}

TEST_F(NewGame640, ShipStartsLowerLeftOfTheSmallerScreen) {
    PlayerPosition = {0.0f, 0.0f};
    InitNewGame();
    EXPECT_EQ(PlayerPosition.x, 290.0f);
    EXPECT_EQ(PlayerPosition.y, 400.0f);
    EXPECT_EQ(ShipStock, 1);
    EXPECT_EQ(PowerCount, 5);
}

TEST_F(NewGame640, StarsUseTheSameScatterAsTheLargerScreen) {
    headless::SetTime(1000);
    ResetGameStateA();
    ResetGameStateB();
    for (const Star& s : Stars) {
        EXPECT_GE(s.x, -400.0f);
        EXPECT_LE(s.x, 839.0f);
        EXPECT_LE(s.y, 479.0f);
    }
}

}  // namespace
