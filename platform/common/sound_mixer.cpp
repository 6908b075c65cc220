// Renders the playing sound buffers into the output stream.
#include <cmath>
#include <cstdint>

#include "platform/common/sound_device.h"

namespace {

constexpr float kHundredthsOfDbPerDecade = 2000.0f;  // 20 dB a decade, in hundredths of a decibel
constexpr float kSample16Scale = 1.0f / 32768.0f;
constexpr float kSample8Scale = 1.0f / 128.0f;
constexpr int kSample8Centre = 128;

float Attenuation(LONG hundredthsOfDb) {
    if (hundredthsOfDb <= DSBVOLUME_MIN) return 0.0f;
    if (hundredthsOfDb >= 0) return 1.0f;
    return std::pow(10.0f, static_cast<float>(hundredthsOfDb) / kHundredthsOfDbPerDecade);
}

// One channel of one frame as a float in [-1, 1).
float SampleAt(const platform_common::SoundBufferRecord& r, std::uint32_t frame, int channel) {
    std::size_t at = static_cast<std::size_t>(frame) * r.format.nBlockAlign;
    if (r.format.wBitsPerSample == 16) {
        at += static_cast<std::size_t>(channel) * 2;
        auto v = static_cast<std::int16_t>(static_cast<std::uint16_t>(r.data[at] | (r.data[at + 1] << 8)));
        return static_cast<float>(v) * kSample16Scale;
    }
    at += static_cast<std::size_t>(channel);
    return static_cast<float>(static_cast<int>(r.data[at]) - kSample8Centre) * kSample8Scale;
}

void MixOne(platform_common::SoundBufferRecord& r, float* stereo, std::size_t frames, int outputRate) {
    const std::uint32_t total = r.bytes / r.format.nBlockAlign;
    if (total == 0) {
        r.playing = false;
        return;
    }
    float gainLeft = 0.0f, gainRight = 0.0f;
    platform_common::GainsOf(r.volume, r.pan, &gainLeft, &gainRight);
    const double step = static_cast<double>(r.frequency) / static_cast<double>(outputRate);
    const int channels = r.format.nChannels;
    double pos = r.frame;
    for (std::size_t i = 0; i < frames; ++i) {
        if (pos >= total) {
            if (!r.looping) {
                r.playing = false;
                pos = 0.0;
                break;
            }
            pos = std::fmod(pos, static_cast<double>(total));
        }
        auto index = static_cast<std::uint32_t>(pos);
        float t = static_cast<float>(pos - index);
        std::uint32_t next = index + 1;
        // The last frame blends into the first only when the buffer loops.
        if (next >= total) next = r.looping ? 0 : index;
        float left = SampleAt(r, index, 0) * (1.0f - t) + SampleAt(r, next, 0) * t;
        float right = channels == 2 ? SampleAt(r, index, 1) * (1.0f - t) + SampleAt(r, next, 1) * t : left;
        stereo[2 * i] += left * gainLeft;
        stereo[2 * i + 1] += right * gainRight;
        pos += step;
    }
    if (r.playing && pos >= total) {
        if (r.looping) {
            pos = std::fmod(pos, static_cast<double>(total));
        } else {
            r.playing = false;
            pos = 0.0;
        }
    }
    r.frame = pos;
}

}  // namespace

namespace platform_common {

void GainsOf(LONG volume, LONG pan, float* left, float* right) {
    float gain = Attenuation(volume);
    // A pan to one side lowers the other side only.
    *left = gain * (pan > 0 ? Attenuation(-pan) : 1.0f);
    *right = gain * (pan < 0 ? Attenuation(pan) : 1.0f);
}

void MixSoundBuffers(float* stereo, std::size_t frames, int outputRate) {
    if (stereo == nullptr || outputRate <= 0) return;
    for (int i = 0; i < kMaxSoundBuffers; ++i) {
        SoundBufferRecord* rec = RecordAt(i);
        if (rec == nullptr || !rec->used || rec->primary || !rec->playing || rec->locked) continue;
        MixOne(*rec, stereo, frames, outputRate);
    }
}

}  // namespace platform_common
