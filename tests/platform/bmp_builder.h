// Builds small BMP files byte by byte for the reader and loader tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bmp_builder {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, int v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, std::int64_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A 40-byte bitmap header.
inline Bytes InfoHeader(int width, int height, int bits, int compression = 0, int colorsUsed = 0) {
    Bytes b;
    Put32(b, 40);
    Put32(b, width);
    Put32(b, height);
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, compression);
    Put32(b, 0);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, colorsUsed);
    Put32(b, 0);
    return b;
}

// File header + header + table + bits, with the bits right after the table.
inline Bytes File(const Bytes& header, const Bytes& table, const Bytes& bits) {
    Bytes b{'B', 'M'};
    const std::int64_t offset = 14 + static_cast<std::int64_t>(header.size() + table.size());
    Put32(b, offset + static_cast<std::int64_t>(bits.size()));
    Put32(b, 0);
    Put32(b, offset);
    b.insert(b.end(), header.begin(), header.end());
    b.insert(b.end(), table.begin(), table.end());
    b.insert(b.end(), bits.begin(), bits.end());
    return b;
}

// A colour table of BGRX entries from 0x00RRGGBB colours.
inline Bytes Palette(const std::vector<std::uint32_t>& colours) {
    Bytes b;
    for (std::uint32_t c : colours) {
        b.push_back(static_cast<std::uint8_t>(c));
        b.push_back(static_cast<std::uint8_t>(c >> 8));
        b.push_back(static_cast<std::uint8_t>(c >> 16));
        b.push_back(0);
    }
    return b;
}

// A bottom-up 24-bit file of the given top-down 0x00RRGGBB pixels.
inline Bytes File24(int width, int height, const std::vector<std::uint32_t>& pixels) {
    Bytes bits;
    for (int fy = 0; fy < height; ++fy) {
        const int y = height - 1 - fy;
        int n = 0;
        for (int x = 0; x < width; ++x, n += 3) {
            std::uint32_t c = pixels[static_cast<std::size_t>(y) * width + x];
            bits.push_back(static_cast<std::uint8_t>(c));
            bits.push_back(static_cast<std::uint8_t>(c >> 8));
            bits.push_back(static_cast<std::uint8_t>(c >> 16));
        }
        while (n % 4 != 0) {
            bits.push_back(0);
            ++n;
        }
    }
    return File(InfoHeader(width, height, 24), {}, bits);
}

}  // namespace bmp_builder
