// The player's shots, muzzle flashes, burst and homing glows, power item and sparks.
// All of it is drawn additively: light on black.
#include <cmath>
#include <string>

#include "art/art.h"
#include "draw/glyphs.h"
#include "draw/paint.h"

namespace assetgen {

namespace {

const Color kWhite = {1, 1, 1};
// First weapon: blue-white needles. Second: green crescents. Third: violet lances.
const Color kNeedleBlue = rgb(60, 150, 255);
const Color kWaveGreen = rgb(70, 255, 120);
const Color kLanceViolet = rgb(190, 80, 255);
// Looks for the difficulty the game never selects.
const Color kAltOrange = rgb(255, 140, 40);
const Color kAltTeal = rgb(40, 220, 220);

// A glowing needle through `centre`, leaning `lean` degrees right of straight up.
void needle(Image& img, Vec2 centre, float halfLength, float lean, Color c) {
    const Vec2 dir = rotate({0, -1}, degrees(lean));
    const Vec2 a = centre - dir * halfLength, b = centre + dir * halfLength;
    glow(img, shapes::cone(a, b, 1.5f, 3.0f), c, 3.0f, 0.9f);
    glow(img, shapes::cone(a, b, 0.4f, 1.3f), kWhite, 1.0f, 0.9f);
}

Image needleShot(float lean, Color c) {
    Image img(60, 60);
    const Vec2 side = rotate({1, 0}, degrees(lean));
    needle(img, Vec2{30, 30} - side * 6, 20, lean, c);
    needle(img, Vec2{30, 30} + side * 6, 20, lean, c);
    return img;
}

// A crescent arching forward, turned `lean` degrees right of straight up.
Image waveShot(int width, float lean, float spread, Color c) {
    Image img(width, 60);
    const Vec2 centre{width / 2.0f, 40};
    const float radius = 16 * spread;
    const Shape arc = shapes::intersect(shapes::ring({0, 0}, radius, 2.5f),
                                        shapes::box({0, -radius}, {radius + 4, radius * 0.75f}));
    const Shape placedArc = shapes::placed(arc, {centre, degrees(lean), 1, 1});
    glow(img, placedArc, c, 3.5f, 0.8f);
    glow(img, shapes::grown(placedArc, -1.8f), kWhite, 1.0f, 0.8f);
    glowDot(img, centre + rotate({0, -radius}, degrees(lean)), 4, kWhite, 0.5f);
    return img;
}

// A tapered lance pointing along `angle` (0 = up) with its tip toward the travel.
void lance(Image& img, Vec2 centre, float halfLength, float angle, Color c) {
    const Vec2 dir = rotate({0, -1}, degrees(angle));
    const Vec2 tip = centre + dir * halfLength, tail = centre - dir * halfLength;
    glow(img, shapes::cone(tip, tail, 2.0f, 5.0f), c, 4.0f, 0.75f);
    glow(img, shapes::cone(tip, tail, 0.6f, 2.2f), kWhite, 1.2f, 0.9f);
    glowDot(img, tail, 5, c, 0.5f);
}

// Muzzle flash: a bright core with short rays, fanned upward (and downward if `bothWays`).
Image muzzleFlash(int w, int h, Vec2 centre, float size, bool bothWays, Color c) {
    Image img(w, h);
    glow(img, shapes::ellipse(centre, size * 0.9f, size * 0.45f), c, size * 0.25f, 0.55f);
    glowDot(img, centre, size * 0.35f, kWhite, 0.9f);
    constexpr int kRays = 7;
    for (int k = 0; k < kRays; ++k) {
        const float a = -70.0f + 140.0f * k / (kRays - 1);
        const float len = size * (k % 2 == 0 ? 1.1f : 0.7f);
        for (int dir : {1, -1}) {
            if (dir < 0 && !bothWays) continue;
            const Vec2 end = centre + rotate({0, -len * dir}, degrees(a));
            glow(img, shapes::cone(centre, end, 1.6f, 0.3f), c, 1.6f, 0.7f);
        }
    }
    return img;
}

Image roundGlow(int size, Color c, float coreShare) {
    Image img(size, size);
    const Vec2 centre{size / 2.0f, size / 2.0f};
    glowDot(img, centre, size * 0.2f, c, 1.0f);
    glowDot(img, centre, size * 0.2f * coreShare, kWhite, 0.9f);
    return img;
}

}  // namespace

void drawPlayerShotArt(PictureSet& set) {
    // First weapon: twin needles; the side shots lean with their flight.
    set["IMAGE/SFLH6.BMP"] = needleShot(18, kNeedleBlue);
    set["IMAGE/SFLH7.BMP"] = needleShot(0, kNeedleBlue);
    set["IMAGE/SFLH8.BMP"] = needleShot(-18, kNeedleBlue);
    set["IMAGE/SFLH11.BMP"] = needleShot(18, kAltOrange);
    set["IMAGE/SFLH22.BMP"] = needleShot(0, kAltOrange);
    set["IMAGE/SFLH33.BMP"] = needleShot(-18, kAltOrange);

    // Second weapon: crescents; the right-hand one is drawn 30 px further left, in a wider picture.
    set["IMAGE/FLW1_3.BMP"] = waveShot(120, 20, 1.3f, kWaveGreen);
    set["IMAGE/FLW2_1.BMP"] = waveShot(60, 0, 1.0f, kWaveGreen);
    set["IMAGE/FLW3_2.BMP"] = waveShot(60, -20, 1.0f, kWaveGreen);
    set["IMAGE/FLW11.BMP"] = waveShot(120, 20, 1.3f, kAltTeal);
    set["IMAGE/FLW22.BMP"] = waveShot(60, 0, 1.0f, kAltTeal);
    set["IMAGE/FLW33.BMP"] = waveShot(60, -20, 1.0f, kAltTeal);

    // Third weapon: the forward lance sits in the middle cell of five.
    Image forward(300, 60);
    lance(forward, {150, 30}, 24, 0, kLanceViolet);
    set["IMAGE/SFLHV1.BMP"] = forward;
    // Rear lances fall, leaning toward their sideways drift (cell 0 far left ... 4 far right).
    set["IMAGE/SFLHV2.BMP"] = makeStrip(60, 60, 5, [](Image& cell, int k) {
        const float drift = static_cast<float>(k - 2) * 12.0f;
        lance(cell, {30, 30}, 18, 180 + drift, kLanceViolet);
    });

    // Muzzle flashes, centred on the ship's nose.
    set["IMAGE/FLHST12.BMP"] = muzzleFlash(70, 50, {35, 18}, 16, false, kNeedleBlue);
    set["IMAGE/FLHST3.BMP"] = muzzleFlash(70, 50, {35, 18}, 16, false, kAltOrange);
    set["IMAGE/FLHST2.BMP"] = muzzleFlash(70, 36, {35, 17}, 13, false, rgb(140, 120, 255));
    set["IMAGE/FLHST22.BMP"] = muzzleFlash(124, 70, {62, 35}, 28, true, rgb(120, 230, 160));
    set["IMAGE/FLHST11.BMP"] = muzzleFlash(124, 70, {62, 35}, 28, true, kNeedleBlue);
    set["IMAGE/FLHST33.BMP"] = muzzleFlash(124, 70, {62, 35}, 28, true, kAltOrange);

    // Burst-volley shots and their alternates.
    set["IMAGE/RAY1.BMP"] = roundGlow(30, rgb(255, 220, 60), 0.45f);
    set["IMAGE/RAY2.BMP"] = roundGlow(20, rgb(255, 220, 60), 0.45f);
    set["IMAGE/RAY11.BMP"] = roundGlow(30, rgb(80, 255, 160), 0.45f);
    set["IMAGE/RAY22.BMP"] = roundGlow(20, rgb(80, 255, 160), 0.45f);

    // Homing missile: a hot orange spark with a white-hot head.
    Image missile(20, 20);
    glowDot(missile, {10, 10}, 4.0f, rgb(255, 110, 30), 1.0f);
    glow(missile, shapes::circle({10, 10}, 1.2f), kWhite, 1.0f, 0.9f);
    set["IMAGE/RAY10.BMP"] = missile;

    // Power item: a golden ring round a "P".
    Image power(60, 60);
    glow(power, shapes::ring({30, 30}, 19, 1.5f), rgb(255, 170, 30), 3.0f, 0.85f);
    glowDot(power, {30, 30}, 11, rgb(120, 60, 10), 0.6f);
    const TextStyle letter{4.0f, 4.0f, 1.6f, 1};
    const Shape p = centredText("P", {30, 30}, letter);
    glow(power, p, rgb(255, 230, 120), 1.5f, 0.9f);
    fill(power, shapes::grown(p, -0.8f), kWhite);
    set["IMAGE/SPOWER1.BMP"] = power;

    // Boss-hit spark.
    Image spark(14, 14);
    glowDot(spark, {7, 7}, 2.6f, rgb(255, 200, 80), 1.0f);
    glowDot(spark, {7, 7}, 1.0f, kWhite, 0.8f);
    set["IMAGE/HAHEN2.BMP"] = spark;

    // Spiral-volley shot (keyed): a solid energy orb with a bright rim.
    Image orb(80, 80);
    fill(orb, shapes::circle({40, 40}, 30), rgb(40, 60, 160));
    glow(orb, shapes::ring({40, 40}, 26, 2.5f), rgb(120, 200, 255), 2.5f, 0.9f);
    glowDot(orb, {40, 40}, 12, rgb(200, 230, 255), 1.0f);
    glowDot(orb, {34, 33}, 4, kWhite, 0.8f);
    set["IMAGE/FBOM1.BMP"] = orb;
}

}  // namespace assetgen
