// The test backend: every clock reads one virtual clock, input comes from the tests, and what the
// program shows or asks of the system is recorded for them to read back.
#include <cstring>

#include "platform/common/module_path.h"
#include "platform/common/sequencer.h"
#include "platform/common/window_table.h"
#include "platform/headless.h"
#include "platform/headless_devices.h"
#include "platform/headless_text.h"
#include "platform/system.h"
#include "platform/window.h"

struct Handle {
    bool used;
    bool owner;
    char name[2048];
};

namespace headless_display {
void Reset();  // headless_draw.cpp
}

namespace {

constexpr std::uint64_t kDefaultIdleStepMicros = 1000;
constexpr int kMaxHandles = 8;

struct State {
    std::uint64_t nowMicros = 0;
    std::uint64_t idleStepMicros = kDefaultIdleStepMicros;
    std::function<void()> idleHook;
    DWORD timeBase = 0;
    std::int32_t tickOffset = 0;
    std::int64_t counterOffset = 0;
    bool counterAvailable = true;
    UINT periodMin = 1;
    int periodDepth = 0;
    long long timeOfDay = 0;
    std::vector<headless::MessageBoxRecord> boxes;
    int beeps = 0;
    std::string otherMutex;
    std::string otherClass;
    std::string otherTitle;
    int foregroundRequests = 0;
    bool clipped = false;
    int cursorCount = 0;
    bool cursorHidden = false;
    bool active = false;
    DWORD lastError = 0;
    Handle handles[kMaxHandles] = {};
    bool inIdleHook = false;
    LONGLONG lastPeekDeadline = -1;
};

State& S() {
    static State state;
    return state;
}

// A window of the simulated other copy.
constinit int gOtherWindowTag = 0;
Window* OtherWindow() {
    return reinterpret_cast<Window*>(&gOtherWindowTag);
}

void Idle() {
    State& s = S();
    s.nowMicros += s.idleStepMicros;
    if (s.idleHook && !s.inIdleHook) {
        s.inIdleHook = true;
        s.idleHook();
        s.inIdleHook = false;
    }
}

Window* Target() {
    return platform_common::FirstLiveWindow();
}

void PostKey(int vk, bool down) {
    Window* w = Target();
    bool wasDown = platform_common::KeyIsDown(vk);
    platform_common::SetKeyDown(vk, down);
    if (w == nullptr) return;
    UINT message = vk == VK_MENU ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    PostMessageA(w, message, static_cast<WPARAM>(vk),
                 platform_common::KeyLParam(0, false, down ? wasDown : true, !down));
}

}  // namespace

namespace headless {

void Reset() {
    State& s = S();
    s = State{};
    headless_display::Reset();
    platform_common::ResetWindowsAndQueue();
    platform_common::SetModulePathOverride("");
    ResetDevices();
    ResetText();
}

std::uint64_t NowMicroseconds() {
    return S().nowMicros;
}
void AdvanceClock(std::uint64_t microseconds) {
    S().nowMicros += microseconds;
}
void SetIdleStep(std::uint64_t microseconds) {
    S().idleStepMicros = microseconds;
}
LONGLONG LastPeekWaitDeadline() {
    return S().lastPeekDeadline;
}
void SetIdleHook(std::function<void()> hook) {
    S().idleHook = std::move(hook);
}
void SetTimeGetTimeBase(DWORD milliseconds) {
    S().timeBase = milliseconds;
}
void SetTickCountOffset(std::int32_t milliseconds) {
    S().tickOffset = milliseconds;
}
void SetPerformanceCounterOffset(std::int64_t ticks) {
    S().counterOffset = ticks;
}
void SetPerformanceCounterAvailable(bool available) {
    S().counterAvailable = available;
}
void SetTimerPeriodMin(UINT periodMin) {
    S().periodMin = periodMin;
}
int TimerPeriodDepth() {
    return S().periodDepth;
}
void SetTime(long long seconds) {
    S().timeOfDay = seconds;
}

void PressKey(int virtualKey) {
    PostKey(virtualKey, true);
}
void ReleaseKey(int virtualKey) {
    PostKey(virtualKey, false);
}

void MoveMouse(int x, int y) {
    Window* w = Target();
    if (w == nullptr || platform_common::MergeMouseMove(w, 0, MAKELPARAM(x, y))) return;
    PostMessageA(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), 0);
    PostMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void PressMouse(int button, bool doubleClick) {
    platform_common::SetKeyDown(button == 1 ? VK_LBUTTON : VK_RBUTTON, true);
    Window* w = Target();
    if (w == nullptr) return;
    bool dbl = doubleClick && (w->classStyle & CS_DBLCLKS) != 0;
    UINT message =
        button == 1 ? (dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : (dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN);
    PostMessageA(w, message, 0, 0);
}

void ReleaseMouse(int button) {
    platform_common::SetKeyDown(button == 1 ? VK_LBUTTON : VK_RBUTTON, false);
    if (Window* w = Target()) PostMessageA(w, button == 1 ? WM_LBUTTONUP : WM_RBUTTONUP, 0, 0);
}

void SetActive(bool active) {
    S().active = active;
    if (Window* w = Target()) PostMessageA(w, WM_ACTIVATEAPP, active ? 1 : 0, 0);
}

void RequestClose() {
    if (Window* w = Target()) PostMessageA(w, WM_CLOSE, 0, 0);
}

HWND MainWindow() {
    return Target();
}

bool WindowShown(HWND window) {
    Window* w = platform_common::LiveWindow(window);
    return w != nullptr && w->visible;
}

bool WindowDestroyed(HWND window) {
    return window != nullptr && platform_common::LiveWindow(window) == nullptr;
}

const std::vector<MessageBoxRecord>& MessageBoxes() {
    return S().boxes;
}
int BeepCount() {
    return S().beeps;
}

void SetModuleFileName(const std::string& path) {
    platform_common::SetModulePathOverride(path.c_str());
}

void SimulateOtherInstance(const std::string& mutexName, const std::string& className,
                           const std::string& title) {
    S().otherMutex = mutexName;
    S().otherClass = className;
    S().otherTitle = title;
}

int ForegroundRequests() {
    return S().foregroundRequests;
}
bool CursorClipped() {
    return S().clipped;
}
int CursorShowCount() {
    return S().cursorCount;
}
bool CursorHidden() {
    return S().cursorHidden;
}

}  // namespace headless

namespace backend {

void PumpEvents() {
    platform_common::PollSequencer();
}

void WaitForEvent(int) {
    S().lastPeekDeadline = -1;
    Idle();
}

bool WaitForEventUntil(LONGLONG counter) {
    S().lastPeekDeadline = counter;
    Idle();
    return true;
}

bool CreateNativeWindow(Window*) {
    return true;
}
void DestroyNativeWindow(Window*) {}

}  // namespace backend

// Clocks: the counter runs at 1 MHz; the millisecond clocks are 32-bit and wrap.
BOOL QueryPerformanceCounter(LARGE_INTEGER* count) {
    if (count == nullptr || !S().counterAvailable) return FALSE;
    count->QuadPart = static_cast<LONGLONG>(S().nowMicros) + S().counterOffset;
    return TRUE;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
    if (frequency == nullptr || !S().counterAvailable) return FALSE;
    frequency->QuadPart = 1000000;
    return TRUE;
}

DWORD timeGetTime() {
    return S().timeBase + static_cast<DWORD>(S().nowMicros / 1000);
}
DWORD GetTickCount() {
    return timeGetTime() + static_cast<DWORD>(S().tickOffset);
}

MMRESULT timeGetDevCaps(TIMECAPS* caps, UINT size) {
    if (caps == nullptr || size < sizeof(TIMECAPS)) return TIMERR_NOCANDO;
    caps->wPeriodMin = S().periodMin;
    caps->wPeriodMax = 1000000;
    return TIMERR_NOERROR;
}

MMRESULT timeBeginPeriod(UINT period) {
    if (period == 0) return TIMERR_NOCANDO;
    ++S().periodDepth;
    return TIMERR_NOERROR;
}

MMRESULT timeEndPeriod(UINT period) {
    if (period == 0) return TIMERR_NOCANDO;
    --S().periodDepth;
    return TIMERR_NOERROR;
}

void Sleep(DWORD milliseconds) {
    S().nowMicros += static_cast<std::uint64_t>(milliseconds) * 1000;
}

namespace crt {
long long time(long long* out) {
    if (out != nullptr) *out = S().timeOfDay;
    return S().timeOfDay;
}
}  // namespace crt

HANDLE CreateMutexA(void*, BOOL, const char* name) {
    State& s = S();
    if (name == nullptr) name = "";
    bool exists = s.otherMutex == name;
    for (const Handle& h : s.handles) {
        if (h.used && h.owner && std::strcmp(h.name, name) == 0) exists = true;
    }
    for (Handle& h : s.handles) {
        if (h.used) continue;
        h = Handle{};
        h.used = true;
        h.owner = !exists;
        platform_common::CopyText(h.name, sizeof h.name, name);
        s.lastError = exists ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS;
        return &h;
    }
    s.lastError = 4;
    return nullptr;
}

BOOL ReleaseMutex(HANDLE mutex) {
    for (Handle& h : S().handles) {
        if (&h != mutex || !h.used) continue;
        h.owner = false;
        return TRUE;
    }
    return FALSE;
}

BOOL CloseHandle(HANDLE handle) {
    if (!ReleaseMutex(handle)) return FALSE;
    handle->used = false;
    return TRUE;
}

DWORD GetLastError() {
    return S().lastError;
}

HWND FindWindowA(const char* className, const char* title) {
    if (HWND local = platform_common::FindLocalWindow(className, title)) return local;
    State& s = S();
    bool classMatches = className == nullptr || s.otherClass == className;
    bool titleMatches = title == nullptr || s.otherTitle == title;
    if (!s.otherMutex.empty() && classMatches && titleMatches) return OtherWindow();
    return nullptr;
}

BOOL SetForegroundWindow(HWND window) {
    if (window == OtherWindow()) {
        ++S().foregroundRequests;
        return TRUE;
    }
    return platform_common::LiveWindow(window) != nullptr ? TRUE : FALSE;
}

BOOL ShowWindow(HWND window, int command) {
    Window* w = platform_common::LiveWindow(window);
    if (w == nullptr) return FALSE;
    bool was = w->visible;
    w->visible = command != SW_HIDE;
    if (w->visible && !S().active) {
        S().active = true;
        PostMessageA(w, WM_ACTIVATEAPP, 1, 0);
    }
    return was;
}

BOOL UpdateWindow(HWND window) {
    return platform_common::LiveWindow(window) != nullptr ? TRUE : FALSE;
}
BOOL SetWindowPos(HWND window, HWND, int, int, int, int, UINT) {
    return UpdateWindow(window);
}

int GetSystemMetrics(int index) {
    constexpr int kScreenWidth = 1920;
    constexpr int kScreenHeight = 1080;
    return index == SM_CXSCREEN ? kScreenWidth : index == SM_CYSCREEN ? kScreenHeight : 0;
}

HCURSOR SetCursor(HCURSOR cursor) {
    S().cursorHidden = cursor == nullptr;
    return nullptr;
}

int ShowCursor(BOOL show) {
    return S().cursorCount += show ? 1 : -1;
}

BOOL ClipCursor(const RECT* rect) {
    S().clipped = rect != nullptr;
    return TRUE;
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    *point = POINT{0, 0};
    return TRUE;
}

int MessageBoxA(HWND, const char* text, const char* caption, UINT type) {
    S().boxes.push_back(headless::MessageBoxRecord{text ? text : "", caption ? caption : "", type});
    return IDOK;
}

BOOL MessageBeep(UINT) {
    ++S().beeps;
    return TRUE;
}
