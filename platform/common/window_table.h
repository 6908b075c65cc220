// Windows, classes and the message queue shared by both backends.
#pragma once

#include "platform/types.h"

struct Window {
    bool used;
    bool destroyed;
    bool visible;
    WNDPROC proc;
    UINT classStyle;
    DWORD style;
    HICON icon;
    char className[64];
    char title[128];
    int x, y, width, height;
    void* native;  // the backend's own window object
};

namespace platform_common {

inline constexpr int kMaxWindows = 8;
inline constexpr int kMaxClasses = 16;
inline constexpr int kQueueCapacity = 1024;

// A live (created and not destroyed) window, or null.
Window* LiveWindow(HWND window);
// The first live window, which receives the input of the backend.
Window* FirstLiveWindow();
// Matches a live window of this process by class and title; either may be null to match any.
Window* FindLocalWindow(const char* className, const char* title);

bool QueuePush(const MSG& msg);
int QueueFreeSlots();
// When the newest queued message is a mouse move for this window, gives it the new position and
// buttons and returns true: a burst of moves becomes one, as the system keeps only the latest.
bool MergeMouseMove(HWND window, WPARAM wParam, LPARAM lParam);
bool QueuePop(MSG* msg);
bool QueueEmpty();
void ResetWindowsAndQueue();

// Timestamp of queued messages.
DWORD MessageTime();

// Bounded copy that always terminates; returns false when text did not fit.
bool CopyText(char* out, std::size_t capacity, const char* text);

// Key state table behind GetKeyState, kept by the backends as they post key messages.
void SetKeyDown(int virtualKey, bool down);
void ResetKeyStates();
bool KeyIsDown(int virtualKey);

// Key message parameters: repeat count 1, previous-state bit 30 on repeats, transition bit 31 on release.
LPARAM KeyLParam(int scanCode, bool extended, bool wasDown, bool released);

}  // namespace platform_common

// Implemented by each backend.
namespace backend {
// Moves the events the system has ready into the queue.
void PumpEvents();
// Waits until an event may be ready or timeoutMs passes (negative: as long as it takes).
void WaitForEvent(int timeoutMs);
// Waits until an event may be ready or the performance counter reads `counter`, to the finest step
// the system's timers allow. True when the wait reached its end (or it had already passed).
bool WaitForEventUntil(LONGLONG counter);
bool CreateNativeWindow(Window* window);
void DestroyNativeWindow(Window* window);
}  // namespace backend
