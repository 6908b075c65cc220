// Explosions: fireballs that swell, cool and break up over their frames, big boss bursts,
// and the energy fragments of the ship's death blast.
#include <cmath>
#include <cstdint>

#include "art/art.h"
#include "draw/noise.h"
#include "draw/paint.h"

namespace assetgen {

namespace {

struct RampStop {
    float at;
    Color color;
};

Color ramp(const RampStop* stops, int count, float v) {
    if (v <= stops[0].at) return stops[0].color;
    for (int i = 1; i < count; ++i) {
        if (v <= stops[i].at) {
            const float t = (v - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
            return mix(stops[i - 1].color, stops[i].color, t);
        }
    }
    return stops[count - 1].color;
}

constexpr RampStop kFire[] = {{0.0f, {0, 0, 0}},          {0.12f, rgb(70, 14, 10)},
                              {0.3f, rgb(190, 50, 14)},   {0.5f, rgb(250, 130, 30)},
                              {0.72f, rgb(255, 220, 90)}, {1.0f, rgb(255, 255, 235)}};
constexpr RampStop kSmokyFire[] = {{0.0f, {0, 0, 0}},           {0.12f, rgb(58, 50, 52)},
                                   {0.3f, rgb(110, 84, 70)},    {0.5f, rgb(220, 110, 40)},
                                   {0.75f, rgb(255, 210, 100)}, {1.0f, rgb(255, 250, 220)}};
constexpr RampStop kEnergy[] = {{0.0f, {0, 0, 0}},
                                {0.2f, rgb(20, 40, 120)},
                                {0.5f, rgb(60, 140, 255)},
                                {0.8f, rgb(170, 230, 255)},
                                {1.0f, rgb(255, 255, 255)}};

struct Fireball {
    float radius;        // outer reach in pixels
    float heat;          // 0..1, how hot the middle is
    float erosion;       // 0..1, how much of the cloud has burnt away
    float stretchY = 1;  // > 1 draws taller flames
    std::uint32_t seed = 1;
    const RampStop* palette = kFire;
    int paletteSize = 6;
};

void drawFireball(Image& img, Vec2 c, const Fireball& fb) {
    const float noiseScale = 9.0f / fb.radius;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const float dx = (x + 0.5f - c.x) / fb.radius, dy = (y + 0.5f - c.y) / (fb.radius * fb.stretchY);
            const float r = std::sqrt(dx * dx + dy * dy);
            if (r > 1.3f) continue;
            const float n =
                fractalNoise(x * noiseScale * 0.35f, y * noiseScale * 0.35f / fb.stretchY, 4, fb.seed);
            const float body = 1.0f - r * r + (n - 0.5f) * 0.9f - fb.erosion;
            if (body <= 0) continue;
            const float v = std::min(1.0f, body * (0.4f + fb.heat) * 1.4f);
            img.blend(x, y, ramp(fb.palette, fb.paletteSize, v), std::min(1.0f, body * 6.0f));
        }
    }
}

// A swelling, cooling fireball over `frames` cells.
Image fireballStrip(int cell, int frames, std::uint32_t seed, const RampStop* palette, int paletteSize,
                    float stretchY, bool shockRing) {
    return makeStrip(cell, cell, frames, [&](Image& img, int f) {
        const float t = f / static_cast<float>(frames - 1);
        const float half = cell / 2.0f;
        Fireball fb{half * (0.38f + 0.55f * std::sqrt(t)),
                    1.0f - 0.8f * t,
                    0.15f + 0.75f * std::pow(t, 1.3f),
                    stretchY,
                    seed + static_cast<std::uint32_t>(f) * 7u,
                    palette,
                    paletteSize};
        drawFireball(img, {half, half}, fb);
        if (shockRing && f < frames / 3) {
            const float k = 1.0f - t * 3;
            glow(img, shapes::ring({half, half}, half * (0.45f + 0.9f * t), 0.8f), rgb(255, 200, 120) * k,
                 1.5f, 0.7f);
        }
    });
}

}  // namespace

void drawExplosionArt(PictureSet& set) {
    constexpr int kFrames = 10;
    constexpr int kFireSize = 6, kSmokySize = 6, kEnergySize = 5;
    set["IMAGE/ZBAK1B.BMP"] = fireballStrip(60, kFrames, 100, kSmokyFire, kSmokySize, 1.0f, false);
    set["IMAGE/ZBAK2B.BMP"] = fireballStrip(80, kFrames, 200, kFire, kFireSize, 1.0f, true);
    // Reads as fire when keyed over a boss: taller, smokier at the end.
    set["IMAGE/ZBAK3B.BMP"] = fireballStrip(80, kFrames, 300, kSmokyFire, kSmokySize, 1.25f, false);

    // Debris fireballs: small and quickly spent.
    set["IMAGE/ZBAK6B.BMP"] = makeStrip(40, 40, kFrames, [](Image& img, int f) {
        const float t = f / static_cast<float>(kFrames - 1);
        Fireball fb{13.0f - 5.0f * t, 1.0f - 0.85f * t, 0.1f + 0.6f * t, 1.0f,
                    400u + static_cast<std::uint32_t>(f)};
        drawFireball(img, {20, 20}, fb);
    });

    // Big boss bursts: four hot variants that flicker frame to frame.
    set["IMAGE/BBAK1B.BMP"] = makeStrip(160, 160, 4, [](Image& img, int f) {
        Fireball fb{62.0f + 4.0f * (f % 2), 0.95f, 0.12f + 0.05f * f, 1.0f,
                    500u + static_cast<std::uint32_t>(f) * 13u};
        drawFireball(img, {80, 80}, fb);
        for (int k = 0; k < 8; ++k) {
            const float a = degrees(45.0f * k + 17.0f * f);
            const float len = (k % 2 == 0 ? 74.0f : 56.0f) - 4.0f * f;
            glow(img, shapes::cone({80, 80}, Vec2{80, 80} + rotate({len, 0}, a), 3.0f, 0.3f),
                 rgb(255, 200, 120), 2.5f, 0.45f);
        }
        glowDot(img, {80, 80}, 16, rgb(255, 255, 230), 0.7f);
    });

    // Death-blast fragments: row 0 then row 1; a blue-white spark that burns down.
    constexpr int kFragmentCols = 8, kFragmentRows = 2;
    Image fragments(60 * kFragmentCols, 60 * kFragmentRows);
    for (int row = 0; row < kFragmentRows; ++row) {
        for (int col = 0; col < kFragmentCols; ++col) {
            const float t = std::min(1.0f, (row * (kFragmentCols - 1) + col) / 14.0f);
            Image cell(60, 60);
            Fireball fb{20.0f - 8.0f * t,
                        1.0f - 0.7f * t,
                        0.2f + 0.55f * t,
                        1.0f,
                        600u + static_cast<std::uint32_t>(row * 8 + col),
                        kEnergy,
                        kEnergySize};
            drawFireball(cell, {30, 30}, fb);
            glowDot(cell, {30, 30}, 5.0f * (1.0f - 0.6f * t), rgb(200, 240, 255), 0.9f * (1.0f - 0.7f * t));
            fragments.paste(cell, col * 60, row * 60);
        }
    }
    set["IMAGE/GFBAK1.BMP"] = fragments;
}

}  // namespace assetgen
