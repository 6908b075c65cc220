// Standard MIDI files (formats 0, 1 and 2) read into one time-ordered list of channel messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform_common {

struct MidiEvent {
    std::uint64_t timeMicros;
    std::uint8_t status;  // a channel message: 0x80..0xEF
    std::uint8_t data1;
    std::uint8_t data2;
};

struct MidiSong {
    std::vector<MidiEvent> events;  // in time order; events of one time keep their file order
    std::uint64_t lengthMicros;     // up to the last event or end-of-track mark
};

inline constexpr std::size_t kMaxMidiEvents = 1000000;
inline constexpr int kMaxMidiTracks = 256;

// Reads a file image. A track cut short ends where its data end; the song is refused only when the
// header is missing or wrong. Never reads outside the image, and always ends (every step reads a byte).
bool ParseMidiSong(const unsigned char* image, std::size_t size, MidiSong* out);

}  // namespace platform_common
