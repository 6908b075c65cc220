// The software blits as they were before their pixel loops were rewritten, kept word for word as the
// yardstick the rewritten ones are compared with, pixel for pixel. Test-only.
#include "engine/reference_blits.h"

#include <algorithm>

#include "engine/draw/draw_state.h"

namespace reference_blits {

using elDraw::EffectiveClip;
using elDraw::InsidePicture;
using elDraw::SlotSurface;
using elDraw::SourceRect;
using elDraw::State;

namespace {

constexpr long long kSineScale = 360;
constexpr int kFullTurn = 360;
constexpr int kQuarterTurn = 90;

// Both surfaces locked for one blit; unlocked when it ends.
class LockedPair {
public:
    LockedPair(LPDIRECTDRAWSURFACE source, LPDIRECTDRAWSURFACE target) : source_(source), target_(target) {
        src.dwSize = dst.dwSize = sizeof(DDSURFACEDESC);
        if (source_->Lock(nullptr, &src, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK) return;
        if (target_->Lock(nullptr, &dst, DDLOCK_WAIT, nullptr) != DD_OK) {
            source_->Unlock(nullptr);
            return;
        }
        ok = true;
    }
    ~LockedPair() {
        if (!ok) return;
        target_->Unlock(nullptr);
        source_->Unlock(nullptr);
    }
    LockedPair(const LockedPair&) = delete;
    LockedPair& operator=(const LockedPair&) = delete;

    std::uint16_t* SourceRow(long long y) const { return Row(src, y); }
    std::uint16_t* TargetRow(long long y) const { return Row(dst, y); }

    bool ok = false;
    DDSURFACEDESC src{};
    DDSURFACEDESC dst{};

private:
    static std::uint16_t* Row(const DDSURFACEDESC& d, long long y) {
        return static_cast<std::uint16_t*>(d.lpSurface) +
               y * (d.lPitch / static_cast<LONG>(sizeof(std::uint16_t)));
    }
    LPDIRECTDRAWSURFACE source_;
    LPDIRECTDRAWSURFACE target_;
};

// The part of a picture drawn at (x, y), clipped to the picture and to ClipWindow within the screen.
struct Span {
    long long x, y, sl, st, w, h;
};

Span ClipSpan(int slot, long long x, long long y, long long sl, long long st, long long sr, long long sb) {
    const SourceRect r = InsidePicture(slot, x, y, sl, st, sr, sb);
    x = r.x;
    y = r.y;
    sl = r.sl;
    st = r.st;
    long long w = r.sr - r.sl, h = r.sb - r.st;
    const ClipRectangle clip = EffectiveClip();
    if (x + w > clip.right) w = clip.right - x;
    if (y + h > clip.bottom) h = clip.bottom - y;
    if (x < clip.left) {
        w -= clip.left - x;
        sl += clip.left - x;
        x = clip.left;
    }
    if (y < clip.top) {
        h -= clip.top - y;
        st += clip.top - y;
        y = clip.top;
    }
    return Span{x, y, sl, st, w, h};
}

LPDIRECTDRAWSURFACE GameSource(int slot) {
    if (slot == kStretchSlot || State.backBuffer == nullptr) return nullptr;
    return SlotSurface(slot);
}

}  // namespace

int DrawHalfTransparent(int x, int y, int slot, int sl, int st, int sr, int sb) {
    LPDIRECTDRAWSURFACE source = GameSource(slot);
    if (source == nullptr) return 0;
    const Span s = ClipSpan(slot, x, y, sl, st, sr, sb);
    if (s.w <= 0 || s.h <= 0) return 1;
    LockedPair lock(source, State.backBuffer);
    if (!lock.ok) return 0;
    const std::uint16_t half = State.halfMask;
    for (long long row = 0; row < s.h; ++row) {
        const std::uint16_t* from = lock.SourceRow(s.st + row) + s.sl;
        std::uint16_t* to = lock.TargetRow(s.y + row) + s.x;
        for (long long i = 0; i < s.w; ++i) {
            const std::uint16_t p = from[i];
            const std::uint16_t d = to[i];
            const auto mixed = static_cast<std::uint16_t>(((p >> 1) & half) + ((d >> 1) & half));
            to[i] = p != 0 ? mixed : d;
        }
    }
    return 1;
}

int DrawAdditive(int x, int y, int slot, int sl, int st, int sr, int sb) {
    LPDIRECTDRAWSURFACE source = GameSource(slot);
    if (source == nullptr) return 0;
    const Span s = ClipSpan(slot, x, y, sl, st, sr, sb);
    if (s.w <= 0 || s.h <= 0) return 1;
    LockedPair lock(source, State.backBuffer);
    if (!lock.ok) return 0;
    for (long long row = 0; row < s.h; ++row) {
        const std::uint16_t* from = lock.SourceRow(s.st + row) + s.sl;
        std::uint16_t* to = lock.TargetRow(s.y + row) + s.x;
        for (long long i = 0; i < s.w; ++i) {
            const std::uint16_t p = from[i];
            if (p == 0) continue;
            const std::uint8_t* a = ChannelSplitTable[p];
            const std::uint8_t* b = ChannelSplitTable[to[i]];
            to[i] = static_cast<std::uint16_t>(AdditiveTables[0][a[0]][b[0]] | AdditiveTables[1][a[1]][b[1]] |
                                               AdditiveTables[2][a[2]][b[2]]);
        }
    }
    return 1;
}

int DrawRotated(int dl, int dt, int dr, int db, int angle, int slot, int sl, int st, int sr, int sb) {
    LPDIRECTDRAWSURFACE source = GameSource(slot);
    if (source == nullptr) return 0;
    // Callers pass headings turned by a quarter, which can leave one full turn.
    angle = ((angle % kFullTurn) + kFullTurn) % kFullTurn;
    // The margins come from the rectangle as given; only the part of it inside the picture is read.
    const DrawObjectRecord& o = DrawObject[slot];
    const long long sw = static_cast<long long>(sr) - sl, sh = static_cast<long long>(sb) - st;
    const long long sxMin = std::max(0LL, -static_cast<long long>(sl));
    const long long syMin = std::max(0LL, -static_cast<long long>(st));
    const long long sxEnd = std::min(sw, static_cast<long long>(o.width) - sl);
    const long long syEnd = std::min(sh, static_cast<long long>(o.height) - st);
    const long long W = static_cast<long long>(dr) - dl, H = static_cast<long long>(db) - dt;
    const long long mx = (W - sw) >> 1, my = (H - sh) >> 1;
    const ClipRectangle clip = EffectiveClip();
    const long long xmax = clip.right < dr ? clip.right - static_cast<long long>(dl) : W;
    const long long ymax = dt + H > clip.bottom ? clip.bottom - static_cast<long long>(dt) : H;
    const long long xmin = dl < clip.left ? clip.left - static_cast<long long>(dl) : 0;
    const long long ymin = dt < clip.top ? clip.top - static_cast<long long>(dt) : 0;
    if (xmax < xmin || ymax < ymin) return 1;
    if (sxEnd <= sxMin || syEnd <= syMin) return 1;
    // Only the visible part of the box is visited; the result is the same as walking all of it.
    const long long x0 = std::max(xmin, 0LL), x1 = std::min(xmax, W);
    const long long y0 = std::max(ymin, 0LL), y1 = std::min(ymax, H);
    if (x1 <= x0 || y1 <= y0) return 1;
    LockedPair lock(source, State.backBuffer);
    if (!lock.ok) return 0;
    const long long cs = SineTable[angle + kQuarterTurn];
    const long long sn = SineTable[angle];
    const long long ur = (kSineScale - cs) * (W >> 1) + (H >> 1) * sn;
    const long long vr = (kSineScale - cs) * (H >> 1) - sn * (W >> 1);
    for (long long y = y0; y < y1; ++y) {
        long long u = ur - y * sn + x0 * cs;
        long long v = vr + y * cs + x0 * sn;
        std::uint16_t* to = lock.TargetRow(dt + y);
        for (long long x = x0; x < x1; ++x, u += cs, v += sn) {
            const long long sx = u / kSineScale - mx;
            const long long sy = v / kSineScale - my;
            if (sx < sxMin || sx >= sxEnd || sy < syMin || sy >= syEnd) continue;
            const std::uint16_t p = lock.SourceRow(st + sy)[sl + sx];
            if (p != 0) to[dl + x] = p;
        }
    }
    return 1;
}

}  // namespace reference_blits
