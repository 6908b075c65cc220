// The music's synthesiser: FluidSynth with a General MIDI soundfont from the system's soundfont folders.
// Without a soundfont the piece still runs its time, silent.
// The soundfont loads on a thread of its own while the program starts; every music command first waits
// for that load to end, so no piece ever plays on a synthesiser that is not ready. The synthesiser is
// handed over under the sound device's lock, which the audio thread reads it under.
#include <dirent.h>
#include <dlfcn.h>
#include <fluidsynth.h>
#include <malloc.h>

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/common/sequencer.h"
#include "platform/common/sound_device.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_backend.h"

namespace {

constexpr const char* kSoundfontFolders[] = {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3"};
constexpr const char* kPreferredSoundfont = "TimGM6mb.sf2";
constexpr double kSynthGain = 0.8;
constexpr int kPitchBendShift = 7;
constexpr std::size_t kMaxBlockFrames = 256;

// Written under the sound device's lock.
constinit fluid_settings_t* gSettings = nullptr;
constinit fluid_synth_t* gSynth = nullptr;

// The soundfont's loading thread while it may run, and the rate it loads for; ending the program
// waits for it.
struct Loader {
    int rate = 0;
    sdl_backend::StartupThread worker;
};

Loader& SynthLoader() {
    static Loader loader;
    return loader;
}

bool EndsWith(const std::string& text, const char* suffix) {
    std::size_t n = std::strlen(suffix);
    return text.size() >= n && strcasecmp(text.c_str() + text.size() - n, suffix) == 0;
}

// The preferred soundfont when present, else the first .sf2 or .sf3 by name.
std::string FindSoundfont() {
    for (const char* folder : kSoundfontFolders) {
        DIR* dir = opendir(folder);
        if (dir == nullptr) continue;
        std::vector<std::string> names;
        while (dirent* e = readdir(dir)) {
            std::string name = e->d_name;
            if (EndsWith(name, ".sf2") || EndsWith(name, ".sf3")) names.push_back(name);
        }
        closedir(dir);
        if (names.empty()) continue;
        std::sort(names.begin(), names.end());
        auto preferred = std::find(names.begin(), names.end(), kPreferredSoundfont);
        return std::string(folder) + "/" + (preferred != names.end() ? *preferred : names.front());
    }
    return {};
}

void Send(const platform_common::MidiEvent& e, void*) {
    int channel = e.status & 0x0F;
    switch (e.status & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(gSynth, channel, e.data1);
            break;
        case 0x90:
            fluid_synth_noteon(gSynth, channel, e.data1, e.data2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(gSynth, channel, e.data1, e.data2);
            break;
        case 0xB0:
            fluid_synth_cc(gSynth, channel, e.data1, e.data2);
            break;
        case 0xC0:
            fluid_synth_program_change(gSynth, channel, e.data1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(gSynth, channel, e.data1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(gSynth, channel, e.data1 | (e.data2 << kPitchBendShift));
            break;
        default:
            break;
    }
}

// FluidSynth may spread the soundfont's loading over a team of OpenMP threads, which then spin for a
// while after it, on every core, just as the program draws its first frames; the samples loaded are the
// same with a team of one. The library is there only when FluidSynth was built with it.
void LoadOnThisThreadOnly() {
    using SetThreads = void (*)(int);
    if (auto set = reinterpret_cast<SetThreads>(dlsym(RTLD_DEFAULT, "omp_set_num_threads"))) set(1);
}

// Makes the synthesiser with the soundfont loaded and hands it over; nothing when either fails.
void LoadSynth(int rate) {
    std::string soundfont = FindSoundfont();
    if (soundfont.empty()) return;
    fluid_settings_t* settings = new_fluid_settings();
    if (settings == nullptr) return;
    fluid_settings_setnum(settings, "synth.sample-rate", rate);
    fluid_settings_setnum(settings, "synth.gain", kSynthGain);
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (synth == nullptr || fluid_synth_sfload(synth, soundfont.c_str(), 1) == FLUID_FAILED) {
        if (synth != nullptr) delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
        gSettings = settings;
        gSynth = synth;
    }
    // What the load used and let go stays with this thread's allocation arena, which nothing else
    // would use again: hand it back to the system.
    malloc_trim(0);
}

int LoadOnThread(void* loader) {
    LoadOnThisThreadOnly();
    LoadSynth(static_cast<const Loader*>(loader)->rate);
    return 0;
}

}  // namespace

namespace sdl_backend {

// Until the load has ended the synthesiser is not there: the music waits for it.
void WaitForMusicSynth() {
    SynthLoader().worker.Wait();
}

void StartMusicSynth(int rate) {
    sdl_backend::WaitForMusicSynth();
    {
        std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
        if (gSynth != nullptr) return;
    }
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
    Loader& loader = SynthLoader();
    loader.rate = rate;
    loader.worker.thread = SDL_CreateThread(LoadOnThread, "soundfont", &loader);
    // Without a thread of its own it loads here.
    if (loader.worker.thread == nullptr) LoadSynth(rate);
}

void StopMusicSynth() {
    sdl_backend::WaitForMusicSynth();
    std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
    if (gSynth != nullptr) delete_fluid_synth(gSynth);
    if (gSettings != nullptr) delete_fluid_settings(gSettings);
    gSynth = nullptr;
    gSettings = nullptr;
}

bool RenderMusic(std::uint64_t micros, float* stereo, std::size_t frames) {
    bool ended = platform_common::RenderSequencer(micros, gSynth != nullptr ? Send : nullptr, nullptr);
    if (gSynth == nullptr || frames > kMaxBlockFrames) return ended;
    float left[kMaxBlockFrames];
    float right[kMaxBlockFrames];
    if (fluid_synth_write_float(gSynth, static_cast<int>(frames), left, 0, 1, right, 0, 1) != FLUID_OK)
        return ended;
    for (std::size_t i = 0; i < frames; ++i) {
        stereo[2 * i] += left[i];
        stereo[2 * i + 1] += right[i];
    }
    return ended;
}

}  // namespace sdl_backend

namespace backend {

void NoteMciCommand(const char*) {
    sdl_backend::WaitForMusicSynth();
}

bool MciCommandFails(const char*) {
    return false;
}

// With the sound device's lock held.
void SilenceMidi() {
    if (gSynth != nullptr) fluid_synth_system_reset(gSynth);
}

}  // namespace backend
