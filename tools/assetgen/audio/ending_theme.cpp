// The ending theme: D major, 76 beats a minute, 24 bars (about 76 seconds), calm.
// It ends on the dominant so that the loop falls back into the first bar.
#include <string_view>
#include <vector>

#include "audio/audio.h"
#include "audio/composer.h"

namespace assetgen {

namespace {

constexpr double kTempo = 76.0;
constexpr int kPiano = 0, kFingeredBass = 33, kStrings = 48, kFlute = 73, kWarmPad = 89;
constexpr int kDrumsFromBar = 8;

const std::vector<std::string_view> kChords = {
    "D",  "A", "Bm", "G", "D", "A", "G", "A",  // theme
    "Bm", "G", "D",  "A", "G", "A", "D", "D",  // middle
    "D",  "A", "Bm", "G", "D", "A", "G", "A",  // theme again
};

const std::vector<std::string_view> kMelody = {
    "F#5:6 E5:2 D5:4 A4:4",
    "C#5:6 D5:2 E5:8",
    "D5:6 C#5:2 B4:4 F#5:4",
    "G5:8 F#5:4 E5:4",
    "F#5:6 A5:2 A5:4 F#5:4",
    "E5:6 F#5:2 E5:4 C#5:4",
    "D5:4 E5:4 B4:4 D5:4",
    "C#5:4 E5:4 A5:8",
    "B5:8 A5:4 F#5:4",
    "G5:8 D5:8",
    "F#5:6 G5:2 A5:8",
    "E5:8 C#5:8",
    "B4:4 D5:4 G5:8",
    "A5:4 G5:4 E5:4 C#5:4",
    "D5:16",
    "r:8 A4:4 C#5:4",
    "F#5:6 E5:2 D5:4 A4:4",
    "C#5:6 D5:2 E5:8",
    "D5:6 C#5:2 B4:4 F#5:4",
    "G5:8 B5:4 A5:4",
    "F#5:6 A5:2 D6:4 A5:4",
    "E5:6 F#5:2 E5:4 C#5:4",
    "D5:4 E5:4 B4:4 G5:4",
    "E5:8 A4:8",
};

}  // namespace

MidiSong composeEndingTheme() {
    MidiSong song;
    song.title = "Ending theme";
    const Grid g{song.ticksPerBeat, song.beatsPerBar};
    song.tempos.push_back({0, kTempo});

    MidiPart flute{"Flute", 0, kFlute, 96, 60, 70};
    MidiPart piano{"Piano", 1, kPiano, 90, 70, 60};
    MidiPart strings{"Strings", 2, kStrings, 72, 50, 90};
    MidiPart bass{"Bass", 3, kFingeredBass, 92, 64, 40};
    MidiPart pad{"Pad", 4, kWarmPad, 52, 78, 90};
    MidiPart drums{"Drums", kDrumChannel, 0, 80, 64, 60};

    const int eighth = g.sixteenth() * 2;
    for (size_t bar = 0; bar < kChords.size(); ++bar) {
        const int t = static_cast<int>(bar) * g.bar();
        const std::string_view chord = kChords[bar];
        const std::vector<int> tones = chordTones(chord);

        addLine(flute, g, t, kMelody[bar], 84, 0, 0.97f);
        // Broken-chord piano in eighth notes.
        const int pianoNotes[8] = {tones[0] + 12, tones[2] + 12, tones[1] + 24, tones[2] + 12,
                                   tones[0] + 24, tones[2] + 12, tones[1] + 24, tones[2] + 12};
        for (int k = 0; k < 8; ++k)
            piano.notes.push_back({t + k * eighth, eighth * 2, pianoNotes[k], k % 2 == 0 ? 70 : 56});
        addChord(strings, t, g.bar(), chord, noteNumber("F#4"), 58);
        addChord(pad, t, g.bar(), chord, noteNumber("A3"), 50);
        // Bass: root held, fifth on the last beat.
        bass.notes.push_back({t, g.ticksPerBeat * 3 - 20, tones[0] - 12, 84});
        bass.notes.push_back({t + g.ticksPerBeat * 3, g.ticksPerBeat - 20, tones[2] - 24, 72});

        if (static_cast<int>(bar) >= kDrumsFromBar) {
            addDrumGrid(drums, g, t, drum::kKick, "x.......o.......");
            addDrumGrid(drums, g, t, drum::kSideStick, "....o.......o...");
            addDrumGrid(drums, g, t, drum::kRide, "o.o.o.o.o.o.o.o.");
        } else {
            addDrumGrid(drums, g, t, drum::kShaker, "..o...o...o...o.");
        }
    }
    song.endTick = static_cast<int>(kChords.size()) * g.bar();
    song.parts = {flute, piano, strings, bass, pad, drums};
    return song;
}

}  // namespace assetgen
