// Boss C's rotated bullets aimed at a ship above their guns: angles outside 0..359 draw exactly what the
// reduced angle draws, and every bullet's nose points along its flight.
#include <cmath>
#include <map>

#include "game/enemies/bullet_pool.h"
#include "game/stage_c/boss_c_emitters.h"
#include "game/stage_c/boss_c_lines.h"
#include "stage_c_fixture.h"

namespace {

using RotationTest = StageCTest;

// Where the bullet under test is drawn, away from everything else.
constexpr int kSpotX = 300;
constexpr int kSpotY = 300;
constexpr float kDegree = 3.1415927f / 180.0f;

struct Point {
    int x, y;
};

using Sprite = std::map<std::pair<int, int>, int>;

// The lit pixels of a box on the back buffer, relative to its corner, with their values.
Sprite LitIn(int size) {
    Sprite lit;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int p = headless::SurfacePixel(elDraw::State.backBuffer, kSpotX + x, kSpotY + y);
            if (p > 0) lit[{x, y}] = p;
        }
    }
    return lit;
}

// A 5-6-5 pixel's brightness, red and blue weighted to the green's range.
int Brightness(int p) {
    return ((p >> 11) & 31) * 2 + ((p >> 5) & 63) + (p & 31) * 2;
}
constexpr int kBright = 80;

// The direction from a box's middle to its bright pixels farthest from it (within a pixel of the
// farthest): the sprite's tip. Faint glow is left out.
float Tip(const Sprite& sprite, int size) {
    const float m = size / 2.0f;
    float farthest = 0.0f;
    for (const auto& [at, value] : sprite) {
        if (Brightness(value) < kBright) continue;
        farthest = std::max(farthest, std::hypot(at.first + 0.5f - m, at.second + 0.5f - m));
    }
    float sx = 0.0f;
    float sy = 0.0f;
    for (const auto& [at, value] : sprite) {
        const float dx = at.first + 0.5f - m;
        const float dy = at.second + 0.5f - m;
        if (Brightness(value) < kBright || std::hypot(dx, dy) < farthest - 1.0f) continue;
        sx += dx;
        sy += dy;
    }
    return std::atan2(sy, sx);
}

float DegreesApartTurned(float a, float b) {
    float d = std::fmod(std::fabs(a - b), 2.0f * 3.1415927f);
    if (d > 3.1415927f) d = 2.0f * 3.1415927f - d;
    return d / kDegree;
}

Sprite Upright(int picture, int size) {
    elDraw::ClearBackBuffer();
    elDraw::DrawRotated(kSpotX, kSpotY, kSpotX + size, kSpotY + size, 0, picture, 0, 0, size, size);
    return LitIn(size);
}

// Draws one record of a pool by the pool's own draw (the others parked) and checks it against the same
// picture at the reduced angle and against its flight. Returns the angle the draw passed.
template <typename R>
int CheckRecord(R* records, int count, int index, void (*draw)(), int picture, int size, float noseUpright,
                float flight, const Sprite& upright, bool curve = false) {
    std::vector<R> saved(records, records + count);
    for (int i = 0; i < count; ++i) {
        records[i].x = kParkedX;
        records[i].y = kParkedY;
    }
    records[index].x = kSpotX;
    records[index].y = kSpotY;
    elDraw::ClearBackBuffer();
    draw();
    const Sprite drawn = LitIn(size);
    // The curving fans that move against their heading pass minus its degrees, the others 270 minus.
    const int degrees = HeadingDegrees(records[index].heading);
    const int angle = curve ? -degrees : 270 - degrees;
    const int reduced = ((angle % 360) + 360) % 360;
    elDraw::ClearBackBuffer();
    elDraw::DrawRotated(kSpotX, kSpotY, kSpotX + size, kSpotY + size, reduced, picture, 0, 0, size, size);
    EXPECT_EQ(drawn, LitIn(size)) << "angle " << angle;
    // The sprite's tip (its lit pixels farthest from the middle) stands to its flight as the upright
    // picture's tip stands to its nose.
    const float expectedTip = flight + Tip(upright, size) - noseUpright;
    EXPECT_LT(DegreesApartTurned(Tip(drawn, size), expectedTip), 25.0f) << "angle " << angle;
    for (int i = 0; i < count; ++i) records[i] = saved[i];
    return angle;
}

constexpr float kNoseUp = -90.0f * kDegree;

struct FanEmitter {
    EnemyShot* records;
    int count;
    void (*fire)(int, int);
    void (*draw)();
    float shift;  // the muzzle's, from the body's middle
};

TEST_F(RotationTest, FanEmittersAimedAboveTheirMuzzlesDrawAsTheReducedAngleNoseFirst) {
    const FanEmitter emitters[] = {
        {BossFanShot01, 15, FireBossFanShot01, DrawBossFanShot01, 0.0f},
        {BossFanShot02, 15, FireBossFanShot02, DrawBossFanShot02, -100.0f},
        {BossFanShot03, 15, FireBossFanShot03, DrawBossFanShot03, 100.0f},
        {BossFanShot04, 25, FireBossFanShot04, DrawBossFanShot04, 0.0f},
        {BossFanShot05, 25, FireBossFanShot05, DrawBossFanShot05, -120.0f},
        {BossFanShot06, 25, FireBossFanShot06, DrawBossFanShot06, 120.0f},
        {BossFanShot07, 35, FireBossFanShot07, DrawBossFanShot07, 0.0f},
        {BossFanShot08, 35, FireBossFanShot08, DrawBossFanShot08, -120.0f},
        {BossFanShot09, 35, FireBossFanShot09, DrawBossFanShot09, 120.0f},
        {BossFanShot10, 45, FireBossFanShot10, DrawBossFanShot10, 0.0f},
        {BossFanShot11, 45, FireBossFanShot11, DrawBossFanShot11, -130.0f},
        {BossFanShot12, 45, FireBossFanShot12, DrawBossFanShot12, 130.0f},
        {BossFanShot13, 55, FireBossFanShot13, DrawBossFanShot13, 0.0f},
        {BossFanShot14, 55, FireBossFanShot14, DrawBossFanShot14, -130.0f},
        {BossFanShot15, 55, FireBossFanShot15, DrawBossFanShot15, 130.0f},
        {BossFanShot16, 65, FireBossFanShot16, DrawBossFanShot16, 0.0f},
        {BossFanShot17, 65, FireBossFanShot17, DrawBossFanShot17, -140.0f},
        {BossFanShot18, 65, FireBossFanShot18, DrawBossFanShot18, 140.0f},
        {BossFanShot19, 75, FireBossFanShot19, DrawBossFanShot19, 0.0f},
        {BossFanShot20, 75, FireBossFanShot20, DrawBossFanShot20, -150.0f},
        {BossFanShot21, 75, FireBossFanShot21, DrawBossFanShot21, 150.0f},
    };
    const Sprite upright = Upright(PicVAL40L1, 39);
    PlaceBoss(180.0f, 140.0f, 500.0f);  // in its dip: muzzles at y 270
    int lowest = 0;
    int highest = 0;
    int outside = 0;
    for (const FanEmitter& e : emitters) {
        const int perVolley = e.count / 5;
        // Each volley aimed at a ship at y 220, above the muzzle: far left, just left, straight above, just
        // right, far right.
        const float muzzleX = 180.0f + 200.0f + e.shift;
        const float across[5] = {-200.0f, -1.0f, 0.0f, 1.0f, 200.0f};
        for (int g = 0; g < 5; ++g) {
            PlayerPosition = {muzzleX - 10.0f + across[g], 220.0f};
            for (int m = 0; m < perVolley; ++m) e.fire(g * perVolley + m, g * perVolley);
        }
        for (int i = 0; i < e.count; ++i) {
            const float h = e.records[i].heading;
            const int angle = CheckRecord(e.records, e.count, i, e.draw, PicVAL40L1, 39, kNoseUp, h, upright);
            lowest = std::min(lowest, angle);
            highest = std::max(highest, angle);
            outside += angle < 0 || angle > 359;
        }
    }
    EXPECT_EQ(lowest, -84);
    EXPECT_GE(highest, 440);
    EXPECT_GT(outside, 200);
}

struct ShotLine {
    EnemyShot60* records;
    int count;
    void (*fire)();
    void (*draw)();
};

TEST_F(RotationTest, BulletLinesFiredAtAShipLevelWithOrAboveTheirGunsDrawAsTheReducedAngleNoseFirst) {
    const ShotLine lines[] = {
        {BossShotLine03, 5, FireBossShotLine03, DrawBossShotLine03},
        {BossShotLine04, 5, FireBossShotLine04, DrawBossShotLine04},
        {BossShotLine05, 5, FireBossShotLine05, DrawBossShotLine05},
        {BossShotLine06, 5, FireBossShotLine06, DrawBossShotLine06},
        {BossShotLine07, 5, FireBossShotLine07, DrawBossShotLine07},
        {BossShotLine08, 5, FireBossShotLine08, DrawBossShotLine08},
        {BossShotLine09, 5, FireBossShotLine09, DrawBossShotLine09},
        {BossShotLine15, 5, FireBossShotLine15, DrawBossShotLine15},
        {BossShotLine16, 5, FireBossShotLine16, DrawBossShotLine16},
        {BossShotLine17, 5, FireBossShotLine17, DrawBossShotLine17},
        {BossShotLine18, 5, FireBossShotLine18, DrawBossShotLine18},
        {BossShotLine19, 5, FireBossShotLine19, DrawBossShotLine19},
        {BossShotLine20, 5, FireBossShotLine20, DrawBossShotLine20},
        {BossShotLine21, 5, FireBossShotLine21, DrawBossShotLine21},
        {BossShotLine25, 5, FireBossShotLine25, DrawBossShotLine25},
        {BossShotLine26, 5, FireBossShotLine26, DrawBossShotLine26},
        {BossShotLine27, 5, FireBossShotLine27, DrawBossShotLine27},
        {BossShotLine28, 5, FireBossShotLine28, DrawBossShotLine28},
        {BossShotLine29, 8, FireBossShotLine29, DrawBossShotLine29},
        {BossShotLine30, 8, FireBossShotLine30, DrawBossShotLine30},
    };
    const Sprite upright = Upright(PicVALL3011, 30);
    PlaceBoss(180.0f, 140.0f, 500.0f);  // in its dip
    float lowest = 0.0f;
    float highest = 0.0f;
    int outside = 0;
    for (const ShotLine& line : lines) {
        for (const float shipY : {220.0f, 225.0f}) {  // the aim point a little above a gun, or level with it
            for (const float across : {-200.0f, -0.01f, 0.0f, 0.01f, 200.0f}) {
                for (int i = 0; i < line.count; ++i) line.records[i].active = 0;
                PlayerPosition = {0.0f, shipY};
                line.fire();
                const float gunX = line.records[0].fireX;
                for (int i = 0; i < line.count; ++i) line.records[i].active = 0;
                PlayerPosition = {gunX - 15.0f + across, shipY};
                line.fire();
                for (int i = 0; i < line.count; ++i) {
                    const float h = line.records[i].heading;
                    lowest = std::min(lowest, h);
                    highest = std::max(highest, h);
                    const int angle = CheckRecord(line.records, line.count, i, line.draw, PicVALL3011, 30,
                                                  kNoseUp, h, upright);
                    outside += angle < 0 || angle > 359;
                }
            }
        }
    }
    EXPECT_NEAR(lowest, -kPi, 0.01f);
    EXPECT_NEAR(highest, 2.0f * kPi, 0.01f);
    EXPECT_GT(outside, 100);
}

TEST_F(RotationTest, CurvingFansPointAlongTheirFlightThroughTheWholeTurn) {
    PlaceBoss(180.0f, 140.0f, 500.0f);
    const Sprite follower = Upright(PicVAL3017A, 30);
    const Sprite lead = Upright(PicVALL3017, 30);
    constexpr float kPointLeft = 180.0f * kDegree;  // the picture's point, unturned
    struct Fan {
        CurveFanBullet* records;
        void (*spawn)();
        void (*move)();
        void (*draw)();
    };
    for (const Fan fan : {Fan{BossCurveFan01, SpawnBossCurveFan01, MoveBossCurveFan01, DrawBossCurveFan01},
                          Fan{BossCurveFan03, SpawnBossCurveFan03, MoveBossCurveFan03, DrawBossCurveFan03}}) {
        fan.spawn();
        for (int frame = 0; frame < 60; ++frame) {
            for (const int i : {0, 6}) {
                // These fans fly against their heading.
                const float flight = fan.records[i].heading + kPi;
                CheckRecord(fan.records, kCurveFanCount, i, fan.draw, i == 6 ? PicVALL3017 : PicVAL3017A, 30,
                            kPointLeft, flight, i == 6 ? lead : follower, true);
            }
            fan.move();
        }
        EXPECT_EQ(fan.records[0].phase, 18.0f);
    }
}

}  // namespace
