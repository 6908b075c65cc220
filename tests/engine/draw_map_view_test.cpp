#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/draw_fixture.h"

namespace {

constexpr int kFieldLeft = 220;
constexpr int kFieldRight = 580;
constexpr int kFieldHeight = 600;
constexpr int kBackground = 0x0022;
constexpr int kPictureBase = 0x4000;  // picture pixels: base + row

class MapViewTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        ASSERT_TRUE(StartScreen());
        elDraw::SetClipRect(kFieldLeft, 0, kFieldRight, kFieldHeight);
        // Every tile pixel tells where in the tile it lies.
        tiles_ = MakePicture(64, 48, [](int x, int y) { return 1 + x + 64 * y; });
        elSystem::State.mapView = 1;
    }
    // A picture of the play field's width whose pixels name their row.
    int TallPicture(int height) {
        return MakePicture(kFieldRight - kFieldLeft, height, [](int, int y) { return kPictureBase + y; });
    }
    // A fully transparent picture, so that the tiles show through everywhere.
    int ClearPicture(int height) {
        return MakePicture(kFieldRight - kFieldLeft, height, [](int, int) { return 0; });
    }
    static void PresentAfter(float seconds) {
        FillBack(kBackground);
        FrameTime = seconds;
        elDraw::Present();
    }
    static void PresentFrames(int frames, float seconds) {
        for (int i = 0; i < frames; ++i) PresentAfter(seconds);
    }
    static void KeyDown(int key) {
        elSystem::WindowProc(elSystem::State.mainWindow, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
    }
    // The tile offset read off the screen at a point where a tile starts when the grid is unscrolled.
    static std::pair<int, int> TileOffset() {
        const int v = headless::ScreenPixel(256, 96) - 1;
        return {v % 64, v / 64};
    }
    static int PictureOffset() { return headless::ScreenPixel(kFieldLeft, 0) - kPictureBase; }
    static int CountChanged() {
        int changed = 0;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) changed += headless::ScreenPixel(x, y) != kBackground;
        }
        return changed;
    }

    int tiles_ = 0;
};

TEST_F(MapViewTest, TilesScrollUpAndLeftAndWrapAtTheirSize) {
    elDraw::SetMapViewTiles(tiles_);
    elDraw::SetMapViewPicture(ClearPicture(kFieldHeight));
    PresentAfter(0.0f);
    EXPECT_EQ(TileOffset(), std::make_pair(0, 0));
    EXPECT_EQ(headless::ScreenPixel(0, 0), kBackground);  // tiles only show inside the play field
    EXPECT_EQ(headless::ScreenPixel(kFieldLeft, 0), 1 + kFieldLeft % 64);
    PresentFrames(32, 0.1f);
    EXPECT_EQ(TileOffset(), std::make_pair(32, 32));
    PresentFrames(15, 0.1f);
    EXPECT_EQ(TileOffset(), std::make_pair(47, 47));
    PresentFrames(1, 0.1f);
    EXPECT_EQ(TileOffset(), std::make_pair(48, 0));  // 4.8 s
    PresentFrames(16, 0.1f);
    EXPECT_EQ(TileOffset(), std::make_pair(0, 16));  // 6.4 s
    // Eleven rows: the last one, moved up by 16, ends 16 rows short of 528.
    EXPECT_EQ(headless::ScreenPixel(kFieldLeft, 511), 1 + (kFieldLeft % 64) + 64 * 47);
    EXPECT_EQ(headless::ScreenPixel(kFieldLeft, 512), kBackground);
}

TEST_F(MapViewTest, TileOffsetsWrapAtSixtyFramesASecond) {
    elDraw::SetMapViewTiles(tiles_);
    elDraw::SetMapViewPicture(ClearPicture(kFieldHeight));
    PresentFrames(288, 1.0f / 60.0f);
    EXPECT_EQ(TileOffset(), std::make_pair(48, 0));
    PresentFrames(96, 1.0f / 60.0f);
    EXPECT_EQ(TileOffset(), std::make_pair(0, 16));
    // One long frame wraps as many times as it covers.
    PresentAfter(64.0f * 48.0f / 10.0f + 0.5f);
    EXPECT_EQ(TileOffset(), std::make_pair(5, 21));
}

TEST_F(MapViewTest, TheKeySlotScrollsThePictureAndItStopsAtBothEnds) {
    elDraw::SetMapViewTiles(tiles_);
    elDraw::SetMapViewPicture(TallPicture(1000));  // lowest offset 1000 - 600
    PresentAfter(1.0f);
    EXPECT_EQ(PictureOffset(), 0);  // no key yet
    EXPECT_EQ(headless::ScreenPixel(kFieldRight - 1, kFieldHeight - 1), kPictureBase + kFieldHeight - 1);
    EXPECT_EQ(headless::ScreenPixel(kFieldRight, 0), kBackground);

    KeyDown(VK_DOWN);
    EXPECT_EQ(elSystem::State.mapViewKey, VK_DOWN);
    EXPECT_EQ(LastKey, 0);
    PresentAfter(0.5f);
    EXPECT_EQ(PictureOffset(), 50);
    EXPECT_EQ(headless::ScreenPixel(kFieldLeft + 100, 599), kPictureBase + 649);
    KeyDown(VK_NEXT);
    PresentAfter(0.5f);
    EXPECT_EQ(PictureOffset(), 200);
    PresentAfter(1.0f);
    EXPECT_EQ(PictureOffset(), 400);  // not 500
    EXPECT_EQ(headless::ScreenPixel(kFieldLeft, 599), kPictureBase + 999);
    KeyDown(VK_UP);
    PresentAfter(0.5f);
    EXPECT_EQ(PictureOffset(), 350);
    KeyDown('A');  // not a scrolling key
    PresentAfter(1.0f);
    EXPECT_EQ(PictureOffset(), 350);
    KeyDown(VK_PRIOR);
    PresentAfter(1.0f);
    EXPECT_EQ(PictureOffset(), 50);
    PresentAfter(1.0f);
    EXPECT_EQ(PictureOffset(), 0);  // not -250
    // A key release leaves the slot as it is: the picture keeps its last direction.
    elSystem::WindowProc(elSystem::State.mainWindow, WM_KEYUP, VK_PRIOR, 0);
    EXPECT_EQ(elSystem::State.mapViewKey, VK_PRIOR);
    const double tileX = elDraw::State.mapTileX, tileY = elDraw::State.mapTileY;
    // Times that are no length of time move nothing.
    KeyDown(VK_DOWN);
    PresentAfter(std::numeric_limits<float>::quiet_NaN());
    PresentAfter(std::numeric_limits<float>::infinity());
    PresentAfter(-3.0f);
    EXPECT_EQ(PictureOffset(), 0);
    EXPECT_EQ(elDraw::State.mapTileX, tileX);
    EXPECT_EQ(elDraw::State.mapTileY, tileY);
}

TEST_F(MapViewTest, APictureNoTallerThanThePlayFieldStaysAtItsTop) {
    elDraw::SetMapViewTiles(tiles_);
    elDraw::SetMapViewPicture(TallPicture(300));
    KeyDown(VK_NEXT);
    PresentAfter(2.0f);
    EXPECT_EQ(PictureOffset(), 0);
    EXPECT_EQ(headless::ScreenPixel(kFieldLeft, 299), kPictureBase + 299);
    EXPECT_LT(headless::ScreenPixel(kFieldLeft, 300), kPictureBase);  // tiles below it
    elDraw::SetMapViewPicture(TallPicture(kFieldHeight));
    PresentAfter(2.0f);
    EXPECT_EQ(PictureOffset(), 0);
    EXPECT_EQ(headless::ScreenPixel(kFieldLeft, 599), kPictureBase + 599);
}

TEST_F(MapViewTest, NothingIsDrawnWithoutBothPicturesOrAfterShutdown) {
    const int picture = TallPicture(1000);
    KeyDown(VK_DOWN);
    elDraw::SetMapViewTiles(tiles_);
    PresentAfter(1.0f);
    EXPECT_EQ(CountChanged(), 0);
    elDraw::SetMapViewTiles(0);
    elDraw::SetMapViewPicture(picture);
    PresentAfter(1.0f);
    EXPECT_EQ(CountChanged(), 0);
    elDraw::SetMapViewTiles(9999);  // no such slot
    PresentAfter(1.0f);
    EXPECT_EQ(CountChanged(), 0);
    // Nothing scrolled while nothing was drawn.
    elDraw::SetMapViewTiles(tiles_);
    PresentAfter(0.0f);
    EXPECT_EQ(PictureOffset(), 0);

    const int presents = headless::PresentCount();
    elSystem::Shutdown();
    FrameTime = 1.0f;
    EXPECT_EQ(elDraw::Present(), 0);
    EXPECT_EQ(headless::PresentCount(), presents);
}

TEST_F(MapViewTest, WithTheSwitchOffNothingChangesAndKeysGoToLastKey) {
    elSystem::State.mapView = 0;
    elDraw::SetMapViewTiles(tiles_);
    elDraw::SetMapViewPicture(TallPicture(1000));
    KeyDown(VK_DOWN);
    EXPECT_EQ(LastKey, VK_DOWN);
    EXPECT_EQ(elSystem::State.mapViewKey, 0);
    PresentAfter(1.0f);
    EXPECT_EQ(CountChanged(), 0);
    elSystem::State.mapViewKey = VK_DOWN;
    PresentAfter(1.0f);
    // Switched on again, the view starts where it was left: nothing moved while it was off.
    elSystem::State.mapView = 1;
    PresentAfter(0.0f);
    EXPECT_EQ(PictureOffset(), 0);
    EXPECT_EQ(elDraw::State.mapTileX, 0.0);
    EXPECT_EQ(elDraw::State.mapTileY, 0.0);
}

TEST_F(MapViewTest, TheMapViewCoversARunningTransition) {
    elDraw::SetMapViewTiles(tiles_);
    elDraw::SetMapViewPicture(TallPicture(1000));
    FillBack(0x1111);
    ASSERT_EQ(elDraw::GrabScreen(kTransitionSlot, 0, 0, 800, 600), DD_OK);
    Transition = ScreenTransition{6, 10, -1, 10};  // the old picture slid down 60 rows
    PresentAfter(0.0f);
    EXPECT_EQ(Transition.step, 9);
    EXPECT_EQ(headless::ScreenPixel(kFieldLeft, 100), kPictureBase + 100);
}

}  // namespace
