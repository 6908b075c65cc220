#include <cctype>
#include <cstring>

#include "platform/common/window_table.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/window.h"

namespace {

struct WindowClass {
    bool used;
    UINT style;
    WNDPROC proc;
    HICON icon;
    char name[64];
};

constinit Window gWindows[platform_common::kMaxWindows] = {};
constinit WindowClass gClasses[platform_common::kMaxClasses] = {};

constinit MSG gQueue[platform_common::kQueueCapacity] = {};
constinit int gQueueHead = 0;
constinit int gQueueCount = 0;
constinit bool gQuitPosted = false;
constinit int gQuitCode = 0;

// The end of the next empty peek's wait, when the program gave one.
struct PeekDeadline {
    bool set;
    LONGLONG counter;
};
constinit PeekDeadline gPeekDeadline = {};
constexpr int kPeekWaitMs = 1;

constinit bool gKeyDown[256] = {};
constinit bool gKeyToggled[256] = {};

bool SameName(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

WindowClass* FindClass(const char* name) {
    if (name == nullptr) return nullptr;
    for (WindowClass& c : gClasses) {
        if (c.used && SameName(c.name, name)) return &c;
    }
    return nullptr;
}

// Stand-in objects for stock handles that the engine only passes along.
struct StockObjects {
    int arrowCursor;
    int blackBrush;
};
constinit StockObjects gStock = {};

}  // namespace

namespace platform_common {

bool CopyText(char* out, std::size_t capacity, const char* text) {
    if (capacity == 0) return false;
    if (text == nullptr) text = "";
    std::size_t n = std::strlen(text);
    bool fits = n < capacity;
    if (!fits) n = capacity - 1;
    std::memcpy(out, text, n);
    out[n] = '\0';
    return fits;
}

Window* LiveWindow(HWND window) {
    for (Window& w : gWindows) {
        if (&w == window && w.used && !w.destroyed) return &w;
    }
    return nullptr;
}

Window* FirstLiveWindow() {
    for (Window& w : gWindows) {
        if (w.used && !w.destroyed) return &w;
    }
    return nullptr;
}

Window* FindLocalWindow(const char* className, const char* title) {
    for (Window& w : gWindows) {
        if (!w.used || w.destroyed) continue;
        if (className != nullptr && !SameName(w.className, className)) continue;
        if (title != nullptr && std::strcmp(w.title, title) != 0) continue;
        return &w;
    }
    return nullptr;
}

bool QueuePush(const MSG& msg) {
    if (gQueueCount == kQueueCapacity) return false;
    gQueue[(gQueueHead + gQueueCount) % kQueueCapacity] = msg;
    ++gQueueCount;
    return true;
}

int QueueFreeSlots() {
    return kQueueCapacity - gQueueCount;
}

bool MergeMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (gQueueCount == 0) return false;
    MSG& newest = gQueue[(gQueueHead + gQueueCount - 1) % kQueueCapacity];
    if (newest.message != WM_MOUSEMOVE || newest.hwnd != window) return false;
    newest.wParam = wParam;
    newest.lParam = lParam;
    newest.time = MessageTime();
    return true;
}

bool QueuePop(MSG* msg) {
    if (gQueueCount == 0) return false;
    *msg = gQueue[gQueueHead];
    gQueueHead = (gQueueHead + 1) % kQueueCapacity;
    --gQueueCount;
    return true;
}

bool QueueEmpty() {
    return gQueueCount == 0 && !gQuitPosted;
}

void ResetWindowsAndQueue() {
    for (Window& w : gWindows) w = Window{};
    for (WindowClass& c : gClasses) c = WindowClass{};
    gQueueHead = 0;
    gQueueCount = 0;
    gQuitPosted = false;
    gQuitCode = 0;
    gPeekDeadline = PeekDeadline{};
    ResetKeyStates();
}

DWORD MessageTime() {
    return timeGetTime();
}

void SetKeyDown(int virtualKey, bool down) {
    if (virtualKey < 0 || virtualKey > 255) return;
    if (down && !gKeyDown[virtualKey]) gKeyToggled[virtualKey] = !gKeyToggled[virtualKey];
    gKeyDown[virtualKey] = down;
}

void ResetKeyStates() {
    for (int i = 0; i < 256; ++i) {
        gKeyDown[i] = false;
        gKeyToggled[i] = false;
    }
}

bool KeyIsDown(int virtualKey) {
    return virtualKey >= 0 && virtualKey <= 255 && gKeyDown[virtualKey];
}

LPARAM KeyLParam(int scanCode, bool extended, bool wasDown, bool released) {
    DWORD v = 1u;  // repeat count
    v |= (static_cast<DWORD>(scanCode) & 0xFFu) << 16;
    if (extended) v |= 1u << 24;
    if (wasDown) v |= 1u << 30;
    if (released) v |= 1u << 31;
    return static_cast<LPARAM>(v);
}

}  // namespace platform_common

using namespace platform_common;

SHORT GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    unsigned v = (gKeyDown[virtualKey] ? 0xFF80u : 0u) | (gKeyToggled[virtualKey] ? 1u : 0u);
    return static_cast<SHORT>(v);
}

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr) return 0;
    WindowClass* c = FindClass(windowClass->lpszClassName);
    if (c != nullptr) return 0;  // already registered
    for (int i = 0; i < kMaxClasses; ++i) {
        if (gClasses[i].used) continue;
        c = &gClasses[i];
        if (!CopyText(c->name, sizeof c->name, windowClass->lpszClassName)) return 0;
        c->used = true;
        c->style = windowClass->style;
        c->proc = windowClass->lpfnWndProc;
        c->icon = windowClass->hIcon;
        return static_cast<ATOM>(0xC000 + i);
    }
    return 0;
}

HWND CreateWindowExA(DWORD, const char* className, const char* title, DWORD style, int x, int y, int width,
                     int height, HWND, void*, HINSTANCE, void*) {
    WindowClass* c = FindClass(className);
    if (c == nullptr || c->proc == nullptr) return nullptr;
    for (Window& w : gWindows) {
        if (w.used) continue;
        w = Window{};
        CopyText(w.className, sizeof w.className, c->name);
        CopyText(w.title, sizeof w.title, title);
        w.classStyle = c->style;
        w.proc = c->proc;
        w.icon = c->icon;
        w.style = style;
        w.x = x;
        w.y = y;
        w.width = width;
        w.height = height;
        w.used = true;
        if (!backend::CreateNativeWindow(&w)) {
            w = Window{};
            return nullptr;
        }
        return &w;
    }
    return nullptr;
}

BOOL DestroyWindow(HWND window) {
    Window* w = LiveWindow(window);
    if (w == nullptr) return FALSE;
    backend::DestroyNativeWindow(w);
    w->visible = false;
    // The window procedure hears WM_DESTROY while the window still exists, then the handle dies.
    w->proc(w, WM_DESTROY, 0, 0);
    w->destroyed = true;
    return TRUE;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && LiveWindow(window) == nullptr) return FALSE;
    MSG msg{window, message, wParam, lParam, MessageTime(), POINT{0, 0}};
    return QueuePush(msg) ? TRUE : FALSE;
}

void PostQuitMessage(int exitCode) {
    gQuitPosted = true;
    gQuitCode = exitCode;
}

namespace {

bool TakeMessage(MSG* msg, UINT removeFlag) {
    if (gQueueCount > 0) {
        if (removeFlag & PM_REMOVE) {
            QueuePop(msg);
        } else {
            *msg = gQueue[gQueueHead];
        }
        return true;
    }
    if (gQuitPosted) {
        *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(gQuitCode), 0, MessageTime(), POINT{0, 0}};
        if (removeFlag & PM_REMOVE) gQuitPosted = false;
        return true;
    }
    return false;
}

}  // namespace

BOOL PeekMessageA(MSG* msg, HWND, UINT, UINT, UINT removeFlag) {
    if (msg == nullptr) return FALSE;
    backend::PumpEvents();
    if (TakeMessage(msg, removeFlag)) return TRUE;
    // Nothing ready: give the system a moment, so that an idle loop does not spin a core.
    if (gPeekDeadline.set) {
        // A wait that an event cuts short keeps its end for the next empty peek.
        if (backend::WaitForEventUntil(gPeekDeadline.counter)) gPeekDeadline.set = false;
    } else {
        backend::WaitForEvent(kPeekWaitMs);
    }
    backend::PumpEvents();
    return TakeMessage(msg, removeFlag) ? TRUE : FALSE;
}

void SetPeekWaitDeadline(LONGLONG counter) {
    gPeekDeadline = PeekDeadline{true, counter};
}

BOOL WaitMessage() {
    backend::PumpEvents();
    if (QueueEmpty()) {
        // Callers poll again after a wait, so an early return only costs one more pass.
        backend::WaitForEvent(-1);
        backend::PumpEvents();
    }
    return TRUE;
}

BOOL TranslateMessage(const MSG*) {
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) return 0;
    Window* w = LiveWindow(msg->hwnd);
    if (w == nullptr) return 0;
    return w->proc(w, msg->message, msg->wParam, msg->lParam);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) PostMessageA(window, WM_CLOSE, 0, 0);
            return 0;
        default:
            return 0;
    }
}

HCURSOR LoadCursorA(HINSTANCE, int) {
    return reinterpret_cast<HCURSOR>(&gStock.arrowCursor);
}
HBRUSH GetStockBrush(int) {
    return reinterpret_cast<HBRUSH>(&gStock.blackBrush);
}
BOOL WINNLSEnableIME(HWND, BOOL) {
    return TRUE;
}
