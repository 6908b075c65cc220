#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "platform/system.h"
#include "platform/window.h"

namespace elSystem {

bool FormatBoundedV(char* buffer, std::size_t capacity, const char* format, va_list args) {
    if (buffer == nullptr || capacity == 0) return false;
    int n = std::vsnprintf(buffer, capacity, format, args);
    if (n < 0) {
        buffer[0] = '\0';
        return false;
    }
    return static_cast<std::size_t>(n) < capacity;
}

bool FormatBounded(char* buffer, std::size_t capacity, const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool fits = FormatBoundedV(buffer, capacity, format, args);
    va_end(args);
    return fits;
}

bool FormatText(char* buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool fits = FormatBoundedV(buffer, kTextBufferSize, format, args);
    va_end(args);
    return fits;
}

void Beep() {
    MessageBeep(static_cast<UINT>(-1));
}

int ErrorBox(const char* where, const char* what) {
    char text[kTextBufferSize];
    FormatBounded(text, sizeof text, "%s : %s", where ? where : "", what ? what : "");
    elDraw::FlipToGdiSurface();
    Beep();
    MessageBoxA(State.mainWindow, text, "エラー発生", MB_SYSTEMMODAL | MB_ICONWARNING);
    State.errorFlag = 1;
    return 0;
}

int SetWait(int no, int ms) {
    if (no < 1 || no > 10) {
        ErrorBox("elSystem::SetWait", "ウェイトNoが範囲外です");
        return 0;
    }
    WaitTable[no] = static_cast<int>(timeGetTime() + static_cast<DWORD>(ms));
    return 1;
}

const char* GetProgramFolder(int) {
    char path[kFolderBufferSize];
    DWORD n = GetModuleFileNameA(State.instance, path, sizeof path);
    State.folder[0] = '\0';
    State.folderValid = 0;
    // A path that fills the buffer was cut: no folder is better than a wrong one.
    if (n == 0 || n >= sizeof path) return State.folder;
    char* slash = std::strrchr(path, '/');
    if (slash == nullptr) return State.folder;
    slash[1] = '\0';
    std::memcpy(State.folder, path, static_cast<std::size_t>(slash - path) + 2);
    State.folderValid = 1;
    return State.folder;
}

bool BuildPath(char* out, std::size_t capacity, const char* relative) {
    if (out == nullptr || capacity == 0) return false;
    out[0] = '\0';
    const char* folder = GetProgramFolder(0);
    if (!State.folderValid || relative == nullptr) return false;
    if (!FormatBounded(out, capacity, "%s%s", folder, relative)) {
        out[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace elSystem
