#include "formats/bmp_writer.h"

namespace assetgen {

namespace {
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr unsigned kBitsPerPixel = 24;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dpi
}  // namespace

Bytes encodeBmp24(int width, int height, const Rgb8* pixels) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;

    Bytes out;
    out.reserve(dataOffset + imageBytes);
    putTag(out, "BM");
    putU32LE(out, dataOffset + imageBytes);
    putU32LE(out, 0);  // reserved
    putU32LE(out, dataOffset);

    putU32LE(out, kInfoHeaderSize);
    putU32LE(out, static_cast<std::uint32_t>(width));
    putU32LE(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
    putU16LE(out, 1);                                   // planes
    putU16LE(out, kBitsPerPixel);
    putU32LE(out, kBiRgb);
    putU32LE(out, imageBytes);
    putU32LE(out, kPixelsPerMetre);
    putU32LE(out, kPixelsPerMetre);
    putU32LE(out, 0);  // colours used
    putU32LE(out, 0);  // important colours

    for (int y = height - 1; y >= 0; --y) {
        const Rgb8* row = pixels + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            putU8(out, row[x].b);
            putU8(out, row[x].g);
            putU8(out, row[x].r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad) putU8(out, 0);
    }
    return out;
}

}  // namespace assetgen
