// Device contexts, bitmaps and the GDI calls the engine uses: bitmap loading, StretchBlt, GetPixel,
// SetPixel and the device depth. A device context draws either into a bitmap selected into it, into a
// 16-bit surface (see ddraw.h) or, for a window, onto nothing but answers the display's depth.
#pragma once

#include "platform/types.h"

struct DeviceContext;
struct Bitmap;
using HDC = DeviceContext*;
using HBITMAP = Bitmap*;
using HGDIOBJ = void*;
using COLORREF = DWORD;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr int BITSPIXEL = 12;

// LoadImageA.
inline constexpr UINT IMAGE_BITMAP = 0;
inline constexpr UINT LR_LOADFROMFILE = 0x0010;
inline constexpr UINT LR_CREATEDIBSECTION = 0x2000;

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

// The program module; a null name is the program itself.
HINSTANCE GetModuleHandleA(const char* name);

// A bitmap from the module's resource table (RT_BITMAP, by name) or, with LR_LOADFROMFILE, from a BMP
// file. Null when there is none or it cannot be read.
HBITMAP LoadImageA(HINSTANCE instance, const char* name, UINT type, int cx, int cy, UINT flags);
BOOL DeleteObject(HGDIOBJ object);
int GetObjectA(HGDIOBJ object, int size, void* out);

HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
// Selects a bitmap into a memory device context; returns the one selected before (null at first).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);

HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
int GetDeviceCaps(HDC dc, int index);

COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
// Nearest-pixel copy of the source rectangle onto the destination rectangle; only SRCCOPY is drawn.
// Parts outside either device context are left out.
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                DWORD rop);
