// Value noise and fractal sums; optionally periodic so tiles join without seams.
#pragma once

#include <cstdint>

namespace assetgen {

// Smooth noise in [0, 1]. A period of 0 means no wrapping on that axis; otherwise
// the noise repeats every `period` lattice cells.
float valueNoise(float x, float y, std::uint32_t seed, int periodX = 0, int periodY = 0);

// Sum of `octaves` layers, each at twice the frequency and half the weight; in [0, 1].
// With periods set, every layer repeats over the same distance as the first.
float fractalNoise(float x, float y, int octaves, std::uint32_t seed, int periodX = 0, int periodY = 0);

}  // namespace assetgen
