#include <algorithm>
#include <cstdint>

#include "engine/draw/draw_state.h"

namespace elDraw {

void SetClipRect(int left, int top, int right, int bottom) {
    ClipWindow = ClipRectangle{left, top, right, bottom};
}

HRESULT ClearBackBuffer() {
    if (State.backBuffer == nullptr) return 0;
    DDBLTFX fx{};
    fx.dwSize = sizeof fx;
    fx.dwFillColor = 0;
    RECT whole{0, 0, State.width, State.height};
    State.lastResult = State.backBuffer->Blt(&whole, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    return State.lastResult;
}

// The rectangle is clipped to ClipWindow only; one that then still runs past its picture goes to the
// surface as it is, and the surface's blit refuses it (DDERR_INVALIDRECT), so nothing is drawn.
HRESULT BlitSlot(long long x, long long y, int slot, long long sl, long long st, long long sr, long long sb,
                 bool keyed) {
    LPDIRECTDRAWSURFACE source = SlotSurface(slot);
    if (State.backBuffer == nullptr || source == nullptr) return 0;
    SourceRect r{x, y, sl, st, sr, sb};
    const ClipRectangle clip = EffectiveClip();
    if (r.x + (r.sr - r.sl) > clip.right) r.sr = clip.right + r.sl - r.x;
    if (r.y + (r.sb - r.st) > clip.bottom) r.sb = clip.bottom + r.st - r.y;
    if (r.x < clip.left) {
        r.sl += clip.left - r.x;
        r.x = clip.left;
    }
    if (r.y < clip.top) {
        r.st += clip.top - r.y;
        r.y = clip.top;
    }
    // Empty or inverted after clipping: nothing to draw.
    if (r.sr <= r.sl || r.sb <= r.st) return State.lastResult;
    constexpr long long kLongMin = INT32_MIN, kLongMax = INT32_MAX;
    if (r.sl < kLongMin || r.st < kLongMin || r.sr > kLongMax || r.sb > kLongMax) {
        // Too far out to name to the surface at all, and so certainly past the picture.
        State.lastResult = DDERR_INVALIDRECT;
        return State.lastResult;
    }
    RECT rect{static_cast<LONG>(r.sl), static_cast<LONG>(r.st), static_cast<LONG>(r.sr),
              static_cast<LONG>(r.sb)};
    const DWORD flags = keyed ? DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT : DDBLTFAST_WAIT;
    State.lastResult =
        State.backBuffer->BltFast(static_cast<DWORD>(r.x), static_cast<DWORD>(r.y), source, &rect, flags);
    if (State.lastResult == DDERR_SURFACELOST) RestoreSurfaces();
    return State.lastResult;
}

// Slot 0 is what the game holds for a picture that failed to load: it draws nothing.
HRESULT Draw(int x, int y, int slot, int sl, int st, int sr, int sb) {
    if (slot == kStretchSlot) return 0;
    return BlitSlot(x, y, slot, sl, st, sr, sb, true);
}

HRESULT DrawOpaque(int x, int y, int slot, int sl, int st, int sr, int sb) {
    if (slot == kStretchSlot) return 0;
    return BlitSlot(x, y, slot, sl, st, sr, sb, false);
}

HRESULT DrawStretch(int x, int y, int slot, int sl, int st, int sr, int sb, int width, int height) {
    LPDIRECTDRAWSURFACE source = slot == kStretchSlot ? nullptr : SlotSurface(slot);
    LPDIRECTDRAWSURFACE buffer = DrawObject[kStretchSlot].surface;
    if (State.backBuffer == nullptr || source == nullptr || buffer == nullptr) return 0;
    if (width <= 0 || height <= 0) return State.lastResult;
    width = std::min<int>(width, DrawObject[kStretchSlot].width);
    height = std::min<int>(height, DrawObject[kStretchSlot].height);
    const DrawObjectRecord& o = DrawObject[slot];
    sl = std::max(sl, 0);
    st = std::max(st, 0);
    sr = std::min<int>(sr, o.width);
    sb = std::min<int>(sb, o.height);
    if (sr <= sl || sb <= st) return State.lastResult;

    if (State.hardwareStretch) {
        RECT from{sl, st, sr, sb};
        const long long right = static_cast<long long>(x) + width,
                        bottom = static_cast<long long>(y) + height;
        if (right > INT32_MAX || bottom > INT32_MAX) return State.lastResult;
        RECT to{x, y, static_cast<LONG>(right), static_cast<LONG>(bottom)};
        State.lastResult = State.backBuffer->Blt(&to, source, &from, DDBLT_KEYSRC | DDBLT_WAIT, nullptr);
        if (State.lastResult == DDERR_SURFACELOST) RestoreSurfaces();
        return State.lastResult;
    }
    HDC sourceDC = nullptr, bufferDC = nullptr;
    if (source->GetDC(&sourceDC) != DD_OK) return State.lastResult;
    if (buffer->GetDC(&bufferDC) == DD_OK) {
        StretchBlt(bufferDC, 0, 0, width, height, sourceDC, sl, st, sr - sl, sb - st, SRCCOPY);
        buffer->ReleaseDC(bufferDC);
    }
    source->ReleaseDC(sourceDC);
    return BlitSlot(x, y, kStretchSlot, 0, 0, width, height, true);
}

HRESULT GrabScreen(int slot, int left, int top, int right, int bottom) {
    LPDIRECTDRAWSURFACE target = SlotSurface(slot);
    if (State.backBuffer == nullptr || target == nullptr) return 0;
    // Only what lies on the back buffer and fits the picture is copied.
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min({right, State.width, left + static_cast<int>(DrawObject[slot].width)});
    bottom = std::min({bottom, State.height, top + static_cast<int>(DrawObject[slot].height)});
    if (right <= left || bottom <= top) return State.lastResult;
    RECT rect{left, top, right, bottom};
    State.lastResult = target->BltFast(0, 0, State.backBuffer, &rect, DDBLTFAST_WAIT);
    if (State.lastResult == DDERR_SURFACELOST) RestoreSurfaces();
    return State.lastResult;
}

}  // namespace elDraw
