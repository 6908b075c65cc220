// The test backend's display: pictures are kept in memory where tests read them, the frame boundary is
// a point of the virtual clock, and tests choose the pixel format, take the device away or lose every
// surface.
#include "platform/common/gdi_objects.h"
#include "platform/common/window_table.h"
#include "platform/headless.h"

namespace {

constexpr std::uint64_t kMicrosPerSecond = 1000000;
constexpr std::uint64_t kFramesPerSecond = 60;
constexpr int kDesktopBits = 32;

struct Display {
    bool available = true;
    DWORD bitCount = 16;
    platform_common::PixelMasks masks = platform_common::kMasks565;
    bool hardwareStretch = false;
    bool modeSet = false;
    int width = 0;
    int height = 0;
    int presents = 0;
    int vblankWaits = 0;
    DirectDrawSurface* shown = nullptr;
    HWND minimized[platform_common::kMaxWindows] = {};
};

Display& D() {
    static Display display;
    return display;
}

}  // namespace

namespace headless_display {
void Reset() {
    D() = Display{};
    platform_common::ResetDisplayObjects();
    platform_common::ResetGdiObjects();
}
}  // namespace headless_display

namespace display_backend {

bool DeviceAvailable() {
    return D().available;
}

bool SetMode(HWND, int width, int height) {
    D().modeSet = true;
    D().width = width;
    D().height = height;
    return true;
}

void RestoreMode() {
    D().modeSet = false;
}

// The display shows the primary surface itself: tests read it where it is.
void Present(DirectDrawSurface* primary, const std::uint16_t*, int, int, int) {
    ++D().presents;
    D().shown = primary;
}

void WaitVerticalBlank() {
    ++D().vblankWaits;
    const std::uint64_t now = headless::NowMicroseconds();
    const std::uint64_t frame = now * kFramesPerSecond / kMicrosPerSecond + 1;
    const std::uint64_t next = (frame * kMicrosPerSecond + kFramesPerSecond - 1) / kFramesPerSecond;
    headless::AdvanceClock(next - now);
}

platform_common::PixelMasks Masks() {
    return D().masks;
}

DWORD BitCount() {
    return D().bitCount;
}

bool HardwareStretch() {
    return D().hardwareStretch;
}

int DesktopBitDepth() {
    return D().modeSet ? 16 : kDesktopBits;
}

}  // namespace display_backend

namespace headless {

void SetDirectDrawAvailable(bool available) {
    D().available = available;
}

void SetDisplayPixelFormat(DWORD bitCount, DWORD redMask, DWORD greenMask, DWORD blueMask) {
    D().bitCount = bitCount;
    D().masks = platform_common::PixelMasks{redMask, greenMask, blueMask};
}

void SetHardwareStretch(bool on) {
    D().hardwareStretch = on;
}

void LoseAllSurfaces() {
    platform_common::LoseEverySurface();
}

int PresentCount() {
    return D().presents;
}

int VerticalBlankWaits() {
    return D().vblankWaits;
}

bool DisplayModeSet() {
    return D().modeSet;
}

int DisplayWidth() {
    return D().width;
}

int DisplayHeight() {
    return D().height;
}

int ScreenPixel(int x, int y) {
    return D().shown != nullptr ? SurfacePixel(D().shown, x, y) : -1;
}

ScreenView ShownScreen() {
    platform_common::SurfacePixels p{};
    if (D().shown == nullptr || !platform_common::AccessSurface(D().shown, &p)) return {};
    return {p.pixels, p.width, p.height, p.pitch};
}

int SurfacePixel(DirectDrawSurface* surface, int x, int y) {
    platform_common::SurfacePixels p{};
    if (!platform_common::AccessSurface(surface, &p)) return -1;
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) return -1;
    return p.pixels[static_cast<std::size_t>(y) * p.pitch + x];
}

bool WindowMinimized(HWND window) {
    for (HWND w : D().minimized) {
        if (w != nullptr && w == window) return true;
    }
    return false;
}

}  // namespace headless

BOOL CloseWindow(HWND window) {
    if (platform_common::LiveWindow(window) == nullptr) return FALSE;
    for (HWND& w : D().minimized) {
        if (w == window) return TRUE;
    }
    for (HWND& w : D().minimized) {
        if (w == nullptr) {
            w = window;
            break;
        }
    }
    return TRUE;
}
