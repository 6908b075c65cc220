#include "draw/noise.h"

#include <cmath>

#include "draw/rng.h"

namespace assetgen {

namespace {
float lattice(int x, int y, std::uint32_t seed, int px, int py) {
    if (px > 0) x = ((x % px) + px) % px;
    if (py > 0) y = ((y % py) + py) % py;
    return static_cast<float>(hash3(x, y, seed) & 0xFFFFFFu) / static_cast<float>(0xFFFFFF);
}
float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}
}  // namespace

float valueNoise(float x, float y, std::uint32_t seed, int px, int py) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float tx = fade(x - fx), ty = fade(y - fy);
    const float a = lattice(ix, iy, seed, px, py);
    const float b = lattice(ix + 1, iy, seed, px, py);
    const float c = lattice(ix, iy + 1, seed, px, py);
    const float d = lattice(ix + 1, iy + 1, seed, px, py);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, int octaves, std::uint32_t seed, int px, int py) {
    float sum = 0, weight = 1, total = 0, freq = 1;
    for (int o = 0; o < octaves; ++o) {
        const int scale = 1 << o;
        sum += weight * valueNoise(x * freq, y * freq, seed + static_cast<std::uint32_t>(o) * 101u,
                                   px * scale, py * scale);
        total += weight;
        weight *= 0.5f;
        freq *= 2;
    }
    return sum / total;
}

}  // namespace assetgen
