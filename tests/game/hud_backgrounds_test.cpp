#include <cmath>
#include <limits>

#include "engine/draw/draw_state.h"
#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "game/core/backgrounds.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/hud.h"
#include "game/core/picture_slots.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "support/game_fixture.h"

namespace {

class HudTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        if (IsSkipped()) return;
        MakeWindow();
        LoadAllAssets();
        ASSERT_TRUE(headless::MessageBoxes().empty());
        elDraw::ClearBackBuffer();
    }

    static int Back(int x, int y) { return headless::SurfacePixel(elDraw::State.backBuffer, x, y); }
    static int Pic(int slot, int x, int y) { return headless::SurfacePixel(DrawObject[slot].surface, x, y); }

    // Whether the w x h block at (x, y) of the back buffer shows the picture's block at (sx, sy).
    static bool Shows(int x, int y, int slot, int sx, int sy, int w, int h) {
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                if (Back(x + i, y + j) != Pic(slot, sx + i, sy + j)) return false;
            }
        }
        return true;
    }
    static bool Empty(int x, int y, int w, int h) {
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                if (Back(x + i, y + j) != 0) return false;
            }
        }
        return true;
    }
    static bool LargeDigit(int k, int d) { return Shows(200 + 20 * k, 0, PicSUJI09, 20 * d, 0, 20, 25); }
    static bool SmallDigit(int x, int d) { return Shows(x, 6, PicMYMY, 8 + 7 * d, 70, 7, 10); }
};

TEST_F(HudTest, ScoreZeroAndTheCapDrawNineDigits) {
    // The first digit stands left of the play field, where the clip leaves it out.
    Score = 0;
    DrawScoreHud();
    EXPECT_TRUE(Empty(200, 0, 20, 25));
    for (int k = 1; k < 9; ++k) EXPECT_TRUE(LargeDigit(k, 0)) << k;
    elDraw::ClearBackBuffer();
    Score = 999999999;
    DrawScoreHud();
    for (int k = 1; k < 9; ++k) EXPECT_TRUE(LargeDigit(k, 9)) << k;
    elDraw::ClearBackBuffer();
    Score = 123456789;
    DrawScoreHud();
    for (int k = 1; k < 9; ++k) EXPECT_TRUE(LargeDigit(k, k + 1)) << k;
}

TEST_F(HudTest, ShipsAndPowerShowTheirFirstCharactersOnly) {
    ShipStock = 0;
    PowerCount = 5;
    DrawScoreHud();
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(SmallDigit(500 + 10 * k, 0));
    EXPECT_TRUE(SmallDigit(560, 0));
    EXPECT_TRUE(SmallDigit(570, 5));
    elDraw::ClearBackBuffer();
    ShipStock = 999;
    PowerCount = 123;
    DrawScoreHud();
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(SmallDigit(500 + 10 * k, 9));
    EXPECT_TRUE(SmallDigit(560, 1));
    EXPECT_TRUE(SmallDigit(570, 2));
    elDraw::ClearBackBuffer();
    ShipStock = 1000;  // "1000": the first three characters
    DrawScoreHud();
    EXPECT_TRUE(SmallDigit(500, 1));
    EXPECT_TRUE(SmallDigit(510, 0));
    EXPECT_TRUE(SmallDigit(520, 0));
    EXPECT_TRUE(Empty(530, 6, 5, 10));
}

TEST_F(HudTest, NegativeValuesLeaveTheirPlaceEmpty) {
    ShipStock = -15;
    PowerCount = -1;
    HiScore = -5;  // "-00000005": the sign is not a digit and is skipped
    DrawScoreHud();
    EXPECT_TRUE(Empty(500, 6, 30, 10));
    EXPECT_TRUE(Empty(560, 6, 20, 10));
    EXPECT_TRUE(Empty(380, 6, 7, 10));
    EXPECT_TRUE(SmallDigit(390, 0));
    EXPECT_TRUE(SmallDigit(460, 5));
    // Both icons are always drawn.
    EXPECT_TRUE(Shows(475, 6, PicMYMY, 200, 70, 24, 10));
    EXPECT_TRUE(Shows(535, 6, PicMYMY, 170, 70, 24, 10));
}

TEST(BackgroundSpeedTest, SharedWindowBoundariesAddBothSpeeds) {
    EXPECT_EQ(StageCStripSpeed(0.0f), 140.0f);
    EXPECT_EQ(StageCStripSpeed(499.5f), 140.0f);
    EXPECT_EQ(StageCStripSpeed(500.0f), 290.0f);
    EXPECT_EQ(StageCStripSpeed(500.5f), 150.0f);
    EXPECT_EQ(StageCStripSpeed(1150.0f), 450.0f);
    EXPECT_EQ(StageCStripSpeed(5000.0f), 150.0f);
    EXPECT_EQ(BackdropSpeed(0.0f), 150.0f);
    EXPECT_EQ(BackdropSpeed(650.0f), 650.0f);
    EXPECT_EQ(BackdropSpeed(-1.0f), 0.0f);
}

TEST(DrawPositionTest, ConversionSaturatesAndTruncates) {
    EXPECT_EQ(DrawInt(2.9f), 2);
    EXPECT_EQ(DrawInt(-3.7f), -3);
    EXPECT_EQ(DrawInt(2550.0f), 2550);
    EXPECT_EQ(DrawInt(1e20f), 1000000);
    EXPECT_EQ(DrawInt(-1e20f), -1000000);
    EXPECT_EQ(DrawInt(std::numeric_limits<float>::quiet_NaN()), 1000000);
    EXPECT_EQ(DrawInt(std::numeric_limits<float>::infinity()), 1000000);
}

using BackgroundTest = HudTest;

TEST_F(BackgroundTest, StarsComeRoundOnlyPastTheBottom) {
    FrameTime = 0.0f;
    Stars[0].y = 600.0f;
    Stars[0].x = 300.0f;
    Stars[1].y = 600.5f;
    Stars[1].sideSpeed = 50.0f;
    DrawStarfield(80, 80);
    EXPECT_EQ(Stars[0].y, 600.0f);
    EXPECT_EQ(Stars[0].x, 300.0f);
    EXPECT_LE(Stars[1].y, 0.0f);
    EXPECT_GE(Stars[1].fallSpeed, 80.0f);
    EXPECT_LT(Stars[1].fallSpeed, 160.0f);
    EXPECT_EQ(Stars[1].sideSpeed, 0.0f);
}

TEST_F(BackgroundTest, TilesMoveToTheFieldAndOnlyTheLastTileIsPutBack) {
    FrameTime = 0.5f;
    StageScroll = 0.0f;
    EXPECT_EQ(BackdropStrip[0].x, -500.0f);
    EXPECT_EQ(StageAStrip[4999].y, -2399400.0f);
    DrawBackdrop();
    EXPECT_EQ(BackdropStrip[0].x, 180.0f);
    EXPECT_EQ(BackdropStrip[0].y, 120.0f + 75.0f);
    DrawStageABackground();
    EXPECT_EQ(StageAStrip[1].y, 120.0f - 480.0f + 65.0f);
    // The last tile passes the top edge: it alone is put back.
    StageAStrip[4999].y = -10.0f;
    StageAStrip[0].y = 5000.0f;
    DrawStageABackground();
    EXPECT_EQ(StageAStrip[4999].y, -2399520.0f);
    EXPECT_EQ(StageAStrip[0].y, 5065.0f);
}

}  // namespace
