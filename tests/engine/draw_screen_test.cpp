#include <gtest/gtest.h>

#include "engine/draw_fixture.h"
#include "game/core/scenes.h"
#include "support/run_program.h"

namespace {

using DrawScreenTest = DrawTest;

TEST_F(DrawScreenTest, SetsUpTheScreenTheInternalPicturesAndTheDisplay) {
    ASSERT_TRUE(StartScreen());
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_TRUE(headless::DisplayModeSet());
    EXPECT_EQ(headless::DisplayWidth(), 800);
    EXPECT_EQ(elSystem::State.screenWidth, 800);
    EXPECT_EQ(elSystem::State.screenHeight, 600);
    EXPECT_NE(elDraw::State.primary, nullptr);
    EXPECT_NE(elDraw::State.backBuffer, nullptr);
    const char* names[kInternalSlots] = {"内部用１", "内部用２", "内部用３", "内部用４"};
    for (int slot = 0; slot < kInternalSlots; ++slot) {
        EXPECT_NE(DrawObject[slot].surface, nullptr);
        EXPECT_STREQ(DrawObject[slot].name, names[slot]);
        EXPECT_EQ(DrawObject[slot].width, 800);
        EXPECT_EQ(DrawObject[slot].reloadMode, 2);
    }
    EXPECT_EQ(ClipWindow.right, 800);
    EXPECT_EQ(ClipWindow.bottom, 600);
    EXPECT_TRUE(headless::CursorClipped());  // elSystem::Start ran
    EXPECT_EQ(WaitTable[11], kWaitIdle);
}

TEST_F(DrawScreenTest, FiveSixFiveTablesAndSineTable) {
    ASSERT_TRUE(StartScreen());
    EXPECT_EQ(elDraw::State.red.packShift, 11);
    EXPECT_EQ(elDraw::State.green.packShift, 6);
    EXPECT_EQ(elDraw::State.blue.packShift, 0);
    EXPECT_EQ(elDraw::State.halfMask, 0x7BEF);
    EXPECT_EQ(elDraw::State.halfMask32, 0x7BEF7BEFu);
    EXPECT_EQ(SineTable[0], 0);
    EXPECT_EQ(SineTable[90], 360);
    EXPECT_EQ(SineTable[180], 0);
    EXPECT_EQ(SineTable[270], -360);
    for (int i = 0; i <= 89; ++i) EXPECT_EQ(SineTable[i + 360], SineTable[i]) << i;
    // Additive: 20 + 20 saturates at 31 in the channel's place; a zero source leaves the destination.
    EXPECT_EQ(AdditiveTables[0][20][20], 31 << 11);
    EXPECT_EQ(AdditiveTables[1][20][20], 31 << 6);
    EXPECT_EQ(AdditiveTables[2][20][20], 31);
    EXPECT_EQ(AdditiveTables[1][0][7], 7 << 6);
    // The split halves the 6-bit green.
    EXPECT_EQ(ChannelSplitTable[0xFFFF][0], 31);
    EXPECT_EQ(ChannelSplitTable[0xFFFF][1], 31);
    EXPECT_EQ(ChannelSplitTable[0x07E0][1], 31);
    EXPECT_EQ(ChannelSplitTable[0x0040][1], 1);
}

TEST_F(DrawScreenTest, FiveFiveFiveTables) {
    headless::SetDisplayPixelFormat(16, 0x7C00, 0x03E0, 0x001F);
    ASSERT_TRUE(StartScreen());
    EXPECT_EQ(elDraw::State.red.packShift, 10);
    EXPECT_EQ(elDraw::State.green.packShift, 5);
    EXPECT_EQ(elDraw::State.blue.packShift, 0);
    EXPECT_EQ(elDraw::State.halfMask, 0x3DEF);
    EXPECT_EQ(AdditiveTables[0][20][20], 31 << 10);
    EXPECT_EQ(AdditiveTables[1][3][4], 7 << 5);
    EXPECT_EQ(ChannelSplitTable[0x7FFF][1], 31);
    EXPECT_EQ(ChannelSplitTable[0x03E0][0], 0);
}

TEST_F(DrawScreenTest, ABackBufferNotAtSixteenBitsLeavesTheTablesEmpty) {
    ASSERT_TRUE(StartScreen());
    ASSERT_NE(AdditiveTables[0][20][20], 0);
    headless::SetDisplayPixelFormat(32, 0xF800, 0x07E0, 0x001F);
    ASSERT_TRUE(StartScreen());
    EXPECT_EQ(AdditiveTables[0][20][20], 0);
    EXPECT_EQ(ChannelSplitTable[0xFFFF][0], 0);
}

TEST_F(DrawScreenTest, AZeroChannelMaskEndsTheSetUpLikeAFailedFormatRead) {
    headless::SetDisplayPixelFormat(16, 0xF800, 0, 0x001F);
    EXPECT_EQ(elDraw::Screen(800, 600, 2), 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].text, "elDraw::Screen : ピクセル情報が取得できません");
    EXPECT_EQ(elSystem::State.errorFlag, 1);
}

TEST_F(DrawScreenTest, WidthMinusOneKeepsThePreviousSize) {
    ASSERT_TRUE(StartScreen(640, 480));
    ASSERT_TRUE(StartScreen(-1, 0));
    EXPECT_EQ(elDraw::State.width, 640);
    EXPECT_EQ(elDraw::State.height, 480);
    EXPECT_EQ(DrawObject[kTransitionSlot].height, 480);
}

TEST_F(DrawScreenTest, BackBufferDeviceContextIsTakenAndGivenBack) {
    ASSERT_TRUE(StartScreen());
    HDC dc = elDraw::GetBackBufferDC();
    ASSERT_NE(dc, nullptr);
    SetPixel(dc, 5, 5, RGB(255, 255, 255));
    elDraw::ReleaseBackBufferDC();
    EXPECT_EQ(elDraw::State.textDC, nullptr);
    EXPECT_EQ(Back(5, 5), 0xFFFF);
}

TEST_F(DrawScreenTest, ReleaseFreesEverythingAndLaterCallsDoNothing) {
    ASSERT_TRUE(StartScreen());
    WritePicture("A.BMP", 4, 4, 0xFFFFFF);
    ASSERT_EQ(elDraw::LoadObject("A.BMP", 1), 4);
    elDraw::Release();
    EXPECT_EQ(elDraw::State.ddraw, nullptr);
    EXPECT_EQ(elDraw::State.backBuffer, nullptr);
    EXPECT_EQ(DrawObject[4].surface, nullptr);
    EXPECT_EQ(DrawObject[4].name[0], '\0');
    EXPECT_FALSE(headless::DisplayModeSet());
    EXPECT_TRUE(headless::WindowMinimized(window_));
    const int presents = headless::PresentCount();
    EXPECT_EQ(elDraw::Draw(0, 0, 4, 0, 0, 4, 4), 0);
    EXPECT_EQ(elDraw::DrawAdditive(0, 0, 4, 0, 0, 4, 4), 0);
    elDraw::Present();
    EXPECT_EQ(headless::PresentCount(), presents);
    elDraw::Release();  // a second release finds nothing to do
}

int gFrames = 0;

// The program makes its own window: the fixture's goes, with the quit its closing posts.
void EndFixtureWindow() {
    DestroyWindow(elSystem::State.mainWindow);
    elSystem::State.mainWindow = nullptr;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}
void DrawEverything() {
    ++gFrames;
    elDraw::ClearBackBuffer();
    elDraw::Draw(10, 10, 4, 0, 0, 30, 30);
    elDraw::DrawOpaque(10, 10, 4, 0, 0, 30, 30);
    elDraw::DrawStretch(10, 10, 4, 0, 0, 30, 30, 60, 60);
    elDraw::DrawHalfTransparent(10, 10, 4, 0, 0, 30, 30);
    elDraw::DrawAdditive(10, 10, 4, 0, 0, 30, 30);
    elDraw::DrawRotated(0, 0, 42, 42, 45, 4, 0, 0, 30, 30);
    elDraw::GrabScreen(1, 0, 0, 800, 600);
    elDraw::GetBackBufferDC();
    elDraw::ReleaseBackBufferDC();
    elDraw::SetWaitVBlank(1);
    elDraw::Present();
}

TEST_F(DrawScreenTest, WithoutADeviceOneErrorBoxAppearsFramesRunAndEscStillEnds) {
    EndFixtureWindow();
    headless::SetDirectDrawAvailable(false);
    gFrames = 0;
    SceneTable[kSceneTitle] = DrawEverything;
    const int result = RunProgram([&](int) {
        if (gFrames == 100) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(result, 0);
    EXPECT_GE(gFrames, 100);
    // The screen reports once; every picture the loader then asks for fails as a missing file does.
    ASSERT_FALSE(headless::MessageBoxes().empty());
    EXPECT_EQ(headless::MessageBoxes()[0].text, "elDraw::Screen : DirectDrawが使用できません");
    int screenErrors = 0;
    for (const auto& box : headless::MessageBoxes()) {
        if (box.text.rfind("elDraw::Screen", 0) == 0) ++screenErrors;
    }
    EXPECT_EQ(screenErrors, 1);
    EXPECT_EQ(headless::PresentCount(), 0);
    EXPECT_EQ(elSystem::State.shutdownDone, 1);
    // Loading without a device is the missing-picture failure.
    EXPECT_EQ(elDraw::LoadObject("NONE.BMP", 1), 0);
    EXPECT_EQ(headless::MessageBoxes().back().text, "elDraw::LoadObject : BMPファイルを読み込めません");
}

TEST_F(DrawScreenTest, AProgramRunPresentsEveryFrameOnTheDisplay) {
    if (!QV_HAVE_DATA) GTEST_SKIP() << "this build has no generated data files";
    EndFixtureWindow();
    headless::SetModuleFileName(std::string(QV_DATA_DIR) + "game800");
    gFrames = 0;
    SceneTable[kSceneTitle] = [] {
        if (gFrames == 0) {
            EXPECT_EQ(elDraw::CreateObject(30, 30, 1), 193);  // the first slot after the loader's pictures
        }
        DrawEverything();
    };
    RunProgram([&](int) {
        if (gFrames == 10) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_GE(headless::PresentCount(), 10);
    EXPECT_GE(headless::VerticalBlankWaits(), 10);
    EXPECT_FALSE(headless::DisplayModeSet());  // restored at shutdown
}

}  // namespace
