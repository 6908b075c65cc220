// Feeds arbitrary bytes to the standard MIDI file reader: it must end, stay inside the bytes, and give
// messages in time order within the piece's length.
#include <cstddef>
#include <cstdint>

#include "platform/common/smf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform_common::MidiSong song;
    if (!platform_common::ParseMidiSong(data, size, &song)) return 0;
    if (song.events.size() > platform_common::kMaxMidiEvents) __builtin_trap();
    std::uint64_t last = 0;
    for (const auto& e : song.events) {
        if (e.timeMicros < last || e.timeMicros > song.lengthMicros) __builtin_trap();
        if (e.status < 0x80 || e.status >= 0xF0 || e.data1 > 0x7F || e.data2 > 0x7F) __builtin_trap();
        last = e.timeMicros;
    }
    return 0;
}
