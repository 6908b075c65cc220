#include "platform/common/text_raster.h"

namespace platform_text {

namespace {

// Colour references keep red in the low byte; the surfaces' colour routines take red in the high one.
std::uint32_t SwapRedBlue(std::uint32_t c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace

std::uint16_t PackColor(const Target& target, std::uint32_t colorRef) {
    return platform_common::PackColour(SwapRedBlue(colorRef), target.masks);
}

std::uint32_t UnpackColor(const Target& target, std::uint16_t pixel) {
    return SwapRedBlue(platform_common::UnpackColour(pixel, target.masks));
}

}  // namespace platform_text
