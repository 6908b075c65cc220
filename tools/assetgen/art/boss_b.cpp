// Stage B boss: a round green fortress with a ring of batteries and two heavy arms.
#include <string>

#include "art/art.h"
#include "art/boss_kit.h"
#include "draw/paint.h"

namespace assetgen {

namespace {

constexpr float kAxis = 250;  // centre line of the 500 px picture
const Color kArmour = rgb(80, 140, 116);
const Color kArmourDark = rgb(56, 100, 90);
const Color kBrass = rgb(200, 170, 90);

Image drawFortress() {
    Image img(500, 400);
    // Arms reaching out to the blocks at either end.
    const Shape arm =
        shapes::mirroredX(shapes::polygon({{300, 130}, {450, 180}, {460, 230}, {300, 250}}), kAxis);
    plate(img, arm, kArmourDark, 6, 21);
    panelLines(img, arm,
               {{{340, 150}, {340, 250}},
                {{390, 165}, {390, 245}},
                {{160, 150}, {160, 250}},
                {{110, 165}, {110, 245}}},
               rgb(30, 60, 50));
    for (float x : {440.0f, 60.0f}) {
        const Shape block = shapes::box({x, 250}, {34, 62}, 8);
        plate(img, block, kArmour, 8, 22);
        plate(img, shapes::box({x, 300}, {20, 10}, 3), rgb(60, 60, 70), 3);
        lamp(img, {x, 300}, 6, rgb(255, 220, 90));
        for (float dy : {-40.0f, -20.0f, 0.0f})
            plate(img, shapes::box({x, 250 + dy}, {26, 3}), kArmourDark, 1.5f);
    }

    // Central dome and its rim.
    plate(img, shapes::circle({kAxis, 180}, 124), kArmourDark, 10, 23);
    plate(img, shapes::circle({kAxis, 180}, 104), kArmour, 14, 24);
    for (int k = 0; k < 10; ++k) {
        const Vec2 at = Vec2{kAxis, 180} + rotate({0, 82}, degrees(36.0f * k));
        turret(img, at, 11, kBrass);
    }
    plate(img, shapes::circle({kAxis, 180}, 50), rgb(60, 90, 80), 8);
    core(img, {kAxis, 180}, 30, rgb(120, 255, 80));

    // Spread batteries under the dome, antennae above it.
    for (float dx : {-60.0f, 0.0f, 60.0f}) {
        const float y = 300 + (dx == 0 ? 20 : 0);
        plate(img, shapes::box({kAxis + dx, y}, {18, 24}, 5), kArmour, 5);
        for (float bx : {-8.0f, 0.0f, 8.0f})
            plate(img, shapes::capsule({kAxis + dx + bx, y + 10}, {kAxis + dx + bx, y + 36}, 2.5f),
                  rgb(80, 80, 90), 1.2f);
    }
    for (float dx : {-44.0f, 44.0f}) {
        plate(img, shapes::capsule({kAxis + dx, 70}, {kAxis + dx * 1.3f, 14}, 4), kBrass, 2);
        lamp(img, {kAxis + dx * 1.3f, 14}, 5, rgb(255, 80, 60));
    }
    return img;
}

}  // namespace

void drawBossBArt(PictureSet& set) {
    const Image intact = drawFortress();
    set["IMAGE/BOSS/BOSS71.BMP"] = intact;
    for (int level = 1; level <= 3; ++level) {
        Image damaged = intact;
        applyDamage(damaged, level, 200u + static_cast<unsigned>(level));
        set["IMAGE/BOSS/BOSS71_" + std::to_string(level) + ".BMP"] = damaged;
    }
}

}  // namespace assetgen
