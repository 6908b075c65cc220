#include "game/stage_a/stage_a_objects.h"

#include "build_config.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/enemies/bullet_pool.h"
#include "game/enemies/enemy_kind_rules.h"
#include "game/enemies/enemy_looks.h"
#include "game/stage_a/stage_a_entities.h"

namespace {

constexpr float kRight = build::kMoverRight;
constexpr float kBottom = build::kMoverBottom;

// ---- Objects ----------------------------------------------------------------------------------------------

constexpr SpriteLook kFallingLook{&PicSZAK10, 70, 80, 0, 0, &PicZFIRE1, 1, {{25, -50}}};
constexpr SpriteLook kDriftLook{&PicSZAK1, 60, 60};

// Falls while active; anything below the bottom edge is parked.
template <auto& Records>
void MoveObjects(int sideSign) {
    for (EnemyRecord& r : Records) {
        if (r.active != 0) {
            r.y += r.vy * FrameTime;
            if (sideSign > 0) r.x += r.vx * FrameTime;
            if (sideSign < 0) r.x -= r.vx * FrameTime;
        }
        if (r.y > kBottom) FreeRecord(r, kParkedX, kParkedY);
    }
}

// ---- Extra shot pools -------------------------------------------------------------------------------------

// Curve shots: groups of seven turning a little each frame while they drift apart, retired together
// when the first of the group leaves. The right set starts turned the other way.
constexpr float kCurveTurn = -0.019634955f;  // pi / 160 less each frame
constexpr float kCurveStartLeft = -0.6283185f;
constexpr float kCurveStartRight = 0.6283185f;
constexpr float kCurveDrift[kCurveShotGroupSize] = {16.0f, 9.0f, 2.0f, -5.0f, -12.0f, -19.0f, -26.0f};

template <auto& Records>
constexpr BulletPool<CurveFanBullet> CurveShots(const int* picture, Angle angle, float start) {
    return {.records = Records,
            .count = kCurveShotCount,
            .groupSize = kCurveShotGroupSize,
            .look = {.picture = picture,
                     .blit = Blit::kRotated,
                     .cellWidth = 30,
                     .cellHeight = 30,
                     .angle = angle},
            .move = {.motion = Motion::kCurve, .moveSign = -1, .turn = kCurveTurn, .curveDrift = kCurveDrift},
            .bounds = {30.0f, 30.0f, kRight, kBottom},
            .retire = Retire::kCurveGroup,
            .hit = {0.0f, 30.0f, 10.0f, 30.0f},
            .hitsEveryRecord = true,
            .fire = {.aim = Aim::kStartHeading, .startHeading = start}};
}
constexpr BulletPool<CurveFanBullet> kCurveShotsLeft =
    CurveShots<CurveShotsLeft>(&PicVALL3015, Angle::kNegatedDegrees, kCurveStartLeft);
constexpr BulletPool<CurveFanBullet> kCurveShotsRight =
    CurveShots<CurveShotsRight>(&PicVALL3016, Angle::kDegrees, kCurveStartRight);

// Glow shots: falling streaks.
constexpr BulletPool<EnemyDrop> kGlowShots{.records = GlowShots,
                                           .count = kGlowShotCount,
                                           .look = {.picture = &PicVAL15L, .cellWidth = 15, .cellHeight = 30},
                                           .move = {.motion = Motion::kVelocity},
                                           .bounds = {0.0f, 16.0f, 0.0f, kBottom, kEdgeTop | kEdgeBottom},
                                           .honoursClear = true,
                                           .hit = {14.0f, 30.0f, 10.0f, 30.0f}};

// Spin shots: darts flying along their heading.
template <auto& Records>
constexpr BulletPool<EnemyShot60> SpinShots() {
    return {.records = Records,
            .count = kStageASpinShotCount,
            .look = {.picture = &PicVALL302,
                     .blit = Blit::kRotated,
                     .cellWidth = 30,
                     .cellHeight = 30,
                     .offsetX = -5,
                     .offsetY = -5},
            .bounds = {30.0f, 30.0f, kRight, kBottom},
            .honoursClear = true,
            .hit = {0.0f, 30.0f, 10.0f, 30.0f},
            .hitsEveryRecord = true};
}
constexpr BulletPool<EnemyShot60> kSpinShotsA = SpinShots<SpinShotsA>();
constexpr BulletPool<EnemyShot60> kSpinShotsB = SpinShots<SpinShotsB>();

}  // namespace

void MoveFallingObjects() {
    MoveObjects<FallingObjects>(0);
}
void DrawFallingObjects() {
    DrawKind(FallingObjects, {.explosion = &kBurstExplosion,
                              .framesPerRun = kLongExplosionFrames,
                              .look = &kFallingLook,
                              .flameFrame = &FallingObjectFlameFrame});
}
void MoveDriftObjectsA() {
    MoveObjects<DriftObjectsA>(1);
}
void MoveDriftObjectsB() {
    MoveObjects<DriftObjectsB>(-1);
}
void DrawDriftObjectsA() {
    DrawKind(DriftObjectsA, {.explosion = &kSingleExplosion, .look = &kDriftLook});
}
void DrawDriftObjectsB() {
    DrawKind(DriftObjectsB, {.explosion = &kSingleExplosion, .look = &kDriftLook});
}

void MoveCurveShotsLeft() {
    MovePool(kCurveShotsLeft);
}
void MoveCurveShotsRight() {
    MovePool(kCurveShotsRight);
}
void DrawCurveShotsLeft() {
    DrawPool(kCurveShotsLeft);
}
void DrawCurveShotsRight() {
    DrawPool(kCurveShotsRight);
}
void MoveGlowShots() {
    MovePool(kGlowShots);
}
void DrawGlowShots() {
    DrawPool(kGlowShots);
}
void MoveSpinShotsA() {
    MovePool(kSpinShotsA);
}
void MoveSpinShotsB() {
    MovePool(kSpinShotsB);
}
void DrawSpinShotsA() {
    DrawPool(kSpinShotsA);
}
void DrawSpinShotsB() {
    DrawPool(kSpinShotsB);
}
