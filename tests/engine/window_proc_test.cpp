#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "platform/window.h"
#include "support/fresh_process.h"

namespace {

// Drives the window procedure directly, as the message dispatch would.
class WindowProcTest : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        elSystem::InitState();
        WNDCLASSA wc{};
        wc.lpfnWndProc = elSystem::WindowProc;
        wc.lpszClassName = "DEFAULT";
        wc.style = CS_DBLCLKS;
        RegisterClassA(&wc);
        window = CreateWindowExA(0, "DEFAULT", "QUENDRAVOLT", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        elSystem::State.mainWindow = window;
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return elSystem::WindowProc(window, message, wParam, lParam);
    }
    void KeyDown(int key) { Send(WM_KEYDOWN, static_cast<WPARAM>(key)); }
    void KeyUp(int key) { Send(WM_KEYUP, static_cast<WPARAM>(key)); }

    // Dispatches every queued message; returns whether WM_QUIT was among them.
    bool DrainQueue(int* closeMessages = nullptr) {
        MSG msg{};
        bool quit = false;
        headless::SetIdleStep(0);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                continue;
            }
            if (msg.message == WM_CLOSE && closeMessages != nullptr) ++*closeMessages;
            DispatchMessageA(&msg);
        }
        return quit;
    }

    HWND window = nullptr;
};

TEST_F(WindowProcTest, LastKeyFollowsTheNewestPressAndClearsOnlyOnItsOwnRelease) {
    KeyDown('A');
    EXPECT_EQ(LastKey, 'A');
    KeyDown('B');
    EXPECT_EQ(LastKey, 'B');
    EXPECT_EQ(LastKeyCopy, 'B');
    KeyUp('A');
    EXPECT_EQ(LastKey, 'B');
    KeyUp('B');
    EXPECT_EQ(LastKey, 0);
    EXPECT_EQ(LastKeyCopy, 0);
}

TEST_F(WindowProcTest, SKeyTogglesThePauseUnlessTheContinuePromptIsUp) {
    KeyDown('S');
    EXPECT_EQ(Frozen, 1);
    KeyDown('S');
    EXPECT_EQ(Frozen, 0);
    Frozen = 7;
    KeyDown('S');
    EXPECT_EQ(Frozen, 0);  // anything but 0 unpauses
    ContinueShown = 1;
    Frozen = 1;
    KeyDown('S');
    EXPECT_EQ(Frozen, 1);
    EXPECT_EQ(LastKey, 'S');
}

TEST_F(WindowProcTest, TKeyReturnsToTheTitleLeavingTheGameAsItWas) {
    SceneNumber = kSceneStageB;
    PreviousScene = kSceneStageB;
    BackgroundOff = 1;
    MouseShip = 1;
    ShipVisible = 0;
    BlendEffects = 0;
    Invincible = 1;
    WeaponType = 2;
    Score = 1234;
    ShipStock = 3;
    StageScroll = 99.0f;
    KeyDown('T');
    EXPECT_EQ(SceneNumber, kSceneTitle);
    EXPECT_EQ(PreviousScene, 0);
    EXPECT_EQ(BackgroundOff, 0);
    EXPECT_EQ(MouseShip, 0);
    EXPECT_EQ(ShipVisible, 1);
    EXPECT_EQ(BlendEffects, 1);
    EXPECT_EQ(Invincible, 0);
    EXPECT_EQ(WeaponType, 0);
    EXPECT_EQ(Score, 1234);
    EXPECT_EQ(ShipStock, 3);
    EXPECT_EQ(StageScroll, 99.0f);
}

TEST_F(WindowProcTest, EscShutsDownOnceAndALaterCloseDoesNotShutDownAgain) {
    KeyDown(VK_ESCAPE);
    EXPECT_EQ(elSystem::State.shutdownDone, 1);
    EXPECT_EQ(elSystem::State.closeState, elSystem::kCloseDone);
    EXPECT_EQ(WaitTable[1] - static_cast<int>(timeGetTime()), 1000);
    // Esc again (a held key repeats) and a close from outside: no second shutdown, one close posted.
    KeyDown(VK_ESCAPE);
    headless::RequestClose();
    int closes = 0;
    EXPECT_TRUE(DrainQueue(&closes));
    EXPECT_EQ(closes, 2);  // the shutdown's own close and the one from outside
    EXPECT_TRUE(headless::WindowDestroyed(window));
}

TEST_F(WindowProcTest, CloseFromOutsideShutsDownAndDestroysTheWindow) {
    Send(WM_CLOSE);
    EXPECT_EQ(elSystem::State.shutdownDone, 1);
    EXPECT_EQ(elSystem::State.closeState, elSystem::kCloseDone);
    EXPECT_TRUE(headless::WindowDestroyed(window));
    int closes = 0;
    EXPECT_TRUE(DrainQueue(&closes));
    EXPECT_EQ(closes, 0);  // a close already under way posts no other
}

TEST_F(WindowProcTest, SystemKeysAreSwallowedByMode) {
    elSystem::SetSysKeyMode(0);
    EXPECT_EQ(Send(WM_SYSKEYDOWN, 'X'), 0);
    EXPECT_EQ(LastKey, 0);
    elSystem::SetSysKeyMode(2);
    Send(WM_SYSKEYDOWN, VK_MENU);
    EXPECT_EQ(LastKey, 0);
    Send(WM_SYSKEYDOWN, 'X');
    EXPECT_EQ(LastKey, 'X');
    elSystem::SetSysKeyMode(1);
    Send(WM_SYSKEYDOWN, VK_MENU);
    EXPECT_EQ(LastKey, VK_MENU);
}

TEST_F(WindowProcTest, ActivationStoresTheFlagAndResetsTheFrameClock) {
    headless::AdvanceClock(5000000);
    FrameTime = 1.5f;
    Send(WM_ACTIVATEAPP, 1);
    EXPECT_EQ(elSystem::State.active, 1);
    EXPECT_EQ(FrameTime, 0.0f);
    EXPECT_EQ(elSystem::Clock.lastDueMillisecond, timeGetTime());
    elSystem::State.cursorShown = 0;
    int count = headless::CursorShowCount();
    Send(WM_ACTIVATEAPP, 0);
    EXPECT_EQ(elSystem::State.active, 0);
    EXPECT_EQ(elSystem::State.cursorShown, 1);
    EXPECT_EQ(headless::CursorShowCount(), count + 1);
}

TEST_F(WindowProcTest, CursorIsHiddenAndScreenSaverRefusedInFullScreen) {
    EXPECT_EQ(Send(WM_SETCURSOR), 1);
    EXPECT_TRUE(headless::CursorHidden());
    EXPECT_EQ(Send(WM_SYSCOMMAND, SC_SCREENSAVE | 0x3), 0);
}

TEST_F(WindowProcTest, MoveStoresTheSignedOriginAndTheWindowRectangle) {
    elSystem::State.screenWidth = 800;
    elSystem::State.screenHeight = 600;
    Send(WM_MOVE, 0, MAKELPARAM(-5, 10));
    EXPECT_EQ(elSystem::State.windowOrigin.x, -5);
    EXPECT_EQ(elSystem::State.windowOrigin.y, 10);
    EXPECT_EQ(elSystem::State.windowRect.right, 795);
    EXPECT_EQ(elSystem::State.windowRect.bottom, 610);
}

TEST_F(WindowProcTest, LeftReleaseClearsWaitSlotZero) {
    WaitTable[0] = 5;
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(WaitTable[0], 0);
    EXPECT_EQ(MouseState.buttonState, 0);
    // Releasing the left button leaves a right-button state alone.
    Send(WM_RBUTTONDOWN);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(MouseState.buttonState, 2);
}

}  // namespace
