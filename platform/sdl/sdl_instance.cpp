// Named mutexes and finding another copy's window, between processes of the same user on the same
// display: as names belong to one desktop session, a copy on another display (another desktop, a
// virtual display) neither sees these names nor stops a new copy here.
// Both are names in the abstract socket namespace: a name is taken while a process holds its socket,
// and the system frees it when the process ends, however it ends.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/sdl/sdl_backend.h"
#include "platform/system.h"
#include "platform/window.h"

struct Handle {
    bool used;
    int fd;
};

namespace {

constexpr int kMaxHandles = 8;
constinit Handle gHandles[kMaxHandles] = {};
constinit DWORD gLastError = 0;
constinit int gWindowFd = -1;

// A remote window is known only by its address.
struct RemoteWindow {
    sockaddr_un address;
    socklen_t length;
};
constinit RemoteWindow gRemote = {};
// A handle value that cannot be a window of this process.
constinit Window* const gRemoteHandle = reinterpret_cast<Window*>(&gRemote);

std::uint64_t Fnv1a(const char* text) {
    std::uint64_t h = 1469598103934665603ULL;
    for (const char* p = text; *p; ++p) {
        h ^= static_cast<unsigned char>(*p);
        h *= 1099511628211ULL;
    }
    return h;
}

// The display this program shows its window on, as SDL opens it.
const char* DisplayScope() {
    static char scope[512] = {};
    if (scope[0] != '\0') return scope;
    const char* driver = sdl_backend::EnsureVideo() ? SDL_GetCurrentVideoDriver() : nullptr;
    sdl_backend::DisplayScopeName(driver, std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                                  std::getenv("XDG_RUNTIME_DIR"), scope, sizeof scope);
    return scope;
}

// Abstract address for a kind of name ("mutex" or "window") and the name itself, on this display.
socklen_t MakeAddress(const char* kind, const char* name, sockaddr_un* address) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    char scoped[2560];
    std::snprintf(scoped, sizeof scoped, "%s\n%s", DisplayScope(), name);
    char text[sizeof address->sun_path];
    int n = std::snprintf(text, sizeof text, "quendravolt-%s-%u-%016llx", kind,
                          static_cast<unsigned>(getuid()), static_cast<unsigned long long>(Fnv1a(scoped)));
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof text - 1) n = static_cast<int>(sizeof text) - 2;
    std::memcpy(address->sun_path + 1, text, static_cast<std::size_t>(n));
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
}

int BindName(const char* kind, const char* name, int* error) {
    int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    sockaddr_un address{};
    socklen_t length = MakeAddress(kind, name, &address);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0) {
        *error = errno;
        close(fd);
        return -1;
    }
    return fd;
}

void WindowName(const char* className, const char* title, char* out, std::size_t size) {
    std::snprintf(out, size, "%s\n%s", className ? className : "", title ? title : "");
}

}  // namespace

HANDLE CreateMutexA(void*, BOOL, const char* name) {
    if (name == nullptr) name = "";
    for (Handle& h : gHandles) {
        if (h.used) continue;
        int error = 0;
        int fd = BindName("mutex", name, &error);
        if (fd < 0 && error != EADDRINUSE) {
            gLastError = static_cast<DWORD>(error);
            return nullptr;
        }
        h.used = true;
        h.fd = fd;
        gLastError = fd < 0 ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS;
        return &h;
    }
    gLastError = 4;  // too many open handles
    return nullptr;
}

BOOL ReleaseMutex(HANDLE mutex) {
    for (Handle& h : gHandles) {
        if (&h != mutex || !h.used) continue;
        if (h.fd >= 0) close(h.fd);
        h.fd = -1;
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
    return gLastError;
}

HWND FindWindowA(const char* className, const char* title) {
    if (HWND local = platform_common::FindLocalWindow(className, title)) return local;
    char name[256];
    WindowName(className, title, name, sizeof name);
    gRemote.length = MakeAddress("window", name, &gRemote.address);
    int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return nullptr;
    bool found = connect(fd, reinterpret_cast<sockaddr*>(&gRemote.address), gRemote.length) == 0;
    close(fd);
    return found ? gRemoteHandle : nullptr;
}

BOOL SetForegroundWindow(HWND window) {
    if (window == gRemoteHandle) {
        int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return FALSE;
        static constexpr char kRaise[] = "raise";
        ssize_t sent = sendto(fd, kRaise, sizeof kRaise, 0, reinterpret_cast<sockaddr*>(&gRemote.address),
                              gRemote.length);
        close(fd);
        return sent > 0 ? TRUE : FALSE;
    }
    if (platform_common::LiveWindow(window) == nullptr) return FALSE;
    sdl_backend::RaiseWindow(window);
    return TRUE;
}

namespace sdl_backend {

void DisplayScopeName(const char* driver, const char* x11Display, const char* waylandDisplay,
                      const char* runtimeDir, char* out, std::size_t size) {
    if (size == 0) return;
    if (driver == nullptr) driver = "";
    if (std::strcmp(driver, "x11") == 0 && x11Display != nullptr) {
        // [host]:number[.screen]: every screen of one display is one desktop; "unix" is the local host.
        const char* colon = std::strrchr(x11Display, ':');
        if (colon != nullptr) {
            int hostLength = static_cast<int>(colon - x11Display);
            if (hostLength == 4 && std::strncmp(x11Display, "unix", 4) == 0) hostLength = 0;
            const int numberLength = static_cast<int>(std::strcspn(colon + 1, "."));
            std::snprintf(out, size, "x11 %.*s:%.*s", hostLength, x11Display, numberLength, colon + 1);
            return;
        }
    }
    if (std::strcmp(driver, "wayland") == 0) {
        const char* name =
            waylandDisplay != nullptr && *waylandDisplay != '\0' ? waylandDisplay : "wayland-0";
        if (name[0] == '/' || runtimeDir == nullptr) {
            std::snprintf(out, size, "wayland %s", name);
        } else {
            std::snprintf(out, size, "wayland %s/%s", runtimeDir, name);
        }
        return;
    }
    std::snprintf(out, size, "%s", *driver != '\0' ? driver : "no display");
}

void PublishWindow(const Window* window) {
    if (gWindowFd >= 0) return;
    char name[256];
    WindowName(window->className, window->title, name, sizeof name);
    int error = 0;
    gWindowFd = BindName("window", name, &error);
}

void WithdrawWindow() {
    if (gWindowFd >= 0) close(gWindowFd);
    gWindowFd = -1;
}

bool TakeRaiseRequest() {
    if (gWindowFd < 0) return false;
    bool raise = false;
    char buffer[16];
    while (recv(gWindowFd, buffer, sizeof buffer, 0) > 0) raise = true;
    return raise;
}

}  // namespace sdl_backend
