// Background tiles, 440 x 480, repeated down the screen: each one joins its
// neighbour above and below without a seam. Only columns 40-399 are seen.
#include <cmath>
#include <vector>

#include "art/art.h"
#include "art/boss_kit.h"
#include "draw/noise.h"
#include "draw/paint.h"
#include "draw/rng.h"

namespace assetgen {

namespace {

constexpr int kTileWidth = 440;
constexpr int kTileHeight = 480;

// Fractal noise that repeats every tile height: `cells` lattice cells per tile.
float tiledNoise(int x, int y, int cells, int octaves, std::uint32_t seed) {
    const float scale = static_cast<float>(cells) / kTileHeight;
    return fractalNoise(x * scale, y * scale, octaves, seed, 0, cells);
}

// Deep space: violet and teal haze, never black, with faint distant specks.
Image drawBackdrop() {
    Image img(kTileWidth, kTileHeight);
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            const float haze = tiledNoise(x, y, 4, 5, 801);
            const float veil = tiledNoise(x, y, 6, 4, 802);
            Color c = rgb(20, 20, 44);
            c = mix(c, rgb(70, 34, 100), smoothstep(0.45f, 0.8f, haze));
            c = mix(c, rgb(24, 70, 90), smoothstep(0.55f, 0.85f, veil) * 0.7f);
            img.at(x, y) = c;
        }
    }
    Rng rng(803);
    for (int k = 0; k < 140; ++k) {
        const Vec2 p{rng.range(0, kTileWidth), rng.range(0, kTileHeight)};
        const float b = rng.range(0.15f, 0.45f);
        const Shape speck = shapes::circle(p, 0.7f);
        forWrappedCopies(img, speck, 1, [&](const Shape& s) { fill(img, s, rgb(200, 210, 255) * b, 0.9f); });
    }
    return img;
}

void drawAsteroid(Image& img, Rng& rng, Vec2 centre, float radius) {
    std::vector<Vec2> pts;
    constexpr int kCorners = 11;
    for (int k = 0; k < kCorners; ++k) {
        const float a = 2 * kPi * k / kCorners;
        const float r = radius * rng.range(0.7f, 1.05f);
        pts.push_back(centre + Vec2{std::cos(a) * r, std::sin(a) * r});
    }
    const Shape rock = shapes::polygon(pts);
    const Color tone = mix(rgb(120, 100, 84), rgb(110, 110, 120), rng.unit());
    const auto seed = static_cast<std::uint32_t>(rng.below(1000) + 1);
    std::vector<Shape> craters;
    for (int c = 0; c < 2; ++c) {
        const Vec2 at = centre + Vec2{rng.range(-0.4f, 0.4f), rng.range(-0.4f, 0.4f)} * radius;
        craters.push_back(shapes::circle(at, radius * 0.18f));
    }
    forWrappedOffsets(img, rock.bounds, 2, [&](Vec2 offset) {
        plate(img, rock.moved(offset), tone, radius * 0.45f, seed);
        for (const Shape& c : craters) shade(img, c.moved(offset), rgb(150, 150, 150), 2);
    });
}

// Stage A: girder towers down both sides with drifting rocks between them.
Image drawStageA() {
    Image img(kTileWidth, kTileHeight);
    constexpr float kBraceSpacing = 80;  // divides the tile height
    for (float cx : {70.0f, 370.0f}) {
        for (float dx : {-22.0f, 22.0f})
            plate(img, shapes::box({cx + dx, 240}, {5, 260}), rgb(120, 128, 150), 3);
        for (float y = 0; y < kTileHeight; y += kBraceSpacing) {
            const Shape brace = shapes::unite(
                shapes::capsule({cx - 22, y}, {cx + 22, y + kBraceSpacing / 2}, 2.5f),
                shapes::capsule({cx + 22, y + kBraceSpacing / 2}, {cx - 22, y + kBraceSpacing}, 2.5f));
            forWrappedCopies(img, brace, 0, [&](const Shape& s) { plate(img, s, rgb(96, 104, 130), 2); });
            const Shape joint = shapes::box({cx, y}, {30, 6}, 2);
            forWrappedCopies(img, joint, 0, [&](const Shape& s) { plate(img, s, rgb(140, 146, 170), 3); });
            lamp(img, {cx - 26, y + 40}, 3, rgb(255, 90, 60));
            lamp(img, {cx + 26, y + 40}, 3, rgb(90, 200, 255));
        }
    }
    Rng rng(901);
    for (int k = 0; k < 7; ++k) {
        const Vec2 c{rng.range(120, 320), static_cast<float>(k) * (kTileHeight / 7.0f) + rng.range(0, 40)};
        drawAsteroid(img, rng, c, rng.range(8, 20));
    }
    return img;
}

// Stage B: banks of cloud on both sides, thinning toward the middle.
Image drawStageB() {
    Image img(kTileWidth, kTileHeight);
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            const float fromCentre = std::fabs(x - kTileWidth / 2.0f) / (kTileWidth / 2.0f);
            const float n = tiledNoise(x, y, 6, 4, 1001);
            const float density = n + 0.45f * fromCentre * fromCentre - 0.62f;
            if (density <= 0) continue;
            // Light from above: brighter where the cloud thins upward.
            const float above = tiledNoise(x, (y + kTileHeight - 4) % kTileHeight, 6, 4, 1001);
            const float lit = clamp01(0.55f + (n - above) * 8.0f);
            const Color deep = rgb(46, 60, 104), bright = rgb(150, 168, 204);
            const Color c = mix(deep, bright, lit * smoothstep(0.0f, 0.25f, density) * 0.85f + 0.1f);
            img.blend(x, y, c, clamp01(density * 12.0f));
        }
    }
    return img;
}

// Stage C: the walls of a fortress trench, with glowing conduits and speed streaks.
Image drawStageC() {
    Image img(kTileWidth, kTileHeight);
    constexpr float kPanelHeight = 96;  // divides the tile height
    for (int side : {-1, 1}) {
        const float inner = side < 0 ? 112 : 328;
        const float outer = side < 0 ? 0 : kTileWidth;
        const Shape wall = shapes::box({(inner + outer) / 2, 240}, {std::fabs(inner - outer) / 2, 260});
        plate(img, wall, rgb(70, 60, 90), 6, 1101);
        for (float y = 0; y < kTileHeight; y += kPanelHeight) {
            const Shape seam = shapes::box({(inner + outer) / 2, y}, {std::fabs(inner - outer) / 2, 1.5f});
            forWrappedCopies(img, seam, 0, [&](const Shape& s) { fill(img, s, rgb(34, 28, 48)); });
            const Vec2 vent{inner - side * 26.0f, y + kPanelHeight / 2};
            plate(img, shapes::box(vent, {10, 24}, 3), rgb(46, 40, 60), 2);
            lamp(img, vent, 4, rgb(255, 80, 160));
        }
        for (float offset : {8.0f, 14.0f}) {
            const float x = inner - side * offset;
            fill(img, shapes::box({x, 240}, {1.3f, 260}), rgb(80, 220, 255));
        }
    }
    Rng rng(1102);
    for (int k = 0; k < 18; ++k) {
        const float x = rng.range(130, 310), y = rng.range(0, kTileHeight), len = rng.range(30, 90);
        const Color c = rgb(120, 150, 220) * rng.range(0.5f, 0.9f);
        const Shape s = shapes::capsule({x, y}, {x, y + len}, 0.6f);
        forWrappedCopies(img, s, 0, [&](const Shape& w) { fill(img, w, c); });
    }
    return img;
}

}  // namespace

void drawBackgroundArt(PictureSet& set) {
    set["IMAGE/BACK/BBACK8S.BMP"] = drawBackdrop();
    set["IMAGE/BACK/BBACK1S.BMP"] = drawStageA();
    set["IMAGE/BACK/BBACK2S.BMP"] = drawStageB();
    set["IMAGE/BACK/BBACK3S.BMP"] = drawStageC();
}

}  // namespace assetgen
