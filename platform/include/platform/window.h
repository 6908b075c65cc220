// Window class, window, message queue, cursor, message box and input-method calls.
#pragma once

#include "platform/types.h"

ATOM RegisterClassA(const WNDCLASSA* windowClass);
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                     int width, int height, HWND parent, void* menu, HINSTANCE instance, void* param);
BOOL DestroyWindow(HWND window);
BOOL ShowWindow(HWND window, int command);
BOOL UpdateWindow(HWND window);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
int GetSystemMetrics(int index);
HWND FindWindowA(const char* className, const char* title);
BOOL SetForegroundWindow(HWND window);
// Minimises the window (it is not destroyed).
BOOL CloseWindow(HWND window);

// With no message ready, PeekMessageA waits a moment for one (about a millisecond, so that a loop of
// peeks does not spin a core) before it answers FALSE.
BOOL PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlag);
// Gives the next such wait its end instead: the moment QueryPerformanceCounter reads `counter`, which
// may lie a whole frame ahead or already have passed (then the peek does not wait). A loop that polls a
// frame clock sets it to the next due frame, so that it sleeps until then and still wakes on time.
void SetPeekWaitDeadline(LONGLONG counter);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
BOOL WaitMessage();
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HICON LoadIconA(HINSTANCE instance, const char* name);
HCURSOR LoadCursorA(HINSTANCE instance, int id);
HCURSOR SetCursor(HCURSOR cursor);
int ShowCursor(BOOL show);
BOOL ClipCursor(const RECT* rect);
BOOL GetCursorPos(POINT* point);
HBRUSH GetStockBrush(int id);

// Switches the input-method editor for the whole program; there is none here, so it only reports success.
BOOL WINNLSEnableIME(HWND window, BOOL enable);

int MessageBoxA(HWND window, const char* text, const char* caption, UINT type);
BOOL MessageBeep(UINT type);
