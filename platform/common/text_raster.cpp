#include "platform/common/text_raster.h"

namespace platform_text {

namespace {

// Scales an 8-bit channel into the bits of a mask.
std::uint32_t Channel(std::uint32_t value8, std::uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    std::uint32_t bits = mask >> shift;
    return ((value8 * bits + 127) / 255) << shift;
}

}  // namespace

std::uint16_t PackColor(const Target& target, std::uint32_t colorRef) {
    std::uint32_t r = colorRef & 0xFF, g = (colorRef >> 8) & 0xFF, b = (colorRef >> 16) & 0xFF;
    return static_cast<std::uint16_t>(Channel(r, target.redMask) | Channel(g, target.greenMask) |
                                      Channel(b, target.blueMask));
}

}  // namespace platform_text
