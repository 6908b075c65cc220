#include <gtest/gtest.h>

#include "engine/draw_fixture.h"

namespace {

constexpr int kOld = 0x1111;  // every pixel of the grabbed picture
constexpr int kNew = 0x0022;  // every pixel of the new frame

class DrawPresentTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        ASSERT_TRUE(StartScreen());
        FillBack(kOld);
        ASSERT_EQ(elDraw::GrabScreen(kTransitionSlot, 0, 0, 800, 600), DD_OK);
        elDraw::SetClipRect(220, 0, 580, 600);
    }
    static void Start(int kind, int length, int step, int direction) {
        Transition = ScreenTransition{kind, step, direction, length};
    }
    // Presents a new frame; returns how many pixels of the old picture were shown.
    static int PresentFrame() {
        FillBack(kNew);
        elDraw::Present();
        int old = 0;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) old += headless::ScreenPixel(x, y) == kOld;
        }
        return old;
    }
};

TEST_F(DrawPresentTest, PresentCopiesTheBackBufferToTheScreen) {
    FillBack(0x1234);
    elDraw::SetWaitVBlank(0);
    const std::uint64_t before = headless::NowMicroseconds();
    EXPECT_EQ(elDraw::Present(), DD_OK);
    EXPECT_EQ(headless::NowMicroseconds(), before);  // no wait
    EXPECT_EQ(headless::VerticalBlankWaits(), 0);
    EXPECT_EQ(headless::ScreenPixel(799, 599), 0x1234);
    // The whole screen at once, as the golden runs read it.
    const headless::ScreenView shown = headless::ShownScreen();
    ASSERT_NE(shown.pixels, nullptr);
    EXPECT_EQ(shown.width, 800);
    EXPECT_EQ(shown.height, 600);
    ASSERT_GE(shown.pitch, 800);
    EXPECT_EQ(shown.pixels[599 * shown.pitch + 799], 0x1234);
    elDraw::SetWaitVBlank(1);
    elDraw::Present();
    EXPECT_EQ(headless::VerticalBlankWaits(), 1);
    EXPECT_EQ(headless::PresentCount(), 2);
    headless::LoseAllSurfaces();
    EXPECT_EQ(headless::ShownScreen().pixels, nullptr);  // a lost screen has no pixels to read
}

TEST_F(DrawPresentTest, ALostScreenIsRestoredAndTheNextFramePresents) {
    WritePicture("A.BMP", 2, 2, 0xFFFFFF);
    ASSERT_EQ(elDraw::LoadObject("A.BMP", 1), 4);
    headless::LoseAllSurfaces();
    EXPECT_EQ(elDraw::Present(), DDERR_SURFACELOST);
    EXPECT_EQ(Pixel(4, 1, 1), 0xFFFF);  // reloaded
    FillBack(0x4321);
    EXPECT_EQ(elDraw::Present(), DD_OK);
    EXPECT_EQ(headless::ScreenPixel(0, 0), 0x4321);
}

TEST_F(DrawPresentTest, ATransitionOfLengthTwentySixIsDrawnInExactlyTwentySixPresents) {
    Start(3, 26, 26, -1);
    int shown = 0;
    for (int frame = 0; frame < 26; ++frame) {
        const int step = Transition.step;
        ASSERT_EQ(step, 26 - frame);
        const int old = PresentFrame();
        if (step > 1) {
            EXPECT_GT(old, 0) << "step " << step;
            ++shown;
        } else {
            EXPECT_EQ(old, 0);  // every row is divisible by 1
        }
    }
    EXPECT_EQ(shown, 25);
    EXPECT_EQ(Transition.step, 0);
    EXPECT_EQ(Transition.direction, 0);
    EXPECT_EQ(PresentFrame(), 0);
}

TEST_F(DrawPresentTest, JitteredRowsStayInsideThePlayField) {
    Start(3, 30, 30, -1);
    for (int frame = 0; frame < 30; ++frame) {
        PresentFrame();
        for (int y = 0; y < 600; y += 7) {
            EXPECT_EQ(headless::ScreenPixel(219, y), kNew);
            EXPECT_EQ(headless::ScreenPixel(580, y), kNew);
        }
    }
}

TEST_F(DrawPresentTest, RowKindsLeaveOutRowsDivisibleByTheStep) {
    Start(1, 10, 5, -1);
    PresentFrame();
    EXPECT_EQ(headless::ScreenPixel(300, 0), kNew);
    EXPECT_EQ(headless::ScreenPixel(300, 1), kOld);
    EXPECT_EQ(headless::ScreenPixel(300, 5), kNew);
    EXPECT_EQ(headless::ScreenPixel(100, 1), kNew);  // outside the play field
    EXPECT_EQ(Transition.step, 4);
    Start(1, 10, 1, -1);
    EXPECT_EQ(PresentFrame(), 0);
    // Bands: rows l to l + s of every band of n rows.
    Start(2, 10, 3, -1);
    PresentFrame();
    for (int y = 0; y < 20; ++y) EXPECT_EQ(headless::ScreenPixel(300, y), y % 10 <= 3 ? kOld : kNew) << y;
    // The last band never reaches past the picture.
    Start(2, 7, 200, -1);
    EXPECT_GT(PresentFrame(), 0);
}

TEST_F(DrawPresentTest, SlidesSplitsAndWipes) {
    Start(5, 10, 10, -1);  // slides up: y = 60 x (10 - 11) = -60
    PresentFrame();
    EXPECT_EQ(headless::ScreenPixel(300, 539), kOld);
    EXPECT_EQ(headless::ScreenPixel(300, 540), kNew);
    Start(6, 10, 10, -1);  // slides down: y = 60
    PresentFrame();
    EXPECT_EQ(headless::ScreenPixel(300, 59), kNew);
    EXPECT_EQ(headless::ScreenPixel(300, 60), kOld);
    Start(9, 10, 10, -1);  // splits: halves moved 30 rows apart
    PresentFrame();
    EXPECT_EQ(headless::ScreenPixel(300, 269), kOld);
    EXPECT_EQ(headless::ScreenPixel(300, 270), kNew);
    EXPECT_EQ(headless::ScreenPixel(300, 329), kNew);
    EXPECT_EQ(headless::ScreenPixel(300, 330), kOld);
    Start(11, 10, 4, -1);  // the left part up to x = 4 x 80 = 320
    PresentFrame();
    EXPECT_EQ(headless::ScreenPixel(319, 10), kOld);
    EXPECT_EQ(headless::ScreenPixel(320, 10), kNew);
    Start(12, 10, 4, -1);  // from x = 7 x 80 = 560
    PresentFrame();
    EXPECT_EQ(headless::ScreenPixel(559, 10), kNew);
    EXPECT_EQ(headless::ScreenPixel(560, 10), kOld);
}

TEST_F(DrawPresentTest, OpeningTransitionsEndAfterStepTen) {
    Start(6, 20, 8, 1);
    PresentFrame();
    PresentFrame();
    EXPECT_EQ(Transition.step, 10);
    PresentFrame();
    EXPECT_EQ(Transition.step, 0);
}

TEST_F(DrawPresentTest, StepsThatWouldDivideByZeroEndTheTransitionAtOnce) {
    // Jitter range 2n - 2s + 2 is 0 for s = n + 1.
    for (int kind : {3, 4}) {
        Start(kind, 9, 10, 1);
        EXPECT_EQ(PresentFrame(), 0) << kind;
        EXPECT_EQ(Transition.step, 0);
        EXPECT_EQ(Transition.direction, 0);
        EXPECT_EQ(headless::ScreenPixel(300, 300), kNew);
    }
    for (int kind = 2; kind <= 12; ++kind) {
        Start(kind, 0, 5, -1);
        EXPECT_EQ(PresentFrame(), 0) << kind;
        EXPECT_EQ(Transition.step, 0) << kind;
        Start(kind, -4, 5, -1);
        EXPECT_EQ(PresentFrame(), 0) << kind;
    }
}

TEST_F(DrawPresentTest, KindZeroDrawsNothingWhileItsStripIsUnset) {
    Start(0, 10, 5, -1);
    EXPECT_EQ(PresentFrame(), 0);
    EXPECT_EQ(Transition.step, 4);
    Start(77, 10, 5, -1);  // no such kind
    EXPECT_EQ(PresentFrame(), 0);
    EXPECT_EQ(Transition.step, 4);
}

}  // namespace
