#include <cstdio>
#include <cstdlib>

#include "engine/elDraw.h"
#include "engine/elInput.h"
#include "engine/elSystem.h"
#include "platform/system.h"
#include "platform/window.h"

// Every engine global has a constant initialiser, so no other file's static initialisation can run
// before these values are in place.
constinit float FrameTime = 0.0f;
constinit int FullScreen = 1;
constinit int LastKey = 0;
constinit int LastKeyCopy = 0;
constinit int SceneNumber = 0;
constinit int PreviousScene = 0;
constinit int SceneFirstFrame = 0;
constinit int PendingScene = 0;
constinit int BlinkPhase = 1;
constinit MouseStateRecord MouseState = {};
constinit MouseButtonsRecord MouseButtons = {};
constinit int WaitTable[kWaitSlots] = {};

namespace elSystem {

constinit EngineState State = {};

namespace {
constexpr DWORD kBlinkPeriodMs = 1000;
constexpr unsigned kTimerPeriodMs = 1;
constexpr int kDefaultFrameRate = 60;
}  // namespace

void InitState() {
    FrameTime = 0.0f;
    State.mainWindow = nullptr;
    State.dialogWindow = nullptr;
    MouseState = MouseStateRecord{};
    MouseButtons = MouseButtonsRecord{};
    LastKey = 0;
    LastKeyCopy = 0;
    State.capturedKey = 0;
    State.keyCapture = 0;
    State.sysKeyMode = 0;
    State.closeState = kCloseRunning;
    State.active = 0;
    SceneNumber = 0;
    PreviousScene = 0;
    PendingScene = 0;
    State.cursorClipped = 0;
    State.windowed = 0;
    FullScreen = 1;
    BlinkPhase = 1;
    State.blinkNextToggle = timeGetTime() + kBlinkPeriodMs;
    State.cursorShown = 1;
    Clock.lastDueMillisecond = timeGetTime();
}

void SetActive(int active) {
    State.active = active;
}

int CheckSingleInstance(const char* title) {
    if (title == nullptr) title = "";
    // A title too long for the name buffer is cut, never overrun.
    FormatBounded(State.mutexName, sizeof State.mutexName, "%s:ElMutex", title);
    State.mutex = CreateMutexA(nullptr, TRUE, State.mutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        SetForegroundWindow(FindWindowA("DEFAULT", title));
        // Whoever started this copy learns why it ends at once.
        std::fprintf(stderr, "%s is already running; its window has been brought to the front.\n", title);
        return 0;
    }
    return 1;
}

BOOL EnableIme(int on) {
    State.imeEnabled = on;
    return WINNLSEnableIME(nullptr, on);
}

int Start() {
    for (int i = 1; i <= 11; ++i) WaitTable[i] = kWaitIdle;
    elInput::EndKeyCapture();
    SetSysKeyMode(0);
    if (FullScreen) ClipCursorToWindow();
    return 1;
}

void SetSysKeyMode(int mode) {
    State.sysKeyMode = mode;
}

void ClipCursorToRect(int left, int top, int right, int bottom) {
    RECT r{left, top, right, bottom};
    ClipCursor(&r);
    State.cursorClipped = 1;
}

void ClipCursorToWindow() {
    if (FullScreen) {
        ClipCursorToRect(0, 0, State.screenWidth, State.screenHeight);
    } else {
        ClipCursorToRect(State.windowRect.left, State.windowRect.top, State.windowRect.right,
                         State.windowRect.bottom);
    }
}

void UnclipCursor() {
    ClipCursor(nullptr);
    State.cursorClipped = 0;
}

void ReleaseCursorClip() {
    UnclipCursor();
}

int IsCursorClipped() {
    return State.cursorClipped;
}

void StaticInit() {
    timeBeginPeriod(kTimerPeriodMs);
    SetFrameRate(kDefaultFrameRate);
    SetFrameWait(1);
    elDraw::SetWaitVBlank(0);
    std::atexit(StaticExit);
}

void StaticExit() {
    timeEndPeriod(kTimerPeriodMs);
}

namespace {
// Runs before the program entry. It lives here, beside InitState, so that every program that starts
// the engine also links it.
struct StaticInitialiser {
    StaticInitialiser() { StaticInit(); }
};
StaticInitialiser gStaticInitialiser;
}  // namespace

}  // namespace elSystem
