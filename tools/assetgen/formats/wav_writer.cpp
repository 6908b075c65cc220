#include "formats/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assetgen {

namespace {
constexpr unsigned kPcmFormat = 1;
constexpr unsigned kChannels = 1;
constexpr unsigned kBitsPerSample = 16;
constexpr unsigned kBlockAlign = kChannels * kBitsPerSample / 8;
constexpr std::uint32_t kFmtChunkSize = 16;
constexpr float kFullScale = 32767.0f;
}  // namespace

Bytes encodeWavMono16(const std::vector<float>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
    Bytes out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32LE(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32LE(out, kFmtChunkSize);
    putU16LE(out, kPcmFormat);
    putU16LE(out, kChannels);
    putU32LE(out, static_cast<std::uint32_t>(sampleRate));
    putU32LE(out, static_cast<std::uint32_t>(sampleRate) * kBlockAlign);
    putU16LE(out, kBlockAlign);
    putU16LE(out, kBitsPerSample);
    putTag(out, "data");
    putU32LE(out, dataBytes);
    for (float s : samples) {
        const float clipped = std::clamp(s, -1.0f, 1.0f);
        const auto value = static_cast<std::int16_t>(std::lround(clipped * kFullScale));
        putU16LE(out, static_cast<std::uint16_t>(value));
    }
    return out;
}

}  // namespace assetgen
