// The stage theme: A minor, 152 beats a minute, 80 bars (about 2 minutes 6 seconds).
// It loops through all three stages, so the last bar turns back into the first.
#include <string_view>
#include <vector>

#include "audio/audio.h"
#include "audio/composer.h"

namespace assetgen {

namespace {

constexpr double kTempo = 152.0;
constexpr int kLeadSquare = 80, kLeadSaw = 81, kSynthBass = 38, kWarmPad = 89, kDistGuitar = 30,
              kSynthBrass = 62;

struct Section {
    std::vector<std::string_view> chords;       // one per bar
    std::vector<std::string_view> melody = {};  // one line per bar, may be empty
    bool fullDrums = true;
    bool guitar = false;
};

// The hook, eight bars over Am F G Em | Am F G E.
const std::vector<std::string_view> kHook = {
    "E5:3 E5:1 D5:2 E5:2 A5:4 G5:2 E5:2",      "F5:3 E5:1 D5:2 C5:2 D5:4 C5:2 A4:2",
    "B4:3 C5:1 D5:2 G5:2 F5:2 E5:2 D5:2 B4:2", "E5:6 B4:2 E5:2 G5:2 B5:4",
    "E5:3 E5:1 D5:2 E5:2 A5:4 B5:2 C6:2",      "C6:3 B5:1 A5:2 F5:2 A5:4 G5:2 F5:2",
    "G5:3 F5:1 E5:2 D5:2 B4:2 D5:2 G5:2 F5:2", "E5:4 G#5:2 B5:2 E6:6 r:2",
};
const std::vector<std::string_view> kHookChords = {"Am", "F", "G", "Em", "Am", "F", "G", "E"};

// The answer, eight bars over Dm G C Am | Dm G E E.
const std::vector<std::string_view> kAnswer = {
    "D5:4 F5:4 A5:6 G5:2",
    "G5:4 F5:2 E5:2 D5:4 B4:4",
    "C5:4 E5:4 G5:6 F5:2",
    "E5:8 C5:4 A4:4",
    "D5:2 E5:2 F5:2 A5:2 D6:6 C6:2",
    "B5:4 A5:2 G5:2 F5:4 D5:4",
    "E5:2 F5:2 G#5:2 B5:2 D6:4 C6:2 B5:2",
    "G#5:8 B5:4 E6:4",
};
const std::vector<std::string_view> kAnswerChords = {"Dm", "G", "C", "Am", "Dm", "G", "E", "E"};

// A soaring bridge in long notes.
const std::vector<std::string_view> kBridge = {
    "A5:8 C6:8", "B5:8 G5:8", "G5:16", "E5:8 A5:8", "F5:8 A5:8", "G5:8 B5:8", "C6:12 B5:4", "D6:8 E6:8",
};
const std::vector<std::string_view> kBridgeChords = {"F", "G", "Em", "Am", "Dm", "Em", "F", "G"};

std::vector<Section> arrangement() {
    std::vector<Section> s;
    s.push_back({{"Am", "Am", "F", "G"}, {}, false});  // intro
    s.push_back({kHookChords, kHook});
    s.push_back({kHookChords, kHook, true, true});
    s.push_back({kAnswerChords, kAnswer});
    s.push_back({kAnswerChords, kAnswer, true, true});
    s.push_back({{"F", "F", "G", "G", "Am", "Am", "E", "E"}, {}, false});  // break
    s.push_back({kHookChords, kHook, true, true});
    s.push_back({kHookChords, kHook, true, true});
    s.push_back({kBridgeChords, kBridge, true, true});
    s.push_back({kAnswerChords, kAnswer, true, true});
    s.push_back({{"Am", "F", "G", "E"}, {}, true});  // turnaround into the intro
    return s;
}

void addDrums(MidiPart& drums, const Grid& g, int bar, bool full, bool lastOfSection, bool firstOfSection) {
    const int t = bar * g.bar();
    if (firstOfSection) addDrumGrid(drums, g, t, drum::kCrash, "X...............");
    if (!full) {
        // Sparse pulse: kick on the beat, closed hat on the off-beats.
        addDrumGrid(drums, g, t, drum::kKick, "x...x...x...x...");
        addDrumGrid(drums, g, t, drum::kClosedHat, "..o...o...o...o.");
        if (lastOfSection) addDrumGrid(drums, g, t, drum::kSnare, "........x.x.XxXx");
        return;
    }
    if (lastOfSection) {
        addDrumGrid(drums, g, t, drum::kKick, "x.....x.x.......");
        addDrumGrid(drums, g, t, drum::kSnare, "....x.......x...");
        addDrumGrid(drums, g, t, drum::kHighTom, "........xx......");
        addDrumGrid(drums, g, t, drum::kMidTom, "..........xx....");
        addDrumGrid(drums, g, t, drum::kLowTom, "............xXxX");
        return;
    }
    addDrumGrid(drums, g, t, drum::kKick, "X.....x.x.x...x.");
    addDrumGrid(drums, g, t, drum::kSnare, "....X.......X..o");
    addDrumGrid(drums, g, t, drum::kClosedHat, "x.x.x.x.x.x.x.o.");
    addDrumGrid(drums, g, t, drum::kOpenHat, "..............x.");
}

// Driving eighth notes: root, root, octave, root ...
void addBass(MidiPart& bass, const Grid& g, int bar, std::string_view chord, bool full) {
    const int root = chordTones(chord)[0] - 12;
    const int t = bar * g.bar();
    const int eighth = g.sixteenth() * 2;
    constexpr int kOctavePattern[8] = {0, 0, 12, 0, 0, 12, 0, 7};
    for (int k = 0; k < 8; ++k) {
        const int pitch = root + (full ? kOctavePattern[k] : 0);
        bass.notes.push_back({t + k * eighth, eighth * 4 / 5, pitch, full ? 100 : 84});
    }
}

// Sixteenth-note arpeggio over the chord, rising then falling.
void addArpeggio(MidiPart& arp, const Grid& g, int bar, std::string_view chord) {
    const std::vector<int> tones = chordTones(chord);
    const int up[4] = {tones[0] + 12, tones[1] + 12, tones[2] + 12, tones[0] + 24};
    constexpr int kOrder[16] = {0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0, 2, 1, 3};
    for (int k = 0; k < 16; ++k)
        arp.notes.push_back(
            {bar * g.bar() + k * g.sixteenth(), g.sixteenth() * 3 / 4, up[kOrder[k]], k % 4 == 0 ? 78 : 62});
}

}  // namespace

MidiSong composeStageTheme() {
    MidiSong song;
    song.title = "Stage theme";
    const Grid g{song.ticksPerBeat, song.beatsPerBar};
    song.tempos.push_back({0, kTempo});

    MidiPart lead{"Lead", 0, kLeadSquare, 100, 64, 50};
    MidiPart harmony{"Harmony", 1, kSynthBrass, 78, 40, 60};
    MidiPart bass{"Bass", 2, kSynthBass, 110, 64, 20};
    MidiPart pad{"Pad", 3, kWarmPad, 70, 84, 80};
    MidiPart arp{"Arpeggio", 4, kLeadSaw, 56, 96, 60};
    MidiPart guitar{"Guitar", 5, kDistGuitar, 72, 30, 40};
    MidiPart drums{"Drums", kDrumChannel, 0, 112, 64, 40};

    int bar = 0;
    for (const Section& s : arrangement()) {
        const int bars = static_cast<int>(s.chords.size());
        for (int b = 0; b < bars; ++b, ++bar) {
            const std::string_view chord = s.chords[static_cast<size_t>(b)];
            const int t = bar * g.bar();
            addDrums(drums, g, bar, s.fullDrums, b == bars - 1, b == 0);
            addBass(bass, g, bar, chord, s.fullDrums);
            addChord(pad, t, g.bar(), chord, noteNumber("G3"), 64);
            addArpeggio(arp, g, bar, chord);
            if (s.guitar) {
                // Power chords on the first and third beats.
                const int root = chordTones(chord)[0];
                for (int beat : {0, 2}) {
                    const int at = t + beat * g.ticksPerBeat;
                    guitar.notes.push_back({at, g.ticksPerBeat * 3 / 2, root, 90});
                    guitar.notes.push_back({at, g.ticksPerBeat * 3 / 2, root + 7, 86});
                }
            }
            if (!s.melody.empty()) {
                const std::string_view line = s.melody[static_cast<size_t>(b)];
                addLine(lead, g, t, line, 100);
                // Doubled an octave down on the repeats with guitar.
                if (s.guitar) addLine(harmony, g, t, line, 80, -12);
            }
        }
    }
    song.endTick = bar * g.bar();
    song.parts = {lead, harmony, bass, pad, arp, guitar, drums};
    return song;
}

}  // namespace assetgen
