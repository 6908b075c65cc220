#include <gtest/gtest.h>

#include "engine/draw_fixture.h"

namespace {

constexpr int kPlayLeft = 220, kPlayRight = 580;

class DrawBlitsTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        ASSERT_TRUE(StartScreen());
        // A 10 x 10 picture: value 1000 + 10y + x, with a transparent (0) top-left pixel.
        sprite = MakePicture(10, 10, [](int x, int y) { return x == 0 && y == 0 ? 0 : 1000 + 10 * y + x; });
        elDraw::SetClipRect(kPlayLeft, 0, kPlayRight, 600);
    }
    static int SpritePixel(int x, int y) { return x == 0 && y == 0 ? 0 : 1000 + 10 * y + x; }
    // Every back-buffer pixel outside the rectangle still has the fill value.
    static void ExpectUntouchedOutside(int left, int top, int right, int bottom, int fill) {
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                if (x >= left && x < right && y >= top && y < bottom) continue;
                ASSERT_EQ(Back(x, y), fill) << x << "," << y;
            }
        }
    }
    int sprite = 0;
};

TEST_F(DrawBlitsTest, KeyedAndOpaqueCopies) {
    FillBack(7);
    elDraw::Draw(300, 100, sprite, 0, 0, 10, 10);
    EXPECT_EQ(Back(300, 100), 7);  // key black
    EXPECT_EQ(Back(301, 100), SpritePixel(1, 0));
    EXPECT_EQ(Back(309, 109), SpritePixel(9, 9));
    ExpectUntouchedOutside(300, 100, 310, 110, 7);
    elDraw::DrawOpaque(300, 100, sprite, 2, 2, 5, 4);
    EXPECT_EQ(Back(300, 100), SpritePixel(2, 2));
    EXPECT_EQ(Back(302, 101), SpritePixel(4, 3));
    EXPECT_EQ(Back(303, 101), SpritePixel(3, 1));  // beyond the 3 x 2 source: the keyed copy
}

TEST_F(DrawBlitsTest, ClippingAtEveryEdgeOfThePlayField) {
    FillBack(7);
    elDraw::Draw(kPlayLeft - 4, 50, sprite, 0, 0, 10, 10);  // left edge: columns 4.. at the clip left
    EXPECT_EQ(Back(kPlayLeft, 50), SpritePixel(4, 0));
    EXPECT_EQ(Back(kPlayLeft - 1, 50), 7);
    elDraw::Draw(kPlayRight - 3, 50, sprite, 0, 0, 10, 10);  // right edge: three columns
    EXPECT_EQ(Back(kPlayRight - 1, 51), SpritePixel(2, 1));
    EXPECT_EQ(Back(kPlayRight, 51), 7);
    elDraw::Draw(300, -6, sprite, 0, 0, 10, 10);  // top edge
    EXPECT_EQ(Back(301, 0), SpritePixel(1, 6));
    elDraw::Draw(300, 596, sprite, 0, 0, 10, 10);  // bottom edge
    EXPECT_EQ(Back(301, 599), SpritePixel(1, 3));
    ExpectUntouchedOutside(kPlayLeft, 0, kPlayRight, 600, 7);
}

TEST_F(DrawBlitsTest, SpritesWhollyOutsideOrEmptyDrawNothing) {
    FillBack(7);
    const int cases[][2] = {{kPlayLeft - 10, 50}, {kPlayRight, 50}, {300, -10},
                            {300, 600},           {-5000, -5000},   {100000, 100000}};
    for (const auto& c : cases) {
        elDraw::Draw(c[0], c[1], sprite, 0, 0, 10, 10);
        elDraw::DrawOpaque(c[0], c[1], sprite, 0, 0, 10, 10);
        EXPECT_EQ(elDraw::DrawHalfTransparent(c[0], c[1], sprite, 0, 0, 10, 10), 1);
        EXPECT_EQ(elDraw::DrawAdditive(c[0], c[1], sprite, 0, 0, 10, 10), 1);
        EXPECT_EQ(elDraw::DrawRotated(c[0], c[1], c[0] + 10, c[1] + 10, 30, sprite, 0, 0, 10, 10), 1);
    }
    // Inverted and empty source rectangles.
    elDraw::Draw(300, 50, sprite, 5, 5, 2, 8);
    elDraw::DrawOpaque(300, 50, sprite, 5, 5, 5, 8);
    elDraw::DrawHalfTransparent(300, 50, sprite, 5, 5, 2, 2);
    ExpectUntouchedOutside(0, 0, 0, 0, 7);
}

TEST_F(DrawBlitsTest, KeyedAndOpaqueCellsRunningPastThePictureDrawNothing) {
    FillBack(7);
    // A 10 x 6 picture cut into 10 x 10 cells: the cell runs past the picture's bottom.
    const int shortPicture = MakePicture(10, 6, [](int x, int y) { return 500 + 10 * y + x; });
    EXPECT_EQ(elDraw::Draw(300, 100, shortPicture, 0, 0, 10, 10), DDERR_INVALIDRECT);
    EXPECT_EQ(elDraw::DrawOpaque(300, 100, shortPicture, 0, 0, 10, 10), DDERR_INVALIDRECT);
    EXPECT_EQ(elDraw::DrawOpaque(300, 100, sprite, -3, -2, 13, 12), DDERR_INVALIDRECT);
    EXPECT_EQ(elDraw::Draw(300, 100, sprite, 5, 0, 11, 10), DDERR_INVALIDRECT);
    EXPECT_EQ(elDraw::Draw(300, 100, sprite, 0, 0, 10, 2000000000), DDERR_INVALIDRECT);
    ExpectUntouchedOutside(0, 0, 0, 0, 7);
    // What the play field cuts off is not asked of the picture: the part left inside is drawn.
    EXPECT_EQ(elDraw::DrawOpaque(300, 596, shortPicture, 0, 0, 10, 10), DD_OK);
    EXPECT_EQ(Back(301, 599), 531);
    EXPECT_EQ(elDraw::Draw(kPlayLeft - 3, 50, sprite, -3, 0, 7, 10), DD_OK);
    EXPECT_EQ(Back(kPlayLeft, 51), SpritePixel(0, 1));
    // The software blits read only the picture's own pixels of the cell.
    FillBack(7);
    elDraw::DrawAdditive(400, 100, sprite, 5, 5, 40, 40);
    EXPECT_EQ(Back(405, 105), 7);
    EXPECT_NE(Back(404, 104), 7);
}

TEST_F(DrawBlitsTest, RotatedCellsTakeTheirMarginsFromTheCellAsGiven) {
    FillBack(7);
    elDraw::SetClipRect(0, 0, 800, 600);
    // A 6 x 4 picture drawn as a 6 x 6 cell in a 6 x 6 box, unturned: the cell fills the box, so its
    // picture rows land on the box's top rows and the two rows past the picture stay empty.
    const int shortPicture = MakePicture(6, 4, [](int x, int y) { return 1 + x + 6 * y; });
    EXPECT_EQ(elDraw::DrawRotated(100, 100, 106, 106, 0, shortPicture, 0, 0, 6, 6), 1);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(Back(100 + x, 100 + y), y < 4 ? 1 + x + 6 * y : 7) << x << "," << y;
    }
    // A cell starting left of and above the picture: its margins too are the cell's, and only pixels
    // inside the picture are read.
    FillBack(7);
    EXPECT_EQ(elDraw::DrawRotated(200, 100, 206, 106, 0, shortPicture, -2, -1, 4, 5), 1);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 2 && y >= 1 && y < 5;
            EXPECT_EQ(Back(200 + x, 100 + y), inside ? 1 + (x - 2) + 6 * (y - 1) : 7) << x << "," << y;
        }
    }
    // A cell wholly outside the picture draws nothing.
    FillBack(7);
    EXPECT_EQ(elDraw::DrawRotated(300, 100, 306, 106, 30, shortPicture, 6, 0, 12, 6), 1);
    EXPECT_EQ(elDraw::DrawRotated(300, 100, 306, 106, 30, shortPicture, 0, -6, 6, 0), 1);
    ExpectUntouchedOutside(0, 0, 0, 0, 7);
}

TEST_F(DrawBlitsTest, ClipWindowIsKeptOnTheScreen) {
    FillBack(7);
    elDraw::SetClipRect(-100, -100, 5000, 5000);
    elDraw::DrawOpaque(795, 595, sprite, 0, 0, 10, 10);
    EXPECT_EQ(Back(799, 599), SpritePixel(4, 4));
    elDraw::DrawHalfTransparent(-5, -5, sprite, 0, 0, 10, 10);
    elDraw::DrawRotated(790, 590, 810, 610, 45, sprite, 0, 0, 10, 10);
    EXPECT_EQ(Back(0, 0), (((SpritePixel(5, 5) >> 1) & 0x7BEF) + ((7 >> 1) & 0x7BEF)));
}

TEST_F(DrawBlitsTest, HalfTransparentAveragesEachChannelDownward) {
    const int white = MakePicture(2, 1, [](int x, int) { return x == 0 ? 0xFFFF : 0; });
    FillBack(0);
    EXPECT_EQ(elDraw::DrawHalfTransparent(300, 10, white, 0, 0, 2, 1), 1);
    EXPECT_EQ(Back(300, 10), 0x7BEF);
    EXPECT_EQ(Back(301, 10), 0);  // transparent
    FillBack(0xF81F);
    elDraw::DrawHalfTransparent(300, 10, white, 0, 0, 2, 1);
    EXPECT_EQ(Back(300, 10), 0x7BEF + ((0xF81F >> 1) & 0x7BEF));
}

TEST_F(DrawBlitsTest, AdditiveSaturatesEachChannel) {
    // Red 20, green (6-bit) 40, blue 20 over the same.
    constexpr int kMid = (20 << 11) | (40 << 5) | 20;
    const int mid = MakePicture(2, 1, [](int x, int) { return x == 0 ? kMid : 0; });
    FillBack(kMid);
    EXPECT_EQ(elDraw::DrawAdditive(300, 10, mid, 0, 0, 2, 1), 1);
    EXPECT_EQ(Back(300, 10), (31 << 11) | (31 << 6) | 31);
    EXPECT_EQ(Back(301, 10), kMid);  // a zero source pixel leaves the destination
    const int small = MakePicture(1, 1, [](int, int) { return (1 << 11) | (2 << 5) | 3; });
    FillBack((4 << 11) | (8 << 5) | 5);
    elDraw::DrawAdditive(300, 10, small, 0, 0, 1, 1);
    EXPECT_EQ(Back(300, 10), (5 << 11) | (10 << 5) | 8);
}

TEST_F(DrawBlitsTest, RotatedByZeroCopiesAndByNinetyTurnsCounterClockwise) {
    FillBack(7);
    elDraw::SetClipRect(0, 0, 800, 600);
    const int square = MakePicture(5, 5, [](int x, int y) { return 1 + x + 5 * y; });
    EXPECT_EQ(elDraw::DrawRotated(100, 100, 105, 105, 0, square, 0, 0, 5, 5), 1);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(Back(100 + x, 100 + y), 1 + x + 5 * y);
    }
    elDraw::DrawRotated(200, 100, 205, 105, 90, square, 0, 0, 5, 5);
    // The top row (1 2 3 4 5) becomes the left column, read from the bottom up.
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Back(200, 104 - i), 1 + i) << i;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(Back(200 + x, 100 + y), 1 + (4 - y) + 5 * x);
    }
    // 450 and -270 are 90; a picture in a larger box sits in its middle.
    FillBack(7);
    elDraw::DrawRotated(200, 100, 205, 105, 450, square, 0, 0, 5, 5);
    elDraw::DrawRotated(300, 100, 305, 105, -270, square, 0, 0, 5, 5);
    elDraw::DrawRotated(400, 100, 409, 109, 0, square, 0, 0, 5, 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(Back(200 + x, 100 + y), 1 + (4 - y) + 5 * x);
            EXPECT_EQ(Back(300 + x, 100 + y), 1 + (4 - y) + 5 * x);
            EXPECT_EQ(Back(402 + x, 102 + y), 1 + x + 5 * y);
        }
    }
    EXPECT_EQ(Back(401, 101), 7);
    // An even box turns about the corner between its middle pixels, as the integer steps do.
    FillBack(7);
    elDraw::DrawRotated(500, 100, 504, 104, 90, square, 0, 0, 4, 4);
    EXPECT_EQ(Back(500, 100), 7);
    EXPECT_EQ(Back(500, 103), 2);
}

TEST_F(DrawBlitsTest, RotatedAnglesOfAnyRangeStayInsideTheBox) {
    FillBack(7);
    const int angles[] = {-720, -361, -1, 359, 360, 719, 100000, -100000};
    for (int a : angles) elDraw::DrawRotated(300, 300, 314, 314, a, sprite, 0, 0, 10, 10);
    ExpectUntouchedOutside(300, 300, 314, 314, 7);
    // Clipped at the play field's left edge.
    FillBack(7);
    elDraw::DrawRotated(kPlayLeft - 7, 100, kPlayLeft + 7, 114, 45, sprite, 0, 0, 10, 10);
    ExpectUntouchedOutside(kPlayLeft, 100, kPlayLeft + 7, 114, 7);
}

TEST_F(DrawBlitsTest, StretchUsesTheBufferPictureAndIsClipped) {
    FillBack(7);
    const int two = MakePicture(2, 2, [](int x, int y) { return x == 1 && y == 1 ? 0 : 100 + x + 2 * y; });
    elDraw::DrawStretch(300, 100, two, 0, 0, 2, 2, 4, 4);
    EXPECT_EQ(Back(300, 100), 100);
    EXPECT_EQ(Back(303, 100), 101);
    EXPECT_EQ(Back(301, 103), 102);
    EXPECT_EQ(Back(303, 103), 7);  // key
    ExpectUntouchedOutside(300, 100, 304, 104, 7);
    elDraw::DrawStretch(kPlayRight - 2, 100, two, 0, 0, 2, 2, 4, 4);
    EXPECT_EQ(Back(kPlayRight, 100), 7);
    // Sizes of 0 or less draw nothing; sizes past the buffer are cut to it.
    FillBack(7);
    elDraw::DrawStretch(300, 100, two, 0, 0, 2, 2, 0, 4);
    elDraw::DrawStretch(300, 100, two, 0, 0, 2, 2, 4, -3);
    ExpectUntouchedOutside(0, 0, 0, 0, 7);
    elDraw::SetClipRect(0, 0, 800, 600);
    elDraw::DrawStretch(0, 0, two, 0, 0, 2, 2, 5000, 5000);
    EXPECT_EQ(Back(799, 0), 101);
}

TEST_F(DrawBlitsTest, DeviceStretchIsOneKeyedBlit) {
    elDraw::State.hardwareStretch = 1;
    FillBack(7);
    const int two = MakePicture(2, 2, [](int x, int y) { return x == 1 && y == 1 ? 0 : 100 + x + 2 * y; });
    EXPECT_EQ(elDraw::DrawStretch(10, 10, two, 0, 0, 2, 2, 4, 4), DD_OK);  // not held to the play field
    EXPECT_EQ(Back(13, 10), 101);
    EXPECT_EQ(Back(13, 13), 7);
    EXPECT_EQ(elDraw::DrawStretch(798, 10, two, 0, 0, 2, 2, 4, 4), DDERR_INVALIDRECT);
    EXPECT_EQ(Back(799, 10), 7);
}

TEST_F(DrawBlitsTest, SlotZeroAndUnknownSlotsDrawNothing) {
    FillBack(7);
    EXPECT_EQ(elDraw::Draw(300, 0, 0, 0, 0, 10, 10), 0);
    EXPECT_EQ(elDraw::DrawOpaque(300, 0, 0, 0, 0, 10, 10), 0);
    EXPECT_EQ(elDraw::DrawStretch(300, 0, 0, 0, 0, 10, 10, 20, 20), 0);
    EXPECT_EQ(elDraw::DrawHalfTransparent(300, 0, 0, 0, 0, 10, 10), 0);
    EXPECT_EQ(elDraw::DrawAdditive(300, 0, 0, 0, 0, 10, 10), 0);
    EXPECT_EQ(elDraw::DrawRotated(300, 0, 310, 10, 0, 0, 0, 0, 10, 10), 0);
    EXPECT_EQ(elDraw::Draw(300, 0, -1, 0, 0, 10, 10), 0);
    EXPECT_EQ(elDraw::Draw(300, 0, 500, 0, 0, 10, 10), 0);
    EXPECT_EQ(elDraw::DrawRotated(300, 0, 310, 10, 0, 77, 0, 0, 10, 10), 0);
    ExpectUntouchedOutside(0, 0, 0, 0, 7);
}

TEST_F(DrawBlitsTest, GrabScreenCopiesTheBackBufferIntoAPicture) {
    FillSurface(elDraw::State.backBuffer, [](int x, int y) { return (x + y) & 0xFFFF; });
    EXPECT_EQ(elDraw::GrabScreen(kTransitionSlot, 0, 0, 800, 600), DD_OK);
    EXPECT_EQ(Pixel(kTransitionSlot, 799, 599), 799 + 599);
    EXPECT_EQ(elDraw::GrabScreen(sprite, 100, 50, 900, 700), DD_OK);  // cut to the picture
    EXPECT_EQ(Pixel(sprite, 9, 9), 109 + 59);
    EXPECT_EQ(elDraw::GrabScreen(0, 0, 0, 10, 10), DD_OK);
    EXPECT_EQ(elDraw::GrabScreen(400, 0, 0, 10, 10), 0);
}

TEST_F(DrawBlitsTest, FailedLocksMakeSoftwareBlitsReturnZero) {
    headless::LoseAllSurfaces();
    EXPECT_EQ(elDraw::DrawHalfTransparent(300, 0, sprite, 0, 0, 10, 10), 0);
    EXPECT_EQ(elDraw::DrawAdditive(300, 0, sprite, 0, 0, 10, 10), 0);
    EXPECT_EQ(elDraw::DrawRotated(300, 0, 310, 10, 0, sprite, 0, 0, 10, 10), 0);
    // Software blits leave restoring to the next DirectDraw blit.
    EXPECT_EQ(DrawObject[sprite].surface->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(elDraw::ClearBackBuffer(), DDERR_SURFACELOST);
}

}  // namespace
