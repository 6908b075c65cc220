// Stage C boss: a violet crystalline warship with blade wings tipped by emitters.
#include <string>

#include "art/art.h"
#include "art/boss_kit.h"
#include "draw/paint.h"

namespace assetgen {

namespace {

constexpr float kAxis = 220;  // centre line of the 440 px picture
const Color kCrystal = rgb(140, 80, 190);
const Color kCrystalDark = rgb(90, 50, 130);
const Color kEmitter = rgb(60, 230, 255);

Image drawCrystalShip() {
    Image img(440, 380);
    // Three blades a side, fanning down and out.
    const Vec2 blades[3][3] = {{{250, 90}, {432, 40}, {262, 140}},
                               {{256, 150}, {420, 176}, {262, 200}},
                               {{250, 210}, {370, 320}, {240, 250}}};
    for (const auto& b : blades) {
        const Shape blade = shapes::mirroredX(shapes::polygon({b[0], b[1], b[2]}), kAxis);
        plate(img, blade, kCrystalDark, 5, 31);
        plate(
            img,
            shapes::mirroredX(shapes::polygon({lerp(b[0], b[1], 0.1f), b[1], lerp(b[2], b[1], 0.1f)}), kAxis),
            kCrystal, 3);
        const Vec2 tip = lerp(b[0], b[1], 0.86f) + Vec2{0, 6};
        for (float x : {tip.x, 2 * kAxis - tip.x}) {
            plate(img, shapes::circle({x, tip.y}, 11), rgb(50, 40, 70), 4);
            core(img, {x, tip.y}, 8, kEmitter);
        }
    }

    // The spine, with a crest and a ring of small spikes round the core.
    const Shape spine =
        shapes::symmetricPolygon(kAxis, {{220, 8}, {252, 50}, {272, 190}, {250, 320}, {220, 376}});
    plate(img, spine, kCrystal, 10, 32);
    plate(img, shapes::symmetricPolygon(kAxis, {{220, 30}, {236, 60}, {236, 150}, {220, 170}}),
          rgb(190, 130, 230), 5);
    panelLines(img, spine, {{{200, 250}, {240, 250}}, {{196, 290}, {244, 290}}, {{206, 330}, {234, 330}}},
               rgb(60, 30, 90));
    for (int k = 0; k < 8; ++k) {
        const float a = degrees(45.0f * k + 22.5f);
        const Vec2 base = Vec2{kAxis, 214} + rotate({0, 34}, a);
        const Vec2 point = Vec2{kAxis, 214} + rotate({0, 50}, a);
        plate(img, shapes::cone(base, point, 6, 1), rgb(210, 170, 240), 2);
    }
    plate(img, shapes::circle({kAxis, 214}, 36), kCrystalDark, 8);
    core(img, {kAxis, 214}, 26, rgb(255, 60, 200));
    // Guns under the nose.
    for (float dx : {-20.0f, 20.0f})
        plate(img, shapes::capsule({kAxis + dx, 290}, {kAxis + dx, 340}, 4), rgb(90, 90, 110), 2);
    return img;
}

}  // namespace

void drawBossCArt(PictureSet& set) {
    const Image intact = drawCrystalShip();
    set["IMAGE/BOSS/BOSS41.BMP"] = intact;
    for (int level = 1; level <= 3; ++level) {
        Image damaged = intact;
        applyDamage(damaged, level, 400u + static_cast<unsigned>(level));
        set["IMAGE/BOSS/BOSS41_" + std::to_string(level) + ".BMP"] = damaged;
    }
}

}  // namespace assetgen
