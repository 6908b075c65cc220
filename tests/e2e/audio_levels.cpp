// Plays the game's own sound effects, the way the game plays them, over its stage music through the
// real backend into SDL's disk audio driver, and measures the stretches of the recording they play in.
//
//   audio_levels <data folder> <music|quiet> <effects|none>
//
// The effects start kLeadMs after the music (or after the output opens, when quiet): first the ship's
// death blast, the explosion restarted every frame for a second; then, after a gap for its tail, held
// fire, the shot restarted every fourth frame for three seconds. With none the same stretches are
// measured without them (the music alone). Prints one line per stretch:
// "<blast|fire> clipped <share of samples at full scale> rms <rms> peak <peak>", as fractions of full scale.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "platform/common/module_path.h"
#include "platform/system.h"
#include "support/audio_files.h"

namespace {

constexpr int kRate = 44100;  // what the sound output asks for, and the disk driver gives
constexpr int kChannels = 2;
constexpr DWORD kFrameMs[] = {17, 17, 16};  // 60 frames a second, in whole milliseconds
constexpr int kShotCadenceFrames = 4;       // one volley every fourth frame per held fire key
constexpr DWORD kLeadMs = 7000;             // into the piece's main part, past its quieter opening bars
constexpr int kBlastFrames = 60;
constexpr DWORD kGapMs = 1000;  // the explosion's last play rings out
constexpr int kFireFrames = 180;
constexpr DWORD kTailMs = 300;
constexpr double kFullScale = 32768.0;
constexpr int kSampleMax = 32767;
constexpr int kSampleMin = -32768;
constexpr const char* kStageMusic = "MIDI/Qvnd1.MID";

// Wall time after which a wait for the recording to grow gives up: long, for a loaded machine.
constexpr DWORD kRecordingTimeoutMs = 60000;

const char* gRecording = nullptr;

// Milliseconds of sound recorded so far. Every time here runs on this clock, which starts as the output
// opens: on a busy machine the recording runs behind the wall clock, and the frames and stretches stay
// where they fall in it.
DWORD RecordedMs() {
    return static_cast<DWORD>(RecordedSeconds(gRecording, kRate, kChannels) * 1000.0);
}

void WaitUntil(DWORD due) {
    const DWORD start = timeGetTime();
    while (static_cast<int>(RecordedMs() - due) < 0 && timeGetTime() - start < kRecordingTimeoutMs) Sleep(1);
}

// Plays the sound every |cadence| frames for |frames| frames from |start|; returns when the last frame ends.
DWORD PlayFrames(DWORD start, int frames, int slot, int cadence) {
    DWORD at = start;
    for (int f = 0; f < frames; ++f) {
        WaitUntil(at);
        if (slot >= 0 && f % cadence == 0) elSound::Play(slot, -1);
        at += kFrameMs[f % 3];
    }
    return at;
}

struct Stretch {
    const char* name;
    DWORD start;
    DWORD end;
};

void Report(const std::vector<std::int16_t>& samples, const Stretch& s) {
    const auto sampleAt = [&](DWORD t) {
        return static_cast<std::size_t>(static_cast<std::uint64_t>(t) * kRate / 1000) * kChannels;
    };
    double clipped = 0, energy = 0, peak = 0;
    std::size_t n = 0;
    for (std::size_t i = sampleAt(s.start); i < sampleAt(s.end) && i < samples.size(); ++i, ++n) {
        const int v = samples[i];
        clipped += v >= kSampleMax || v <= kSampleMin;
        energy += (v / kFullScale) * (v / kFullScale);
        peak = std::fmax(peak, std::abs(v) / kFullScale);
    }
    const double count = n > 0 ? static_cast<double>(n) : 1.0;
    std::printf("%s clipped %.5f rms %.4f peak %.4f\n", s.name, clipped / count, std::sqrt(energy / count),
                peak);
}

}  // namespace

int main(int argc, char** argv) {
    const char* recording = std::getenv("SDL_DISKAUDIOFILE");
    const auto is = [&](int arg, const char* word) { return std::strcmp(argv[arg], word) == 0; };
    if (recording == nullptr || argc != 4 || !(is(2, "music") || is(2, "quiet")) ||
        !(is(3, "effects") || is(3, "none"))) {
        std::fprintf(stderr,
                     "usage (SDL_AUDIODRIVER=disk, SDL_DISKAUDIOFILE set): audio_levels <data folder> "
                     "<music|quiet> <effects|none>\n");
        return 2;
    }
    platform_common::SetModulePathOverride((std::string(argv[1]) + "/audio_levels").c_str());

    gRecording = recording;
    if (!elSound::Init()) {
        std::fprintf(stderr, "no sound output\n");
        return 2;
    }
    elSound::ClearTable();
    elSound::InitMidiState();
    // One copy each, as the game loads them: every play restarts the sound.
    const int shot = elSound::LoadObject("SOUND/SHOT.WAV", 1);
    const int bom = elSound::LoadObject("SOUND/BOM.WAV", 1);
    if (shot < 0 || bom < 0) return 3;
    const bool effects = is(3, "effects");
    if (is(2, "music")) elSound::PlayMidi(kStageMusic, 1);

    const DWORD blastAt = RecordedMs() + kLeadMs;
    const DWORD blastEnd = PlayFrames(blastAt, kBlastFrames, effects ? bom : -1, 1);
    const DWORD fireAt = blastEnd + kGapMs;
    const DWORD fireEnd = PlayFrames(fireAt, kFireFrames, effects ? shot : -1, kShotCadenceFrames);
    WaitUntil(fireEnd + kTailMs);
    elSound::CloseMidi();
    elSound::Release();  // closes the output, which ends the recording

    const std::vector<std::int16_t> samples = ReadRawSamples(recording);
    Report(samples, {"blast", blastAt, blastEnd});
    Report(samples, {"fire", fireAt, fireEnd});
    return 0;
}
