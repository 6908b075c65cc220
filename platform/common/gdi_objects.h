// What the surface and device-context parts of the platform share: surface pixels, device contexts and
// bitmaps, colour conversion, and the display hooks each backend provides.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ddraw.h"
#include "platform/gdi.h"

struct Bitmap {
    bool used;
    int width;
    int height;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
};

struct DeviceContext {
    enum Kind : int { kFree = 0, kMemory, kSurface, kWindow };
    Kind kind;
    HBITMAP bitmap;              // kMemory: the selected bitmap, or null
    DirectDrawSurface* surface;  // kSurface
    HWND window;                 // kWindow
};

namespace platform_common {

struct PixelMasks {
    DWORD red;
    DWORD green;
    DWORD blue;
};
inline constexpr PixelMasks kMasks565 = {0xF800, 0x07E0, 0x001F};
inline constexpr PixelMasks kMasks555 = {0x7C00, 0x03E0, 0x001F};

// A live surface's pixels as a device context or a test reads them; false when the surface is not a
// live one or is lost.
struct SurfacePixels {
    std::uint16_t* pixels;
    int width;
    int height;
    int pitch;  // in pixels
    PixelMasks masks;
};
bool AccessSurface(DirectDrawSurface* surface, SurfacePixels* out);

std::uint16_t PackColour(std::uint32_t rgb, const PixelMasks& masks);  // rgb: 0x00RRGGBB
std::uint32_t UnpackColour(std::uint16_t pixel, const PixelMasks& masks);

HDC NewDeviceContext(DeviceContext::Kind kind);
void FreeDeviceContext(HDC dc);
bool LiveDeviceContext(HDC dc);

// Every live surface is lost and its pixels are gone, as when another program takes the display.
void LoseEverySurface();

// Surfaces, devices and device contexts back to none.
void ResetDisplayObjects();
// Bitmaps and device contexts back to none.
void ResetGdiObjects();

// The last picture file LoadImageA could not read, with the reason ("path: reason"), or "" when the
// last picture it was asked for loaded or none failed since the note was taken. The error box of the
// SDL backend names it on its line on stderr; taking it clears it.
const char* UnreadablePictureNote();
void TakeUnreadablePictureNote();

}  // namespace platform_common

// Implemented by each backend: what reaches the real display.
namespace display_backend {
// False when no display device can be made.
bool DeviceAvailable();
// The display takes the given logical size; false when it cannot.
bool SetMode(HWND window, int width, int height);
void RestoreMode();
// Shows the primary surface's pixels.
void Present(DirectDrawSurface* primary, const std::uint16_t* pixels, int width, int height, int pitchPixels);
// Blocks until the next frame boundary of the display.
void WaitVerticalBlank();
// The channel masks of the display's 16-bit pixels.
platform_common::PixelMasks Masks();
// The bit count the display reports for its pixels.
DWORD BitCount();
// Whether the device stretches in blits.
bool HardwareStretch();
// Bits per pixel of the desktop, when no display mode is set.
int DesktopBitDepth();
}  // namespace display_backend
