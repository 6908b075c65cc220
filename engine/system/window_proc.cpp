#include "engine/elDraw.h"
#include "engine/elFont.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "platform/system.h"
#include "platform/window.h"

namespace elSystem {

namespace {

constexpr int kSysKeySwallowAll = 0;
constexpr int kSysKeySwallowAlt = 2;
constexpr WPARAM kSysCommandMask = 0xFFF0;

void StoreKey(int key) {
    if (State.mapView) {
        State.mapViewKey = key;
    } else {
        LastKey = key;
        LastKeyCopy = key;
    }
}

void OnKeyUp(WPARAM key) {
    if (static_cast<WPARAM>(LastKey) == key) {
        LastKey = 0;
        LastKeyCopy = 0;
    }
    if (static_cast<WPARAM>(State.capturedKey) == key) State.capturedKey = 0;
}

LRESULT OnKeyDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (State.keyCapture) {
        State.capturedKey = static_cast<int>(wParam);
    } else {
        OnKey(static_cast<int>(wParam));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void OnActivateApp(bool activated) {
    if (activated) {
        SetActive(1);
        ResetFrameClock();
        if (State.clipFollowsWindow) ClipCursorToWindow();
        return;
    }
    SetActive(0);
    if (State.cursorShown == 0) {
        ShowCursor(TRUE);
        State.cursorShown = 1;
    }
    if (State.clipFollowsWindow) UnclipCursor();
}

}  // namespace

void OnKey(int key) {
    StoreKey(key);
    switch (key) {
        case VK_ESCAPE:
            elSound::CloseMidi();
            SetWait(1, 1000);
            Shutdown();
            break;
        default:
            OnProgramKey(key);
            break;
    }
}

LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_MOVE:
            State.windowOrigin.x = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
            State.windowOrigin.y = static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam)));
            State.windowRect =
                RECT{State.windowOrigin.x, State.windowOrigin.y, State.windowOrigin.x + State.screenWidth,
                     State.windowOrigin.y + State.screenHeight};
            if (State.clipFollowsWindow) ClipCursorToWindow();
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_CLOSE:
            if (State.closeState == kCloseRunning) {
                State.closeState = kCloseStarted;
                Shutdown();
            } else if (State.closeState == kCloseStarted) {
                Shutdown();
            }
            DestroyWindow(window);
            return 0;
        case WM_ACTIVATEAPP:
            if (wParam != 0 && State.ignoreInactive) return 0;
            OnActivateApp(wParam != 0);
            return 0;
        case WM_SETCURSOR:
            if (FullScreen && State.cursorVisibleOverride == 0) {
                SetCursor(nullptr);
                return 1;
            }
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_KEYUP:
            OnKeyUp(wParam);
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_SYSKEYDOWN:
            if (State.sysKeyMode == kSysKeySwallowAll) return 0;
            if (State.sysKeyMode == kSysKeySwallowAlt && wParam == VK_MENU) return 0;
            return OnKeyDown(window, message, wParam, lParam);
        case WM_KEYDOWN:
            return OnKeyDown(window, message, wParam, lParam);
        case WM_SYSCOMMAND:
            if ((wParam & kSysCommandMask) == SC_SCREENSAVE) return 0;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_MOUSEMOVE:
            MouseState.x = LOWORD(static_cast<std::uintptr_t>(lParam));
            MouseState.y = HIWORD(static_cast<std::uintptr_t>(lParam));
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_LBUTTONDOWN:
            MouseState.leftHeld = 1;
            if (!State.keyCapture) MouseButtons.leftClick[0] = MouseButtons.leftClick[1] = 1;
            MouseState.buttonState = 1;
            MouseState.lastButton = 1;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_LBUTTONUP:
            MouseState.leftHeld = 0;
            if (MouseState.buttonState == 1) MouseState.buttonState = 0;
            WaitTable[0] = 0;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_LBUTTONDBLCLK:
            MouseButtons.leftDoubleClick = 1;
            return 0;
        case WM_RBUTTONDOWN:
            MouseState.rightHeld = 1;
            if (!State.keyCapture) MouseButtons.rightClick[0] = MouseButtons.rightClick[1] = 1;
            MouseState.buttonState = 2;
            MouseState.lastButton = 2;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_RBUTTONUP:
            MouseState.rightHeld = 0;
            if (MouseState.buttonState == 2) MouseState.buttonState = 0;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_RBUTTONDBLCLK:
            MouseButtons.rightDoubleClick = 1;
            if (State.clipFollowsWindow) {
                if (IsCursorClipped()) {
                    UnclipCursor();
                } else {
                    ClipCursorToWindow();
                }
            }
            return 0;
        case MM_MCINOTIFY:
            elSound::OnMidiNotify(wParam, lParam);
            return DefWindowProcA(window, message, wParam, lParam);
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

int Shutdown() {
    if (State.shutdownDone) return 1;
    State.shutdownDone = 1;
    ReleaseCursorClip();
    elFont::ReleaseFontBlock();
    elSound::Release();
    elDraw::Release();
    if (State.mutex != nullptr) {
        ReleaseMutex(State.mutex);
        State.mutex = nullptr;
    }
    if (State.closeState == kCloseRunning) PostMessageA(State.mainWindow, WM_CLOSE, 0, 0);
    State.closeState = kCloseDone;
    return 1;
}

}  // namespace elSystem
