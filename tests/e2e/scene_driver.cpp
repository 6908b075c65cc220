// Starts the real program's window and data, then jumps straight to a scene given on the command
// line and runs the loop as the program does, so that a screenshot can show scenes the title does
// not reach by itself. Usage: scene_driver <scene number> [timeline value]
// Stage B (scene 3) jumps before its first frame, as a game from the title would reach it:
//   scene_driver 3 <stage clock> [boss clock] [boss health] [attack count]
#include <cstdlib>

#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/stage_b/stage_b_entities.h"
#include "platform/window.h"

namespace {

// The title's game settings (its invincible start, so that no continue prompt stops the stage), then the
// stage and boss clocks, the boss's health and its attack count where given.
void JumpIntoStageB(int argc, char** argv) {
    BackgroundOff = 0;
    MouseShip = 0;
    ShipVisible = 1;
    BlendEffects = 1;
    Invincible = 1;
    Difficulty = 1;
    ScoringMode[0] = 1;
    ScoringMode[1] = 0;
    WeaponType = 1;
    if (argc > 2) StageScroll = static_cast<float>(std::atof(argv[2]));
    if (argc > 3) BossB.clock = static_cast<float>(std::atof(argv[3]));
    if (argc > 4) BossB.health = static_cast<float>(std::atof(argv[4]));
    if (argc > 5) BossBAttackTimer = std::atoi(argv[5]);
}

}  // namespace

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
    SceneNumber = scene;
    if (scene == kSceneStageB) JumpIntoStageB(argc, argv);
    PreviousScene = 0;
    elSystem::ResetFrameClock();
    int exitCode = 0;
    while (RunLoopPass(&exitCode)) {
        if (argc > 2 && scene != kSceneStageB && StageFrameCounter >= 1) {
            // Jump along the scene's own clock once its first frame has run.
            static bool jumped = false;
            if (!jumped) StageScroll = static_cast<float>(std::atof(argv[2]));
            jumped = true;
        }
    }
    return exitCode;
}
