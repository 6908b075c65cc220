#include <cstring>

#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a.h"
#include "platform/entry.h"
#include "platform/system.h"
#include "platform/window.h"

namespace {

constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_SYSMENU;

constinit char gCommandLine[kCommandLineSize] = {};
constinit POINT gLastMouse = {};

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = kClassStyle;
    wc.lpfnWndProc = elSystem::WindowProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "MAIN");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = GetStockBrush(BLACK_BRUSH);
    wc.lpszMenuName = kWindowClass;
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
}

// Runs the current scene when a frame is due. Returns whether a scene function ran.
bool RunSceneStep() {
    if (Transition.direction == 1) {
        // An opening transition runs by itself and then hands over to the scene it was started for.
        elDraw::Present();
        if (Transition.step == 0) SceneNumber = PendingScene;
        return false;
    }
    SceneFunction scene = SceneFunctionFor(SceneNumber);
    if (scene == nullptr) return false;
    if (!elSystem::FrameDue()) return false;
    scene();
    return true;
}

}  // namespace

void OnProgramKey(int key) {
    switch (key) {
        case 'S':
            if (!ContinueShown) Frozen = Frozen == 0 ? 1 : 0;
            break;
        case 'T':
            // Back to the title's first frame, without a transition; the game's entities stay as they are.
            elSound::CloseMidi();
            ResetTitleFlags();
            SceneNumber = kSceneTitle;
            PreviousScene = 0;
            break;
        default:
            break;
    }
}

constinit DWORD LastIdleTime = 0;

// Scene numbers without a function run nothing; the loop still pumps messages for them.
constinit SceneFunction SceneTable[kSceneTableSize] = {nullptr, RunTitleScene, RunStageA,     RunStageB,
                                                       nullptr, RunStageC,     nullptr,       nullptr,
                                                       nullptr, nullptr,       RunEndingScene};

SceneFunction SceneFunctionFor(int scene) {
    switch (scene) {
        case kSceneTitle:
        case kSceneStageA:
        case kSceneStageB:
        case kSceneStageC:
        case kSceneEnding:
            return SceneTable[scene];
        default:
            return nullptr;
    }
}

bool RunLoopPass(int* exitCode) {
    MSG msg{};
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            *exitCode = 0;
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return true;
    }
    if (!elSystem::State.active) {
        WaitMessage();
        return true;
    }
    const DWORD now = timeGetTime();
    FrameTime = static_cast<float>(static_cast<std::uint32_t>(now - LastIdleTime)) / 1000.0f;
    LastIdleTime = now;
    if (PreviousScene == 0 && SceneNumber != 0) {
        SceneFirstFrame = 1;
        PreviousScene = SceneNumber;
    }
    const bool ran = RunSceneStep();
    if (SceneNumber != PreviousScene) {
        SceneFirstFrame = 1;
    } else if (ran) {
        SceneFirstFrame = 0;
    }
    PreviousScene = SceneNumber;
    MouseButtons.leftClick[0] = MouseButtons.leftClick[1] = 0;
    MouseButtons.rightClick[0] = MouseButtons.rightClick[1] = 0;
    gLastMouse = POINT{MouseState.x, MouseState.y};
    return true;
}

int WinMain(HINSTANCE instance, HINSTANCE, char* commandLine, int showCommand) {
    elSystem::InitState();
    if (!elSystem::CheckSingleInstance(kWindowTitle)) return 0;
    std::strncpy(gCommandLine, commandLine != nullptr ? commandLine : "", sizeof gCommandLine - 1);
    gCommandLine[sizeof gCommandLine - 1] = '\0';

    RegisterWindowClass(instance);
    HWND window =
        CreateWindowExA(0, kWindowClass, kWindowTitle, kFullScreenStyle, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 0;
    elSystem::State.mainWindow = window;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    elSystem::State.instance = instance;

    crt::srand(static_cast<unsigned int>(crt::time(nullptr)));
    elSystem::EnableIme(0);
    LoadAllAssets();
    elSystem::ResetFrameClock();
    LastIdleTime = timeGetTime();

    int exitCode = 0;
    while (RunLoopPass(&exitCode)) {
    }
    return exitCode;
}
