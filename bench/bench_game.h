// The game as the program has it after start-up, on the headless display, for the frame benchmarks.
#pragma once

#include <string>

#include "engine/elSystem.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "platform/window.h"

inline void StartLoadedGame() {
    headless::Reset();
    headless::SetModuleFileName(std::string(QV_DATA_DIR) + "game800");
    elSystem::InitState();
    WNDCLASSA wc{};
    wc.lpfnWndProc = elSystem::WindowProc;
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
    elSystem::State.mainWindow = CreateWindowExA(0, kWindowClass, kWindowTitle, WS_POPUP, 0, 0, 800, 600,
                                                 nullptr, nullptr, nullptr, nullptr);
    LoadAllAssets();
}
