// The state elDraw keeps between calls: the device and its surfaces, the picture table, the pixel
// format of the back buffer and the tables built from it.
#pragma once

#include <algorithm>
#include <cstdint>

#include "engine/elDraw.h"

inline constexpr int kDrawObjectCount = 500;
inline constexpr int kFirstGameSlot = 4;
inline constexpr int kObjectNameMax = 30;
inline constexpr int kPixelValues = 65536;
inline constexpr int kChannelLevels = 32;
inline constexpr int kReloadMode = 2;
inline constexpr std::size_t kPackFileNameSize = 256;

// Internal picture slots.
inline constexpr int kStretchSlot = 0;
inline constexpr int kTransitionSlot = 1;
inline constexpr int kTextSlot = 2;
inline constexpr int kTextBufferSlot = 3;
inline constexpr int kInternalSlots = 4;

struct DrawObjectRecord {
    LPDIRECTDRAWSURFACE surface;
    char name[kObjectNameMax + 1];  // empty: free; "*": made by CreateObject
    int fromPack;
    int reloadMode;
    int colorKey;  // COLORREF, or -1 for the colour of the pixel at (0, 0)
    std::uint16_t width;
    std::uint16_t height;
};

extern DrawObjectRecord DrawObject[kDrawObjectCount];
// Per pixel value: red, green and blue reduced to 5 bits.
extern std::uint8_t ChannelSplitTable[kPixelValues][3];
// Per channel (red, green, blue): min(31, s + d) at the channel's pack shift.
extern std::uint16_t AdditiveTables[3][kChannelLevels][kChannelLevels];

namespace elDraw {

struct ChannelFormat {
    DWORD mask;
    int shift;
    int max;
    int packShift;
};

struct DrawState {
    LPDIRECTDRAW ddraw;
    LPDIRECTDRAWSURFACE primary;
    LPDIRECTDRAWSURFACE backBuffer;
    LPDIRECTDRAWCLIPPER clipper;
    int width;
    int height;
    int displayDepth;
    int alternativeDepths[2];
    int fromEnumeration;
    int hardwareStretch;
    ChannelFormat red;
    ChannelFormat green;
    ChannelFormat blue;
    std::uint16_t halfMask;
    std::uint32_t halfMask32;
    HDC textDC;
    RECT presentSource;
    RECT presentDest;
    COLORREF defaultColorKey;
    int keyFromPixel;
    int restoring;
    HRESULT lastResult;
    int waitVBlank;
    int stripSlot;  // the strip picture of transition kind 0; never set
    char packFileName[kPackFileNameSize];
    // The map view: its tile and tall pictures (0: none) and how far each has scrolled.
    int mapTileSlot;
    int mapPictureSlot;
    double mapTileX;
    double mapTileY;
    double mapPictureY;
};

extern DrawState State;

// Builds the tables of the software blits from the back buffer's format.
void BuildSineTable();
void BuildPixelTables();
void ClearPixelTables();

// A source rectangle moved inside its picture: a negative left or top moves the destination with it,
// and the right and bottom are cut to the picture's stored size.
struct SourceRect {
    long long x, y, sl, st, sr, sb;
};
inline SourceRect InsidePicture(int slot, long long x, long long y, long long sl, long long st, long long sr,
                                long long sb) {
    const DrawObjectRecord& o = DrawObject[slot];
    if (sl < 0) {
        x -= sl;
        sl = 0;
    }
    if (st < 0) {
        y -= st;
        st = 0;
    }
    sr = std::min<long long>(sr, o.width);
    sb = std::min<long long>(sb, o.height);
    return SourceRect{x, y, sl, st, sr, sb};
}

// Keyed or opaque copy from any slot, internal ones included.
HRESULT BlitSlot(long long x, long long y, int slot, long long sl, long long st, long long sr, long long sb,
                 bool keyed);
// The slot's surface, or null for a slot number outside the table or a slot without one.
inline LPDIRECTDRAWSURFACE SlotSurface(int slot) {
    if (slot < 0 || slot >= kDrawObjectCount) return nullptr;
    return DrawObject[slot].surface;
}
// ClipWindow within the screen.
inline ClipRectangle EffectiveClip() {
    return ClipRectangle{std::max(ClipWindow.left, 0), std::max(ClipWindow.top, 0),
                         std::min(ClipWindow.right, State.width), std::min(ClipWindow.bottom, State.height)};
}
// Caps of an off-screen picture surface for a memory mode.
DWORD PictureCaps(int mode);
// Scrolls the map view by this frame's time and draws it over the back buffer.
void DrawMapView();

}  // namespace elDraw
