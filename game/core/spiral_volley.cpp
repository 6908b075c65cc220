#include "game/core/spiral_volley.h"

#include <cmath>

#include "build_config.h"
#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/collision_pass.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/trace_hook.h"

namespace {

constexpr int kFans = 8;
constexpr int kFanSize = 5;
constexpr int kFanTickStep = 3;
constexpr int kSecondWaveTick = 24;
constexpr int kLastTick = 47;
constexpr int kDrawnShots = 40;
constexpr int kShotSize = 80;
constexpr int kShipOffset = 10;
constexpr float kStartSpeed = -30.0f;
constexpr float kFlightSpeed = 300.0f;
// Headings by record: ((i - 5) x 10 + 250) degrees.
constexpr int kHeadingStep = 10;
constexpr int kHeadingStart = 250;
constexpr int kHeadingIndexShift = 5;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
// The point a shot hits with, from its top-left corner.
constexpr int kHitOffset = 30;

void Park(SpiralShot& s) {
    s.active = 0;
    s.x = kParkedIntX;
    s.y = kParkedIntY;
}

}  // namespace

void SpawnSpiralShot(int i) {
    if (i < 0 || i >= kSpiralShotCount) return;
    SpiralShot& s = SpiralShots[i];
    if (s.active != 0) return;
    s.active = 1;
    s.x = DrawInt(PlayerPosition.x) - kShipOffset;
    s.y = DrawInt(PlayerPosition.y) - kShipOffset;
    s.speed = kStartSpeed;
    s.heading =
        static_cast<float>(((i - kHeadingIndexShift) * kHeadingStep + kHeadingStart) * kRadiansPerDegree);
    TraceArm(&s, 0, static_cast<float>(s.x), static_cast<float>(s.y));
}

void FireSpiralVolley() {
    SpiralVolleyCounter += 1;
    for (int f = 0; f < kFans; ++f) {
        if (SpiralVolleyCounter != kFanTickStep * f &&
            SpiralVolleyCounter != kSecondWaveTick + kFanTickStep * f) {
            continue;
        }
        for (int k = 0; k < kFanSize; ++k) SpawnSpiralShot(kFanSize * f + k);
    }
    if (SpiralVolleyCounter >= kLastTick) {
        SpiralVolleyCounter = 0;
        ClearEnemyShots = 0;
    }
}

void MoveSpiralShots() {
    for (SpiralShot& s : SpiralShots) {
        if (s.active == 0) continue;
        s.x += DrawInt(std::cos(s.heading) * kFlightSpeed * FrameTime);
        s.y += DrawInt(std::sin(s.heading) * kFlightSpeed * FrameTime);
        if (s.x < -kShotSize || s.x > build::kMoverRight || s.y < -kShotSize || s.y > build::kMoverBottom) {
            Park(s);
            continue;
        }
        HitTestSpiralPoint(s.x + kHitOffset, s.y + kHitOffset);
    }
}

void DrawBombBlasts(int) {
    for (int i = 0; i < kDrawnShots; ++i) {
        elDraw::Draw(SpiralShots[i].x, SpiralShots[i].y, PicFBOM1, 0, 0, kShotSize, kShotSize);
    }
}
