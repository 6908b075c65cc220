// Standard MIDI files (format 1) from a list of timed notes per part.
#pragma once

#include <string>
#include <vector>

#include "formats/byte_buffer.h"

namespace assetgen {

inline constexpr int kDrumChannel = 9;  // channel 10 counted from 1

struct MidiNote {
    int tick = 0;
    int length = 0;
    int pitch = 60;
    int velocity = 96;
};

struct MidiPart {
    std::string name;
    int channel = 0;
    int program = 0;  // General MIDI program, 0-based; ignored on the drum channel
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    std::vector<MidiNote> notes = {};
};

struct TempoChange {
    int tick = 0;
    double beatsPerMinute = 120.0;
};

struct MidiSong {
    std::string title;
    int ticksPerBeat = 480;
    int beatsPerBar = 4;
    std::vector<TempoChange> tempos;  // the first one at tick 0
    std::vector<MidiPart> parts;
    int endTick = 0;  // every track ends here, right after the last bar
};

Bytes encodeMidi(const MidiSong& song);

}  // namespace assetgen
