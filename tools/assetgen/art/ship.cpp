// The player ship (seven bank frames), the power-up animation over it and its panel.
#include <cmath>
#include <string>

#include "art/art.h"
#include "draw/glyphs.h"
#include "draw/paint.h"

namespace assetgen {

namespace {

constexpr int kShipCellWidth = 60;
constexpr int kShipCellHeight = 70;
constexpr int kBankFrames = 7;
constexpr int kLevelFrame = 3;
constexpr float kRollPerBank = 17.0f;  // degrees
// The power-up animation is drawn half-transparent: faint pixels would only darken the scene.
constexpr int kHalfDrawCutoff = 56;

const Color kHull = rgb(206, 214, 232);
const Color kHullDark = rgb(120, 132, 160);
const Color kTrim = rgb(48, 104, 224);
const Color kAccent = rgb(226, 52, 60);
const Color kGlass = rgb(40, 170, 255);
const Color kEngine = rgb(255, 150, 40);

// Ship parts in ship units: x across from the centre line, y down from the centre, nose at y -33.
struct ShipView {
    Vec2 centre;
    float scale;
    float roll;  // radians, positive rolling right

    // Places a part drawn in ship units; `lift` is its height above the wing plane.
    Shape place(const Shape& part, float lift = 0) const {
        const float across = std::cos(roll);
        return shapes::placed(
            part, {{centre.x + lift * std::sin(roll) * scale, centre.y}, 0, across * scale, scale});
    }
    // Light on one side: the wing rising toward the viewer catches more light.
    float sideLight(int side) const { return 1.0f - 0.28f * std::sin(roll) * static_cast<float>(side); }
};

void paintSide(Image& img, const ShipView& v, const Shape& rightHalf, Color c, float bevel, float lift = 0) {
    for (int side : {1, -1}) {
        Shape part = side > 0 ? rightHalf : shapes::placed(rightHalf, {{0, 0}, 0, -1, 1});
        Material m{c * v.sideLight(side), bevel * v.scale};
        paint(img, v.place(part, lift), m);
    }
}

}  // namespace

void drawShip(Image& img, Vec2 centre, float scale, int bank) {
    const ShipView v{centre, scale, degrees(kRollPerBank * static_cast<float>(bank))};

    // Engine glow first, so the hull covers its upper half.
    for (int side : {1, -1}) {
        const Shape flame = v.place(shapes::cone({side * 9.0f, 27}, {side * 9.0f, 35}, 3.2f, 0.8f));
        fill(img, flame, kEngine);
        fill(img, shapes::grown(flame, -1.2f * scale), rgb(255, 240, 180));
    }

    // Main wings: swept back, with a blue leading stripe and red tips.
    const Shape wing = shapes::polygon({{4, -6}, {27, 12}, {28, 20}, {20, 21}, {6, 18}});
    paintSide(img, v, wing, kHullDark, 2.0f);
    paintSide(img, v, shapes::polygon({{5, -3}, {25, 12}, {24, 15}, {5, 2}}), kTrim, 1.0f);
    paintSide(img, v, shapes::polygon({{25, 11}, {28, 13}, {28, 20}, {25, 20}}), kAccent, 1.0f);

    // Canards near the nose.
    paintSide(img, v, shapes::polygon({{3, -17}, {12, -9}, {11, -6}, {3, -9}}), kHullDark, 1.0f, 2);

    // Engine pods.
    paintSide(img, v, shapes::capsule({9, 6}, {9, 26}, 4.2f), kHull, 2.5f, 1);
    paintSide(img, v, shapes::box({9, 24}, {3.2f, 2.0f}), rgb(70, 70, 90), 1.0f, 1);

    // Fuselage and nose.
    const Shape body = shapes::symmetricPolygon(0, {{0, -33}, {3, -26}, {6, -10}, {7, 8}, {5, 26}, {0, 28}});
    paint(img, v.place(body, 2), {kHull, 3.0f * scale, 0.45f, 0.5f});
    paint(img, v.place(shapes::symmetricPolygon(0, {{0, 12}, {3, 12}, {3, 24}, {0, 25}}), 3),
          {kTrim, 1.0f * scale});
    // Red nose band.
    paint(img, v.place(shapes::intersect(body, shapes::box({0, -24}, {8, 1.5f})), 2),
          {kAccent, 1.0f * scale});

    // Canopy.
    const Shape canopy = shapes::ellipse({0, -9}, 3.0f, 7.5f);
    paint(img, v.place(canopy, 4), {kGlass, 2.5f * scale, 0.45f, 0.9f});
}

void drawShipArt(PictureSet& set) {
    set["IMAGE/MYME1.BMP"] =
        makeStrip(kShipCellWidth, kShipCellHeight, kBankFrames, [](Image& cell, int frame) {
            // Frames 0-2 bank right (0 full), 3 level, 4-6 bank left (6 full).
            drawShip(cell, {30, 36}, 0.95f, kLevelFrame - frame);
        });

    // Power-up column over the ship: the picture's (90, 170) is the ship's top-left.
    constexpr int kPowerFrames = 16;
    constexpr float kShipTop = 170, kShipCentreX = 120, kColumnBase = 230;
    for (int f = 1; f <= kPowerFrames; ++f) {
        Image img(240, 280);
        const float t = f / static_cast<float>(kPowerFrames);
        const float top = kColumnBase - (kColumnBase - 4) * t;  // frame 16 reaches (120, 4)
        // Charging ring round the ship.
        const float ringR = 20 + 26 * (1 - t);
        glow(img, shapes::ring({kShipCentreX, kShipTop + 32}, ringR, 1.0f), rgb(90, 60, 200), 3.0f, 0.9f);
        // The rising column: a soft violet body with a bright core.
        const Shape column =
            shapes::cone({kShipCentreX, kColumnBase}, {kShipCentreX, top}, 7 + 10 * t, 3 + 3 * t);
        glow(img, column, rgb(80, 40, 170), 7.0f, 0.8f);
        glow(img, shapes::capsule({kShipCentreX, kColumnBase - 10}, {kShipCentreX, top + 2}, 1.5f + 1.5f * t),
             rgb(200, 190, 255), 2.0f, 0.9f);
        // Sparks that climb with the column.
        for (int k = 0; k < 6; ++k) {
            const float y = kColumnBase - std::fmod(37.0f * k + 53.0f * f, kColumnBase - top + 1);
            const float x = kShipCentreX + 14 * std::sin(k * 1.7f + f * 0.6f) * t;
            glowDot(img, {x, y}, 2.0f, rgb(170, 140, 255), 0.9f);
        }
        // The head of the column.
        glowDot(img, {kShipCentreX, top + 4}, 4 + 5 * t, rgb(200, 170, 255), 0.9f);
        glowDot(img, {kShipCentreX, top + 4}, 2 + 2 * t, rgb(255, 255, 255), 0.8f);
        img.setHardCutoff(kHalfDrawCutoff);
        set["IMAGE/MYRCL" + std::to_string(50 + f) + ".BMP"] = img;
    }

    // Targeting panel shown above the ship while the side-shot power is on.
    Image panel(60, 50);
    const Shape frame = shapes::box({30, 25}, {28, 20}, 5);
    fill(panel, frame, rgb(30, 60, 90));
    fill(panel, shapes::subtract(frame, shapes::box({30, 25}, {26, 18}, 4)), rgb(90, 200, 255));
    const TextStyle small{1, 1, 0.55f, 1};
    fill(panel, centredText("SIDE", {30, 17}, small), rgb(180, 240, 255));
    for (int k = 0; k < 3; ++k) {
        const float x = 18 + 12 * k;
        fill(panel, shapes::polygon({{x - 4, 36}, {x, 29}, {x + 4, 36}, {x, 33}}), rgb(255, 210, 80));
    }
    set["IMAGE/RPANEL3R.BMP"] = panel;
}

}  // namespace assetgen
