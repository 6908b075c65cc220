// The audio thread's work per output block: mixing playing sound buffers, and reading a MIDI file.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/common/smf_reader.h"
#include "platform/common/sound_device.h"
#include "platform/dsound.h"
#include "platform/headless.h"

namespace {

constexpr DWORD kBufferBytes = 22050 * 2;  // one second of 16-bit mono at 22050

// Plays n one-second buffers at once (each from its own place) and mixes 1024 output frames a pass.
void BM_MixPlayingBuffers(benchmark::State& state) {
    headless::Reset();
    LPDIRECTSOUND device = nullptr;
    DirectSoundCreate(nullptr, &device, nullptr);
    WAVEFORMATEX f{WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
    DSBUFFERDESC d{sizeof(DSBUFFERDESC),
                   DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME,
                   kBufferBytes, 0, &f};
    for (int i = 0; i < state.range(0); ++i) {
        LPDIRECTSOUNDBUFFER b = nullptr;
        device->CreateSoundBuffer(&d, &b, nullptr);
        b->SetPan(static_cast<LONG>(i * 500 - 2000));
        b->SetVolume(static_cast<LONG>(-100 * i));
        b->Play(0, 0, DSBPLAY_LOOPING);
    }
    std::vector<float> out(2 * 1024);
    for (auto _ : state) {
        std::memset(out.data(), 0, out.size() * sizeof(float));
        std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
        platform_common::MixSoundBuffers(out.data(), 1024, 44100);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 1024);
    device->Release();
}
BENCHMARK(BM_MixPlayingBuffers)->Arg(1)->Arg(8)->Arg(20);

// A three-minute piece of 16 tracks.
void BM_ReadMidiSong(benchmark::State& state) {
    std::vector<unsigned char> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 16, 0, 96};
    for (int t = 0; t < 16; ++t) {
        std::vector<unsigned char> ev;
        for (int n = 0; n < 360; ++n) {
            ev.insert(ev.end(), {0x00, static_cast<unsigned char>(0x90 | t), 60, 100, 0x30,
                                 static_cast<unsigned char>(0x80 | t), 60, 0});
        }
        ev.insert(ev.end(), {0x00, 0xFF, 0x2F, 0x00});
        unsigned char header[8] = {'M',
                                   'T',
                                   'r',
                                   'k',
                                   0,
                                   0,
                                   static_cast<unsigned char>(ev.size() >> 8),
                                   static_cast<unsigned char>(ev.size())};
        file.insert(file.end(), header, header + 8);
        for (unsigned char c : ev) file.push_back(c);
    }
    platform_common::MidiSong song;
    for (auto _ : state) {
        platform_common::ParseMidiSong(file.data(), file.size(), &song);
        benchmark::DoNotOptimize(song.events.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(song.events.size()));
}
BENCHMARK(BM_ReadMidiSong);

}  // namespace
