// elDraw: the screen, the picture table, blits, screen transitions and the present step.
#pragma once

#include <cstdint>

#include "platform/ddraw.h"
#include "platform/gdi.h"

// The running screen transition.
struct ScreenTransition {
    int kind;
    int step;
    int direction;  // +1 opening, -1 closing into opening
    int length;
};

// Drawing rectangle of every blit: left, top, exclusive right, exclusive bottom.
struct ClipRectangle {
    int left;
    int top;
    int right;
    int bottom;
};

inline constexpr int kSineTableSize = 450;

extern ScreenTransition Transition;
extern ClipRectangle ClipWindow;
// sin(i degrees) x 360, truncated; the cosine of i is entry i + 90.
extern int SineTable[kSineTableSize];

namespace elDraw {

// Screen set-up: the device, the screen, the back buffer, the internal pictures and the pixel tables;
// then the other modules start. 1, or 0 after the error box.
int Screen(int width, int height, int type);
BOOL EnumDeviceCallback(GUID* guid, char* description, char* name, void* context);
int GetScreenBitDepth();
// The back buffer's device context for text, and its release.
HDC GetBackBufferDC();
void ReleaseBackBufferDC();

// Pictures: slot numbers 4..499, or 0 after the error box.
int LoadObject(const char* name, int mode);
LPDIRECTDRAWSURFACE LoadBitmapSurface(const char* path, int mode, int* width, int* height);
HRESULT CopyBitmapToSurface(LPDIRECTDRAWSURFACE surface, HBITMAP bitmap, int x, int y, int width, int height);
int CreateObject(int width, int height, int mode);
int SwapObject(const char* name, int slot, int mode);
int SwapPack(const char* name, int slot, int mode);
void FreeObject(int slot);
void SetDefaultColorKey(COLORREF colour);
HRESULT SetSurfaceColorKey(LPDIRECTDRAWSURFACE surface, COLORREF colour);
// The surface's pixel value for a colour (CLR_INVALID: the pixel at (0, 0)); CLR_INVALID when the
// surface cannot be read.
DWORD MatchSurfaceColor(LPDIRECTDRAWSURFACE surface, COLORREF colour);
// Brings back lost surfaces and reloads the pictures they held.
void RestoreSurfaces();
// Releases every picture, the surfaces and the display; every later drawing call does nothing.
void Release();
// The pack file SwapPack reads, relative to the program folder; empty (the default) names none.
void SetPackFileName(const char* name);
// The pictures of the map view: the 64 x 48 tile and the tall picture scrolled over it. 0 (the default)
// names none, and the map view then draws nothing.
void SetMapViewTiles(int slot);
void SetMapViewPicture(int slot);

// Blits onto the back buffer, clipped to ClipWindow.
void SetClipRect(int left, int top, int right, int bottom);
HRESULT ClearBackBuffer();
HRESULT Draw(int x, int y, int slot, int sl, int st, int sr, int sb);
HRESULT DrawOpaque(int x, int y, int slot, int sl, int st, int sr, int sb);
HRESULT DrawStretch(int x, int y, int slot, int sl, int st, int sr, int sb, int width, int height);
int DrawHalfTransparent(int x, int y, int slot, int sl, int st, int sr, int sb);
int DrawAdditive(int x, int y, int slot, int sl, int st, int sr, int sb);
int DrawRotated(int dl, int dt, int dr, int db, int angle, int slot, int sl, int st, int sr, int sb);
HRESULT GrabScreen(int slot, int left, int top, int right, int bottom);

void SetWaitVBlank(int on);
// Presents the back buffer, running the screen transition first.
int Present();
// Shows the system's own surface, so that a message box can be seen over the full screen.
void FlipToGdiSurface();

}  // namespace elDraw
