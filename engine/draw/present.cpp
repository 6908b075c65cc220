// The present step and the screen transitions drawn over it.
#include <algorithm>

#include "engine/draw/draw_state.h"
#include "engine/elSystem.h"
#include "platform/system.h"

namespace elDraw {

namespace {

constexpr int kOpeningEnd = 10;
constexpr long long kFarOff = 1000000;
// Kind 0: a 10 x 10 grid of 64 x 48 cells.
constexpr int kGridCells = 10;
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 48;

enum Kind : int {
    kGrid = 0,
    kRows = 1,
    kBands = 2,
    kJitterRows = 3,
    kJitterBands = 4,
    kSlideUp = 5,
    kSlideDown = 6,
    kSlideLeft = 7,
    kSlideRight = 8,
    kSplitVertical = 9,
    kSplitSideways = 10,
    kWipeLeft = 11,
    kWipeRight = 12,
};

int Place(long long v) {
    return static_cast<int>(std::clamp(v, -kFarOff, kFarOff));
}

// The old picture's rectangle drawn opaque at (x, y).
void Old(long long x, long long y, long long sl, long long st, long long sr, long long sb) {
    DrawOpaque(Place(x), Place(y), kTransitionSlot, Place(sl), Place(st), Place(sr), Place(sb));
}

int JitterX(long long range, long long s, long long n) {
    return Place(crt::rand() % range + s - n - 1);
}

// Draws one frame of the transition; false when its length or step leaves nothing sound to draw.
bool DrawTransition(int kind, long long s, long long n) {
    const long long W = State.width, H = State.height;
    const long long jitterRange = 2 * n - 2 * s + 2;
    if (kind == kJitterRows || kind == kJitterBands) {
        if (jitterRange <= 0) return false;
    }
    if (kind != kGrid && kind != kRows && kind != kJitterRows && n <= 0) return false;
    switch (kind) {
        case kGrid:
            if (State.stripSlot == 0) return true;
            for (int r = 0; r < kGridCells; ++r) {
                for (int c = 0; c < kGridCells; ++c)
                    Draw(kCellWidth * c, kCellHeight * r, State.stripSlot, Place(kCellWidth * (s - 1)), 0,
                         Place(kCellWidth * s), kCellHeight);
            }
            return true;
        case kRows:
        case kJitterRows:
            for (long long i = 0; i < H; ++i) {
                if (i % s == 0) continue;
                Old(kind == kJitterRows ? JitterX(jitterRange, s, n) : 0, i, 0, i, W, i + 1);
            }
            return true;
        case kBands:
        case kJitterBands:
            for (long long l = 0; l < H; l += n) {
                const long long end = std::min(l + s + 1, H);
                if (end <= l) continue;
                Old(kind == kJitterBands ? JitterX(jitterRange, s, n) : 0, l, 0, l, W, end);
            }
            return true;
        case kSlideUp:
            Old(0, (H / n) * (s - n - 1), 0, 0, W, H);
            return true;
        case kSlideDown:
            Old(0, (n - s + 1) * (H / n), 0, 0, W, H);
            return true;
        case kSlideLeft:
            Old((s - n - 1) * (W / n), 0, 0, 0, W, H);
            return true;
        case kSlideRight:
            Old((n - s + 1) * (W / n), 0, 0, 0, W, H);
            return true;
        case kSplitVertical: {
            const long long shift = ((H / 2) / n) * (n - s + 1);
            Old(0, -shift, 0, 0, W, H / 2);
            Old(0, H / 2 + shift, 0, H / 2, W, H);
            return true;
        }
        case kSplitSideways: {
            const long long shift = ((W / 2) / n) * (n - s + 1);
            Old(-shift, 0, 0, 0, W / 2, H);
            Old(W / 2 + shift, 0, W / 2, 0, W, H);
            return true;
        }
        case kWipeLeft:
            Old(0, 0, 0, 0, s * (W / n), H);
            return true;
        case kWipeRight: {
            const long long from = (n - s + 1) * (W / n);
            Old(from, 0, from, 0, W, H);
            return true;
        }
        default:
            return true;
    }
}

void EndTransition() {
    Transition.step = 0;
    Transition.direction = 0;
}

void StepTransition() {
    if (State.backBuffer == nullptr) {
        // Nothing to draw on, but the transition still runs its course.
    } else if (!DrawTransition(Transition.kind, Transition.step, Transition.length)) {
        EndTransition();
        return;
    }
    Transition.step += Transition.direction;
    if ((Transition.direction == 1 && Transition.step > kOpeningEnd) ||
        (Transition.direction == -1 && Transition.step < 1))
        EndTransition();
}

}  // namespace

void SetWaitVBlank(int on) {
    State.waitVBlank = on;
}

int Present() {
    if (Transition.step != 0) StepTransition();
    if (elSystem::State.mapView != 0) DrawMapView();
    if (State.ddraw == nullptr || State.primary == nullptr || State.backBuffer == nullptr) return 0;
    if (State.waitVBlank == 1) State.ddraw->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
    const HRESULT result =
        State.primary->Blt(&State.presentDest, State.backBuffer, &State.presentSource, DDBLT_WAIT, nullptr);
    if (result == DDERR_SURFACELOST) RestoreSurfaces();
    return result;
}

}  // namespace elDraw
