#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "platform/common/smf_reader.h"
#include "platform/headless.h"
#include "platform/headless_devices.h"
#include "platform/mci.h"
#include "platform/system.h"
#include "platform/window.h"
#include "support/audio_files.h"
#include "support/fresh_process.h"

namespace {

using platform_common::MidiSong;
using platform_common::ParseMidiSong;

bool Parse(const Bytes& b, MidiSong* song) {
    return ParseMidiSong(b.data(), b.size(), song);
}

Bytes Header(int format, int tracks, std::uint16_t division) {
    return {'M',
            'T',
            'h',
            'd',
            0,
            0,
            0,
            6,
            0,
            static_cast<std::uint8_t>(format),
            0,
            static_cast<std::uint8_t>(tracks),
            static_cast<std::uint8_t>(division >> 8),
            static_cast<std::uint8_t>(division)};
}

Bytes Track(const Bytes& events) {
    Bytes b = {'M', 'T', 'r', 'k', 0, 0, 0, 0};
    b[6] = static_cast<std::uint8_t>(events.size() >> 8);
    b[7] = static_cast<std::uint8_t>(events.size());
    Append(b, events);
    return b;
}

TEST(MidiReader, TimesFollowTheTempoMapAcrossTracks) {
    // Track 1 changes the tempo after one quarter; track 2 plays with running status.
    Bytes b = Header(1, 2, 96);
    Bytes conductor = Track({0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,  // at 96: 1,000,000 us a quarter
                             0x00, 0xFF, 0x2F, 0x00});
    Bytes notes = Track({0x00, 0x90, 60, 100,  // at 0
                         0x81, 0x40, 62, 100,  // at 192, running status
                         0x60, 0x80, 60, 0,    // at 288
                         0x00, 0xFF, 0x2F, 0x00});
    Append(b, conductor);
    Append(b, notes);
    MidiSong song;
    ASSERT_TRUE(Parse(b, &song));
    ASSERT_EQ(song.events.size(), 3u);
    EXPECT_EQ(song.events[0].timeMicros, 0u);
    EXPECT_EQ(song.events[1].timeMicros, 500000u + 1000000u);
    EXPECT_EQ(song.events[1].status, 0x90);
    EXPECT_EQ(song.events[1].data1, 62);
    EXPECT_EQ(song.events[2].timeMicros, 2500000u);
    EXPECT_EQ(song.lengthMicros, 2500000u);

    MidiSong made;
    ASSERT_TRUE(Parse(MakeMidi(4, 1), &made));
    EXPECT_EQ(made.lengthMicros, 2000000u);  // four quarters at 120 a minute
}

// Five tracks, each in tick order, with ticks shared within and across tracks: the song plays every
// event by tick, and equal ticks in file order (earlier track first, then position in the track).
TEST(MidiReader, ManyTracksInterleaveByTickAndEqualTicksKeepFileOrder) {
    constexpr int kTracks = 5;
    constexpr int kPerTrack = 9;
    struct Placed {
        int tick, track, index;
    };
    std::vector<Placed> want;
    Bytes b = Header(1, kTracks, 96);
    for (int t = 0; t < kTracks; ++t) {
        Bytes events;
        int tick = 0;
        for (int j = 0; j < kPerTrack; ++j) {
            const int delta = (j * 7 + t * 3) % 4 * 24;  // steps of 0, 24, 48 or 72 ticks
            tick += delta;
            Append(events, {static_cast<std::uint8_t>(delta), static_cast<std::uint8_t>(0x90 | t),
                            static_cast<std::uint8_t>(t * 16 + j), 100});
            want.push_back(Placed{tick, t, j});
        }
        Append(events, {0x00, 0xFF, 0x2F, 0x00});
        Append(b, Track(events));
    }
    std::stable_sort(want.begin(), want.end(),
                     [](const Placed& a, const Placed& c) { return a.tick < c.tick; });
    MidiSong song;
    ASSERT_TRUE(Parse(b, &song));
    ASSERT_EQ(song.events.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(song.events[i].data1, want[i].track * 16 + want[i].index) << i;
        EXPECT_EQ(song.events[i].timeMicros, static_cast<std::uint64_t>(want[i].tick) * 500000u / 96u) << i;
    }
}

TEST(MidiReader, CutAndBrokenFilesNeverReadPastTheirEndAndAlwaysEnd) {
    Bytes good = MakeMidi(8, 1);
    MidiSong song;
    // Every cut: the header alone decides whether the song is taken; a cut track just ends early.
    for (std::size_t n = 0; n < good.size(); ++n) {
        Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        bool taken = Parse(cut, &song);
        EXPECT_EQ(taken, n >= 22) << n;
        EXPECT_LE(song.lengthMicros, 4000000u);
    }
    MidiSong none;
    EXPECT_FALSE(Parse(Header(0, 1, 0), &none));  // no ticks a quarter
    Bytes noTrack = Header(0, 1, 96);
    EXPECT_FALSE(Parse(noTrack, &none));
    Bytes wrongId = good;
    wrongId[0] = 'X';
    EXPECT_FALSE(Parse(wrongId, &none));

    // Running status with nothing to run on, and a system message, end the track there.
    Bytes b = Header(0, 1, 96);
    Bytes t = Track({0x00, 0x90, 60, 100, 0x10, 0xF2, 1, 2, 0x00, 0x90, 61, 100});
    Append(b, t);
    ASSERT_TRUE(Parse(b, &song));
    EXPECT_EQ(song.events.size(), 1u);
    b = Header(0, 1, 96);
    t = Track({0x00, 0x40, 60, 0x00, 0x90, 61, 100});
    Append(b, t);
    ASSERT_TRUE(Parse(b, &song));
    EXPECT_TRUE(song.events.empty());

    // Huge delta times and a tempo of 0xFFFFFF saturate instead of wrapping.
    b = Header(0, 1, 1);
    Bytes events = {0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < 64; ++i) events.insert(events.end(), {0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 1});
    t = Track(events);
    Append(b, t);
    ASSERT_TRUE(Parse(b, &song));
    EXPECT_EQ(song.events.size(), 64u);
    for (std::size_t i = 1; i < song.events.size(); ++i)
        EXPECT_GE(song.events[i].timeMicros, song.events[i - 1].timeMicros);
}

class SequencerTest : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        WNDCLASSA wc{};
        wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == MM_MCINOTIFY) notes.push_back({wp, lp});
            return DefWindowProcA(w, m, wp, lp);
        };
        wc.lpszClassName = "SEQTEST";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, "SEQTEST", "t", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
        notes.clear();
        folder.Write("song.mid", MakeMidi(4, 1));  // 2 seconds
        open = "open \"" + folder.Path() + "song.mid\" type sequencer alias midi";
    }

    MCIERROR Send(const std::string& command, HWND callback = nullptr) {
        return mciSendStringA(command.c_str(), nullptr, 0, callback);
    }
    std::string Mode() {
        char answer[32] = "x";
        EXPECT_EQ(mciSendStringA("status midi mode", answer, sizeof answer, nullptr), 0u);
        return answer;
    }
    void Drain() {
        MSG msg{};
        headless::SetIdleStep(0);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }

    static inline std::vector<std::pair<WPARAM, LPARAM>> notes;
    HWND window = nullptr;
    ScratchFolder folder;
    std::string open;
};

TEST_F(SequencerTest, APieceEndsAtItsRealLengthAndNotifiesItsWindow) {
    ASSERT_EQ(Send(open), 0u);
    EXPECT_EQ(headless::MidiPieceLength(), 2000000u);
    ASSERT_EQ(Send("seek midi to start"), 0u);
    ASSERT_EQ(Send("play midi notify", window), 0u);
    EXPECT_EQ(Mode(), "playing");
    headless::AdvanceClock(1999000);
    Drain();
    EXPECT_EQ(Mode(), "playing");
    EXPECT_TRUE(notes.empty());
    headless::AdvanceClock(1000);
    Drain();
    EXPECT_EQ(Mode(), "stopped");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].first, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(notes[0].second, 1);  // the device id
    headless::AdvanceClock(5000000);
    Drain();
    EXPECT_EQ(notes.size(), 1u);  // once only
}

TEST_F(SequencerTest, CutNotificationsAreSupersededOrAborted) {
    Send(open);
    Send("play midi notify", window);
    Send("play midi notify", window);
    Send("seek midi to start");
    Send("play midi notify", window);
    Send("stop midi");
    EXPECT_EQ(Mode(), "stopped");
    Send("close midi");
    Drain();
    std::vector<WPARAM> kinds;
    for (auto& n : notes) kinds.push_back(n.first);
    EXPECT_EQ(kinds, (std::vector<WPARAM>{MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_ABORTED, MCI_NOTIFY_ABORTED}));
    headless::AdvanceClock(3000000);
    Drain();
    EXPECT_EQ(notes.size(), 3u);
}

TEST_F(SequencerTest, CommandsOutsideTheSetAndUnknownAliasesAreRefused) {
    EXPECT_EQ(Send("play midi notify"), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(Send("open \"" + folder.Path() + "none.mid\" type sequencer alias midi"),
              MCIERR_FILE_NOT_FOUND);
    folder.Write("bad.mid", {'M', 'T', 'h', 'd', 0, 0});
    EXPECT_EQ(Send("open \"" + folder.Path() + "bad.mid\" type sequencer alias midi"), MCIERR_INVALID_FILE);
    ASSERT_EQ(Send(open), 0u);
    EXPECT_EQ(Send(open), MCIERR_DUPLICATE_ALIAS);
    EXPECT_EQ(Send("play other"), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(Send("pause midi"), MCIERR_UNRECOGNIZED_COMMAND);
    EXPECT_EQ(Send("open \"unterminated type sequencer alias x"), MCIERR_PARAM_OVERFLOW);
    char tiny[4] = "abc";
    EXPECT_EQ(mciSendStringA("status midi mode", tiny, sizeof tiny, nullptr), MCIERR_PARAM_OVERFLOW);
    EXPECT_EQ(Send("CLOSE MIDI"), 0u);  // keywords in any case
    EXPECT_EQ(Send("close midi"), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(headless::MciCommands().size(), 11u);
}

TEST_F(SequencerTest, ATruncatedFileNeitherCrashesNorHangsTheSequencer) {
    Bytes whole = MakeMidi(6, 1);
    for (std::size_t n : {std::size_t{14}, std::size_t{23}, std::size_t{30}, whole.size() - 3}) {
        folder.Write("cut.mid", Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n)));
        std::string cmd = "open \"" + folder.Path() + "cut.mid\" type sequencer alias midi";
        auto start = std::chrono::steady_clock::now();
        MCIERROR r = Send(cmd);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        if (r != 0) {
            EXPECT_EQ(r, MCIERR_INVALID_FILE) << n;
            continue;
        }
        Send("play midi notify", window);
        headless::AdvanceClock(3000000);  // past the whole song's length
        Drain();
        EXPECT_EQ(Mode(), "stopped") << n;
        EXPECT_FALSE(notes.empty()) << n;
        notes.clear();
        Send("close midi");
    }
}

TEST_F(SequencerTest, TheTestBackendCanEndAPieceOrFailACommand) {
    Send(open);
    Send("play midi notify", window);
    headless::EndMidiPiece();
    Drain();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].first, MCI_NOTIFY_SUCCESSFUL);
    headless::SetMciFailingVerb("status");
    char answer[32] = {};
    EXPECT_EQ(mciSendStringA("status midi mode", answer, sizeof answer, nullptr), MCIERR_HARDWARE);
    EXPECT_STREQ(answer, "");
}

}  // namespace
