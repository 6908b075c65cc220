// The message box. SDL shows it from a child process on X11 (and through a helper program on
// Wayland) while this process waits for it; the child holds this process's display connection too.
// Whatever ends this process while a box shows must take the box with it, or the child would keep the
// box and, through that connection, the full-screen window: so the child dies with its parent, and a
// watcher ends this process when the display drops its connection, or when another program destroys
// the window (which this process, waiting for the box, would otherwise find gone only after it).
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "platform/common/gdi_objects.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/window_watch.h"
#include "platform/window.h"

namespace {

constexpr int kWatchStepMs = 100;

struct BoxGuard {
    // Read in the child right after fork, so plain values set before the box is shown.
    volatile sig_atomic_t showing;
    volatile pid_t parent;
};
constinit BoxGuard gBox = {};
constinit std::atomic<bool> gWatching = false;

void InChildAfterFork() {
    if (!gBox.showing) return;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have ended before the line above.
    if (getppid() != gBox.parent) _exit(0);
}

// Reaches only what was set up before the thread started.
constinit sdl_backend::WindowWatch gWindowWatch = {};

void Watch(int connection) {
    pollfd p[2] = {{connection, POLLRDHUP, 0}, {-1, POLLIN, 0}};
    while (gWatching.load()) {
        p[1].fd = gWindowWatch.socket;  // poll passes over a negative descriptor
        if (poll(p, 2, kWatchStepMs) <= 0) continue;
        if ((p[0].revents & (POLLHUP | POLLRDHUP | POLLERR | POLLNVAL)) != 0) _exit(0);
        if (p[1].revents != 0 && sdl_backend::ReadWindowWatch(&gWindowWatch)) _exit(0);
    }
}

}  // namespace

int MessageBoxA(HWND window, const char* text, const char* caption, UINT type) {
    if (text == nullptr) text = "";
    if (caption == nullptr) caption = "";
    // The box keeps its text; the line on stderr also names the picture file that could not be read.
    const char* note = platform_common::UnreadablePictureNote();
    if (note[0] != '\0') {
        std::fprintf(stderr, "%s: %s (%s)\n", caption, text, note);
    } else {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
    platform_common::TakeUnreadablePictureNote();
    std::fflush(stderr);

    // SDL forks the box's process: no start-up thread may hold a lock then.
    sdl_backend::WaitForMusicSynth();
    sdl_backend::WaitForFontDiscovery();
    static const bool hooked = pthread_atfork(nullptr, nullptr, InChildAfterFork) == 0;
    (void)hooked;
    const Uint32 flags = (type & MB_ICONWARNING) ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
    sdl_backend::NativeWindow* native = sdl_backend::NativeOf(window);
    SDL_Window* owner = native != nullptr ? native->window : nullptr;
    const int connection = sdl_backend::DisplayConnectionOf(owner);
    gBox.parent = getpid();
    gBox.showing = 1;
    std::thread watcher;
    if (connection >= 0) {
        if (sdl_backend::StartWindowWatch(owner, &gWindowWatch) && gWindowWatch.destroyed) _exit(0);
        gWatching = true;
        watcher = std::thread(Watch, connection);
    }
    SDL_ShowSimpleMessageBox(flags, caption, text, owner);
    gBox.showing = 0;
    if (watcher.joinable()) {
        gWatching = false;
        watcher.join();
        sdl_backend::EndWindowWatch(&gWindowWatch);
    }
    return IDOK;
}

// There is no system speaker to sound; the box itself carries the warning.
BOOL MessageBeep(UINT) {
    return TRUE;
}
