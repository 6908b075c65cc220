// Starts the real program's window and data, then jumps straight to a scene given on the command
// line and runs the loop as the program does, so that a screenshot can show scenes the title does
// not reach by itself.
// Usage: scene_driver <scene number> [timeline value] [J]
//        scene_driver 3 <stage clock> [boss clock] [boss health] [attack count]
//        scene_driver 5 <stage clock> [boss health] [attack clock]
//        scene_driver pacing [milliseconds of work a frame] [busy|sleep]
// Scene 2 starts as the title starts a game (with J: as its invincible start). Stage B (scene 3) jumps
// before its first frame, as a game from the title would reach it. "pacing" runs the first stage,
// invincible, with the given extra work (busy on the processor, or asleep) before each frame; a stand-in
// frame (the work, the vertical-blank wait, the present) serves where there is no stage.
// Stage C (scene 5) starts with the play flags of a title game and an invincible ship (no continue prompt
// covers the patterns); the boss health and attack clock, when given, are set with the jump, boss C is
// held where its path rests at the top of the field.
// Scripts time their screenshots by the game's own clocks, never by the wall clock: from the jump on (from
// the first frame where nothing is jumped), every frame a scene runs prints a line
//   frame <n> time <t> stage <s> clock <c>
// the frames and the seconds of frame time the scenes have run since the jump, the scene's own clock (the
// stages' scroll, the ending's timeline) and the attack clock of the boss of the stage (0 elsewhere).
// "started" is printed first, when the program's data are loaded and its loop begins.
// With QV_HOLD_AT="<name> <value>" (a name of that line: time, stage or clock), the first frame at which
// the value has reached <value> stays on the screen: "held" is printed and no scene runs after it, while
// the loop goes on (Esc still ends the program), so that a screenshot taken however late shows that frame.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/sdl/font_discovery.h"
#include "platform/system.h"
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

struct PacingWork {
    long long ticks;
    bool busy;
};
constinit PacingWork gPacing = {};
// The first stage's own frame, run after the extra work; none while there is no stage.
constinit SceneFunction gStage = nullptr;

long long Ticks() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

void PacingScene() {
    const long long start = Ticks();
    if (gStage == nullptr) elDraw::ClearBackBuffer();
    if (gPacing.busy) {
        volatile unsigned spin = 0;
        while (Ticks() - start < gPacing.ticks) spin = spin * 1103515245u + 12345u;
    } else {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        Sleep(static_cast<DWORD>(gPacing.ticks * 1000 / frequency.QuadPart));
    }
    if (gStage != nullptr) {
        gStage();
        return;
    }
    elDraw::SetWaitVBlank(1);
    elDraw::Present();
}

void SetUpPacing(int argc, char** argv) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    const double workMs = argc > 2 ? std::atof(argv[2]) : 3.0;
    gPacing.ticks = static_cast<long long>(workMs * static_cast<double>(frequency.QuadPart) / 1000.0);
    gPacing.busy = !(argc > 3 && std::strcmp(argv[3], "sleep") == 0);
    gStage = SceneTable[kSceneStageA];
    SceneTable[kSceneStageA] = PacingScene;
}

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

// The frame lines: the scenes of the program's table run through a reporting stand-in each.
struct FrameReport {
    bool on;
    int frames;
    double seconds;
    // QV_HOLD_AT: the value (0 none, 1 time, 2 stage, 3 clock) and the mark; held once it was reached.
    int holdValue;
    double holdMark;
    bool held;
};
constinit FrameReport gReport = {};
// The program's own scene functions, each run through ReportedScene<its number>.
constinit SceneFunction gScenes[kSceneTableSize] = {};

void ReadHold() {
    const char* hold = std::getenv("QV_HOLD_AT");
    if (hold == nullptr) return;
    char name[16] = {};
    double mark = 0.0;
    if (std::sscanf(hold, "%15s %lf", name, &mark) != 2) return;
    constexpr const char* kNames[] = {"time", "stage", "clock"};
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        if (std::strcmp(name, kNames[i]) == 0) gReport.holdValue = static_cast<int>(i) + 1;
    }
    gReport.holdMark = mark;
}

int AttackClock() {
    switch (SceneNumber) {
        case kSceneStageA:
            return BossAAttackClock;
        case kSceneStageB:
            return BossBAttackTimer;
        case kSceneStageC:
            return BossCAttackClock;
        default:
            return 0;
    }
}

template <std::size_t Scene>
void ReportedScene() {
    if (gReport.held) return;
    gScenes[Scene]();
    if (!gReport.on) return;
    gReport.frames += 1;
    gReport.seconds += FrameTime;
    const double values[] = {gReport.seconds, StageScroll, static_cast<double>(AttackClock())};
    std::printf("frame %d time %.3f stage %.2f clock %d\n", gReport.frames, values[0], values[1],
                static_cast<int>(values[2]));
    if (gReport.holdValue != 0 && values[gReport.holdValue - 1] >= gReport.holdMark) {
        gReport.held = true;
        std::printf("held\n");
    }
    std::fflush(stdout);
}

template <std::size_t... Scene>
void ReportScenes(std::index_sequence<Scene...>) {
    constexpr SceneFunction kReported[] = {ReportedScene<Scene>...};
    for (std::size_t i = 0; i < kSceneTableSize; ++i) {
        gScenes[i] = SceneTable[i];
        if (SceneTable[i] != nullptr) SceneTable[i] = kReported[i];
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool pacing = argc > 1 && std::strcmp(argv[1], "pacing") == 0;
    const int scene = pacing ? kSceneStageA : argc > 1 ? std::atoi(argv[1]) : kSceneTitle;
    if (pacing) {
        SetUpPacing(argc, argv);
    } else {
        ReportScenes(std::make_index_sequence<kSceneTableSize>{});
        ReadHold();
    }
    // As the real program's entry does.
    sdl_backend::StartFontDiscovery();
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
        // The pacing run plays on without a death: a continue prompt would stop the presents.
        Invincible = pacing || (argc > 3 && std::strcmp(argv[3], "J") == 0) ? 1 : 0;
        Difficulty = 1;
        ScoringMode[0] = 1;
        ScoringMode[1] = 0;
    }
    if (scene == kSceneStageC) StartAsATitleGame();
    SceneNumber = scene;
    if (scene == kSceneStageB) JumpIntoStageB(argc, argv);
    PreviousScene = 0;
    elSystem::ResetFrameClock();
    // As the entry does, so that the first frame's time is not the time since the clock began.
    LastIdleTime = timeGetTime();
    // Stage B jumps before its first frame; the other scenes jump once it has run.
    const bool jumpsLater = !pacing && argc > 2 && scene != kSceneStageB;
    gReport.on = !pacing && !jumpsLater;
    int exitCode = 0;
    bool holdBossC = false;
    std::printf("started\n");
    std::fflush(stdout);
    while (RunLoopPass(&exitCode)) {
        if (holdBossC) BossCRecord.clock = kRestBeforeSway;
        // Stage C keeps no frame counter: its clock shows that its first frame ran.
        const bool started = StageFrameCounter >= 1 || (scene == kSceneStageC && StageScroll > 0.0f);
        if (jumpsLater && started && !gReport.on) {
            // Jump along the scene's own clock once its first frame has run.
            StageScroll = static_cast<float>(std::atof(argv[2]));
            if (scene == kSceneStageC && argc > 3) {
                PlaceBossC(argv, argc);
                holdBossC = true;
            }
            gReport.on = true;
        }
    }
    return exitCode;
}
