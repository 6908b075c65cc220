// What the real backend's sound output and music synthesiser share.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sdl_backend {

// Loads the soundfont for output at this rate; without one the music stays silent.
void StartMusicSynth(int rate);
void StopMusicSynth();
// With the sound device's lock held, in the audio thread: moves the music on by micros and adds frames
// of it into interleaved stereo. True when the piece reached its end.
bool RenderMusic(std::uint64_t micros, float* stereo, std::size_t frames);

}  // namespace sdl_backend
