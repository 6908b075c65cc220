// Kept apart: the X11 headers that SDL_syswm.h brings in name types as our platform headers do.
#include <SDL.h>
#include <SDL_syswm.h>
#include <sys/socket.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/sdl/window_watch.h"

namespace {

// X11 protocol values: every message from the server is 32 bytes, but for replies and generic events,
// which carry a length of more 4-byte units in bytes 4 to 7.
constexpr std::size_t kMessageBytes = 32;
constexpr std::uint8_t kReply = 1;
constexpr std::uint8_t kDestroyNotify = 17;
constexpr std::uint8_t kGenericEvent = 35;
constexpr std::uint8_t kSentByClient = 0x80;

std::uint32_t Word(const unsigned char* bytes) {
    // The connection was made in this machine's byte order.
    std::uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// One whole message in the watch's buffer: whether it says the watched window was destroyed.
bool SaysDestroyed(sdl_backend::WindowWatch* watch) {
    const unsigned char* m = watch->message;
    const std::uint8_t type = m[0] & static_cast<std::uint8_t>(~kSentByClient);
    if (type == kReply || type == kGenericEvent) watch->skip = std::size_t{4} * Word(m + 4);
    // DestroyNotify: event window in bytes 4 to 7, the destroyed window in 8 to 11. One that another
    // program sent says nothing about the window.
    return m[0] == kDestroyNotify && Word(m + 8) == watch->window;
}

}  // namespace

namespace sdl_backend {

int DisplayConnectionOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return -1;
    return ConnectionNumber(info.info.x11.display);
}

bool StartWindowWatch(SDL_Window* window, WindowWatch* watch) {
    *watch = WindowWatch{};
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    xcb_connection_t* connection = xcb_connect(DisplayString(info.info.x11.display), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return false;
    }
    watch->connection = connection;
    watch->window = static_cast<std::uint32_t>(info.info.x11.window);
    // Each client chooses the events it hears of a window, whoever made the window.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_generic_error_t* error = xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, watch->window, XCB_CW_EVENT_MASK, &mask));
    if (error != nullptr) {
        // The window was destroyed before it could be watched; any other refusal leaves it unwatched.
        const bool gone = error->error_code == XCB_WINDOW;
        std::free(error);
        if (!gone) {
            EndWindowWatch(watch);
            return false;
        }
        watch->destroyed = true;
        return true;
    }
    // What arrived with the answer is read already; the rest comes through the socket.
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection)) {
        const bool gone = event->response_type == kDestroyNotify &&
                          reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == watch->window;
        watch->destroyed = watch->destroyed || gone;
        std::free(event);
    }
    watch->socket = xcb_get_file_descriptor(connection);
    return true;
}

bool ReadWindowWatch(WindowWatch* watch) {
    // Bytes straight from the socket, into the watch's own buffer: the thread that reads them must
    // neither take a lock nor allocate while the box's process may be forked.
    while (!watch->destroyed && watch->socket >= 0) {
        unsigned char buffer[512];
        const ssize_t got = recv(watch->socket, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            watch->socket = -1;  // the display went away; its other connection hears of that
            break;
        }
        if (got < 0) break;
        for (ssize_t i = 0; i < got; ++i) {
            if (watch->skip > 0) {
                --watch->skip;
                continue;
            }
            watch->message[watch->filled++] = buffer[i];
            if (watch->filled < kMessageBytes) continue;
            watch->filled = 0;
            if (SaysDestroyed(watch)) watch->destroyed = true;
        }
    }
    return watch->destroyed;
}

void EndWindowWatch(WindowWatch* watch) {
    if (watch->connection != nullptr) xcb_disconnect(static_cast<xcb_connection_t*>(watch->connection));
    *watch = WindowWatch{};
}

}  // namespace sdl_backend
