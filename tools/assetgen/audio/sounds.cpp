// The two sound effects, synthesised: a bright laser shot and a punchy explosion.
#include <cmath>
#include <vector>

#include "audio/audio.h"
#include "draw/rng.h"
#include "formats/wav_writer.h"

namespace assetgen {

namespace {
constexpr float kTwoPi = 6.28318530718f;
constexpr float kShotSeconds = 0.11f;
constexpr float kExplosionSeconds = 0.75f;
constexpr float kFadeOutSeconds = 0.01f;  // ends at silence, no click
// Peak levels, as fractions of full scale. The mixer adds the effects to the stage music, which peaks
// near 0.9 of full scale at an RMS of about 0.15, and saturates the sum. The death blast restarts the
// explosion every frame, so its loud attack is all that is heard: at this level the blast over the music
// saturates well under a thousandth of its samples. Held fire restarts the shot 15 times a second: at
// this level it stays under the music's loudness.
constexpr float kShotLevel = 0.45f;
constexpr float kExplosionLevel = 0.45f;

float fadeOut(float t, float total) {
    return std::fmin(1.0f, (total - t) / kFadeOutSeconds);
}
}  // namespace

Bytes makeShotSound() {
    const int count = static_cast<int>(kShotSeconds * kSoundSampleRate);
    std::vector<float> samples(static_cast<size_t>(count));
    Rng rng(0x5407);
    float phase = 0, phase2 = 0;
    for (int i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / kSoundSampleRate;
        // Pitch falls quickly from 2.2 kHz toward 500 Hz.
        const float freq = 500.0f + 1700.0f * std::exp(-t * 38.0f);
        phase += freq / kSoundSampleRate;
        phase2 += freq * 1.5f / kSoundSampleRate;
        const float square = std::fmod(phase, 1.0f) < 0.5f ? 1.0f : -1.0f;
        const float saw = 2.0f * std::fmod(phase2, 1.0f) - 1.0f;
        const float click = t < 0.006f ? rng.range(-1, 1) * (1 - t / 0.006f) : 0.0f;
        const float envelope = std::fmin(1.0f, t / 0.002f) * std::exp(-t * 26.0f);
        samples[static_cast<size_t>(i)] =
            kShotLevel * (0.42f * square + 0.22f * saw + 0.35f * click) * envelope * fadeOut(t, kShotSeconds);
    }
    return encodeWavMono16(samples, kSoundSampleRate);
}

Bytes makeExplosionSound() {
    const int count = static_cast<int>(kExplosionSeconds * kSoundSampleRate);
    std::vector<float> samples(static_cast<size_t>(count));
    Rng rng(0xB0A1);
    float low = 0, lower = 0, thumpPhase = 0;
    for (int i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / kSoundSampleRate;
        const float noise = rng.range(-1, 1);
        // Two one-pole low-pass filters whose cut-off falls as the blast dies away.
        const float cutoff = 0.02f + 0.5f * std::exp(-t * 9.0f);
        low += (noise - low) * cutoff;
        lower += (low - lower) * cutoff;
        // A falling sine thump for weight.
        const float thumpFreq = 40.0f + 110.0f * std::exp(-t * 14.0f);
        thumpPhase += thumpFreq / kSoundSampleRate;
        const float thump = std::sin(kTwoPi * thumpPhase) * std::exp(-t * 7.0f);
        // Crackle: sparse loud grains early on.
        const float crackle = (rng.unit() < 0.004f * std::exp(-t * 5.0f)) ? rng.range(-0.8f, 0.8f) : 0.0f;
        const float envelope = std::fmin(1.0f, t / 0.003f) * std::exp(-t * 4.2f);
        const float mixed = 1.6f * lower + 0.55f * thump + crackle + 0.25f * noise * std::exp(-t * 40.0f);
        samples[static_cast<size_t>(i)] =
            kExplosionLevel * std::tanh(1.6f * mixed * envelope) * fadeOut(t, kExplosionSeconds);
    }
    return encodeWavMono16(samples, kSoundSampleRate);
}

}  // namespace assetgen
