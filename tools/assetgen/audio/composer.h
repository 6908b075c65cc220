// Helpers for writing music as short text lines: notes, chords and drum grids.
#pragma once

#include <string_view>
#include <vector>

#include "formats/midi_writer.h"

namespace assetgen {

// General MIDI drum keys.
namespace drum {
inline constexpr int kKick = 36;
inline constexpr int kSideStick = 37;
inline constexpr int kSnare = 38;
inline constexpr int kClap = 39;
inline constexpr int kLowTom = 45;
inline constexpr int kMidTom = 47;
inline constexpr int kHighTom = 50;
inline constexpr int kClosedHat = 42;
inline constexpr int kOpenHat = 46;
inline constexpr int kCrash = 49;
inline constexpr int kRide = 51;
inline constexpr int kShaker = 70;
}  // namespace drum

// "A4" -> 69, "C#5" -> 73, "Bb3" -> 58 (middle C is C4 = 60).
int noteNumber(std::string_view name);

// Chord tones from a name such as "Am", "F", "E", "Bm", "G7", "Dsus": root in octave 3 first.
std::vector<int> chordTones(std::string_view name);

struct Grid {
    int ticksPerBeat = 480;
    int beatsPerBar = 4;
    int sixteenth() const { return ticksPerBeat / 4; }
    int bar() const { return ticksPerBeat * beatsPerBar; }
};

// A melody line: tokens "pitch:sixteenths", e.g. "E5:3 D5:1 r:4 A4+C5:8" ('r' rests,
// '+' joins a chord). Returns the tick after the last token.
int addLine(MidiPart& part, const Grid& grid, int startTick, std::string_view line, int velocity,
            int transpose = 0, float gate = 0.92f);

// One drum voice on a grid of sixteenths: 'X' accent, 'x' normal, 'o' soft, anything else rests.
void addDrumGrid(MidiPart& part, const Grid& grid, int startTick, int key, std::string_view pattern);

// Holds the chord's tones for `ticks`, voiced from `lowest` up.
void addChord(MidiPart& part, int tick, int ticks, std::string_view chord, int lowest, int velocity);

}  // namespace assetgen
