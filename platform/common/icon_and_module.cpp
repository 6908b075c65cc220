#include <unistd.h>

#include <climits>
#include <cstring>

#include "platform/common/module_path.h"
#include "platform/common/window_table.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/window.h"

struct Icon {
    bool used;
    ResourceBlob blob;
};

namespace {
constexpr int kMaxIcons = 4;
constinit Icon gIcons[kMaxIcons] = {};
constinit char gModulePathOverride[PATH_MAX] = {};
}  // namespace

HICON LoadIconA(HINSTANCE, const char* name) {
    ResourceBlob blob{};
    if (!FindResourceBlob(RT_ICON_TYPE, name, &blob)) return nullptr;
    for (Icon& icon : gIcons) {
        if (icon.used && icon.blob.data == blob.data) return &icon;
    }
    for (Icon& icon : gIcons) {
        if (icon.used) continue;
        icon.used = true;
        icon.blob = blob;
        return &icon;
    }
    return nullptr;
}

namespace platform_common {

bool IconBlob(HICON icon, ResourceBlob* out) {
    for (Icon& i : gIcons) {
        if (&i == icon && i.used) {
            *out = i.blob;
            return true;
        }
    }
    return false;
}

void SetModulePathOverride(const char* path) {
    CopyText(gModulePathOverride, sizeof gModulePathOverride, path);
}

}  // namespace platform_common

DWORD GetModuleFileNameA(HINSTANCE, char* buffer, DWORD size) {
    if (buffer == nullptr || size == 0) return 0;
    char path[PATH_MAX + 1];
    std::size_t length = 0;
    if (gModulePathOverride[0] != '\0') {
        length = std::strlen(gModulePathOverride);
        std::memcpy(path, gModulePathOverride, length);
    } else {
        ssize_t n = readlink("/proc/self/exe", path, PATH_MAX);
        if (n <= 0) {
            buffer[0] = '\0';
            return 0;
        }
        length = static_cast<std::size_t>(n);
    }
    path[length] = '\0';
    if (length >= size) {
        // Truncated, as the system call does: size - 1 characters and the terminator.
        std::memcpy(buffer, path, size - 1);
        buffer[size - 1] = '\0';
        return size;
    }
    std::memcpy(buffer, path, length + 1);
    return static_cast<DWORD>(length);
}
