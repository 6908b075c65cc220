// Plays a generated WAVE through the engine's sound objects and a generated MIDI piece through the
// sequencer, on the real backend with SDL's disk audio driver, then measures the recorded stream:
// where sound is heard, for how long, and how loud. Exit code 0 when both lengths are right. With an
// output, the driver times its waits and its measures by the recording's own clock, the sound written so
// far: on a busy machine the disk driver writes slower than the wall clock runs, as a sound card never
// does.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "platform/common/module_path.h"
#include "platform/mci.h"
#include "platform/system.h"
#include "platform/window.h"
#include "support/audio_files.h"

namespace {

constexpr int kRate = 44100;  // what the sound output asks for, and the disk driver gives
constexpr int kChannels = 2;
constexpr double kToneSeconds = 1.0;
constexpr int kMidiNotes = 4;  // one quarter each at 120 a minute: 2 seconds
constexpr double kMidiSeconds = 2.0;
constexpr DWORD kGapBeforeMusicMs = 1500;
constexpr DWORD kTailMs = 1200;
constexpr DWORD kMusicTimeoutMs = 6000;
// Wall time after which a wait for the recording to grow gives up: long, for a loaded machine.
constexpr DWORD kRecordingTimeoutMs = 60000;
constexpr int kWindowFrames = kRate / 100;  // 10 ms
constexpr double kAudibleRms = 0.01;        // -40 dB of full scale
constexpr int kSilentWindowsBetweenParts = 20;

const char* gRecording = nullptr;

// Seconds of sound in the recording so far (with no recording, of the wall clock).
double Now() {
    if (gRecording == nullptr) return timeGetTime() / 1000.0;
    return RecordedSeconds(gRecording, kRate, kChannels);
}

double gNotifyAt = -1.0;
WPARAM gNotifyResult = 0;

LRESULT Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MM_MCINOTIFY && gNotifyAt < 0) {
        gNotifyAt = Now();
        gNotifyResult = wParam;
    }
    return elSystem::WindowProc(window, message, wParam, lParam);
}

void Pump() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Pumps messages until the recording holds `seconds` more sound than it did at `from`, or until `stop`
// holds; gives up after kRecordingTimeoutMs of wall time. Returns the recording's seconds at the end.
// The longest step of those waits so far: how late, at most, they saw what they waited for. On a busy
// machine a step can take far longer than its 2 ms.
double gLongestStep = 0.0;

template <typename Stop>
double AwaitSound(double from, double seconds, Stop stop) {
    const DWORD start = timeGetTime();
    double now = Now();
    while (now - from < seconds && !stop() && timeGetTime() - start < kRecordingTimeoutMs) {
        Pump();
        Sleep(2);
        const double before = now;
        now = Now();
        gLongestStep = std::fmax(gLongestStep, now - before);
    }
    return now;
}
double AwaitSound(double from, double seconds) {
    return AwaitSound(from, seconds, [] { return false; });
}

struct Part {
    double start;
    double length;
    double rms;
    double peak;
};

// Audible stretches of the recording, split at silences of kSilentWindowsBetweenParts windows.
std::vector<Part> FindParts(const std::vector<std::int16_t>& samples) {
    std::vector<Part> parts;
    std::size_t windows = samples.size() / (kWindowFrames * kChannels);
    int silentRun = kSilentWindowsBetweenParts;
    double energy = 0;
    std::size_t counted = 0;
    std::size_t lastAudible = 0;
    for (std::size_t w = 0; w < windows; ++w) {
        double sum = 0;
        double peak = 0;
        for (int i = 0; i < kWindowFrames * kChannels; ++i) {
            double v = samples[w * kWindowFrames * kChannels + i] / 32768.0;
            sum += v * v;
            peak = std::fmax(peak, std::fabs(v));
        }
        double rms = std::sqrt(sum / (kWindowFrames * kChannels));
        if (rms < kAudibleRms) {
            ++silentRun;
            continue;
        }
        if (silentRun >= kSilentWindowsBetweenParts) {
            if (!parts.empty()) parts.back().rms = std::sqrt(energy / counted);
            parts.push_back(Part{static_cast<double>(w) / 100.0, 0, 0, 0});
            energy = 0;
            counted = 0;
        }
        silentRun = 0;
        lastAudible = w;
        energy += rms * rms;
        ++counted;
        parts.back().peak = std::fmax(parts.back().peak, peak);
        parts.back().length = static_cast<double>(lastAudible + 1) / 100.0 - parts.back().start;
    }
    if (!parts.empty() && counted > 0) parts.back().rms = std::sqrt(energy / counted);
    return parts;
}

}  // namespace

// Music asked for the moment the output opens, while the synthesiser may still be loading its
// soundfont (run with --music-first): the piece is heard whole, from the moment it was started.
int RunMusicFirst(const char* recording) {
    if (!elSound::Init()) {
        std::fprintf(stderr, "no sound output\n");
        return 2;
    }
    elSound::InitMidiState();
    elSound::PlayMidi("MIDI/PIECE.MID", 0);
    // The recording starts when the output opens.
    const double started = Now();
    const double ended = AwaitSound(started, kMusicTimeoutMs / 1000.0, [] { return !elSound::Midi.open; });
    AwaitSound(ended, kTailMs / 1000.0);
    elSound::CloseMidi();
    elSound::Release();
    std::vector<Part> parts = FindParts(ReadRawSamples(recording));
    for (std::size_t i = 0; i < parts.size(); ++i)
        std::printf("music first: audible part %zu from %.2f s for %.2f s (played at %.3f s)\n", i,
                    parts[i].start, parts[i].length, started);
    bool ok = parts.size() == 1 && std::fabs(parts[0].start - started) <= 0.15 &&
              parts[0].length >= kMidiSeconds - 0.1 && parts[0].length <= kMidiSeconds + 1.0;
    std::printf("%s\n", ok ? "music first heard whole" : "FAIL: music first not heard whole");
    return ok ? 0 : 1;
}

// Without a sound output (run with --silent and an audio driver that does not exist): the game runs
// silent, and the music still ends, timed by the clock, and notifies.
int RunSilent() {
    if (elSound::Init()) {
        std::fprintf(stderr, "a sound output was found\n");
        return 2;
    }
    elSound::InitMidiState();
    const double musicStart = Now();
    elSound::PlayMidi("MIDI/PIECE.MID", 0);
    const double seconds =
        AwaitSound(musicStart, kMusicTimeoutMs / 1000.0, [] { return !elSound::Midi.open; }) - musicStart;
    std::printf(
        "no sound output: piece closed by its notification after %.3f s (expected %.3f s; the wait's "
        "longest step %.3f s)\n",
        seconds, kMidiSeconds, gLongestStep);
    bool ok = gNotifyAt >= 0 && gNotifyResult == MCI_NOTIFY_SUCCESSFUL && seconds >= kMidiSeconds - 0.15 &&
              seconds <= kMidiSeconds + 0.15 + gLongestStep;
    std::printf("%s\n", ok ? "silent music length right" : "FAIL: silent music length wrong");
    return ok ? 0 : 1;
}

int main(int argc, char** argv) {
    bool silent = argc > 1 && std::strcmp(argv[1], "--silent") == 0;
    bool musicFirst = argc > 1 && std::strcmp(argv[1], "--music-first") == 0;
    const char* recording = std::getenv("SDL_DISKAUDIOFILE");
    if (recording == nullptr && !silent) {
        std::fprintf(stderr, "set SDL_AUDIODRIVER=disk and SDL_DISKAUDIOFILE\n");
        return 2;
    }
    ScratchFolder folder;
    folder.Write("SOUND/TONE.WAV", MakeSineWave(22050, kToneSeconds, 440.0, 0.5));
    folder.Write("MIDI/PIECE.MID", MakeMidi(kMidiNotes, 1));
    platform_common::SetModulePathOverride((folder.Path() + "audio_driver").c_str());

    // A window for the end notification when there is a display; without one the status is polled.
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "DEFAULT";
    RegisterClassA(&wc);
    elSystem::State.mainWindow =
        CreateWindowExA(0, "DEFAULT", "audio", 0, 0, 0, 64, 64, nullptr, nullptr, nullptr, nullptr);

    if (silent) return elSystem::State.mainWindow != nullptr ? RunSilent() : 2;
    gRecording = recording;
    if (musicFirst) return RunMusicFirst(recording);
    if (!elSound::Init()) {
        std::fprintf(stderr, "no sound output\n");
        return 2;
    }
    elSound::ClearTable();
    elSound::InitMidiState();
    int slot = elSound::LoadObject("SOUND/TONE.WAV", 1);
    if (slot < 0) return 3;
    const double toneAt = Now();
    elSound::Play(slot, -1);
    // The music is asked for when the recording has grown by the gap, or later when the wait wakes late.
    const double musicStart = AwaitSound(toneAt, kGapBeforeMusicMs / 1000.0);
    elSound::PlayMidi("MIDI/PIECE.MID", 0);
    // Closed by its notification (loop 0), or seen stopped.
    auto stopped = [] {
        char mode[kMidiStatusSize] = {};
        return !elSound::Midi.open || (mciSendStringA("status midi mode", mode, sizeof mode, nullptr) == 0 &&
                                       std::strcmp(mode, "stopped") == 0);
    };
    const double end = AwaitSound(musicStart, kMusicTimeoutMs / 1000.0, stopped);
    const double stoppedAt = stopped() ? end : -1.0;
    AwaitSound(end, kTailMs / 1000.0);
    elSound::CloseMidi();
    elSound::Release();  // closes the output, which ends the recording

    std::vector<std::int16_t> samples = ReadRawSamples(recording);
    std::vector<Part> parts = FindParts(samples);

    double recorded = static_cast<double>(samples.size()) / (kRate * kChannels);
    std::printf("recording: %.3f s at %d Hz\n", recorded, kRate);
    for (std::size_t i = 0; i < parts.size(); ++i)
        std::printf("audible part %zu: from %.2f s for %.2f s, rms %.3f, peak %.3f\n", i, parts[i].start,
                    parts[i].length, parts[i].rms, parts[i].peak);
    double sequencerSeconds = stoppedAt >= 0 ? stoppedAt - musicStart : -1.0;
    std::printf("music asked for at %.3f s; the waits' longest step %.3f s\n", musicStart, gLongestStep);
    std::printf("sequencer: piece ended after %.3f s (expected %.3f s)\n", sequencerSeconds, kMidiSeconds);
    if (gNotifyAt >= 0)
        std::printf("notification: result %lu after %.3f s\n", static_cast<unsigned long>(gNotifyResult),
                    gNotifyAt - musicStart);
    else
        std::printf("notification: no window to receive it\n");

    bool ok = parts.size() == 2;
    if (ok) {
        ok &= std::fabs(parts[0].length - kToneSeconds) <= 0.05;
        // The synthesiser's notes ring on a little after their release.
        ok &= parts[1].length >= kMidiSeconds - 0.1 && parts[1].length <= kMidiSeconds + 1.0;
        // Heard from when it was asked for, which is the gap after the tone unless the wait woke late.
        ok &= std::fabs(parts[1].start - parts[0].start - (musicStart - toneAt)) <= 0.15;
    }
    ok &= sequencerSeconds >= kMidiSeconds - 0.15 && sequencerSeconds <= kMidiSeconds + 0.15 + gLongestStep;
    if (gNotifyAt >= 0) ok &= gNotifyResult == MCI_NOTIFY_SUCCESSFUL;
    std::printf("%s\n", ok ? "audio lengths right" : "FAIL: audio lengths wrong");
    return ok ? 0 : 1;
}
