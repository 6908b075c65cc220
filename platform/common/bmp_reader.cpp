#include "platform/common/bmp_reader.h"

#include <bit>
#include <cstring>

namespace platform_common {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaskBytes = 12;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// One colour channel of a 16- or 32-bit pixel.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    bool Set(std::uint32_t m) {
        mask = m;
        if (m == 0) return true;
        shift = std::countr_zero(m);
        max = m >> shift;
        // Channels must be one run of bits.
        return (max & (max + 1)) == 0;
    }
    std::uint32_t Eight(std::uint32_t pixel) const {
        if (mask == 0) return 0;
        std::uint64_t v = (pixel & mask) >> shift;
        return static_cast<std::uint32_t>(v * 255 / max);
    }
};

struct Header {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: top row first
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[3] = {};
    bool masksInHeader = false;
};

bool ReadHeader(const std::uint8_t* dib, std::size_t size, Header* h) {
    if (size < 4) return false;
    h->headerSize = U32(dib);
    if (h->headerSize == kCoreHeaderSize) {
        if (size < kCoreHeaderSize) return false;
        h->width = U16(dib + 4);
        h->height = U16(dib + 6);
        if (U16(dib + 8) != 1) return false;
        h->bitCount = U16(dib + 10);
        return h->bitCount == 1 || h->bitCount == 4 || h->bitCount == 8 || h->bitCount == 24;
    }
    constexpr std::uint32_t kV2 = 52, kV3 = 56, kV4 = 108, kV5 = 124;
    if (h->headerSize != kInfoHeaderSize && h->headerSize != kV2 && h->headerSize != kV3 &&
        h->headerSize != kV4 && h->headerSize != kV5)
        return false;
    if (size < h->headerSize) return false;
    h->width = static_cast<std::int32_t>(U32(dib + 4));
    h->height = static_cast<std::int32_t>(U32(dib + 8));
    if (U16(dib + 12) != 1) return false;
    h->bitCount = U16(dib + 14);
    h->compression = U32(dib + 16);
    h->colorsUsed = U32(dib + 32);
    if (h->headerSize >= kV2) {
        h->masksInHeader = true;
        for (int i = 0; i < 3; ++i) h->masks[i] = U32(dib + 40 + 4 * i);
    }
    switch (h->compression) {
        case kRgb:
            return h->bitCount == 1 || h->bitCount == 4 || h->bitCount == 8 || h->bitCount == 16 ||
                   h->bitCount == 24 || h->bitCount == 32;
        case kRle8:
            return h->bitCount == 8 && h->height > 0;
        case kRle4:
            return h->bitCount == 4 && h->height > 0;
        case kBitfields:
            return h->bitCount == 16 || h->bitCount == 32;
        default:
            return false;
    }
}

class Decoder {
public:
    Decoder(const std::uint8_t* dib, std::size_t size, const Header& h) : dib_(dib), size_(size), h_(h) {}

    // tableOffset: where the masks or colour table start; bitsOffset: where the bits start, or 0 to
    // take them right after the colour table.
    bool Run(std::size_t bitsOffset, DecodedImage* out) {
        if (h_.width <= 0 || h_.height == 0) return false;
        width_ = h_.width;
        height_ = h_.height < 0 ? -h_.height : h_.height;
        topDown_ = h_.height < 0;
        if (width_ > kMaxImageDimension || height_ > kMaxImageDimension) return false;
        if (width_ * height_ > kMaxImagePixels) return false;

        std::size_t table = h_.headerSize;
        if (h_.compression == kBitfields && !h_.masksInHeader) {
            if (table + kMaskBytes > size_) return false;
            for (int i = 0; i < 3; ++i) masks_[i] = U32(dib_ + table + 4 * i);
            table += kMaskBytes;
        } else if (h_.compression == kBitfields) {
            for (int i = 0; i < 3; ++i) masks_[i] = h_.masks[i];
        }
        if (!ReadPalette(&table, bitsOffset == 0)) return false;
        if (bitsOffset == 0) bitsOffset = table;
        if (bitsOffset > size_) return false;
        bits_ = dib_ + bitsOffset;
        bitsSize_ = size_ - bitsOffset;

        out->width = static_cast<int>(width_);
        out->height = static_cast<int>(height_);
        out->pixels.assign(static_cast<std::size_t>(width_ * height_), 0);
        pixels_ = out->pixels.data();
        bool ok = h_.compression == kRle8 || h_.compression == kRle4 ? DecodeRle() : DecodeRows();
        if (!ok) {
            out->pixels.clear();
            out->width = out->height = 0;
        }
        return ok;
    }

private:
    // A picture deeper than 8 bits has no palette, but one that declares colours (biClrUsed) still
    // carries that many entries before its bits. A file says where its bits start; a packed bitmap's
    // bits follow that table.
    bool ReadPalette(std::size_t* offset, bool bitsFollowTable) {
        if (h_.bitCount > 8) {
            if (!bitsFollowTable) return true;
            const std::size_t entry = 4;
            if (*offset > size_ || (size_ - *offset) / entry < h_.colorsUsed) return false;
            *offset += static_cast<std::size_t>(h_.colorsUsed) * entry;
            return true;
        }
        std::uint32_t full = 1u << h_.bitCount;
        std::uint32_t count = h_.colorsUsed == 0 || h_.colorsUsed > full ? full : h_.colorsUsed;
        std::size_t entry = h_.headerSize == kCoreHeaderSize ? 3 : 4;
        if (*offset > size_ || (size_ - *offset) / entry < count) return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* p = dib_ + *offset + i * entry;
            palette_[i] =
                (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
        }
        paletteCount_ = count;
        *offset += count * entry;
        return true;
    }

    std::uint32_t Palette(std::uint32_t index) const { return index < paletteCount_ ? palette_[index] : 0; }

    std::uint32_t* Row(std::int64_t fileRow) {
        std::int64_t y = topDown_ ? fileRow : height_ - 1 - fileRow;
        return pixels_ + y * width_;
    }

    bool DecodeRows() {
        const std::int64_t stride = (width_ * h_.bitCount + 31) / 32 * 4;
        if (static_cast<std::uint64_t>(stride) * static_cast<std::uint64_t>(height_) > bitsSize_)
            return false;
        Channel r, g, b;
        if (h_.bitCount == 16 || h_.bitCount == 32) {
            std::uint32_t rm = h_.bitCount == 16 ? 0x7C00 : 0xFF0000, gm = h_.bitCount == 16 ? 0x3E0 : 0xFF00,
                          bm = h_.bitCount == 16 ? 0x1F : 0xFF;
            if (h_.compression == kBitfields) {
                std::uint32_t limit = h_.bitCount == 16 ? 0xFFFF : 0xFFFFFFFF;
                rm = masks_[0] & limit;
                gm = masks_[1] & limit;
                bm = masks_[2] & limit;
            }
            if (!r.Set(rm) || !g.Set(gm) || !b.Set(bm)) return false;
        }
        // One loop per depth, each over whole rows.
        for (std::int64_t fy = 0; fy < height_; ++fy) {
            const std::uint8_t* src = bits_ + fy * stride;
            std::uint32_t* dst = Row(fy);
            switch (h_.bitCount) {
                case 1:
                    for (std::int64_t x = 0; x < width_; ++x)
                        dst[x] = Palette((src[x >> 3] >> (7 - (x & 7))) & 1);
                    break;
                case 4:
                    for (std::int64_t x = 0; x < width_; ++x)
                        dst[x] = Palette((src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF);
                    break;
                case 8:
                    for (std::int64_t x = 0; x < width_; ++x) dst[x] = Palette(src[x]);
                    break;
                case 24:
                    DecodeRow24(src, dst);
                    break;
                case 16:
                    for (std::int64_t x = 0; x < width_; ++x) {
                        const std::uint32_t v = U16(src + x * 2);
                        dst[x] = (r.Eight(v) << 16) | (g.Eight(v) << 8) | b.Eight(v);
                    }
                    break;
                default:
                    for (std::int64_t x = 0; x < width_; ++x) {
                        const std::uint32_t v = U32(src + x * 4);
                        dst[x] = (r.Eight(v) << 16) | (g.Eight(v) << 8) | b.Eight(v);
                    }
                    break;
            }
        }
        return true;
    }

    // Blue, green, red bytes to 0x00RRGGBB. On a little-endian machine a pixel's three bytes and the
    // next byte read as one word are the pixel with that byte on top; the last pixel of a row, whose
    // next byte may lie past the file's end, is put together byte by byte.
    void DecodeRow24(const std::uint8_t* src, std::uint32_t* dst) const {
        std::int64_t x = 0;
        if constexpr (std::endian::native == std::endian::little) {
            for (; x + 1 < width_; ++x) {
                std::uint32_t word;
                std::memcpy(&word, src + x * 3, sizeof word);
                dst[x] = word & 0xFFFFFF;
            }
        }
        for (; x < width_; ++x) {
            const std::uint8_t* p = src + x * 3;
            dst[x] =
                (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
        }
    }

    // Run-length bits: pairs of (count, value) and escapes; rows from the bottom up. Pixels the
    // data skips keep colour 0 of the table. Every run must lie within its row and every move within
    // the picture (a position just past the last column or row is where a row or the picture ends),
    // and the data must end with its end-of-bitmap mark: anything else is a damaged file.
    bool DecodeRle() {
        const bool four = h_.compression == kRle4;
        const std::uint32_t background = Palette(0);
        for (std::int64_t i = 0; i < width_ * height_; ++i) pixels_[i] = background;
        std::size_t at = 0;
        std::int64_t x = 0, y = 0;
        while (at + 2 <= bitsSize_) {
            std::uint32_t count = bits_[at];
            std::uint32_t value = bits_[at + 1];
            at += 2;
            if (count > 0) {
                if (y >= height_ || x + count > width_) return false;
                std::uint32_t* row = Row(y);
                for (std::uint32_t i = 0; i < count; ++i, ++x) {
                    row[x] = Palette(four ? ((i & 1) ? value & 0xF : value >> 4) : value);
                }
                continue;
            }
            if (value == 0) {
                x = 0;
                if (++y > height_) return false;
            } else if (value == 1) {
                return true;
            } else if (value == 2) {
                if (at + 2 > bitsSize_) return false;
                x += bits_[at];
                y += bits_[at + 1];
                at += 2;
                if (x > width_ || y > height_) return false;
            } else {
                std::size_t bytes = four ? (value + 1) / 2 : value;
                if (bytes > bitsSize_ - at) return false;
                if (y >= height_ || x + value > width_) return false;
                std::uint32_t* row = Row(y);
                for (std::uint32_t i = 0; i < value; ++i, ++x) {
                    std::uint32_t byte = bits_[at + (four ? i / 2 : i)];
                    row[x] = Palette(four ? ((i & 1) ? byte & 0xF : byte >> 4) : byte);
                }
                at += bytes + (bytes & 1);
            }
        }
        return false;
    }

    const std::uint8_t* dib_;
    std::size_t size_;
    const Header& h_;
    std::int64_t width_ = 0;
    std::int64_t height_ = 0;
    bool topDown_ = false;
    std::uint32_t masks_[3] = {};
    std::uint32_t palette_[256] = {};
    std::uint32_t paletteCount_ = 0;
    const std::uint8_t* bits_ = nullptr;
    std::size_t bitsSize_ = 0;
    std::uint32_t* pixels_ = nullptr;
};

}  // namespace

bool DecodePackedDib(const std::uint8_t* data, std::size_t size, DecodedImage* out) {
    if (data == nullptr || out == nullptr) return false;
    Header h;
    if (!ReadHeader(data, size, &h)) return false;
    return Decoder(data, size, h).Run(0, out);
}

bool DecodeBmpFile(const std::uint8_t* data, std::size_t size, DecodedImage* out) {
    if (data == nullptr || out == nullptr || size < kFileHeaderSize) return false;
    if (data[0] != 'B' || data[1] != 'M') return false;
    std::uint32_t offBits = U32(data + 10);
    const std::uint8_t* dib = data + kFileHeaderSize;
    std::size_t dibSize = size - kFileHeaderSize;
    Header h;
    if (!ReadHeader(dib, dibSize, &h)) return false;
    if (offBits < kFileHeaderSize + h.headerSize || offBits > size) return false;
    return Decoder(dib, dibSize, h).Run(offBits - kFileHeaderSize, out);
}

}  // namespace platform_common
