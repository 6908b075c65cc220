// The real backend's sound output: one SDL audio stream into which the sound buffers and the music are
// mixed, in the audio thread, under the sound device's lock.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "platform/common/sequencer.h"
#include "platform/common/sound_device.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_backend.h"

namespace {

constexpr int kWantedRate = 44100;
constexpr Uint16 kWantedSamples = 1024;
constexpr int kOutputChannels = 2;
// The music's messages fall due, and are rendered, in blocks this many frames long.
constexpr std::size_t kBlockFrames = 64;
constexpr std::uint64_t kMicrosPerSecond = 1000000;
constexpr float kSampleMax = 32767.0f;
constexpr float kSampleMin = -32768.0f;

constinit SDL_AudioDeviceID gDevice = 0;
constinit int gRate = 0;
constinit std::uint64_t gFramesRendered = 0;  // since the output opened, for the music's clock

Sint16 Clip(float v) {
    float scaled = v * 32768.0f;
    if (scaled > kSampleMax) scaled = kSampleMax;
    if (scaled < kSampleMin) scaled = kSampleMin;
    return static_cast<Sint16>(scaled);
}

void WakeMainThread() {
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return;
    SDL_Event e{};
    e.type = SDL_USEREVENT;
    SDL_PushEvent(&e);
}

void Render(void*, Uint8* stream, int length) {
    auto* out = reinterpret_cast<Sint16*>(stream);
    std::size_t frames = static_cast<std::size_t>(length) / (sizeof(Sint16) * kOutputChannels);
    float mix[kBlockFrames * kOutputChannels];
    bool ended = false;
    {
        std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
        for (std::size_t done = 0; done < frames;) {
            std::size_t n = frames - done < kBlockFrames ? frames - done : kBlockFrames;
            // Whole-stream time, so that the music's clock does not drift by rounding each block.
            std::uint64_t before = gFramesRendered * kMicrosPerSecond / static_cast<std::uint64_t>(gRate);
            gFramesRendered += n;
            std::uint64_t after = gFramesRendered * kMicrosPerSecond / static_cast<std::uint64_t>(gRate);
            std::memset(mix, 0, sizeof mix);
            ended |= sdl_backend::RenderMusic(after - before, mix, n);
            platform_common::MixSoundBuffers(mix, n, gRate);
            for (std::size_t i = 0; i < n * kOutputChannels; ++i)
                out[done * kOutputChannels + i] = Clip(mix[i]);
            done += n;
        }
    }
    if (ended) WakeMainThread();
}

// While the sound output opens, what the system's sound libraries print on their own goes nowhere: when
// there is no device they print a screenful of configuration errors. The player gets ReportNoSound's
// one line instead, with the reason SDL gives.
struct QuietStandardError {
    int saved = -1;
    QuietStandardError() {
        std::fflush(stderr);
        int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nowhere < 0) return;
        saved = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        if (saved >= 0) dup2(nowhere, STDERR_FILENO);
        close(nowhere);
    }
    ~QuietStandardError() {
        if (saved < 0) return;
        dup2(saved, STDERR_FILENO);
        close(saved);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;
};

// One line for a player who has no sound device (or no sound server): the game goes on silently.
void ReportNoSound() {
    std::fprintf(stderr, "No sound device could be opened (%s); the game plays without sound.\n",
                 SDL_GetError());
}

}  // namespace

namespace backend {

bool OpenSoundOutput() {
    if (gDevice != 0) return true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    bool initialised;
    {
        QuietStandardError quiet;
        initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    if (!initialised) {
        ReportNoSound();
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = kWantedRate;
    want.format = AUDIO_S16SYS;
    want.channels = kOutputChannels;
    want.samples = kWantedSamples;
    want.callback = Render;
    SDL_AudioSpec have{};
    {
        QuietStandardError quiet;
        gDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    }
    if (gDevice == 0) {
        ReportNoSound();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    gRate = have.freq;
    gFramesRendered = 0;
    sdl_backend::StartMusicSynth(gRate);
    platform_common::SetSequencerAudioClock(true);
    SDL_PauseAudioDevice(gDevice, 0);
    return true;
}

void CloseSoundOutput() {
    if (gDevice == 0) return;
    // Closing waits for the audio thread; the music goes on, timed by the clock.
    SDL_CloseAudioDevice(gDevice);
    gDevice = 0;
    platform_common::SetSequencerAudioClock(false);
    sdl_backend::StopMusicSynth();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void NoteSoundCall(SoundCall, const IDirectSoundBuffer*, long) {}

bool CooperativeLevelAllowed(DWORD) {
    return true;
}

bool SecondaryBufferAllowed() {
    return true;
}

}  // namespace backend
