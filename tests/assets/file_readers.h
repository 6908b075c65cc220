// Minimal readers for the data files, independent of the generator's writers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace assettest {

using Bytes = std::vector<std::uint8_t>;

inline Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::uint32_t le16(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8);
}
inline std::uint32_t le32(const Bytes& b, size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}
inline std::uint32_t be16(const Bytes& b, size_t at) {
    return (b[at] << 8) | b[at + 1];
}
inline std::uint32_t be32(const Bytes& b, size_t at) {
    return (be16(b, at) << 16) | be16(b, at + 2);
}

struct Pixel {
    std::uint8_t r, g, b;
    bool black() const { return r == 0 && g == 0 && b == 0; }
    int sum() const { return r + g + b; }
};

// A 24-bit BI_RGB bottom-up bitmap; rows stored top first.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
    const Pixel& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Returns nothing (and an explanation) unless the file is exactly the format the game expects.
inline std::optional<Bitmap> parseBmp24(const Bytes& f, std::string& why) {
    constexpr size_t kHeaders = 54;
    if (f.size() < kHeaders || f[0] != 'B' || f[1] != 'M') return why = "no BM header", std::nullopt;
    const std::uint32_t offset = le32(f, 10);
    const auto width = static_cast<std::int32_t>(le32(f, 18));
    const auto height = static_cast<std::int32_t>(le32(f, 22));
    if (le32(f, 14) != 40) return why = "info header is not 40 bytes", std::nullopt;
    if (le16(f, 26) != 1 || le16(f, 28) != 24) return why = "not 24 bits per pixel", std::nullopt;
    if (le32(f, 30) != 0) return why = "compressed", std::nullopt;
    if (width <= 0 || height <= 0) return why = "not a bottom-up picture", std::nullopt;
    const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    if (le32(f, 2) != f.size() || offset + rowBytes * height > f.size())
        return why = "truncated", std::nullopt;
    Bitmap bmp{width, height, std::vector<Pixel>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const size_t row = offset + rowBytes * static_cast<size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const size_t p = row + static_cast<size_t>(x) * 3;
            bmp.pixels[static_cast<size_t>(y) * width + x] = {f[p + 2], f[p + 1], f[p]};
        }
    }
    return bmp;
}

struct Wave {
    unsigned format = 0, channels = 0, sampleRate = 0, bitsPerSample = 0;
    std::vector<std::int16_t> samples;
    double seconds() const {
        return channels && sampleRate ? double(samples.size()) / channels / sampleRate : 0;
    }
};

inline std::optional<Wave> parseWave(const Bytes& f, std::string& why) {
    if (f.size() < 12 || std::string(f.begin(), f.begin() + 4) != "RIFF" ||
        std::string(f.begin() + 8, f.begin() + 12) != "WAVE")
        return why = "not RIFF/WAVE", std::nullopt;
    if (le32(f, 4) + 8 != f.size()) return why = "RIFF size does not match the file", std::nullopt;
    Wave w;
    bool haveFormat = false, haveData = false;
    for (size_t at = 12; at + 8 <= f.size();) {
        const std::string id(f.begin() + at, f.begin() + at + 4);
        const std::uint32_t size = le32(f, at + 4);
        if (at + 8 + size > f.size()) return why = "chunk " + id + " runs past the end", std::nullopt;
        if (id == "fmt ") {
            w.format = le16(f, at + 8);
            w.channels = le16(f, at + 10);
            w.sampleRate = le32(f, at + 12);
            w.bitsPerSample = le16(f, at + 22);
            haveFormat = true;
        } else if (id == "data") {
            for (size_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(le16(f, at + 8 + i)));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || !haveData) return why = "missing fmt or data chunk", std::nullopt;
    return w;
}

struct MidiSummary {
    unsigned format = 0;
    unsigned ticksPerBeat = 0;
    std::vector<std::uint32_t> trackEndTicks;
    double seconds = 0;  // to the last end of track, by the tempo map
    int drumNotes = 0;   // note-ons on channel 10
    int programChanges = 0;
    int unbalancedNotes = 0;  // note-ons without a matching note-off
};

inline std::optional<MidiSummary> parseMidi(const Bytes& f, std::string& why) {
    if (f.size() < 14 || std::string(f.begin(), f.begin() + 4) != "MThd" || be32(f, 4) != 6)
        return why = "no MThd header", std::nullopt;
    MidiSummary m;
    m.format = be16(f, 8);
    const unsigned tracks = be16(f, 10);
    m.ticksPerBeat = be16(f, 12);
    if (m.ticksPerBeat == 0 || (m.ticksPerBeat & 0x8000)) return why = "unsupported division", std::nullopt;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos;  // tick, microseconds per beat
    size_t at = 14;
    for (unsigned t = 0; t < tracks; ++t) {
        if (at + 8 > f.size() || std::string(f.begin() + at, f.begin() + at + 4) != "MTrk")
            return why = "missing MTrk", std::nullopt;
        const size_t end = at + 8 + be32(f, at + 4);
        if (end > f.size()) return why = "track runs past the end", std::nullopt;
        size_t p = at + 8;
        std::uint32_t tick = 0;
        unsigned status = 0;
        bool ended = false;
        int held[16][128] = {};
        const auto varLen = [&]() {
            std::uint32_t v = 0;
            for (int i = 0; i < 4 && p < end; ++i) {
                const std::uint8_t b = f[p++];
                v = (v << 7) | (b & 0x7F);
                if (!(b & 0x80)) break;
            }
            return v;
        };
        while (p < end && !ended) {
            tick += varLen();
            if (f[p] & 0x80) status = f[p++];
            if (status == 0xFF) {
                const unsigned type = f[p++];
                const std::uint32_t len = varLen();
                if (type == 0x51 && len == 3)
                    tempos.push_back({tick, (f[p] << 16) | (f[p + 1] << 8) | f[p + 2]});
                if (type == 0x2F) ended = true;
                p += len;
            } else if (status == 0xF0 || status == 0xF7) {
                p += varLen();
            } else {
                const unsigned kind = status & 0xF0, ch = status & 0x0F;
                const unsigned a = f[p], b = (kind == 0xC0 || kind == 0xD0) ? 0 : f[p + 1];
                p += (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                if (kind == 0x90 && b > 0) {
                    ++held[ch][a];
                    if (ch == 9) ++m.drumNotes;
                } else if (kind == 0x80 || (kind == 0x90 && b == 0)) {
                    --held[ch][a];
                } else if (kind == 0xC0) {
                    ++m.programChanges;
                }
            }
        }
        if (!ended || p != end)
            return why = "track does not finish with its end-of-track event", std::nullopt;
        for (auto& channel : held)
            for (int count : channel) m.unbalancedNotes += count != 0;
        m.trackEndTicks.push_back(tick);
        at = end;
    }
    // Seconds to the last end of track, walking the tempo map (120 beats a minute until the first change).
    std::uint32_t last = 0;
    for (std::uint32_t e : m.trackEndTicks) last = std::max(last, e);
    std::uint32_t tick = 0, micros = 500000;
    for (const auto& [changeTick, value] : tempos) {
        if (changeTick >= last) break;
        m.seconds += double(changeTick - tick) * micros / m.ticksPerBeat / 1e6;
        tick = changeTick;
        micros = value;
    }
    m.seconds += double(last - tick) * micros / m.ticksPerBeat / 1e6;
    return m;
}

}  // namespace assettest
