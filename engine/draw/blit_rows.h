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

// Every non-zero source pixel p over destination d: ((p >> 1) & half) + ((d >> 1) & half).
// `inOrder` walks the pixels one by one in order, for a source that may be the destination itself.
void HalfTransparentBlock(const PixelBlock& b, std::uint16_t half, bool inOrder);
// Every non-zero source pixel over its destination, by `Additive` (or the tables).
void AdditiveBlock(const PixelBlock& b, bool inOrder);

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
};

void CopyTurnedRun(const TurnedRun& r);

}  // namespace elDraw
