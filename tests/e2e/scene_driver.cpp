// Starts the real program's window and data, then jumps straight to a scene given on the command
// line and runs the loop as the program does, so that a screenshot can show scenes the title does
// not reach by itself. Usage: scene_driver <scene number> [timeline value] [boss health] [attack clock]
// Stage C (scene 5) starts with the play flags of a title game and an invincible ship (no continue prompt
// covers the patterns); the boss health and attack clock, when given, are set with the jump, boss C is
// held where its path rests at the top of the field, and each new value of its attack clock is printed
// ("clock n") for scripts to time their screenshots by.
#include <cstdio>
#include <cstdlib>

#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/window.h"

namespace {

// Boss C is held in the rest before its first sway, in place at the top of the field.
constexpr float kRestBeforeSway = 141.0f;

// Boss C at rest with the given health and attack clock.
void PlaceBossC(char** argv, int argc) {
    BossCRecord.clock = kRestBeforeSway;
    BossCRecord.y = 0.0f;
    BossCRecord.health = static_cast<float>(std::atof(argv[3]));
    if (argc > 4) BossCAttackClock = std::atoi(argv[4]);
}

// The flags a game started from the title plays with.
void StartAsATitleGame() {
    WeaponType = 1;
    Difficulty = 1;
    ScoringMode[0] = 1;
    ScoringMode[1] = 0;
    ShipVisible = 1;
    BlendEffects = 1;
    BackgroundOff = 0;
    Invincible = 1;
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
    if (scene == kSceneStageC) StartAsATitleGame();
    SceneNumber = scene;
    PreviousScene = 0;
    elSystem::ResetFrameClock();
    int exitCode = 0;
    bool holdBossC = false;
    int reportedClock = -1;
    while (RunLoopPass(&exitCode)) {
        if (holdBossC) {
            BossCRecord.clock = kRestBeforeSway;
            if (BossCAttackClock != reportedClock) {
                reportedClock = BossCAttackClock;
                std::printf("clock %d\n", reportedClock);
                std::fflush(stdout);
            }
        }
        // Stage C keeps no frame counter: its clock shows that its first frame ran.
        if (argc > 2 && (StageFrameCounter >= 1 || (scene == kSceneStageC && StageScroll > 0.0f))) {
            // Jump along the scene's own clock once its first frame has run.
            static bool jumped = false;
            if (!jumped) {
                StageScroll = static_cast<float>(std::atof(argv[2]));
                if (scene == kSceneStageC && argc > 3) {
                    PlaceBossC(argv, argc);
                    holdBossC = true;
                }
                // Scripts time their screenshots from here.
                std::printf("jumped\n");
                std::fflush(stdout);
            }
            jumped = true;
        }
    }
    return exitCode;
}
