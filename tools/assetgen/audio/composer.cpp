#include "audio/composer.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace assetgen {

namespace {
constexpr int kSemitonesFromC[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
constexpr int kOctaveBase = 12;                             // C0 = 12

int pitchClassOf(std::string_view name, size_t& pos) {
    int pc = kSemitonesFromC[std::toupper(static_cast<unsigned char>(name[0])) - 'A'];
    pos = 1;
    while (pos < name.size() && (name[pos] == '#' || name[pos] == 'b')) {
        pc += name[pos] == '#' ? 1 : -1;
        ++pos;
    }
    return pc;
}
}  // namespace

int noteNumber(std::string_view name) {
    size_t pos = 0;
    const int pc = pitchClassOf(name, pos);
    const int octave = std::atoi(std::string(name.substr(pos)).c_str());
    return kOctaveBase + octave * 12 + pc;
}

std::vector<int> chordTones(std::string_view name) {
    size_t pos = 0;
    const int root = noteNumber("C3") + (pitchClassOf(name, pos) + 12) % 12;
    const std::string_view quality = name.substr(pos);
    std::vector<int> tones = {root};
    if (quality.starts_with("m")) {
        tones.push_back(root + 3);
        tones.push_back(root + 7);
    } else if (quality.starts_with("sus")) {
        tones.push_back(root + 5);
        tones.push_back(root + 7);
    } else {
        tones.push_back(root + 4);
        tones.push_back(root + 7);
    }
    if (quality.find('7') != std::string_view::npos)
        tones.push_back(root + (quality.starts_with("maj") ? 11 : 10));
    return tones;
}

int addLine(MidiPart& part, const Grid& grid, int tick, std::string_view line, int velocity, int transpose,
            float gate) {
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        if (i >= line.size()) break;
        const size_t end = line.find(' ', i);
        const std::string_view token =
            line.substr(i, end == std::string_view::npos ? line.size() - i : end - i);
        i = end == std::string_view::npos ? line.size() : end;

        const size_t colon = token.find(':');
        const int length = std::atoi(std::string(token.substr(colon + 1)).c_str()) * grid.sixteenth();
        std::string_view pitches = token.substr(0, colon);
        if (pitches != "r") {
            // Accent the notes on the beat a little.
            const int accent = (tick % grid.ticksPerBeat) == 0 ? 8 : 0;
            while (!pitches.empty()) {
                const size_t plus = pitches.find('+');
                const std::string_view one = pitches.substr(0, plus);
                part.notes.push_back(
                    {tick, static_cast<int>(length * gate), noteNumber(one) + transpose, velocity + accent});
                pitches = plus == std::string_view::npos ? std::string_view{} : pitches.substr(plus + 1);
            }
        }
        tick += length;
    }
    return tick;
}

void addDrumGrid(MidiPart& part, const Grid& grid, int tick, int key, std::string_view pattern) {
    constexpr int kAccent = 118, kNormal = 96, kSoft = 64;
    for (char c : pattern) {
        const int velocity = c == 'X' ? kAccent : c == 'x' ? kNormal : c == 'o' ? kSoft : 0;
        if (velocity > 0) part.notes.push_back({tick, grid.sixteenth(), key, velocity});
        tick += grid.sixteenth();
    }
}

void addChord(MidiPart& part, int tick, int ticks, std::string_view chord, int lowest, int velocity) {
    for (int tone : chordTones(chord)) {
        int pitch = tone;
        while (pitch < lowest) pitch += 12;
        while (pitch >= lowest + 12) pitch -= 12;
        part.notes.push_back({tick, ticks, pitch, velocity});
    }
}

}  // namespace assetgen
