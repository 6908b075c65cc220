// A fresh process whose program folder holds the generated data files, with a window, ready to load
// every asset the way the program does.
#pragma once

#include <string>

#include "engine/elSystem.h"
#include "platform/headless.h"
#include "platform/window.h"
#include "support/fresh_process.h"

class GameTest : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        if (!QV_HAVE_DATA) GTEST_SKIP() << "this build has no generated data files";
    }

    // The window the program would have made, without running the entry.
    void MakeWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = elSystem::WindowProc;
        wc.lpszClassName = "DEFAULT";
        RegisterClassA(&wc);
        elSystem::State.mainWindow = CreateWindowExA(0, "DEFAULT", "QUENDRAVOLT", WS_POPUP, 0, 0, 800, 600,
                                                     nullptr, nullptr, nullptr, nullptr);
    }
};
