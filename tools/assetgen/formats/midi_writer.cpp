#include "formats/midi_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assetgen {

namespace {

constexpr unsigned kFormatMultiTrack = 1;
constexpr double kMicrosecondsPerMinute = 60'000'000.0;
constexpr unsigned kNoteOff = 0x80;
constexpr unsigned kNoteOn = 0x90;
constexpr unsigned kControlChange = 0xB0;
constexpr unsigned kProgramChange = 0xC0;
constexpr unsigned kMeta = 0xFF;
constexpr unsigned kMetaTrackName = 0x03;
constexpr unsigned kMetaEndOfTrack = 0x2F;
constexpr unsigned kMetaTempo = 0x51;
constexpr unsigned kMetaTimeSignature = 0x58;
constexpr unsigned kControllerVolume = 7;
constexpr unsigned kControllerPan = 10;
constexpr unsigned kControllerReverb = 91;

struct TimedEvent {
    int tick;
    int order;  // at one tick: set-up first, then note-offs, then note-ons
    Bytes bytes;
};

void putVariableLength(Bytes& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) putU8(out, groups[--count] | 0x80u);
    putU8(out, groups[0]);
}

Bytes metaText(unsigned type, const std::string& text) {
    Bytes b = {static_cast<std::uint8_t>(kMeta), static_cast<std::uint8_t>(type)};
    putVariableLength(b, static_cast<std::uint32_t>(text.size()));
    for (char c : text) putU8(b, static_cast<unsigned char>(c));
    return b;
}

Bytes makeTrack(std::vector<TimedEvent> events, int endTick) {
    std::stable_sort(events.begin(), events.end(), [](const TimedEvent& a, const TimedEvent& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    Bytes body;
    int now = 0;
    for (const TimedEvent& e : events) {
        const int tick = std::min(e.tick, endTick);
        putVariableLength(body, static_cast<std::uint32_t>(tick - now));
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        now = tick;
    }
    putVariableLength(body, static_cast<std::uint32_t>(endTick - now));
    putU8(body, kMeta);
    putU8(body, kMetaEndOfTrack);
    putU8(body, 0);

    Bytes track;
    putTag(track, "MTrk");
    putU32BE(track, static_cast<std::uint32_t>(body.size()));
    track.insert(track.end(), body.begin(), body.end());
    return track;
}

Bytes conductorTrack(const MidiSong& song) {
    std::vector<TimedEvent> events;
    events.push_back({0, 0, metaText(kMetaTrackName, song.title)});
    Bytes timeSig = {static_cast<std::uint8_t>(kMeta),
                     static_cast<std::uint8_t>(kMetaTimeSignature),
                     4,
                     static_cast<std::uint8_t>(song.beatsPerBar),
                     2,
                     24,
                     8};
    events.push_back({0, 0, timeSig});
    for (const TempoChange& t : song.tempos) {
        const auto micros =
            static_cast<std::uint32_t>(std::lround(kMicrosecondsPerMinute / t.beatsPerMinute));
        Bytes b = {static_cast<std::uint8_t>(kMeta), static_cast<std::uint8_t>(kMetaTempo), 3};
        putU8(b, micros >> 16);
        putU8(b, micros >> 8);
        putU8(b, micros);
        events.push_back({t.tick, 1, b});
    }
    return makeTrack(std::move(events), song.endTick);
}

Bytes partTrack(const MidiPart& part, int endTick) {
    const auto ch = static_cast<unsigned>(part.channel & 0x0F);
    std::vector<TimedEvent> events;
    events.push_back({0, 0, metaText(kMetaTrackName, part.name)});
    if (part.channel != kDrumChannel) {
        events.push_back({0, 0,
                          Bytes{static_cast<std::uint8_t>(kProgramChange | ch),
                                static_cast<std::uint8_t>(part.program & 0x7F)}});
    }
    const auto control = [&](unsigned controller, int value) {
        events.push_back(
            {0, 0,
             Bytes{static_cast<std::uint8_t>(kControlChange | ch), static_cast<std::uint8_t>(controller),
                   static_cast<std::uint8_t>(std::clamp(value, 0, 127))}});
    };
    control(kControllerVolume, part.volume);
    control(kControllerPan, part.pan);
    control(kControllerReverb, part.reverb);

    for (const MidiNote& n : part.notes) {
        if (n.tick >= endTick || n.length <= 0) continue;
        const auto pitch = static_cast<std::uint8_t>(std::clamp(n.pitch, 0, 127));
        const auto velocity = static_cast<std::uint8_t>(std::clamp(n.velocity, 1, 127));
        const int off = std::min(n.tick + n.length, endTick);
        events.push_back({n.tick, 2, Bytes{static_cast<std::uint8_t>(kNoteOn | ch), pitch, velocity}});
        events.push_back({off, 1, Bytes{static_cast<std::uint8_t>(kNoteOff | ch), pitch, 64}});
    }
    return makeTrack(std::move(events), endTick);
}

}  // namespace

Bytes encodeMidi(const MidiSong& song) {
    Bytes out;
    putTag(out, "MThd");
    putU32BE(out, 6);
    putU16BE(out, kFormatMultiTrack);
    putU16BE(out, static_cast<unsigned>(song.parts.size() + 1));
    putU16BE(out, static_cast<unsigned>(song.ticksPerBeat));
    const Bytes conductor = conductorTrack(song);
    out.insert(out.end(), conductor.begin(), conductor.end());
    for (const MidiPart& part : song.parts) {
        const Bytes track = partTrack(part, song.endTick);
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

}  // namespace assetgen
