// The pixel loops of the software blits. The half-transparent and additive ones take eight pixels at a
// time with SSE2 and one at a time elsewhere; both give exactly the values of the per-pixel rules in
// their comments.
#pragma once

#include <cstdint>

namespace elDraw {

// How the additive blit adds a channel: its top five bits of source and destination, summed and held at
// 31, go back at the channel's pack shift (the 6-bit green of 5-6-5 loses its low bit). This is what
// the additive tables hold; `arithmetic` is false where only the tables can say it: tables cleared for
// a back buffer that is not at 16 bits, or a channel packed above bit 11.
struct AdditiveLayout {
    bool arithmetic;
    int packShift[3];
};

// Set with the pixel tables.
extern AdditiveLayout Additive;

// A block of pixels: its first pixel and the distance between rows, in pixels.
struct PixelBlock {
    const std::uint16_t* from;
    long long fromPitch;
    std::uint16_t* to;
    long long toPitch;
    long long width;
    long long height;
};

// Whether the half-transparent and additive blits take sixteen pixels at a time (AVX2, 5-6-5 and 5-5-5
// additive): set from the processor when the screen is set up. Tests turn it off to check the
// eight-pixel loops as well.
extern bool UseWideLanes;
bool WideLanesAvailable();
// The sixteen-pixel loops (blit_rows_wide.cpp); only where WideLanesAvailable().
void HalfTransparentBlockWide(const PixelBlock& b, std::uint16_t half);
void AdditiveBlockWide(const PixelBlock& b, int redShift);

// Every non-zero source pixel p over destination d: ((p >> 1) & half) + ((d >> 1) & half).
// `inOrder` walks the pixels one by one in order, for a source that may be the destination itself.
void HalfTransparentBlock(const PixelBlock& b, std::uint16_t half, bool inOrder);
// Every non-zero source pixel over its destination, by `Additive` (or the tables).
void AdditiveBlock(const PixelBlock& b, bool inOrder);

// The steps of a turned blit split for walking eight box pixels at a time: j * step = 360 * q + r,
// 0 <= r < 360, for lanes j = 0..7 and for a whole step of eight lanes, along u ([0]) and v ([1]).
struct TurnSteps {
    static constexpr int kLanes = 8;
    std::int16_t laneQuotient[2][kLanes];
    std::int16_t laneRemainder[2][kLanes];
    std::int16_t blockQuotient[2];
    std::int16_t blockRemainder[2];
};

TurnSteps SplitTurnSteps(long long du, long long dv);

// A run of box pixels of a turned blit that all read inside the picture. Step k reads the picture
// pixel at (v_k / 360) * pitch + u_k / 360 + origin from `pixels`, where u_k = u + k * du and
// v_k = v + k * dv and the quotients are rounded toward zero, and copies it to to[k] unless it is zero.
struct TurnedRun {
    std::uint16_t* to;
    const std::uint16_t* pixels;
    long long pitch;
    long long origin;
    long long u, v, du, dv;
    long long length;
    const TurnSteps* steps;  // du and dv split (|du|, |dv| <= 360)
};

void CopyTurnedRun(const TurnedRun& r);

}  // namespace elDraw
