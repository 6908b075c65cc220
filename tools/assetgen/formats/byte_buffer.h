// Little helpers for building binary files in memory.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

inline void putU8(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
}

inline void putU16LE(Bytes& out, unsigned value) {
    putU8(out, value);
    putU8(out, value >> 8);
}

inline void putU32LE(Bytes& out, std::uint32_t value) {
    putU16LE(out, value & 0xFFFFu);
    putU16LE(out, value >> 16);
}

inline void putU16BE(Bytes& out, unsigned value) {
    putU8(out, value >> 8);
    putU8(out, value);
}

inline void putU32BE(Bytes& out, std::uint32_t value) {
    putU16BE(out, value >> 16);
    putU16BE(out, value & 0xFFFFu);
}

inline void putTag(Bytes& out, std::string_view tag) {
    for (char c : tag) putU8(out, static_cast<unsigned char>(c));
}

}  // namespace assetgen
