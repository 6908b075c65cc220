// The blits done by hand over locked surfaces: half-transparent, additive and rotated. Pixel value 0 of
// the picture is transparent in all three.
#include <algorithm>
#include <climits>
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

// floor((a + i * d) / b) for i = 0, 1, 2, ... (b > 0), one i after another, exactly.
class FloorWalk {
public:
    FloorWalk(long long a, long long d, long long b) : b_(b) {
        Split(a, &q_, &r_);
        Split(d, &dq_, &dr_);
    }
    long long Value() const { return q_; }
    void Next() {
        q_ += dq_;
        r_ += dr_;
        if (r_ >= b_) {
            r_ -= b_;
            ++q_;
        }
    }

private:
    void Split(long long a, long long* q, long long* r) const {
        *q = a / b_;
        *r = a % b_;
        if (*r < 0) {
            *r += b_;
            --*q;
        }
    }
    long long b_, q_ = 0, r_ = 0, dq_ = 0, dr_ = 0;
};

// One picture coordinate along the box: w = w0 + j * rowStep + k * step at box pixel k of the j-th row
// visited. Row after row, the pixels [First(), End()) are those where w / 360, rounded toward zero,
// lies in lo..hi (lo <= hi); rounding toward zero gives quotient 0 to every w from -359 to 359.
class RunWalk {
public:
    RunWalk(long long w0, long long rowStep, long long step, long long lo, long long hi)
        : w_(w0),
          rowStep_(rowStep),
          low_(lo > 0 ? lo * kSineScale : lo * kSineScale - (kSineScale - 1)),
          high_(hi >= 0 ? hi * kSineScale + (kSineScale - 1) : hi * kSineScale),
          flat_(step == 0),
          // low <= w0 + j * rowStep + k * step <= high, solved for k.
          first_(step > 0 ? FloorWalk(low_ - w0 + step - 1, -rowStep, step)
                          : FloorWalk(w0 - high_ - step - 1, rowStep, step < 0 ? -step : 1)),
          last_(step > 0 ? FloorWalk(high_ - w0, -rowStep, step)
                         : FloorWalk(w0 - low_, rowStep, step < 0 ? -step : 1)) {}
    long long First() const {
        if (flat_) return 0;
        return first_.Value();
    }
    long long End() const {
        if (flat_) return w_ >= low_ && w_ <= high_ ? LLONG_MAX : 0;
        return last_.Value() + 1;
    }
    // Whether w / 360, rounded toward zero, lies in lo..hi.
    bool Holds(long long w) const { return w >= low_ && w <= high_; }
    void Next() {
        w_ += rowStep_;
        first_.Next();
        last_.Next();
    }

private:
    long long w_, rowStep_, low_, high_;
    bool flat_;
    FloorWalk first_, last_;
};

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
    const TurnSteps steps = SplitTurnSteps(cs, sn);
    const long long ur = (kSineScale - cs) * (W >> 1) + (H >> 1) * sn;
    const long long vr = (kSineScale - cs) * (H >> 1) - sn * (W >> 1);
    const long long pitch = lock.SourcePitch();
    // Picture pixel (column, line) of the cell, as an offset from the picture's first pixel.
    const long long cellOrigin = (st - my) * pitch + (sl - mx);
    // The box pixels of a row that read the picture are one run: each picture coordinate moves steadily
    // along the row.
    RunWalk across(ur - y0 * sn + x0 * cs, -sn, cs, sxMin + mx, sxEnd - 1 + mx);
    RunWalk down(vr + y0 * cs + x0 * sn, cs, sn, syMin + my, syEnd - 1 + my);
    for (long long y = y0; y < y1; ++y, across.Next(), down.Next()) {
        const long long u = ur - y * sn + x0 * cs;
        const long long v = vr + y * cs + x0 * sn;
        std::uint16_t* to = lock.TargetRow(dt + y) + dl + x0;
        const long long first = std::max({0LL, across.First(), down.First()});
        const long long end = std::min({x1 - x0, across.End(), down.End()});
        if (first >= end) continue;
        const long long uFirst = u + first * cs, vFirst = v + first * sn;
        // The run is copied unchecked only once both its ends are seen to read inside the picture (then
        // so does everything between them); otherwise the row gets the walk that checks every pixel.
        const long long uLast = u + (end - 1) * cs, vLast = v + (end - 1) * sn;
        if (!across.Holds(uFirst) || !across.Holds(uLast) || !down.Holds(vFirst) || !down.Holds(vLast)) {
            WalkCheckingEach(t, to, lock, sl, st, u, v, x1 - x0);
            continue;
        }
        CopyTurnedRun(TurnedRun{to + first, lock.SourceRow(0), pitch, cellOrigin, uFirst, vFirst, cs, sn,
                                end - first, &steps});
    }
    return 1;
}

}  // namespace elDraw
