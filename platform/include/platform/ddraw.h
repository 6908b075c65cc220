// The display-surface interface the engine is written against: a device, the screen, off-screen 16-bit
// surfaces with blits, locks, colour keys and device contexts, and surfaces that can be lost and
// restored. Result codes and flags keep their documented values.
#pragma once

#include <cstdint>

#include "platform/gdi.h"
#include "platform/types.h"

using HRESULT = LONG;
using ULONG = std::uint32_t;

constexpr bool FAILED(HRESULT r) {
    return r < 0;
}
constexpr bool SUCCEEDED(HRESULT r) {
    return r >= 0;
}

inline constexpr HRESULT DD_OK = 0;
inline constexpr HRESULT DDERR_GENERIC = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT DDERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT DDERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT DDERR_INVALIDPARAMS = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT DDERR_INVALIDOBJECT = static_cast<HRESULT>(0x88760082u);
inline constexpr HRESULT DDERR_INVALIDMODE = static_cast<HRESULT>(0x88760078u);
inline constexpr HRESULT DDERR_INVALIDRECT = static_cast<HRESULT>(0x88760096u);
inline constexpr HRESULT DDERR_NOCOLORKEY = static_cast<HRESULT>(0x887600D7u);
inline constexpr HRESULT DDERR_SURFACEBUSY = static_cast<HRESULT>(0x887601AEu);
inline constexpr HRESULT DDERR_SURFACELOST = static_cast<HRESULT>(0x887601C2u);
inline constexpr HRESULT DDERR_WASSTILLDRAWING = static_cast<HRESULT>(0x8876021Cu);
inline constexpr HRESULT DDERR_NOTLOCKED = static_cast<HRESULT>(0x88760248u);
inline constexpr HRESULT DDERR_DCALREADYCREATED = static_cast<HRESULT>(0x8876026Cu);

// Cooperative levels.
inline constexpr DWORD DDSCL_FULLSCREEN = 0x1;
inline constexpr DWORD DDSCL_ALLOWREBOOT = 0x2;
inline constexpr DWORD DDSCL_NORMAL = 0x8;
inline constexpr DWORD DDSCL_EXCLUSIVE = 0x10;

// Surface description fields and capabilities.
inline constexpr DWORD DDSD_CAPS = 0x1;
inline constexpr DWORD DDSD_HEIGHT = 0x2;
inline constexpr DWORD DDSD_WIDTH = 0x4;
inline constexpr DWORD DDSD_PITCH = 0x8;
inline constexpr DWORD DDSD_PIXELFORMAT = 0x1000;
inline constexpr DWORD DDSCAPS_OFFSCREENPLAIN = 0x40;
inline constexpr DWORD DDSCAPS_PRIMARYSURFACE = 0x200;
inline constexpr DWORD DDSCAPS_SYSTEMMEMORY = 0x800;

// Device capabilities.
inline constexpr DWORD DDCAPS_3D = 0x1;
inline constexpr DWORD DDCAPS_BLTSTRETCH = 0x200;

// Blt and BltFast.
inline constexpr DWORD DDBLT_COLORFILL = 0x400;
inline constexpr DWORD DDBLT_KEYSRC = 0x8000;
inline constexpr DWORD DDBLT_WAIT = 0x1000000;
inline constexpr DWORD DDBLTFAST_NOCOLORKEY = 0x0;
inline constexpr DWORD DDBLTFAST_SRCCOLORKEY = 0x1;
inline constexpr DWORD DDBLTFAST_WAIT = 0x10;

inline constexpr DWORD DDLOCK_WAIT = 0x1;
inline constexpr DWORD DDLOCK_READONLY = 0x10;  // the pixels are only read
inline constexpr DWORD DDCKEY_SRCBLT = 0x8;
inline constexpr DWORD DDWAITVB_BLOCKBEGIN = 0x1;
inline constexpr DWORD DDPF_RGB = 0x40;

struct GUID {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};

struct DDPIXELFORMAT {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwFourCC;
    DWORD dwRGBBitCount;
    DWORD dwRBitMask;
    DWORD dwGBitMask;
    DWORD dwBBitMask;
    DWORD dwRGBAlphaBitMask;
};

struct DDCOLORKEY {
    DWORD dwColorSpaceLowValue;
    DWORD dwColorSpaceHighValue;
};

struct DDSCAPS {
    DWORD dwCaps;
};

struct DDSURFACEDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwHeight;
    DWORD dwWidth;
    LONG lPitch;
    void* lpSurface;
    DDCOLORKEY ddckCKSrcBlt;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS ddsCaps;
};

struct DDBLTFX {
    DWORD dwSize;
    DWORD dwFillColor;
};

struct DDCAPS {
    DWORD dwSize;
    DWORD dwCaps;
    DDSCAPS ddsCaps;
};

struct DirectDrawClipper;

// An off-screen or primary surface of 16-bit pixels.
struct DirectDrawSurface {
    HRESULT Blt(const RECT* destRect, DirectDrawSurface* source, const RECT* sourceRect, DWORD flags,
                const DDBLTFX* fx);
    HRESULT BltFast(DWORD x, DWORD y, DirectDrawSurface* source, const RECT* sourceRect, DWORD flags);
    HRESULT Lock(const RECT* rect, DDSURFACEDESC* desc, DWORD flags, HANDLE event);
    HRESULT Unlock(void* bits);
    HRESULT GetDC(HDC* dc);
    HRESULT ReleaseDC(HDC dc);
    HRESULT SetColorKey(DWORD flags, const DDCOLORKEY* key);
    HRESULT GetPixelFormat(DDPIXELFORMAT* format);
    HRESULT GetSurfaceDesc(DDSURFACEDESC* desc);
    HRESULT SetClipper(DirectDrawClipper* clipper);
    HRESULT IsLost();
    HRESULT Restore();
    ULONG Release();
};

struct DirectDrawClipper {
    HRESULT SetHWnd(DWORD flags, HWND window);
    ULONG Release();
};

struct DirectDraw {
    HRESULT SetCooperativeLevel(HWND window, DWORD flags);
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel);
    HRESULT RestoreDisplayMode();
    HRESULT CreateSurface(const DDSURFACEDESC* desc, DirectDrawSurface** surface, void* outer);
    HRESULT CreateClipper(DWORD flags, DirectDrawClipper** clipper, void* outer);
    HRESULT GetCaps(DDCAPS* driverCaps, DDCAPS* emulationCaps);
    HRESULT WaitForVerticalBlank(DWORD flags, HANDLE event);
    HRESULT FlipToGDISurface();
    ULONG Release();
};

using LPDIRECTDRAW = DirectDraw*;
using LPDIRECTDRAWSURFACE = DirectDrawSurface*;
using LPDIRECTDRAWCLIPPER = DirectDrawClipper*;
using LPDDENUMCALLBACKA = BOOL (*)(GUID* guid, char* description, char* name, void* context);

inline constexpr BOOL DDENUMRET_CANCEL = 0;
inline constexpr BOOL DDENUMRET_OK = 1;

// Offers every display device to the callback until it answers DDENUMRET_CANCEL.
HRESULT DirectDrawEnumerateA(LPDDENUMCALLBACKA callback, void* context);
// A device object for the given device (null: the default one).
HRESULT DirectDrawCreate(GUID* guid, LPDIRECTDRAW* out, void* outer);
