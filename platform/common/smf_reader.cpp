#include "platform/common/smf_reader.h"

#include <algorithm>
#include <cstring>

namespace platform_common {

namespace {

constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kHeaderBodyBytes = 6;
constexpr int kMaxVarLengthBytes = 4;
constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds a quarter note (120 beats a minute)
constexpr std::uint64_t kMaxLengthMicros = std::uint64_t{1} << 62;
constexpr std::uint8_t kMetaEvent = 0xFF;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kSysEx = 0xF0;
constexpr std::uint8_t kSysExContinued = 0xF7;

// An event as read from a track, at a tick.
struct TrackEvent {
    std::uint64_t tick;
    std::uint8_t status;  // 0 for a tempo change
    std::uint8_t data1;
    std::uint8_t data2;
    std::uint32_t tempo;
};

struct Cursor {
    const unsigned char* p;
    std::size_t size;
    std::size_t at;
    bool Byte(std::uint8_t* out) {
        if (at >= size) return false;
        *out = p[at++];
        return true;
    }
    bool VarLength(std::uint32_t* out) {
        std::uint32_t v = 0;
        for (int i = 0; i < kMaxVarLengthBytes; ++i) {
            std::uint8_t b = 0;
            if (!Byte(&b)) return false;
            v = (v << 7) | (b & 0x7Fu);
            if (!(b & 0x80u)) {
                *out = v;
                return true;
            }
        }
        return false;
    }
    bool Skip(std::uint32_t n) {
        if (n > size - at) return false;
        at += n;
        return true;
    }
};

std::uint32_t Read32(const unsigned char* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

int DataBytesOf(std::uint8_t status) {
    std::uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// Reads one track; returns its last tick. Stops at the end-of-track mark, at the end of the data, or at
// the first byte that cannot start an event.
std::uint64_t ReadTrack(Cursor c, std::vector<TrackEvent>* events) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (events->size() < kMaxMidiEvents) {
        std::uint32_t delta = 0;
        std::uint8_t status = 0;
        if (!c.VarLength(&delta) || !c.Byte(&status)) break;
        tick += delta;
        if (status == kMetaEvent) {
            running = 0;
            std::uint8_t type = 0;
            std::uint32_t length = 0;
            if (!c.Byte(&type) || !c.VarLength(&length)) break;
            if (type == kMetaEndOfTrack) break;
            if (type == kMetaTempo && length >= 3 && c.size - c.at >= 3) {
                std::uint32_t tempo = (static_cast<std::uint32_t>(c.p[c.at]) << 16) |
                                      (static_cast<std::uint32_t>(c.p[c.at + 1]) << 8) | c.p[c.at + 2];
                if (tempo > 0) events->push_back(TrackEvent{tick, 0, 0, 0, tempo});
            }
            if (!c.Skip(length)) break;
            continue;
        }
        if (status == kSysEx || status == kSysExContinued) {
            running = 0;
            std::uint32_t length = 0;
            if (!c.VarLength(&length) || !c.Skip(length)) break;
            continue;
        }
        std::uint8_t data[2] = {0, 0};
        int have = 0;
        if (status < 0x80) {
            // Running status: this byte is the first data byte of the previous message kind.
            if (running == 0) break;
            data[have++] = status;
            status = running;
        } else if (status >= 0xF0) {
            break;  // system messages have no place in a file
        }
        running = status;
        bool complete = true;
        for (; have < DataBytesOf(status); ++have) {
            if (!c.Byte(&data[have])) {
                complete = false;
                break;
            }
        }
        if (!complete) break;
        events->push_back(TrackEvent{tick, status, static_cast<std::uint8_t>(data[0] & 0x7F),
                                     static_cast<std::uint8_t>(data[1] & 0x7F), 0});
    }
    return tick;
}

// Puts the events in tick order, equal ticks in file order: the tracks' runs, each in order already, are
// merged pairwise, the earlier run first, so equal ticks keep their order.
void MergeRuns(std::vector<TrackEvent>& events, std::vector<std::size_t>& runs) {
    const auto byTick = [](const TrackEvent& a, const TrackEvent& b) { return a.tick < b.tick; };
    runs.push_back(events.size());
    while (runs.size() > 2) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i + 1 < runs.size(); i += 2) {
            runs[kept++] = runs[i];
            if (i + 2 < runs.size()) {
                std::inplace_merge(events.begin() + static_cast<std::ptrdiff_t>(runs[i]),
                                   events.begin() + static_cast<std::ptrdiff_t>(runs[i + 1]),
                                   events.begin() + static_cast<std::ptrdiff_t>(runs[i + 2]), byTick);
            }
        }
        runs[kept++] = runs.back();
        runs.resize(kept);
    }
}

std::uint64_t SaturatingAdd(std::uint64_t a, std::uint64_t b) {
    return a > kMaxLengthMicros - std::min(b, kMaxLengthMicros) ? kMaxLengthMicros : a + b;
}

}  // namespace

bool ParseMidiSong(const unsigned char* image, std::size_t size, MidiSong* out) {
    if (out == nullptr) return false;
    out->events.clear();
    out->lengthMicros = 0;
    if (image == nullptr || size < kChunkHeaderBytes + kHeaderBodyBytes) return false;
    if (std::memcmp(image, "MThd", 4) != 0) return false;
    std::uint32_t headerLength = Read32(image + 4);
    if (headerLength < kHeaderBodyBytes || headerLength > size - kChunkHeaderBytes) return false;
    const unsigned char* h = image + kChunkHeaderBytes;
    int tracks = (h[2] << 8) | h[3];
    std::uint16_t division = static_cast<std::uint16_t>((h[4] << 8) | h[5]);
    // Microseconds per tick as a fraction: a tempo over ticks a quarter, or SMPTE frames and subframes.
    bool smpte = (division & 0x8000) != 0;
    std::uint64_t ticksPerQuarter = division;
    std::uint64_t smpteTicksPerSecond = 0;
    if (smpte) {
        int framesPerSecond = -static_cast<std::int8_t>(division >> 8);
        smpteTicksPerSecond = static_cast<std::uint64_t>(framesPerSecond) * (division & 0xFF);
        if (smpteTicksPerSecond == 0) return false;
    } else if (ticksPerQuarter == 0) {
        return false;
    }

    // An event takes at least two bytes of the file, so this is room for all of them.
    std::vector<TrackEvent> events;
    events.reserve(std::min(size / 2, kMaxMidiEvents));
    // Where each track's events begin; each track's run is in tick order already.
    std::vector<std::size_t> runs;
    std::uint64_t lastTick = 0;
    std::size_t at = kChunkHeaderBytes + headerLength;
    int read = 0;
    while (read < tracks && read < kMaxMidiTracks && size - at >= kChunkHeaderBytes) {
        std::uint32_t length = Read32(image + at + 4);
        bool isTrack = std::memcmp(image + at, "MTrk", 4) == 0;
        at += kChunkHeaderBytes;
        // A chunk that claims more than the file holds is cut to what is there.
        std::size_t body = std::min<std::size_t>(length, size - at);
        if (isTrack) {
            runs.push_back(events.size());
            lastTick = std::max(lastTick, ReadTrack(Cursor{image + at, body, 0}, &events));
            ++read;
        }
        at += body;
    }
    if (read == 0) return false;

    MergeRuns(events, runs);
    out->events.reserve(events.size());
    std::uint32_t tempo = kDefaultTempo;
    std::uint64_t tick = 0;
    std::uint64_t micros = 0;
    auto advanceTo = [&](std::uint64_t target) {
        std::uint64_t delta = target - tick;
        if (delta == 0) return;
        // Whole quarters and the rest apart, so that no product can overflow.
        std::uint64_t step;
        if (smpte) {
            std::uint64_t seconds = delta / smpteTicksPerSecond;
            step = seconds > kMaxLengthMicros / 1000000
                       ? kMaxLengthMicros
                       : seconds * 1000000 + delta % smpteTicksPerSecond * 1000000 / smpteTicksPerSecond;
        } else {
            std::uint64_t quarters = delta / ticksPerQuarter;
            step = quarters > kMaxLengthMicros / tempo
                       ? kMaxLengthMicros
                       : quarters * tempo + delta % ticksPerQuarter * tempo / ticksPerQuarter;
        }
        micros = SaturatingAdd(micros, step);
        tick = target;
    };
    for (const TrackEvent& e : events) {
        advanceTo(e.tick);
        if (e.status == 0) {
            tempo = e.tempo;
            continue;
        }
        out->events.push_back(MidiEvent{micros, e.status, e.data1, e.data2});
    }
    advanceTo(std::max(lastTick, tick));
    out->lengthMicros = micros;
    return true;
}

}  // namespace platform_common
