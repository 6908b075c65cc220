// The blits done by hand over locked surfaces: half-transparent, additive and rotated. Pixel value 0 of
// the picture is transparent in all three.
#include <algorithm>
#include <cstdint>

#include "engine/draw/blit_rows.h"
#include "engine/draw/draw_state.h"

namespace elDraw {

namespace {

constexpr long long kSineScale = 360;
constexpr int kFullTurn = 360;
constexpr int kQuarterTurn = 90;

// The part of a picture drawn at (x, y), clipped to the picture and to ClipWindow within the screen.
struct Span {
    long long x, y, sl, st, w, h;
};

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
    long long SourcePitch() const { return Pitch(src); }
    // The span's pixels in the picture and on the back buffer.
    PixelBlock Block(const Span& s) const {
        return PixelBlock{SourceRow(s.st) + s.sl, Pitch(src), TargetRow(s.y) + s.x, Pitch(dst), s.w, s.h};
    }

    bool ok = false;
    DDSURFACEDESC src{};
    DDSURFACEDESC dst{};

private:
    static long long Pitch(const DDSURFACEDESC& d) {
        return d.lPitch / static_cast<LONG>(sizeof(std::uint16_t));
    }
    static std::uint16_t* Row(const DDSURFACEDESC& d, long long y) {
        return static_cast<std::uint16_t*>(d.lpSurface) + y * Pitch(d);
    }
    LPDIRECTDRAWSURFACE source_;
    LPDIRECTDRAWSURFACE target_;
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

// Floor division by a divisor that stays the same through a blit, without a division per use: an
// estimate from the reciprocal, corrected exactly. The estimate is off by at most one for the values
// the turned blit divides (well inside 2^53).
class Divider {
public:
    explicit Divider(long long divisor)
        : sign_(divisor < 0 ? -1 : 1), divisor_(divisor < 0 ? -divisor : divisor), inverse_(1.0 / divisor_) {}
    long long Floor(long long a) const {
        a *= sign_;
        auto q = static_cast<long long>(static_cast<double>(a) * inverse_);
        while (q * divisor_ > a) --q;
        while ((q + 1) * divisor_ <= a) ++q;
        return q;
    }
    long long Ceil(long long a) const { return -Floor(-a); }

private:
    long long sign_, divisor_;
    double inverse_;
};

// The steps [first, end) of 0..n-1 at which (u + k * step) / kSineScale, rounded toward zero, lies in
// lo..hi (lo <= hi). Rounding toward zero gives quotient 0 to every value from -359 to 359.
struct Steps {
    long long first, end;
};

Steps StepsWithin(long long u, long long step, const Divider& byStep, long long lo, long long hi,
                  long long n) {
    const long long low = lo > 0 ? lo * kSineScale : lo * kSineScale - (kSineScale - 1);
    const long long high = hi >= 0 ? hi * kSineScale + (kSineScale - 1) : hi * kSineScale;
    Steps s{0, n};
    if (step > 0) {
        s.first = std::max(s.first, byStep.Ceil(low - u));
        s.end = std::min(s.end, byStep.Floor(high - u) + 1);
    } else if (step < 0) {
        s.first = std::max(s.first, byStep.Ceil(high - u));
        s.end = std::min(s.end, byStep.Floor(low - u) + 1);
    } else if (u < low || u > high) {
        s.end = 0;
    }
    return s;
}

// A turn of a cell: cosine and sine (x 360), the cell's margins in the box, and the cell's columns and
// rows that lie inside the picture.
struct Turn {
    long long cs, sn, mx, my, sxMin, sxEnd, syMin, syEnd;
    long long Column(long long u) const { return u / kSineScale - mx; }
    long long Line(long long v) const { return v / kSineScale - my; }
    bool Reads(long long u, long long v) const {
        const long long sx = Column(u), sy = Line(v);
        return sx >= sxMin && sx < sxEnd && sy >= syMin && sy < syEnd;
    }
};

// The one-pixel-at-a-time walk of a box row, each step checked against the picture.
void WalkCheckingEach(const Turn& t, std::uint16_t* to, const LockedPair& lock, long long sl, long long st,
                      long long u, long long v, long long n) {
    for (long long k = 0; k < n; ++k, u += t.cs, v += t.sn) {
        if (!t.Reads(u, v)) continue;
        const std::uint16_t p = lock.SourceRow(st + t.Line(v))[sl + t.Column(u)];
        if (p != 0) to[k] = p;
    }
}

}  // namespace

int DrawHalfTransparent(int x, int y, int slot, int sl, int st, int sr, int sb) {
    LPDIRECTDRAWSURFACE source = GameSource(slot);
    if (source == nullptr) return 0;
    const Span s = ClipSpan(slot, x, y, sl, st, sr, sb);
    if (s.w <= 0 || s.h <= 0) return 1;
    LockedPair lock(source, State.backBuffer);
    if (!lock.ok) return 0;
    HalfTransparentBlock(lock.Block(s), State.halfMask, source == State.backBuffer);
    return 1;
}

int DrawAdditive(int x, int y, int slot, int sl, int st, int sr, int sb) {
    LPDIRECTDRAWSURFACE source = GameSource(slot);
    if (source == nullptr) return 0;
    const Span s = ClipSpan(slot, x, y, sl, st, sr, sb);
    if (s.w <= 0 || s.h <= 0) return 1;
    LockedPair lock(source, State.backBuffer);
    if (!lock.ok) return 0;
    AdditiveBlock(lock.Block(s), source == State.backBuffer);
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
    const Turn t{cs, sn, mx, my, sxMin, sxEnd, syMin, syEnd};
    const Divider byCosine(cs != 0 ? cs : 1), bySine(sn != 0 ? sn : 1);
    const long long ur = (kSineScale - cs) * (W >> 1) + (H >> 1) * sn;
    const long long vr = (kSineScale - cs) * (H >> 1) - sn * (W >> 1);
    const long long pitch = lock.SourcePitch();
    // Picture pixel (column, line) of the cell, as an offset from the picture's first pixel.
    const long long cellOrigin = (st - my) * pitch + (sl - mx);
    for (long long y = y0; y < y1; ++y) {
        const long long u = ur - y * sn + x0 * cs;
        const long long v = vr + y * cs + x0 * sn;
        std::uint16_t* to = lock.TargetRow(dt + y) + dl + x0;
        // The box pixels of this row that read the picture are one run: each picture coordinate moves
        // steadily along the row.
        const Steps across = StepsWithin(u, cs, byCosine, sxMin + mx, sxEnd - 1 + mx, x1 - x0);
        const Steps down = StepsWithin(v, sn, bySine, syMin + my, syEnd - 1 + my, x1 - x0);
        const long long first = std::max(across.first, down.first), end = std::min(across.end, down.end);
        if (first >= end) continue;
        const long long uFirst = u + first * cs, vFirst = v + first * sn;
        // Both ends of the run read inside the picture, and so does everything between them.
        if (!t.Reads(uFirst, vFirst) || !t.Reads(u + (end - 1) * cs, v + (end - 1) * sn)) {
            WalkCheckingEach(t, to, lock, sl, st, u, v, x1 - x0);
            continue;
        }
        CopyTurnedRun(
            TurnedRun{to + first, lock.SourceRow(0), pitch, cellOrigin, uFirst, vFirst, cs, sn, end - first});
    }
    return 1;
}

}  // namespace elDraw
