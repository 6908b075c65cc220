// mciSendStringA for the sequencer commands: one piece open at a time under its alias.
#include <strings.h>

#include <cstring>
#include <utility>

#include "platform/common/sequencer.h"
#include "platform/common/sound_device.h"
#include "platform/common/window_table.h"
#include "platform/mci.h"
#include "platform/mmio.h"
#include "platform/system.h"
#include "platform/window.h"

namespace {

using platform_common::MidiSong;

constexpr int kMaxTokens = 8;
constexpr std::size_t kTokenSize = 1024;
constexpr std::size_t kAliasSize = 64;
constexpr std::uint64_t kMicrosPerMillisecond = 1000;

struct SequencerState {
    bool open;
    char alias[kAliasSize];
    UINT deviceId;
    MidiSong song;
    std::size_t next;  // the first event not yet due
    std::uint64_t position;
    bool playing;
    bool ended;  // reached its end; the notification is not posted yet
    bool notifyPending;
    HWND notifyWindow;
    bool audioClock;
    DWORD startMs;  // platform-clock timing: where the piece was when it was started
    std::uint64_t startPosition;
};

SequencerState& Seq() {
    static SequencerState state{};
    return state;
}

UINT gLastDeviceId = 0;

struct Tokens {
    int count;
    char text[kMaxTokens][kTokenSize];
};

// Splits a command into words; a word in double quotes may hold spaces. False when it does not fit.
bool Tokenize(const char* command, Tokens* out) {
    out->count = 0;
    const char* p = command;
    while (*p != '\0') {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0') break;
        if (out->count == kMaxTokens) return false;
        char* word = out->text[out->count++];
        std::size_t n = 0;
        bool quoted = *p == '"';
        if (quoted) ++p;
        while (*p != '\0' && (quoted ? *p != '"' : (*p != ' ' && *p != '\t'))) {
            if (n + 1 >= kTokenSize) return false;
            word[n++] = *p++;
        }
        if (quoted) {
            if (*p != '"') return false;
            ++p;
        }
        word[n] = '\0';
    }
    return true;
}

bool Is(const char* word, const char* keyword) {
    return strcasecmp(word, keyword) == 0;
}

// With the lock held: posts the notification that was pending with this result.
void PostPending(SequencerState& s, WPARAM result) {
    if (!s.notifyPending) return;
    s.notifyPending = false;
    PostMessageA(s.notifyWindow, MM_MCINOTIFY, result, static_cast<LPARAM>(s.deviceId));
}

void Halt(SequencerState& s, WPARAM result) {
    PostPending(s, result);
    s.playing = false;
    s.ended = false;
    backend::SilenceMidi();
}

MCIERROR Open(const Tokens& t) {
    // open "<path>" type sequencer alias <alias>
    if (t.count != 6 || !Is(t.text[2], "type") || !Is(t.text[4], "alias")) return MCIERR_MISSING_PARAMETER;
    if (!Is(t.text[3], "sequencer")) return MCIERR_INVALID_DEVICE_NAME;
    if (std::strlen(t.text[5]) >= kAliasSize) return MCIERR_PARAM_OVERFLOW;
    {
        std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
        if (Seq().open && Is(Seq().alias, t.text[5])) return MCIERR_DUPLICATE_ALIAS;
        if (Seq().open) return MCIERR_HARDWARE;  // one sequencer, one piece
    }
    FileImage image{};
    if (!mmioReadFileImage(t.text[1], &image)) return MCIERR_FILE_NOT_FOUND;
    MidiSong song;
    bool ok = platform_common::ParseMidiSong(image.bytes, image.size, &song);
    mmioFreeFileImage(&image);
    if (!ok) return MCIERR_INVALID_FILE;
    std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
    SequencerState& s = Seq();
    s.open = true;
    platform_common::CopyText(s.alias, sizeof s.alias, t.text[5]);
    s.deviceId = ++gLastDeviceId;
    s.song = std::move(song);
    s.next = 0;
    s.position = 0;
    s.playing = false;
    s.ended = false;
    s.notifyPending = false;
    backend::SilenceMidi();
    return 0;
}

MCIERROR Command(const Tokens& t, char* answer, UINT answerSize, HWND callback) {
    const char* verb = t.text[0];
    if (t.count < 2) return MCIERR_MISSING_PARAMETER;
    std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
    SequencerState& s = Seq();
    if (!s.open || !Is(s.alias, t.text[1])) return MCIERR_INVALID_DEVICE_NAME;
    if (Is(verb, "play")) {
        bool notify = false;
        for (int i = 2; i < t.count; ++i) {
            if (!Is(t.text[i], "notify")) return MCIERR_UNRECOGNIZED_KEYWORD;
            notify = true;
        }
        PostPending(s, MCI_NOTIFY_SUPERSEDED);
        s.playing = true;
        s.ended = false;
        s.startMs = timeGetTime();
        s.startPosition = s.position;
        if (notify) {
            s.notifyPending = true;
            s.notifyWindow = callback;
        }
        return 0;
    }
    if (Is(verb, "seek")) {
        if (t.count != 4 || !Is(t.text[2], "to") || !Is(t.text[3], "start"))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        Halt(s, MCI_NOTIFY_ABORTED);
        s.position = 0;
        s.next = 0;
        return 0;
    }
    if (Is(verb, "stop")) {
        if (t.count != 2) return MCIERR_UNRECOGNIZED_KEYWORD;
        Halt(s, MCI_NOTIFY_ABORTED);
        return 0;
    }
    if (Is(verb, "close")) {
        if (t.count != 2) return MCIERR_UNRECOGNIZED_KEYWORD;
        Halt(s, MCI_NOTIFY_ABORTED);
        MidiSong old = std::move(s.song);
        bool audioClock = s.audioClock;
        s = SequencerState{};
        s.audioClock = audioClock;
        return 0;
    }
    if (Is(verb, "status")) {
        if (t.count != 3 || !Is(t.text[2], "mode")) return MCIERR_UNRECOGNIZED_KEYWORD;
        const char* mode = s.playing ? "playing" : "stopped";
        if (answer == nullptr) return 0;
        if (answerSize <= std::strlen(mode)) return MCIERR_PARAM_OVERFLOW;
        platform_common::CopyText(answer, answerSize, mode);
        return 0;
    }
    return MCIERR_UNRECOGNIZED_COMMAND;
}

// With the lock held: lets every event up to the position go, and marks the end.
void MoveTo(SequencerState& s, std::uint64_t position, platform_common::MidiSink sink, void* context) {
    const auto& events = s.song.events;
    while (s.next < events.size() && events[s.next].timeMicros <= position) {
        if (sink != nullptr) sink(events[s.next], context);
        ++s.next;
    }
    s.position = position;
    if (s.position >= s.song.lengthMicros) {
        s.position = s.song.lengthMicros;
        s.playing = false;
        s.ended = true;
    }
}

}  // namespace

MCIERROR mciSendStringA(const char* command, char* answer, UINT answerSize, HWND callback) {
    if (command == nullptr) return MCIERR_UNRECOGNIZED_COMMAND;
    backend::NoteMciCommand(command);
    static Tokens tokens;
    if (!Tokenize(command, &tokens)) return MCIERR_PARAM_OVERFLOW;
    if (tokens.count == 0) return MCIERR_UNRECOGNIZED_COMMAND;
    if (backend::MciCommandFails(tokens.text[0])) return MCIERR_HARDWARE;
    if (Is(tokens.text[0], "open")) return Open(tokens);
    return Command(tokens, answer, answerSize, callback);
}

namespace platform_common {

void PollSequencer() {
    std::lock_guard<std::mutex> lock(AudioMutex());
    SequencerState& s = Seq();
    if (!s.open) return;
    if (s.playing && !s.audioClock) {
        DWORD elapsedMs = timeGetTime() - s.startMs;
        MoveTo(s, s.startPosition + static_cast<std::uint64_t>(elapsedMs) * kMicrosPerMillisecond, nullptr,
               nullptr);
    }
    if (s.ended) {
        s.ended = false;
        PostPending(s, MCI_NOTIFY_SUCCESSFUL);
    }
}

bool RenderSequencer(std::uint64_t micros, MidiSink sink, void* context) {
    SequencerState& s = Seq();
    if (!s.open || !s.playing || !s.audioClock) return false;
    MoveTo(s, s.position + micros, sink, context);
    return s.ended;
}

void SetSequencerAudioClock(bool on) {
    std::lock_guard<std::mutex> lock(AudioMutex());
    SequencerState& s = Seq();
    if (s.audioClock == on) return;
    s.audioClock = on;
    s.startMs = timeGetTime();
    s.startPosition = s.position;
}

void ResetSequencer() {
    std::lock_guard<std::mutex> lock(AudioMutex());
    MidiSong old = std::move(Seq().song);
    Seq() = SequencerState{};
    gLastDeviceId = 0;
}

void EndSequencerPiece() {
    {
        std::lock_guard<std::mutex> lock(AudioMutex());
        SequencerState& s = Seq();
        if (!s.open || !s.playing) return;
        MoveTo(s, s.song.lengthMicros, nullptr, nullptr);
    }
    PollSequencer();
}

std::uint64_t SequencerPieceLength() {
    std::lock_guard<std::mutex> lock(AudioMutex());
    return Seq().open ? Seq().song.lengthMicros : 0;
}

}  // namespace platform_common
