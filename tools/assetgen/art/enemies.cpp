// The ordinary enemies (nose toward the bottom: they fly down the screen), their
// exhaust flames and the lock-on marker.
#include <cmath>
#include <cstdint>

#include "art/art.h"
#include "draw/noise.h"
#include "draw/paint.h"

namespace assetgen {

namespace {

// Paints parts drawn in the enemy's own units (origin at its centre, nose toward +y).
class Craft {
public:
    Craft(Image& img, Vec2 centre, float angleDegrees = 0, float scale = 1)
        : img_(img), where_{centre, degrees(angleDegrees), scale, scale} {}

    // Paints a part and its mirror image across the centre line.
    void pair(const Shape& rightSide, Color c, float bevel = 2.5f) {
        part(shapes::mirroredX(rightSide, 0), c, bevel);
    }
    void part(const Shape& local, Color c, float bevel = 2.5f) {
        paint(img_, shapes::placed(local, where_), {c, bevel * where_.scaleX});
    }
    void flat(const Shape& local, Color c) { fill(img_, shapes::placed(local, where_), c); }
    void light(Vec2 local, float radius, Color c) {
        lamp(img_, where_.origin + rotate(local * where_.scaleX, where_.angle), radius * where_.scaleX, c);
    }

private:
    Image& img_;
    Placement where_;
};

const Color kEyeRed = rgb(255, 60, 40);
const Color kEyeGreen = rgb(90, 255, 120);
const Color kGunmetal = rgb(96, 100, 112);

void drawBeetle(Image& img) {  // look 0
    Craft c(img, {30, 28});
    c.pair(shapes::polygon({{6, 4}, {17, 12}, {14, 24}, {9, 14}}), rgb(150, 170, 60), 2);    // mandibles
    c.pair(shapes::polygon({{8, -14}, {22, -20}, {24, -8}, {10, 0}}), rgb(90, 110, 50), 2);  // rear fins
    c.part(shapes::ellipse({0, -2}, 13, 17), rgb(120, 150, 70), 5);
    c.part(shapes::ellipse({0, -6}, 5, 8), rgb(70, 90, 40), 2);
    c.light({0, 9}, 3.5f, kEyeRed);
}

void drawDart(Image& img) {  // look 1: one engine on top at x 35
    Craft c(img, {35, 42});
    c.pair(shapes::polygon({{4, -12}, {28, 14}, {26, 20}, {5, 12}}), rgb(150, 150, 160), 2);
    c.part(shapes::symmetricPolygon(0, {{0, 32}, {6, 14}, {8, -14}, {6, -30}, {0, -30}}), rgb(200, 60, 50),
           3.5f);
    c.part(shapes::box({0, -27}, {5, 4}, 1), kGunmetal, 1.5f);  // nozzle under the flame
    c.part(shapes::ellipse({0, 8}, 3, 7), rgb(255, 200, 80), 2);
}

void drawWideWing(Image& img) {  // look 2: engines at x 15 and 65
    Craft c(img, {40, 40});
    c.pair(shapes::polygon({{6, -10}, {28, -22}, {32, -16}, {30, 6}, {8, 18}}), rgb(90, 90, 190), 3);
    c.pair(shapes::capsule({25, -24}, {25, 4}, 5.5f), rgb(140, 140, 210), 3);  // engine pods
    c.pair(shapes::box({25, -27}, {4, 3}), kGunmetal, 1);
    c.part(shapes::symmetricPolygon(0, {{0, 34}, {8, 16}, {9, -16}, {0, -22}}), rgb(160, 160, 230), 4);
    c.light({0, 14}, 4, kEyeGreen);
}

void drawSaucer(Image& img, float spin) {  // look 3 and the spinners: inside a 79 px circle
    Craft c(img, {40, 40}, spin);
    c.part(shapes::circle({0, 0}, 35), rgb(200, 150, 50), 5);
    for (int k = 0; k < 6; ++k) {
        const Vec2 at = rotate({0, 24}, degrees(60.0f * k));
        c.part(shapes::circle(at, 5), rgb(120, 80, 30), 2);
        c.light(at, 2.5f, k % 2 == 0 ? kEyeRed : rgb(255, 220, 80));
    }
    c.part(shapes::circle({0, 0}, 14), rgb(230, 190, 90), 4);
    c.light({0, 0}, 6, rgb(255, 120, 40));
}

void drawGunship(Image& img) {  // look 4: engines at x 22 and 58, nozzles near y 24
    Craft c(img, {40, 44});
    c.pair(shapes::polygon({{10, -8}, {34, 0}, {34, 14}, {12, 22}}), rgb(60, 130, 130), 3);
    c.pair(shapes::box({18, -12}, {6, 11}, 2), rgb(90, 160, 160), 3);  // engine blocks
    c.pair(shapes::box({18, -22}, {5, 2.5f}), kGunmetal, 1);
    c.pair(shapes::capsule({30, 10}, {30, 30}, 2.2f), kGunmetal, 1);  // gun barrels
    c.part(shapes::box({0, 4}, {11, 26}, 6), rgb(80, 150, 150), 5);
    c.light({0, 18}, 4, kEyeRed);
}

void drawCrescent(Image& img, Color hull, bool noseUp) {  // looks 5 and 6: inside an 80 px circle
    Craft c(img, {40, 40}, noseUp ? 180.0f : 0.0f);
    const Shape wing = shapes::subtract(shapes::circle({0, -4}, 34), shapes::circle({0, -20}, 32));
    c.part(shapes::intersect(wing, shapes::box({0, 0}, {36, 36})), hull, 3);
    c.part(shapes::symmetricPolygon(0, {{0, 30}, {8, 10}, {8, -18}, {0, -24}}), mix(hull, {1, 1, 1}, 0.3f),
           4);
    c.light({0, 12}, 4, rgb(120, 220, 255));
}

void drawDiver(Image& img) {
    Craft c(img, {40, 40});
    c.pair(shapes::polygon({{5, -20}, {26, -32}, {16, 4}, {5, 10}}), rgb(200, 180, 40), 2.5f);
    c.pair(shapes::box({16, -30}, {4, 3}), kGunmetal, 1);
    c.part(shapes::symmetricPolygon(0, {{0, 36}, {7, 10}, {7, -26}, {0, -30}}), rgb(50, 150, 110), 4);
    c.light({0, 8}, 3.5f, kEyeRed);
}

void drawSwooper(Image& img) {  // bat wings, turned to fly down and to the right
    Craft c(img, {45, 45}, -45, 1.2f);
    c.pair(shapes::polygon({{4, -6}, {34, -2}, {30, 6}, {22, 4}, {18, 12}, {6, 14}}), rgb(170, 60, 140),
           2.5f);
    c.part(shapes::ellipse({0, 0}, 9, 22), rgb(210, 90, 170), 5);
    c.light({0, 12}, 3.5f, rgb(255, 240, 90));
}

void drawFormationShooter(Image& img, float angle, Color hull) {
    Craft c(img, {50, 50}, angle);
    c.pair(shapes::polygon({{10, -16}, {36, -6}, {36, 10}, {12, 14}}), hull * 0.8f, 3);
    c.pair(shapes::capsule({30, 0}, {30, 26}, 3), kGunmetal, 1.5f);
    c.part(shapes::symmetricPolygon(0, {{0, 36}, {12, 18}, {14, -20}, {8, -30}, {0, -30}}), hull, 5);
    c.part(shapes::ellipse({0, 4}, 5, 10), rgb(255, 170, 60), 3);
    c.light({0, 24}, 3.5f, kEyeRed);
}

void drawCarrier(Image& img) {
    Craft c(img, {100, 80});
    c.pair(shapes::polygon({{30, -60}, {92, -30}, {92, 30}, {40, 66}}), rgb(120, 110, 100), 4);
    c.pair(shapes::box({70, 0}, {14, 40}, 4), rgb(150, 140, 120), 4);
    c.part(shapes::box({0, 0}, {42, 74}, 10), rgb(140, 130, 115), 6);
    c.part(shapes::box({0, 20}, {20, 40}, 4), rgb(50, 45, 45), 2);  // hangar bay
    for (int k = 0; k < 4; ++k) c.light({0, 2.0f + 14 * k}, 3, rgb(255, 180, 60));
    for (int side : {-1, 1}) {
        c.part(shapes::circle({side * 30.0f, -44}, 9), kGunmetal, 3);
        c.light({side * 30.0f, -44}, 3.5f, kEyeRed);
        c.part(shapes::capsule({side * 70.0f, 30}, {side * 70.0f, 52}, 3), kGunmetal, 1.5f);
    }
}

// Exhaust flame pointing up from its base near the bottom of a 20 x 70 cell.
void drawFlame(Image& img, int frame, bool twin) {
    const float flicker = valueNoise(frame * 0.7f, twin ? 3.0f : 7.0f, 77) - 0.5f;
    const float length = 40 + 12 * std::sin(frame * 2 * kPi / 20 * 3) * 0.5f + 14 * flicker;
    const Vec2 base{10, 64}, tip{10 + 2 * flicker, 64 - length};
    const Color outer = twin ? rgb(80, 140, 255) : rgb(220, 60, 20);
    const Color middle = twin ? rgb(150, 220, 255) : rgb(255, 160, 40);
    const Shape flame = shapes::cone(base, tip, 5.5f, 0.6f);
    forEachPixel(img, flame, 0, [&](int x, int y, float cover, float d) {
        const float along = clamp01((base.y - (y + 0.5f)) / length);  // 0 at the base, 1 at the tip
        const float inner = clamp01(-d / 3.0f);
        Color col = mix(middle, outer, along);
        col = mix(col, {1, 1, 0.85f}, inner * (1 - along));
        img.blend(x, y, col * (1.0f - 0.45f * along), cover);
    });
}

}  // namespace

void drawEnemyArt(PictureSet& set) {
    set["IMAGE/ZAKU/SZAK1.BMP"] = [] {
        Image i(60, 60);
        drawBeetle(i);
        return i;
    }();
    set["IMAGE/ZAKU/SZAK10.BMP"] = [] {
        Image i(70, 80);
        drawDart(i);
        return i;
    }();
    set["IMAGE/ZAKU/SZAK9.BMP"] = [] {
        Image i(80, 80);
        drawWideWing(i);
        return i;
    }();
    set["IMAGE/ZAKU/SZAK6.BMP"] = [] {
        Image i(80, 80);
        drawSaucer(i, 0);
        return i;
    }();
    set["IMAGE/ZAKU/SZAK8.BMP"] = [] {
        Image i(80, 80);
        drawGunship(i);
        return i;
    }();
    set["IMAGE/ZAKU/SZAK6_1.BMP"] = [] {
        Image i(80, 80);
        drawCrescent(i, rgb(200, 50, 70), false);
        return i;
    }();
    set["IMAGE/ZAKU/SZAK6_2.BMP"] = [] {
        Image i(80, 80);
        drawCrescent(i, rgb(220, 120, 40), true);
        return i;
    }();
    set["IMAGE/ZAKU/SZAK12.BMP"] = [] {
        Image i(80, 80);
        drawDiver(i);
        return i;
    }();
    set["IMAGE/ZAKU/SZAK21.BMP"] = [] {
        Image i(90, 90);
        drawSwooper(i);
        return i;
    }();
    set["IMAGE/ZAKU/SZAK22.BMP"] = set["IMAGE/ZAKU/SZAK21.BMP"].flippedX();
    set["IMAGE/ZAKU/SZAK52.BMP"] = [] {
        Image i(200, 160);
        drawCarrier(i);
        return i;
    }();

    // Formation shooters: cell 4 is the sideways run, cell 0 the final straight line.
    struct Turn {
        const char* name;
        float runAngle;    // cell 4
        float finalAngle;  // cell 0
        Color hull;
    };
    const Turn turns[] = {{"IMAGE/ZAKU/SZAK30.BMP", -90, 0, rgb(80, 120, 200)},
                          {"IMAGE/ZAKU/SZAK31.BMP", 90, 0, rgb(80, 120, 200)},
                          {"IMAGE/ZAKU/SZAK32.BMP", -90, -180, rgb(150, 90, 200)},
                          {"IMAGE/ZAKU/SZAK33.BMP", 90, 180, rgb(150, 90, 200)}};
    for (const Turn& t : turns) {
        set[t.name] = makeStrip(100, 100, 5, [&](Image& cell, int k) {
            drawFormationShooter(cell, t.finalAngle + (t.runAngle - t.finalAngle) * k / 4.0f, t.hull);
        });
    }

    constexpr int kFlameFrames = 20;
    set["IMAGE/ZFIRE1.BMP"] =
        makeStrip(20, 70, kFlameFrames, [](Image& cell, int f) { drawFlame(cell, f, false); });
    set["IMAGE/ZFIRE2.BMP"] =
        makeStrip(20, 70, kFlameFrames, [](Image& cell, int f) { drawFlame(cell, f, true); });

    // Lock-on marker: corner brackets round a diamond.
    Image marker(60, 60);
    const Color green = rgb(80, 255, 110);
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) {
            const Vec2 corner{30 + sx * 25.0f, 30 + sy * 25.0f};
            fill(marker, shapes::capsule(corner, corner - Vec2{sx * 10.0f, 0}, 1.3f), green);
            fill(marker, shapes::capsule(corner, corner - Vec2{0, sy * 10.0f}, 1.3f), green);
        }
    }
    fill(marker,
         shapes::subtract(shapes::polygon({{30, 18}, {42, 30}, {30, 42}, {18, 30}}),
                          shapes::polygon({{30, 21}, {39, 30}, {30, 39}, {21, 30}})),
         green);
    set["IMAGE/ROCK1.BMP"] = marker;
}

}  // namespace assetgen
