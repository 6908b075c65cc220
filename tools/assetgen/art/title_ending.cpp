// Title picture, ranking header, continue prompt, closing logo and closing pictures.
#include <cmath>

#include "art/art.h"
#include "art/lettering.h"
#include "draw/glyphs.h"
#include "draw/noise.h"
#include "draw/paint.h"
#include "draw/rng.h"

namespace assetgen {

namespace {

const LetterStyle kChrome{rgb(255, 255, 255), rgb(70, 120, 230), rgb(14, 20, 70), 3.0f, 2.5f};
const LetterStyle kGold{rgb(255, 250, 210), rgb(230, 120, 20), rgb(60, 20, 10), 2.5f, 2.0f};
const LetterStyle kSmallChrome{rgb(240, 250, 255), rgb(120, 180, 255), rgb(14, 20, 70), 1.5f, 1.0f};

// The upper rim of a planet whose centre lies far below: lit limb and a thin atmosphere.
void planetLimb(Image& img, Vec2 centre, float radius, Color land, Color air, std::uint32_t seed) {
    forEachPixel(img, shapes::circle(centre, radius + 6), 0, [&](int x, int y, float cover, float d) {
        if (d > 0) {  // atmosphere halo outside the rim
            img.blend(x, y, air * (1.0f - d / 6.0f), cover * 0.9f);
            return;
        }
        const float depth = clamp01(-d / 60.0f);
        const float n = fractalNoise(x * 0.02f, y * 0.05f, 4, seed);
        Color c = mix(land * 1.2f, land * 0.35f, depth);
        c = mix(c, rgb(230, 230, 240), smoothstep(0.58f, 0.75f, n) * (1 - depth) * 0.8f);  // cloud bands
        c = mix(c, air, clamp01(1.0f + d / 4.0f));                                         // bright rim
        img.blend(x, y, c, 1.0f);
    });
}

// Dissolves rows top..bottom (exclusive) into the colour key, more of each row going the lower it lies,
// in ragged cloud-like patches, so that a picture drawn over a moving scene melts into it instead of
// ending in a straight cut; the rows from bottom on are all key.
void dissolveDownward(Image& img, int top, int bottom, std::uint32_t seed) {
    for (int y = top; y < img.height(); ++y) {
        const float keep = clamp01((bottom - (y + 0.5f)) / static_cast<float>(bottom - top));
        for (int x = 0; x < img.width(); ++x) {
            const float coarse = fractalNoise(x * 0.06f, y * 0.15f, 3, seed);
            const float fine = static_cast<float>(hash3(x, y, seed) & 0xFF) / 256.0f;
            const float threshold = 0.45f * coarse + 0.55f * fine;
            Color& c = img.at(x, y);
            c = keep > threshold ? c * (0.8f + 0.2f * keep) : Color{};
        }
    }
}

Image drawTitle() {
    Image img(440, 480);  // columns 40-399 show; black lets the moving scene through
    planetLimb(img, {220, 1010}, 600, rgb(60, 90, 160), rgb(140, 200, 255), 1201);
    // The 800x600 screen shows the scene below the picture's last row: the planet fades out under the
    // prompt, below the rim that the field shows (row 438 at its edges).
    dissolveDownward(img, 444, 476, 1202);

    // The logo.
    const TextStyle logo{5.8f, 9.0f, 2.8f, 1.25f, 0.14f};
    const Shape name = centredText("QUENDRAVOLT", {220, 110}, logo);
    glow(img, shapes::grown(name, 4), rgb(20, 60, 160), 6.0f, 0.5f);
    letter(img, name, kChrome);
    fill(img, shapes::cone({60, 152}, {380, 152}, 1.6f, 0.4f), rgb(255, 160, 60));
    glow(img, shapes::cone({60, 152}, {380, 152}, 1.0f, 0.2f), rgb(255, 120, 40), 2.0f, 0.6f);
    const TextStyle sub{2.1f, 2.6f, 0.9f, 1.6f};
    letter(img, centredText("ASSAULT ACROSS THREE FRONTS", {220, 174}, sub), kSmallChrome);

    // The ship climbing away from the planet.
    drawShip(img, {220, 290}, 1.7f, 0);
    const TextStyle prompt{2.6f, 3.0f, 1.0f, 1.6f};
    letter(img, centredText("PRESS ENTER", {220, 420}, prompt), kGold);
    return img;
}

Image drawRankingHeader() {
    Image img(400, 100);  // columns 20-379 show
    const TextStyle big{6.0f, 8.0f, 2.8f, 1.4f, 0.12f};
    letter(img, centredText("RANKING", {200, 44}, big), kGold);
    for (int side : {-1, 1}) {
        const Vec2 a{200 + side * 120.0f, 86}, b{200 + side * 170.0f, 86};
        fill(img, shapes::cone(a, b, 1.6f, 0.3f), rgb(255, 200, 90));
    }
    fill(img, shapes::capsule({90, 86}, {310, 86}, 0.8f), rgb(255, 170, 60));
    return img;
}

Image drawContinuePrompt() {
    Image img(200, 100);
    const Shape frame = shapes::box({100, 50}, {96, 46}, 8);
    fill(img, frame, rgb(20, 26, 70));
    fill(img, shapes::subtract(frame, shapes::grown(frame, -2.5f)), rgb(110, 170, 255));
    letter(img, centredText("CONTINUE?", {100, 38}, {3.2f, 4.0f, 1.4f, 1.3f}), kChrome);
    letter(img, centredText("PRESS Y", {100, 74}, {2.2f, 2.4f, 0.9f, 1.5f}), kGold);
    return img;
}

Image drawClosingLogo() {
    Image img(300, 100);
    letter(img, centredText("ALL CLEAR", {150, 36}, {5.0f, 7.0f, 2.4f, 1.3f, 0.12f}), kChrome);
    letter(img, centredText("CONGRATULATIONS", {150, 80}, {2.4f, 2.6f, 0.9f, 1.5f}), kGold);
    return img;
}

// Closing picture 1: a ringed world, with the ship's trail curving home.
Image drawHomeworld() {
    Image img(360, 480);
    const Vec2 centre{190, 250};
    constexpr float kRadius = 110;
    const Shape ringBack =
        shapes::intersect(shapes::ellipse(centre, 170, 34), shapes::box({190, 232}, {180, 18}));
    const Shape ring = shapes::subtract(shapes::ellipse(centre, 170, 34), shapes::ellipse(centre, 134, 24));
    fill(img, shapes::intersect(ring, ringBack), rgb(150, 130, 100));
    forEachPixel(img, shapes::circle(centre, kRadius), 0, [&](int x, int y, float cover, float) {
        const Vec2 p{x + 0.5f - centre.x, y + 0.5f - centre.y};
        const float z = std::sqrt(std::max(0.0f, kRadius * kRadius - dot(p, p))) / kRadius;
        const float light =
            clamp01(0.15f + 0.85f * (-p.x * 0.5f - p.y * 0.4f + z * 0.75f * kRadius) / kRadius);
        const float bands = fractalNoise(x * 0.015f, y * 0.09f, 4, 1301);
        const Color surface = mix(rgb(200, 120, 70), rgb(240, 210, 150), bands);
        img.blend(x, y, surface * (0.12f + 0.95f * light), cover);
    });
    fill(img,
         shapes::subtract(shapes::intersect(ring, shapes::box({190, 268}, {180, 20})),
                          shapes::box({190, 232}, {180, 18})),
         rgb(200, 180, 140));
    // The trail, and the ship as a bright point at its head.
    std::vector<shapes::Segment> trail;
    Vec2 prev{40, 440};
    for (int k = 1; k <= 20; ++k) {
        const float t = k / 20.0f;
        const Vec2 next{40 + 230 * t, 440 - 300 * t + 120 * t * t};
        trail.push_back({prev, next});
        prev = next;
    }
    glow(img, shapes::strokes(trail, 0.6f), rgb(120, 180, 255), 2.0f, 0.7f);
    glowDot(img, prev, 4, rgb(230, 240, 255), 1.0f);
    return img;
}

// Closing picture 2: the ship over a dawn horizon, and the last words.
Image drawDawn() {
    Image img(360, 480);
    planetLimb(img, {180, 1190}, 860, rgb(40, 80, 120), rgb(255, 190, 120), 1401);
    glowDot(img, {250, 334}, 18, rgb(255, 220, 160), 0.9f);  // the sun on the rim
    drawShip(img, {180, 190}, 2.2f, 1);
    letter(img, centredText("THE END", {180, 420}, {4.4f, 6.0f, 2.0f, 1.4f, 0.12f}), kGold);
    return img;
}

}  // namespace

void drawTitleAndEndingArt(PictureSet& set) {
    set["IMAGE/TITLEC.BMP"] = drawTitle();
    set["IMAGE/RANKING1.BMP"] = drawRankingHeader();
    set["IMAGE/CONTINU1.BMP"] = drawContinuePrompt();
    set["IMAGE/MYGOODN.BMP"] = drawClosingLogo();
    set["IMAGE/LSCG1.BMP"] = drawHomeworld();
    set["IMAGE/LSCG2.BMP"] = drawDawn();
}

}  // namespace assetgen
