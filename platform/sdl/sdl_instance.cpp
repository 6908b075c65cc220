// Named mutexes and finding another copy's window, between processes of the same user on the same
// display: as names belong to one desktop session, a copy on another display (another desktop, a
// virtual display) neither sees these names nor stops a new copy here.
// Both are names in the abstract socket namespace: a name is taken while a process holds its socket,
// and the system frees it when the process ends, however it ends.
#include <strings.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
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
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
    sdl_backend::DisplayScopeName(driver, std::getenv("DISPLAY"), host, std::getenv("WAYLAND_DISPLAY"),
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

bool SameNoCase(const char* text, std::size_t length, const char* word) {
    return std::strlen(word) == length && strncasecmp(text, word, length) == 0;
}

bool IsLoopbackAddress(const char* host, std::size_t length) {
    if (SameNoCase(host, length, "::1")) return true;
    // 127.0.0.0/8, written as a dotted address.
    if (length < 4 || std::strncmp(host, "127.", 4) != 0) return false;
    return std::strspn(host, "0123456789.") >= length;
}

// Whether the host part of an X display names this machine: no host at all, the loopback names and
// addresses, or this machine's own name, in full or as its first label.
bool IsLocalHost(const char* host, std::size_t length, const char* hostName) {
    if (length == 0 || SameNoCase(host, length, "unix") || SameNoCase(host, length, "localhost")) return true;
    if (length > 10 && strncasecmp(host, "localhost.", 10) == 0) return true;
    if (IsLoopbackAddress(host, length)) return true;
    if (hostName == nullptr || hostName[0] == '\0') return false;
    if (SameNoCase(host, length, hostName)) return true;
    const char* hostDot = static_cast<const char*>(std::memchr(host, '.', length));
    const char* nameDot = std::strchr(hostName, '.');
    if (hostDot != nullptr && nameDot == nullptr) {
        return SameNoCase(host, static_cast<std::size_t>(hostDot - host), hostName);
    }
    if (hostDot == nullptr && nameDot != nullptr) {
        return strncasecmp(host, hostName, length) == 0 && hostName + length == nameDot;
    }
    return false;
}

// An X display, [protocol/][host]:number[.screen], as the name of the display itself: every screen of
// one display is one desktop, and each way of reaching a display on this machine (its socket, the
// loopback, this machine's name) is the same display. False when the text is no display name.
bool FoldX11Display(const char* display, const char* hostName, char* out, std::size_t size) {
    const char* slash = std::strrchr(display, '/');
    const char* name = slash != nullptr ? slash + 1 : display;
    // A local protocol reaches this machine whatever host follows it.
    const std::size_t protocolLength = slash != nullptr ? static_cast<std::size_t>(slash - display) : 0;
    const bool localProtocol =
        SameNoCase(display, protocolLength, "unix") || SameNoCase(display, protocolLength, "local");
    const char* colon = std::strrchr(name, ':');
    if (colon == nullptr) return false;
    const char* digits = colon + 1;
    const std::size_t numberLength = std::strspn(digits, "0123456789");
    if (numberLength == 0 || (digits[numberLength] != '\0' && digits[numberLength] != '.')) return false;
    const unsigned long number = std::strtoul(digits, nullptr, 10);
    const char* host = name;
    std::size_t hostLength = static_cast<std::size_t>(colon - name);
    if (hostLength >= 2 && host[0] == '[' && host[hostLength - 1] == ']') {
        ++host;
        hostLength -= 2;
    }
    if (localProtocol || IsLocalHost(host, hostLength, hostName)) {
        std::snprintf(out, size, "x11 :%lu", number);
        return true;
    }
    // Host names do not tell case apart; none is longer than 253 characters.
    char lowered[256];
    const std::size_t kept = hostLength < sizeof lowered ? hostLength : sizeof lowered - 1;
    for (std::size_t i = 0; i < kept; ++i) {
        lowered[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(host[i])));
    }
    std::snprintf(out, size, "x11 %.*s:%lu", static_cast<int>(kept), lowered, number);
    return true;
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

void DisplayScopeName(const char* driver, const char* x11Display, const char* hostName,
                      const char* waylandDisplay, const char* runtimeDir, char* out, std::size_t size) {
    if (size == 0) return;
    if (driver == nullptr) driver = "";
    if (std::strcmp(driver, "x11") == 0 && x11Display != nullptr &&
        FoldX11Display(x11Display, hostName, out, size))
        return;
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
