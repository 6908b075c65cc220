// elSystem: engine state, the window procedure and key handler, the single-instance check, the error
// box, the program folder, wait slots, the frame gate and the one-time shutdown.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#include "platform/types.h"

// Mouse as the window procedure last saw it.
struct MouseStateRecord {
    int x;
    int y;
    int leftHeld;
    int rightHeld;
    int buttonState;  // 1 left, 2 right, 0 none
    int lastButton;   // 1 or 2
};

// Click flags: set on a press, cleared by the scene loop on every idle pass.
struct MouseButtonsRecord {
    int leftClick[2];
    int rightClick[2];
    int leftDoubleClick;
    int rightDoubleClick;
};

inline constexpr int kWaitSlots = 12;
inline constexpr int kWaitIdle = 999999999;
inline constexpr std::size_t kTextBufferSize = 256;
inline constexpr std::size_t kFolderBufferSize = 256;
inline constexpr std::size_t kMutexNameSize = 2048;
inline constexpr std::size_t kCommandLineSize = 256;

// Engine globals read by the game.
extern float FrameTime;
extern int FullScreen;
extern int LastKey;
extern int LastKeyCopy;
extern int SceneNumber;
extern int PreviousScene;
extern int SceneFirstFrame;
extern int PendingScene;
extern int BlinkPhase;
extern MouseStateRecord MouseState;
extern MouseButtonsRecord MouseButtons;
extern int WaitTable[kWaitSlots];

// The keys the program itself answers (the pause and the way back to the title). OnKey passes it every
// key but Esc, after storing it. The program defines it, as it defines WinMain for the platform.
void OnProgramKey(int key);

namespace elSystem {

// Close state of the window: a WM_CLOSE has started the shutdown, or the shutdown has posted its close.
enum CloseState : int { kCloseRunning = 0, kCloseStarted = 1, kCloseDone = 2 };

struct EngineState {
    HWND mainWindow;
    HWND dialogWindow;
    HINSTANCE instance;
    int active;
    int closeState;
    int shutdownDone;
    int errorFlag;
    HANDLE mutex;
    char mutexName[kMutexNameSize];
    int mapView;     // never set: 1 draws the map view and sends keys to mapViewKey
    int mapViewKey;  // the last key pressed while the map view is on
    int keyCapture;
    int capturedKey;
    int sysKeyMode;
    int cursorClipped;
    int cursorShown;
    int clipFollowsWindow;      // never set
    int cursorVisibleOverride;  // never set
    int ignoreInactive;         // never set
    int windowed;               // never set: FullScreen stays 1
    POINT windowOrigin;
    RECT windowRect;
    int screenWidth;
    int screenHeight;
    int imeEnabled;
    DWORD blinkNextToggle;
    char folder[kFolderBufferSize];
    int folderValid;
};

extern EngineState State;

void InitState();
void SetActive(int active);
int CheckSingleInstance(const char* title);
BOOL EnableIme(int on);
int Start();
void SetSysKeyMode(int mode);

void ClipCursorToRect(int left, int top, int right, int bottom);
void ClipCursorToWindow();
void UnclipCursor();
void ReleaseCursorClip();
int IsCursorClipped();

// The folder of the executable, ending in '/'. Empty when the path does not fit the folder buffer.
const char* GetProgramFolder(int flag);
// Program folder + relative name into out. False (out empty) when the result does not fit: callers
// then fail exactly as for a missing file.
bool BuildPath(char* out, std::size_t capacity, const char* relative);

// Bounded formatting: the text is cut to fit, never overrun; false when it was cut.
bool FormatBounded(char* buffer, std::size_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
bool FormatBoundedV(char* buffer, std::size_t capacity, const char* format, va_list args);
// Formats into a buffer of kTextBufferSize characters; returns false when the text was truncated.
bool FormatText(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Beep();
int ErrorBox(const char* where, const char* what);

int SetWait(int no, int ms);

void OnKey(int key);
LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int Shutdown();

void StaticInit();
void StaticExit();

// Frame gate.
struct FrameClock {
    int performanceCounter;
    int millisecondSource;  // 1 timeGetTime, 0 GetTickCount
    int framesPerSecond;
    std::int64_t ticksPerFrame;
    std::int64_t lastDueTick;
    std::uint32_t lastDueMillisecond;
    int frameWait;
};
extern FrameClock Clock;

int SetFrameRate(int fps);
void SetFrameWait(int on);
int FrameDue();
void ResetFrameClock();

}  // namespace elSystem
