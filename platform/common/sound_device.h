// The sound device shared by both backends: the buffer records behind IDirectSoundBuffer, the mixer that
// renders them, and the calls each backend supplies.
#pragma once

#include <cstddef>
#include <mutex>

#include "platform/dsound.h"

namespace platform_common {

inline constexpr int kMaxSoundBuffers = 1024;

struct SoundBufferRecord {
    bool used;
    bool primary;
    DWORD flags;
    WAVEFORMATEX format;
    unsigned char* data;
    DWORD bytes;
    DWORD frequency;
    LONG pan;
    LONG volume;
    bool playing;
    bool looping;
    bool locked;
    double frame;  // play position in sample frames, with the fraction the resampler has reached
};

// Guards the buffer records and the sequencer: the audio thread holds it while it mixes.
std::mutex& AudioMutex();
// The record behind a buffer, or null for a released or foreign one. Call with AudioMutex held.
SoundBufferRecord* BufferRecord(const IDirectSoundBuffer* buffer);
// The record of slot 0..kMaxSoundBuffers-1, used or not. Call with AudioMutex held.
SoundBufferRecord* RecordAt(int slot);
// Frees every buffer and the device object, as a fresh process has them. Call without AudioMutex held.
void ResetSoundDevice();

// Adds every playing buffer into interleaved stereo float frames at the output rate: resampled from
// each buffer's own rate by linear interpolation, with its volume and pan applied. Buffers that reach
// their end stop, or wrap when looping. Call with AudioMutex held.
void MixSoundBuffers(float* stereo, std::size_t frames, int outputRate);

// Linear gains for a volume and a pan, both in hundredths of a decibel.
void GainsOf(LONG volume, LONG pan, float* left, float* right);

}  // namespace platform_common

namespace backend {
// Opens the output for the sound device; false when there is none. The device then stays silent.
bool OpenSoundOutput();
void CloseSoundOutput();
// Tells the test backend of a call made on a buffer; the real backend ignores it.
enum class SoundCall { Create, Play, Stop, SetPosition, SetFrequency, SetPan, SetVolume, Release };
void NoteSoundCall(SoundCall kind, const IDirectSoundBuffer* buffer, long value);
// Whether SetCooperativeLevel may take this level.
bool CooperativeLevelAllowed(DWORD level);
// Whether one more secondary buffer may be made (the test backend can refuse).
bool SecondaryBufferAllowed();
}  // namespace backend
