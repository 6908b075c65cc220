// Uncompressed 24-bit Windows bitmaps (BI_RGB, bottom-up rows).
#pragma once

#include <cstdint>

#include "formats/byte_buffer.h"

namespace assetgen {

struct Rgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

// pixels: width * height values, top row first.
Bytes encodeBmp24(int width, int height, const Rgb8* pixels);

}  // namespace assetgen
