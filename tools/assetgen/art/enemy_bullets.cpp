// Bullets of the ordinary enemies: animated pellets, missiles and streaks.
#include <cmath>

#include "art/art.h"
#include "art/bullet_kit.h"
#include "draw/paint.h"

namespace assetgen {

namespace {
const Color kPelletPink = rgb(255, 70, 120);
const Color kPelletRed = rgb(255, 60, 50);
const Color kPelletGreen = rgb(120, 255, 80);
const Color kPelletAmber = rgb(255, 180, 40);
const Color kMissileRed = rgb(235, 60, 50);
const Color kMissileLime = rgb(190, 240, 60);
const Color kFlame = rgb(255, 160, 40);
}  // namespace

void drawEnemyBulletArt(PictureSet& set) {
    // Small enemy bullet: a pink pellet that pulses and throws a spinning glint.
    constexpr int kPulseFrames = 24;
    set["IMAGE/VAL16241.BMP"] = makeStrip(16, 16, kPulseFrames, [](Image& cell, int f) {
        const float phase = 2 * kPi * f / kPulseFrames;
        glowPellet(cell, {8, 8}, 6.0f + 0.8f * std::sin(phase), kPelletPink);
        const Vec2 glint = Vec2{8, 8} + rotate({3.2f, 0}, phase * 2);
        glowDot(cell, glint, 0.9f, kBulletWhite, 0.6f);
    });

    set["IMAGE/VAL11.BMP"] = [] {
        Image img(16, 16);
        glowPellet(img, {8, 8}, 6.5f, kPelletRed);
        return img;
    }();
    set["IMAGE/VAL12.BMP"] = [] {
        Image img(16, 16);
        solidPellet(img, {8, 8}, 7, kPelletGreen);
        return img;
    }();
    set["IMAGE/VAL13.BMP"] = [] {
        Image img(16, 16);
        solidPellet(img, {8, 8}, 7, kPelletAmber);
        return img;
    }();

    // Pods: a two-lobed orb spinning through sixteen frames; read keyed and additive.
    constexpr int kSpinFrames = 16;
    set["IMAGE/VAL1.BMP"] = makeStrip(16, 16, kSpinFrames, [](Image& cell, int f) {
        const float a = 2 * kPi * f / kSpinFrames;
        fill(cell, shapes::circle({8, 8}, 5.5f), rgb(120, 40, 150));
        for (int k = 0; k < 2; ++k) {
            const Vec2 lobe = Vec2{8, 8} + rotate({3.0f, 0}, a + k * kPi);
            lamp(cell, lobe, 2.6f, rgb(255, 90, 255));
        }
        lamp(cell, {8, 8}, 1.8f, rgb(255, 200, 255));
    });
    set["IMAGE/VAL2.BMP"] = makeStrip(16, 16, kSpinFrames, [](Image& cell, int f) {
        const float a = 2 * kPi * f / kSpinFrames;
        glowPellet(cell, {8, 8}, 5.5f, rgb(80, 200, 255));
        for (int k = 0; k < 3; ++k)
            glowDot(cell, Vec2{8, 8} + rotate({4.0f, 0}, a + k * 2 * kPi / 3), 1.0f, kBulletWhite, 0.7f);
    });

    // Missiles, nose up, inside the 30 px circle.
    set["IMAGE/VALL301.BMP"] = [] {
        Image img(30, 30);
        missile(img, {15, 15}, 30, 0, kMissileRed, kFlame);
        return img;
    }();
    set["IMAGE/VALL302.BMP"] = [] {
        Image img(30, 30);
        missile(img, {15, 15}, 30, 1, kMissileLime, rgb(120, 220, 255));
        return img;
    }();

    // Streaks: a straight one and a mirrored diagonal pair.
    set["IMAGE/VAL15L.BMP"] = [] {
        Image img(15, 30);
        streak(img, {7.5f, 25}, {7.5f, 3}, 3.2f, kPelletRed);
        return img;
    }();
    set["IMAGE/VAL151L.BMP"] = [] {
        Image img(60, 30);
        streak(img, {24, 24}, {5, 5}, 3.0f, rgb(255, 120, 60));   // flying down-right
        streak(img, {36, 24}, {55, 5}, 3.0f, rgb(255, 120, 60));  // flying down-left
        return img;
    }();
}

}  // namespace assetgen
