#include "art/boss_kit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "draw/noise.h"
#include "draw/paint.h"
#include "draw/rng.h"

namespace assetgen {

namespace {
// 43 noise cells every 480 px, so grained parts of background tiles join seamlessly.
constexpr int kGrainCellsPerTile = 43;
constexpr float kGrainScale = kGrainCellsPerTile / 480.0f;
// Damage never darkens a drawn pixel below this, so nothing turns transparent.
constexpr float kDarkestDrawn = 22.0f / 255.0f;

bool drawn(const Color& c) {
    return std::max({c.r, c.g, c.b}) * 255.0f >= kVisibleThreshold;
}
}  // namespace

void plate(Image& img, const Shape& s, Color c, float bevel, std::uint32_t grainSeed) {
    Material m{c, bevel, 0.42f, 0.3f};
    if (grainSeed != 0) {
        m.pattern = [c, grainSeed](Vec2 p) {
            return c * (0.92f + 0.14f * fractalNoise(p.x * kGrainScale, p.y * kGrainScale, 3, grainSeed, 0,
                                                     kGrainCellsPerTile));
        };
    }
    paint(img, s, m);
}

void panelLines(Image& img, const Shape& within, const std::vector<shapes::Segment>& lines, Color c) {
    fill(img, shapes::intersect(shapes::grown(within, -2.0f), shapes::strokes(lines, 0.6f)), c);
}

void turret(Image& img, Vec2 centre, float radius, Color c) {
    plate(img, shapes::capsule(centre, centre + Vec2{0, radius * 1.7f}, radius * 0.28f), rgb(70, 72, 84),
          1.5f);
    plate(img, shapes::circle(centre, radius), c, radius * 0.5f);
    plate(img, shapes::circle(centre, radius * 0.45f), c * 0.7f, radius * 0.3f);
}

void core(Image& img, Vec2 centre, float radius, Color c) {
    fill(img, shapes::circle(centre, radius * 1.25f), rgb(40, 36, 48));
    for (int k = 6; k >= 1; --k) {
        const float t = k / 6.0f;
        fill(img, shapes::circle(centre, radius * t), mix({1, 1, 1}, c, t));
    }
}

void applyDamage(Image& img, int level, std::uint32_t seed) {
    const float scorchEdge = 0.66f - 0.06f * level;
    Image before = img;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            Color& p = img.at(x, y);
            if (!drawn(p)) continue;
            const float n = fractalNoise(x * 0.05f, y * 0.05f, 4, seed);
            if (n > scorchEdge) {
                const float k = std::min(1.0f, (n - scorchEdge) * 5.0f);
                p = mix(p, p * rgb(120, 100, 90), k);
            }
            p = {std::max(p.r, kDarkestDrawn), std::max(p.g, kDarkestDrawn), std::max(p.b, kDarkestDrawn)};
        }
    }

    Rng rng(seed * 31u + 7u);
    const auto randomDrawnPoint = [&](Vec2& out) {
        for (int tries = 0; tries < 200; ++tries) {
            const Vec2 p{rng.range(0, static_cast<float>(img.width())),
                         rng.range(0, static_cast<float>(img.height()))};
            if (drawn(before.at(static_cast<int>(p.x), static_cast<int>(p.y)))) {
                out = p;
                return true;
            }
        }
        return false;
    };

    // Glowing cracks: short jagged walks, painted only over the hull.
    const int cracks = 4 + 6 * level;
    for (int c = 0; c < cracks; ++c) {
        Vec2 p;
        if (!randomDrawnPoint(p)) break;
        std::vector<shapes::Segment> segs;
        float heading = rng.range(0, 2 * kPi);
        const int steps = 3 + rng.below(4);
        for (int s = 0; s < steps; ++s) {
            heading += rng.range(-0.9f, 0.9f);
            const Vec2 next = p + Vec2{std::cos(heading), std::sin(heading)} * rng.range(6, 14);
            segs.push_back({p, next});
            p = next;
        }
        const Shape crack = shapes::strokes(segs, 0.9f);
        forEachPixel(img, crack, 1.5f, [&](int x, int y, float cover, float d) {
            if (!drawn(before.at(x, y))) return;
            img.blend(x, y, rgb(40, 20, 18), clamp01(1.2f - d * 0.5f));
            img.blend(x, y, rgb(255, 150, 50), cover * 0.9f);
        });
    }

    // Fires and holes.
    const int fires = 2 + 4 * level;
    for (int f = 0; f < fires; ++f) {
        Vec2 p;
        if (!randomDrawnPoint(p)) break;
        const float r = rng.range(3, 5.0f + 2.0f * level);
        forEachPixel(img, shapes::circle(p, r * 1.8f), 0, [&](int x, int y, float cover, float) {
            if (!drawn(before.at(x, y))) return;
            img.blend(x, y, rgb(60, 30, 25), cover * 0.8f);
        });
        forEachPixel(img, shapes::circle(p, r), 0, [&](int x, int y, float cover, float d) {
            if (!drawn(before.at(x, y))) return;
            const float k = clamp01(-d / r);
            img.blend(x, y, mix(rgb(230, 70, 20), rgb(255, 240, 150), k), cover);
        });
    }
}

}  // namespace assetgen
