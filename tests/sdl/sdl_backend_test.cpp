// The SDL backend itself, on SDL's offscreen video driver: key events injected into SDL's queue come
// out as the messages and key states the engine reads; the display that scopes the single-instance
// names; the watch that reads the display's messages for a window's destruction.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/window_watch.h"
#include "platform/window.h"

namespace {

LRESULT Ignore(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

class SdlBackendTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        WNDCLASSA wc{};
        wc.lpfnWndProc = Ignore;
        wc.lpszClassName = "KEYS";
        RegisterClassA(&wc);
        window_ =
            CreateWindowExA(0, "KEYS", "keys", WS_POPUP, 0, 0, 320, 240, nullptr, nullptr, nullptr, nullptr);
    }

    void SetUp() override {
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        Drain();
    }

    static void Push(SDL_Keycode key, SDL_Scancode scancode, bool down) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = key;
        e.key.keysym.scancode = scancode;
        SDL_PushEvent(&e);
    }

    // Every message that the pushed events became.
    static std::vector<MSG> Drain() {
        std::vector<MSG> out;
        MSG msg{};
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) out.push_back(msg);
        return out;
    }

    static bool Down(int virtualKey) { return (GetKeyState(virtualKey) & 0x80) != 0; }

    static HWND window_;
};

HWND SdlBackendTest::window_ = nullptr;

struct SidePair {
    int virtualKey;
    SDL_Keycode left, right;
    SDL_Scancode leftCode, rightCode;
    UINT downMessage, upMessage;
};

constexpr SidePair kPairs[] = {
    {VK_SHIFT, SDLK_LSHIFT, SDLK_RSHIFT, SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT, WM_KEYDOWN, WM_KEYUP},
    {VK_CONTROL, SDLK_LCTRL, SDLK_RCTRL, SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL, WM_KEYDOWN, WM_KEYUP},
    {VK_MENU, SDLK_LALT, SDLK_RALT, SDL_SCANCODE_LALT, SDL_SCANCODE_RALT, WM_SYSKEYDOWN, WM_SYSKEYUP},
};

TEST_F(SdlBackendTest, AKeyWithALeftAndARightReadsDownWhileEitherIsDown) {
    for (const SidePair& p : kPairs) {
        SCOPED_TRACE(p.virtualKey);
        for (bool leftFirst : {true, false}) {
            const SDL_Keycode first = leftFirst ? p.left : p.right, second = leftFirst ? p.right : p.left;
            const SDL_Scancode firstCode = leftFirst ? p.leftCode : p.rightCode;
            const SDL_Scancode secondCode = leftFirst ? p.rightCode : p.leftCode;
            Push(first, firstCode, true);
            Push(second, secondCode, true);
            std::vector<MSG> messages = Drain();
            EXPECT_TRUE(Down(p.virtualKey));
            // The second key lets go first: the first still holds the key down.
            Push(second, secondCode, false);
            std::vector<MSG> more = Drain();
            messages.insert(messages.end(), more.begin(), more.end());
            EXPECT_TRUE(Down(p.virtualKey));
            Push(first, firstCode, false);
            more = Drain();
            messages.insert(messages.end(), more.begin(), more.end());
            EXPECT_FALSE(Down(p.virtualKey));
            // One message per physical press and release, all naming the shared key; each press is the
            // first of its own key (previous-state bit clear).
            ASSERT_EQ(messages.size(), 4u);
            const UINT expected[] = {p.downMessage, p.downMessage, p.upMessage, p.upMessage};
            for (std::size_t i = 0; i < messages.size(); ++i) {
                EXPECT_EQ(messages[i].message, expected[i]);
                EXPECT_EQ(messages[i].wParam, static_cast<WPARAM>(p.virtualKey));
            }
            EXPECT_EQ(messages[1].lParam & (LPARAM{1} << 30), 0);
        }
    }
}

TEST_F(SdlBackendTest, RepeatedPressOfOneSideIsARepeatNotANewKey) {
    Push(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, true);
    Push(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, true);
    std::vector<MSG> messages = Drain();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].lParam & (LPARAM{1} << 30), 0);
    EXPECT_NE(messages[1].lParam & (LPARAM{1} << 30), 0);
    Push(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, false);
    Drain();
    EXPECT_FALSE(Down(VK_SHIFT));
}

std::string Scope(const char* driver, const char* x11, const char* wayland = nullptr,
                  const char* runtime = nullptr, const char* host = "gamebox") {
    char out[256];
    sdl_backend::DisplayScopeName(driver, x11, host, wayland, runtime, out, sizeof out);
    return out;
}

TEST(DisplayScope, EverySpellingOfALocalDisplayIsOneName) {
    // This machine is "gamebox"; every spelling below reaches its display 7.
    const char* const local[] = {":7",
                                 ":7.0",
                                 ":7.1",
                                 "unix:7",
                                 "localhost:7",
                                 "localhost:7.0",
                                 "LocalHost:7",
                                 "localhost.localdomain:7",
                                 "127.0.0.1:7",
                                 "127.0.1.1:7.0",
                                 "gamebox:7",
                                 "GAMEBOX:7.0",
                                 "gamebox.example.org:7",
                                 "[::1]:7",
                                 "::1:7",
                                 "tcp/localhost:7",
                                 "inet6/[::1]:7",
                                 "unix/:7",
                                 "local/anyhost:7",
                                 ":07"};
    for (const char* spelling : local) EXPECT_EQ(Scope("x11", spelling), "x11 :7") << spelling;
    // The machine's name given in full matches its short form too.
    EXPECT_EQ(Scope("x11", "gamebox:7", nullptr, nullptr, "gamebox.example.org"), "x11 :7");
    EXPECT_EQ(Scope("x11", "gamebox.example.org:7", nullptr, nullptr, "gamebox.example.org"), "x11 :7");
}

TEST(DisplayScope, OtherDisplaysAndHostsKeepTheirOwnName) {
    const char* const other[] = {":70",         ":17",          "otherhost:7",   "10.0.0.2:7",
                                 "gamebox2:7",  "gameboxx:7",   "box.gamebox:7", "[fe80::1]:7",
                                 "128.0.0.1:7", "127.0.0.1x:7", "localhostx:7",  "tcp/otherhost:7"};
    for (const char* spelling : other) EXPECT_NE(Scope("x11", spelling), "x11 :7") << spelling;
    // A remote display is one name however its host's case and screen are written.
    EXPECT_EQ(Scope("x11", "OtherHost:7.1"), Scope("x11", "otherhost:7"));
    EXPECT_EQ(Scope("x11", "[fe80::1]:7"), Scope("x11", "fe80::1:7"));
    EXPECT_NE(Scope("x11", "otherhost:7"), Scope("x11", "otherhost:8"));
    // Two machines that share a first label in different domains are not this one.
    EXPECT_NE(Scope("x11", "gamebox.other.org:7", nullptr, nullptr, "gamebox.example.org"), "x11 :7");
    // Without a machine name only the loopback spellings are local.
    EXPECT_NE(Scope("x11", "gamebox:7", nullptr, nullptr, ""), "x11 :7");
    EXPECT_EQ(Scope("x11", "localhost:7", nullptr, nullptr, nullptr), "x11 :7");
}

TEST(DisplayScope, NotADisplayNameOrNotX11) {
    // Text that names no display is not folded into one that does.
    for (const char* text : {"", "7", "gamebox", ":", ":x", ":7x", "localhost:"}) {
        EXPECT_NE(Scope("x11", text), "x11 :7") << text;
        EXPECT_NE(Scope("x11", text), "x11 :0") << text;
    }
    EXPECT_EQ(Scope("wayland", ":0", "wayland-1", "/run/user/7"), "wayland /run/user/7/wayland-1");
    EXPECT_EQ(Scope("wayland", nullptr, nullptr, "/run/user/7"), "wayland /run/user/7/wayland-0");
    EXPECT_EQ(Scope("wayland", nullptr, "/tmp/w", "/run/user/7"), "wayland /tmp/w");
    // The X display does not matter to a program that shows its window through Wayland.
    EXPECT_NE(Scope("wayland", ":0", "wayland-0", "/run/user/7"), Scope("x11", ":0"));
    EXPECT_EQ(Scope("offscreen", ":0"), "offscreen");
    EXPECT_EQ(Scope(nullptr, ":0"), "no display");
}

// X11 messages as the display sends them, in this machine's byte order.
std::vector<unsigned char> Message(std::uint8_t type, std::uint32_t word4, std::uint32_t word8) {
    std::vector<unsigned char> m(32, 0);
    m[0] = type;
    std::memcpy(&m[4], &word4, 4);
    std::memcpy(&m[8], &word8, 4);
    return m;
}

class WindowWatchTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends_), 0);
        watch_.socket = ends_[0];
        watch_.window = kWindow;
    }
    void TearDown() override {
        close(ends_[0]);
        close(ends_[1]);
    }
    void Send(const std::vector<unsigned char>& bytes, std::size_t from = 0, std::size_t count = 0) {
        if (count == 0) count = bytes.size() - from;
        ASSERT_EQ(write(ends_[1], bytes.data() + from, count), static_cast<ssize_t>(count));
    }

    static constexpr std::uint32_t kWindow = 0x400008;
    static constexpr std::uint8_t kDestroyNotify = 17;
    int ends_[2] = {-1, -1};
    sdl_backend::WindowWatch watch_{};
};

TEST_F(WindowWatchTest, HearsItsWindowsDestructionWhateverCameBefore) {
    // Another window's end, an unrelated event of this window, and a reply whose 8 more bytes would
    // read as this window's end if the watch took them for the start of a message.
    Send(Message(kDestroyNotify, 0x500001, 0x500001));
    Send(Message(22, kWindow, kWindow));  // ConfigureNotify
    Send(Message(1, 2, 0));
    Send({kDestroyNotify, 0, 0, 0, 0, 0, 0, 0});
    Send(Message(kDestroyNotify, 0, kWindow), 0, 8);
    EXPECT_FALSE(sdl_backend::ReadWindowWatch(&watch_));
    // The window's end, split over two reads.
    Send(Message(kDestroyNotify, 0, kWindow), 8, 12);
    EXPECT_FALSE(sdl_backend::ReadWindowWatch(&watch_));
    Send(Message(kDestroyNotify, 0, kWindow), 20);
    EXPECT_TRUE(sdl_backend::ReadWindowWatch(&watch_));
}

TEST_F(WindowWatchTest, NeitherAForgedEndNorAClosedDisplayIsTheWindowsEnd) {
    // Any program may send a window any event; only the display's own word counts.
    Send(Message(kDestroyNotify | 0x80, kWindow, kWindow));
    EXPECT_FALSE(sdl_backend::ReadWindowWatch(&watch_));
    shutdown(ends_[1], SHUT_WR);
    EXPECT_FALSE(sdl_backend::ReadWindowWatch(&watch_));
    EXPECT_EQ(watch_.socket, -1);
}

}  // namespace
