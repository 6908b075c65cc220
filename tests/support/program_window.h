// The program's main window as its entry opens it: the game's class and title at the build's screen
// size, shown, with the focus.
#pragma once

#include "build_config.h"
#include "engine/elSystem.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "platform/window.h"

inline void OpenProgramWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = elSystem::WindowProc;
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
    elSystem::State.mainWindow =
        CreateWindowExA(0, kWindowClass, kWindowTitle, WS_POPUP, 0, 0, build::kScreenWidth,
                        build::kScreenHeight, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(elSystem::State.mainWindow, SW_SHOWNORMAL);
    headless::SetActive(true);
}
