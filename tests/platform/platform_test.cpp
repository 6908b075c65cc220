#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/input.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/window.h"
#include "support/fresh_process.h"

namespace {

using PlatformTest = FreshProcessTest;

TEST_F(PlatformTest, GeneratorGivesTheSameFifteenBitSequenceForASeed) {
    crt::srand(1);
    EXPECT_EQ(crt::rand(), 41);
    EXPECT_EQ(crt::rand(), 18467);
    EXPECT_EQ(crt::rand(), 6334);
    crt::srand(12345);
    for (int i = 0; i < 10000; ++i) {
        int v = crt::rand();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, crt::RAND_MAX_VALUE);
    }
}

TEST_F(PlatformTest, ResourceNamesIgnoreCaseAndTypesStayApart) {
    static const unsigned char kData[] = {1, 2, 3};
    ASSERT_TRUE(RegisterResource("WAVE", "shot.wav", kData, sizeof kData));
    ResourceBlob blob{};
    EXPECT_TRUE(FindResourceBlob("wave", "SHOT.WAV", &blob));
    EXPECT_EQ(blob.size, 3u);
    EXPECT_FALSE(FindResourceBlob(RT_RCDATA_TYPE, "SHOT.WAV", &blob));
    EXPECT_FALSE(FindResourceBlob("WAVE", "SHOT", &blob));
    UnregisterResource("WAVE", "SHOT.WAV");
    EXPECT_FALSE(FindResourceBlob("WAVE", "SHOT.WAV", &blob));
}

TEST_F(PlatformTest, KeyStateHasTheSignBitWhileDownAndToggles) {
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
    headless::PressKey(VK_SHIFT);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x80, 0x80);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 1, 1);
    headless::ReleaseKey(VK_SHIFT);
    EXPECT_EQ(GetKeyState(VK_SHIFT), 1);
    EXPECT_EQ(GetKeyState(-1), 0);
    EXPECT_EQ(GetKeyState(999), 0);
}

TEST_F(PlatformTest, QuitArrivesAfterThePostedMessagesAndOnlyOnce) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "C";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, "C", "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    headless::SetIdleStep(0);
    PostMessageA(w, WM_KEYDOWN, 'A', 0);
    PostQuitMessage(3);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_KEYDOWN);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    // Messages to a destroyed window are refused.
    DestroyWindow(w);
    EXPECT_FALSE(PostMessageA(w, WM_CLOSE, 0, 0));
}

TEST_F(PlatformTest, TruncatedModulePathIsReportedAsFull) {
    headless::SetModuleFileName("/a/b/c/game800");
    char small[8];
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), sizeof small);
    EXPECT_STREQ(small, "/a/b/c/");
    char big[64];
    EXPECT_EQ(GetModuleFileNameA(nullptr, big, sizeof big), 14u);
    EXPECT_STREQ(big, "/a/b/c/game800");
}

}  // namespace

namespace {

TEST_F(PlatformTest, AFloodOfMouseMovesKeepsOnlyTheLatestAndLosesNothingElse) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "M";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, "M", "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    headless::SetIdleStep(0);
    for (int i = 0; i < 5000; ++i) headless::MoveMouse(i % 800, i % 600);
    headless::PressMouse(1);
    headless::MoveMouse(1, 2);
    headless::MoveMouse(3, 4);
    headless::ReleaseKey('A');
    headless::RequestClose();
    std::vector<UINT> seen;
    LPARAM lastMove = 0;
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        seen.push_back(msg.message);
        if (msg.message == WM_MOUSEMOVE) lastMove = msg.lParam;
    }
    const std::vector<UINT> expected = {WM_SETCURSOR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_SETCURSOR,
                                        WM_MOUSEMOVE, WM_KEYUP,     WM_CLOSE};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(lastMove, MAKELPARAM(3, 4));
}

}  // namespace
