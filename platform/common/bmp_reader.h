// Reads BMP files and packed device-independent bitmaps (the form bitmap resources take) into 24-bit
// colour, as the system's image loader does. Every depth and compression the system reads is handled;
// anything truncated, inconsistent or oversized is refused, never read past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform_common {

inline constexpr int kMaxImageDimension = 16384;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 24;

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// A whole BMP file: the file header, then a bitmap header, colour table and bits.
bool DecodeBmpFile(const std::uint8_t* data, std::size_t size, DecodedImage* out);
// A bitmap header followed directly by its colour table and bits.
bool DecodePackedDib(const std::uint8_t* data, std::size_t size, DecodedImage* out);

}  // namespace platform_common
