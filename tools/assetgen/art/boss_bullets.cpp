// Boss bullets: round animated shots, falling drops, arrowheads, missiles, arm blocks
// and the harmless spray glows of the stage C boss.
#include <cmath>
#include <vector>

#include "art/art.h"
#include "art/bullet_kit.h"
#include "draw/paint.h"
#include "draw/rng.h"

namespace assetgen {

namespace {

const Color kMagenta = rgb(255, 60, 230);
const Color kOrange = rgb(255, 130, 30);
const Color kIceBlue = rgb(90, 170, 255);
const Color kAmber = rgb(255, 210, 50);
const Color kRedOrange = rgb(255, 90, 40);
const Color kCyan = rgb(40, 230, 255);
const Color kViolet = rgb(170, 90, 255);

// Arrowhead nose up in a 39 x 39 cell, kept inside the inscribed circle.
Image arrowhead(Color c) {
    Image img(39, 39);
    const Shape head = shapes::polygon({{19.5f, 3}, {27, 21}, {19.5f, 33}, {12, 21}});
    glow(img, head, c * 0.6f, 2.0f, 0.8f);
    fill(img, head, c);
    fill(img, shapes::polygon({{19.5f, 8}, {23, 20}, {19.5f, 26}, {16, 20}}), mix(c, kBulletWhite, 0.55f));
    glowDot(img, {19.5f, 19}, 2.5f, kBulletWhite, 0.8f);
    return img;
}

// Near-round orb with a short point toward -x (its stored heading).
Image pointedOrb(int size, Color c, bool pointed) {
    Image img(size, size);
    const float m = size / 2.0f;
    if (pointed) fill(img, shapes::polygon({{3, m}, {m, m - 5}, {m, m + 5}}), c);
    solidPellet(img, {m, m}, m * 0.62f, c);
    return img;
}

Image ringOrb(int size, Color c) {
    Image img(size, size);
    const float m = size / 2.0f;
    fill(img, shapes::ring({m, m}, m * 0.55f, 1.6f), c);
    lamp(img, {m, m}, m * 0.3f, c);
    return img;
}

// Jagged glowing shard for the dropped boss pieces.
Image shard(int w, int h, std::uint64_t seed, Color c) {
    Image img(w, h);
    Rng rng(seed);
    std::vector<Vec2> pts;
    constexpr int kCorners = 9;
    for (int k = 0; k < kCorners; ++k) {
        const float a = 2 * kPi * k / kCorners;
        const float r = rng.range(0.6f, 1.0f);
        pts.push_back(
            {w / 2.0f + std::cos(a) * (w / 2.0f - 14) * r, h / 2.0f + std::sin(a) * (h / 2.0f - 14) * r});
    }
    const Shape body = shapes::polygon(pts);
    glow(img, body, c * 0.25f, 6.0f, 0.7f);
    glow(img, shapes::subtract(body, shapes::grown(body, -3.0f)), c, 2.5f, 0.8f);
    glowDot(img, {w / 2.0f, h / 2.0f}, std::min(w, h) * 0.12f, kBulletWhite, 0.6f);
    return img;
}

// Energy block with a bright frame and a cross brace.
Image armBlock(int w, int h, Color c) {
    Image img(w, h);
    const Vec2 centre{w / 2.0f, h / 2.0f};
    const Shape outer = shapes::box(centre, {w / 2.0f - 8, h / 2.0f - 8}, 5);
    glow(img, outer, c * 0.18f, 4.0f, 0.8f);
    glow(img, shapes::subtract(outer, shapes::grown(outer, -3.0f)), c, 2.0f, 0.8f);
    glow(img, shapes::capsule({8.0f + 6, 8.0f + 6}, {w - 14.0f, h - 14.0f}, 1.2f), c, 1.5f, 0.6f);
    glow(img, shapes::capsule({w - 14.0f, 14.0f}, {14.0f, h - 14.0f}, 1.2f), c, 1.5f, 0.6f);
    glowDot(img, centre, 4, kBulletWhite, 0.8f);
    return img;
}

}  // namespace

void drawBossBulletArt(PictureSet& set) {
    // The most common boss bullet: a magenta orb whose inner ring turns through 24 frames.
    constexpr int kFrames24 = 24;
    set["IMAGE/VAL20241.BMP"] = makeStrip(20, 20, kFrames24, [](Image& cell, int f) {
        glowPellet(cell, {10, 10}, 7.5f, kMagenta);
        const float a = 2 * kPi * f / kFrames24;
        for (int k = 0; k < 4; ++k)
            glowDot(cell, Vec2{10, 10} + rotate({5.0f, 0}, a + k * kPi / 2), 1.0f, rgb(255, 200, 255), 0.8f);
    });
    // Plain boss bullet, read keyed and additive.
    set["IMAGE/VALL20.BMP"] = [] {
        Image img(20, 20);
        solidPellet(img, {10, 10}, 9, kOrange);
        return img;
    }();
    constexpr int kFrames7 = 7;
    set["IMAGE/VAL201.BMP"] = makeStrip(20, 20, kFrames7, [](Image& cell, int f) {
        glowPellet(cell, {10, 10}, 7, kAmber);
        const float a = 2 * kPi * f / kFrames7;
        glow(cell, shapes::capsule(Vec2{10, 10} + rotate({-5, 0}, a), Vec2{10, 10} + rotate({5, 0}, a), 0.6f),
             kBulletWhite, 0.8f, 0.6f);
    });

    // Falling fans of five, leaning toward their drift.
    set["IMAGE/VAL402.BMP"] = makeStrip(40, 40, 5, [](Image& cell, int k) {
        fallingDrop(cell, {20, 26}, 8, static_cast<float>(k - 2) * 12.0f, kIceBlue);
    });
    set["IMAGE/VAL404.BMP"] = [] {
        Image img(40, 40);
        glowPellet(img, {20, 20}, 14, kAmber);
        return img;
    }();
    // Large falling drops: cells 0-2 drift left, 3 falls straight, 4-6 drift right.
    set["IMAGE/VAL405.BMP"] = makeStrip(40, 40, 7, [](Image& cell, int k) {
        fallingDrop(cell, {20, 27}, 8.5f, static_cast<float>(k - 3) * 9.0f, kRedOrange);
    });

    // Aimed arrowheads of the three bosses.
    set["IMAGE/VAL40L.BMP"] = arrowhead(kRedOrange);
    set["IMAGE/VAL40L1.BMP"] = arrowhead(kViolet);
    set["IMAGE/VAL40L2.BMP"] = arrowhead(kCyan);

    // Missile-shaped bullets, nose up.
    set["IMAGE/VALL3011.BMP"] = [] {
        Image img(30, 30);
        missile(img, {15, 15}, 30, 0, kViolet, rgb(255, 120, 255));
        return img;
    }();
    set["IMAGE/VALL3015.BMP"] = [] {
        Image img(30, 30);
        missile(img, {15, 15}, 28, 1, kOrange, rgb(255, 230, 90));
        return img;
    }();
    set["IMAGE/VALL3016.BMP"] = [] {
        Image img(30, 30);
        missile(img, {15, 15}, 28, 1, rgb(255, 80, 140), rgb(255, 230, 90));
        return img;
    }();
    // Curving fans of the stage C boss: lead bullets and followers.
    set["IMAGE/VALL3017.BMP"] = pointedOrb(30, kCyan, true);
    set["IMAGE/VAL3017A.BMP"] = pointedOrb(30, rgb(90, 140, 255), true);
    set["IMAGE/VALL3018.BMP"] = ringOrb(30, rgb(255, 120, 200));
    set["IMAGE/VAL3018A.BMP"] = ringOrb(30, kMagenta);

    // Pieces dropped by the stage A boss, arm blocks of the stage B boss.
    set["IMAGE/VALARM11.BMP"] = shard(150, 170, 11, kOrange);
    set["IMAGE/VALARM12.BMP"] = shard(150, 170, 12, kOrange);
    set["IMAGE/VALARM70.BMP"] = armBlock(120, 120, kCyan);
    set["IMAGE/VALARM71.BMP"] = armBlock(120, 120, kCyan);
    set["IMAGE/VALARM72.BMP"] = armBlock(120, 120, kCyan);
    set["IMAGE/VALARM73.BMP"] = armBlock(60, 120, kCyan);
    set["IMAGE/VALARM74.BMP"] = armBlock(60, 60, kCyan);
    set["IMAGE/VALARM75.BMP"] = armBlock(60, 60, kCyan);

    // Spray glows of the stage C boss: soft, harmless-looking pink dots.
    for (const auto& [name, size] :
         {std::pair{"IMAGE/RAY4.BMP", 30}, {"IMAGE/RAY5.BMP", 40}, {"IMAGE/RAY6.BMP", 50}}) {
        Image img(size, size);
        glowDot(img, {size / 2.0f, size / 2.0f}, size * 0.2f, rgb(230, 90, 200), 0.8f);
        glowDot(img, {size / 2.0f, size / 2.0f}, size * 0.07f, rgb(255, 230, 250), 0.7f);
        set[name] = img;
    }
}

}  // namespace assetgen
