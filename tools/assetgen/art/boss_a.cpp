// Stage A boss: a grey battleship with wing nacelles, turrets and a red core; three
// states of damage; and the warning picture that rises before it arrives.
#include <string>

#include "art/art.h"
#include "art/boss_kit.h"
#include "draw/glyphs.h"
#include "draw/paint.h"

namespace assetgen {

namespace {

constexpr float kAxis = 220;  // centre line of the 440 px picture
const Color kSteel = rgb(150, 160, 182);
const Color kWingSteel = rgb(104, 114, 146);
const Color kRed = rgb(200, 50, 50);

Image drawBattleship() {
    Image img(440, 360);
    // Wings and their nacelles.
    const Shape wings = shapes::mirroredX(
        shapes::polygon({{250, 70}, {400, 112}, {432, 190}, {414, 252}, {300, 236}, {246, 206}}), kAxis);
    plate(img, wings, kWingSteel, 6, 11);
    panelLines(img, wings,
               {{{300, 90}, {300, 232}},
                {{350, 104}, {350, 242}},
                {{140, 90}, {140, 232}},
                {{90, 104}, {90, 242}},
                {{250, 160}, {420, 170}},
                {{190, 160}, {20, 170}}},
               rgb(60, 64, 84));
    const Shape tipStripes =
        shapes::mirroredX(shapes::polygon({{404, 116}, {432, 190}, {420, 200}, {394, 126}}), kAxis);
    plate(img, tipStripes, kRed, 3);
    for (float x : {360.0f, 80.0f}) {
        const Shape nacelle = shapes::capsule({x, 70}, {x, 236}, 22);
        plate(img, nacelle, rgb(128, 130, 152), 10, 12);
        plate(img, shapes::box({x, 72}, {14, 8}, 3), rgb(60, 60, 72), 3);  // intake
        lamp(img, {x, 246}, 10, rgb(255, 140, 50));                        // exhaust glow, facing down
    }

    // Hull and bridge.
    const Shape hull = shapes::symmetricPolygon(
        kAxis, {{220, 6}, {270, 18}, {298, 118}, {292, 262}, {252, 330}, {220, 354}});
    plate(img, hull, kSteel, 8, 13);
    panelLines(
        img, hull,
        {{{160, 80}, {280, 80}}, {{150, 190}, {290, 190}}, {{170, 290}, {270, 290}}, {{220, 20}, {220, 70}}},
        rgb(80, 86, 104));
    plate(img, shapes::box({kAxis, 112}, {42, 48}, 12), rgb(172, 180, 200), 7);
    plate(img, shapes::box({kAxis, 100}, {22, 20}, 6), rgb(60, 110, 170), 4);  // bridge windows
    for (float dx : {-12.0f, 0.0f, 12.0f}) lamp(img, {kAxis + dx, 96}, 3, rgb(140, 220, 255));

    // Armament: turrets on the hull and wings, the core near the bow.
    for (Vec2 t :
         {Vec2{166, 160}, Vec2{274, 160}, Vec2{330, 200}, Vec2{110, 200}, Vec2{196, 300}, Vec2{244, 300}})
        turret(img, t, 13, rgb(170, 170, 190));
    core(img, {kAxis, 236}, 22, rgb(255, 40, 30));
    for (float x : {260.0f, 300.0f, 380.0f}) {
        lamp(img, {x, 100 + (x - 250) * 0.28f}, 3, rgb(255, 220, 80));
        lamp(img, {2 * kAxis - x, 100 + (x - 250) * 0.28f}, 3, rgb(255, 220, 80));
    }
    return img;
}

Image drawWarning(const Color& stripe) {
    Image img(480, 480);
    // Visible columns 60-419: everything sits inside them.
    for (float y : {60.0f, 400.0f}) {
        const Shape band = shapes::box({240, y + 10}, {178, 16});
        fill(img, band, rgb(40, 30, 20));
        for (int k = 0; k < 14; ++k) {
            const float x = 70 + 28 * k;
            fill(img,
                 shapes::intersect(
                     band, shapes::polygon({{x, y - 6}, {x + 14, y - 6}, {x + 2, y + 26}, {x - 12, y + 26}})),
                 stripe);
        }
    }
    const TextStyle big{9, 11, 3.2f, 1.4f, 0.12f};
    const Shape word = centredText("WARNING", {240, 190}, big);
    fill(img, shapes::grown(word, 4), rgb(120, 20, 20));
    paint(img, word, {rgb(255, 70, 50), 2.5f, 0.5f, 0.6f});
    const TextStyle small{2.8f, 3.5f, 1.1f, 1.4f};
    fill(img, centredText("BATTLESHIP APPROACHING", {240, 270}, small), rgb(255, 200, 120));
    fill(img, centredText("STAY ALERT", {240, 310}, small), rgb(255, 200, 120));
    return img;
}

}  // namespace

void drawBossAArt(PictureSet& set) {
    const Image intact = drawBattleship();
    set["IMAGE/BOSS/BOSS11.BMP"] = intact;
    Image damaged = intact;
    applyDamage(damaged, 1, 101);
    set["IMAGE/BOSS/BOSS11_1.BMP"] = damaged;
    Image wrecked = intact;
    applyDamage(wrecked, 3, 103);
    set["IMAGE/BOSS/BOSS11_3.BMP"] = wrecked;
    set["IMAGE/BOSS/BOS111.BMP"] = drawWarning(rgb(255, 200, 40));
}

}  // namespace assetgen
