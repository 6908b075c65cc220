// Controls of the headless backend, for tests: a virtual clock, scripted input, recorded output.
// Only the headless backend defines these.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"

struct DirectDrawSurface;

namespace headless {

// Back to a fresh process: no windows, empty queue, clock at zero, no records, default switches.
void Reset();

// The virtual clock, in microseconds since the reset. Every clock of the platform reads from it.
std::uint64_t NowMicroseconds();
void AdvanceClock(std::uint64_t microseconds);
// How far the clock moves on each empty poll of the message queue (default 1000, as the real backend
// waits up to 1 ms for an event) and on each wait for a message while nothing is queued.
void SetIdleStep(std::uint64_t microseconds);
// An empty poll moves the clock by the idle step even when the program gave its wait an end
// (SetPeekWaitDeadline), so that runs do not depend on it; this is the end the last such poll was given,
// in performance-counter ticks, or -1 when it had none.
LONGLONG LastPeekWaitDeadline();
// Called on every empty poll of the message queue and every wait for a message, after the clock moved.
// Tests script input here and post Esc to end a run.
void SetIdleHook(std::function<void()> hook);

// Clock faults and choices.
void SetTimeGetTimeBase(DWORD milliseconds);           // timeGetTime() == base + elapsed ms
void SetTickCountOffset(std::int32_t milliseconds);    // GetTickCount() == timeGetTime() + offset
void SetPerformanceCounterOffset(std::int64_t ticks);  // added to every counter reading
void SetPerformanceCounterAvailable(bool available);
void SetTimerPeriodMin(UINT periodMin);  // what timeGetDevCaps reports
int TimerPeriodDepth();                  // timeBeginPeriod calls not yet ended

// crt::time answers this (default 0).
void SetTime(long long seconds);

// Input, posted to the first window created, as the real backend posts it.
void PressKey(int virtualKey);
void ReleaseKey(int virtualKey);
void MoveMouse(int x, int y);
void PressMouse(int button, bool doubleClick = false);  // button 1 left, 2 right
void ReleaseMouse(int button);
void SetActive(bool active);  // posts WM_ACTIVATEAPP
void RequestClose();          // posts WM_CLOSE, as the window's close button does

HWND MainWindow();
bool WindowShown(HWND window);
bool WindowDestroyed(HWND window);

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    UINT type;
};
const std::vector<MessageBoxRecord>& MessageBoxes();
int BeepCount();

// Program path as GetModuleFileNameA reports it; empty restores the real path.
void SetModuleFileName(const std::string& path);

// Another copy of the program: owns the named mutex and shows a window of this class and title.
void SimulateOtherInstance(const std::string& mutexName, const std::string& className,
                           const std::string& title);
int ForegroundRequests();  // SetForegroundWindow calls that reached the other copy's window

bool CursorClipped();
int CursorShowCount();  // the display count ShowCursor maintains
bool CursorHidden();    // SetCursor(NULL) was the last cursor call

// Display surfaces. Surfaces hold 16-bit pixels; the pixel format they report is chosen here.
void SetDirectDrawAvailable(bool available);  // false: no device is offered and DirectDrawCreate fails
// What surfaces made from now on report (default 16 bits, 5-6-5: 0xF800, 0x07E0, 0x001F).
void SetDisplayPixelFormat(DWORD bitCount, DWORD redMask, DWORD greenMask, DWORD blueMask);
void SetHardwareStretch(bool on);  // whether the device reports stretching blits (default off)
void LoseAllSurfaces();            // every surface is lost and its pixels are gone
int PresentCount();                // pictures shown on the display
int VerticalBlankWaits();
bool DisplayModeSet();
int DisplayWidth();
int DisplayHeight();
// A pixel of the screen as last shown, or of any live surface; -1 outside it or while it is lost.
int ScreenPixel(int x, int y);
int SurfacePixel(DirectDrawSurface* surface, int x, int y);
// The whole screen as last shown, row after row `pitch` pixels apart; all null and zero while nothing is
// shown or it is lost.
struct ScreenView {
    const std::uint16_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
};
ScreenView ShownScreen();
bool WindowMinimized(HWND window);

}  // namespace headless
