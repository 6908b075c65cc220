// Starts the real program's window and data, then jumps straight to a scene given on the command
// line and runs the loop as the program does, so that a screenshot can show scenes the title does
// not reach by itself. Usage: scene_driver <scene number> [timeline value] [J]
// Scene 2 starts as the title starts a game (with J: as its invincible start).
#include <cstdlib>
#include <cstring>

#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"
#include "platform/window.h"

int main(int argc, char** argv) {
    const int scene = argc > 1 ? std::atoi(argv[1]) : kSceneTitle;
    elSystem::InitState();
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = elSystem::WindowProc;
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, kWindowClass, kWindowTitle, WS_POPUP | WS_SYSMENU, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                  nullptr, nullptr, nullptr);
    if (window == nullptr) return 1;
    elSystem::State.mainWindow = window;
    ShowWindow(window, SW_SHOWNORMAL);
    LoadAllAssets();
    if (scene == kSceneStageA) {
        // The title's first frame and its game start.
        BackgroundOff = 0;
        MouseShip = 0;
        ShipVisible = 1;
        BlendEffects = 1;
        WeaponType = 1;
        InitNewGame();
        ResetGameStateA();
        ResetGameStateB();
        Invincible = argc > 3 && std::strcmp(argv[3], "J") == 0 ? 1 : 0;
        Difficulty = 1;
        ScoringMode[0] = 1;
        ScoringMode[1] = 0;
    }
    SceneNumber = scene;
    PreviousScene = 0;
    elSystem::ResetFrameClock();
    int exitCode = 0;
    while (RunLoopPass(&exitCode)) {
        if (argc > 2 && StageFrameCounter >= 1) {
            // Jump along the scene's own clock once its first frame has run.
            static bool jumped = false;
            if (!jumped) StageScroll = static_cast<float>(std::atof(argv[2]));
            jumped = true;
        }
    }
    return exitCode;
}
