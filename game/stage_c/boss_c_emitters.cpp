#include "game/stage_c/boss_c_emitters.h"

#include "build_config.h"
#include "game/core/picture_slots.h"
#include "game/enemies/bullet_pool.h"
#include "game/stage_c/stage_c_entities.h"

namespace {

constexpr float kRight = build::kMoverRight;
constexpr float kBottom = build::kMoverBottom;
constexpr SourceAt kBossC = PositionOf<BossCRecord>;

// ---- Fan emitters ---------------------------------------------------------------------------------------

// Five volleys of b bullets each, fired when the shared volley clock (0..259) meets the group's moment; a
// volley is a fan 12 degrees apart, centred on the ship. The step goes in as pi / 15; the fan's half-width
// comes off in single precision.
constexpr double kTwelveDegrees = 0.20943951023931953;
constexpr double kTwelveDegreesSingle = 0.20943951606750488;
constexpr int kVolleyClockWrap = 260;
constexpr int kVolleyMoments[kFanShotVolleys] = {40, 80, 120, 160, 200};
constexpr float kFanShotSpeed = 220.0f;
constexpr int kFanShotSize = 39;
// The muzzle stands 200 + shift right of the boss's corner and 130 below it.
constexpr float kFanMuzzleX = 200.0f;
constexpr float kFanMuzzleY = 130.0f;

template <auto& Records>
constexpr BulletPool<EnemyShot> FanEmitter(float muzzleShift) {
    constexpr int kCount = kCountOf<Records>;
    constexpr int kPerVolley = kCount / kFanShotVolleys;
    static_assert(kPerVolley * kFanShotVolleys == kCount && kPerVolley % 2 == 1);
    return {.records = Records,
            .count = kCount,
            .groupSize = kPerVolley,
            .look = {.picture = &PicVAL40L1,
                     .blit = Blit::kRotated,
                     .cellWidth = kFanShotSize,
                     .cellHeight = kFanShotSize,
                     .boxRight = kFanShotSize,
                     .boxBottom = kFanShotSize,
                     .everyRecord = true,
                     .storeDegrees = true},
            .bounds = {40.0f, 40.0f, kRight, kBottom},
            .honoursClear = true,
            .hit = {-10.0f, 30.0f, 0.0f, 30.0f},
            .fire = {.source = kBossC,
                     .offsetX = kFanMuzzleX + muzzleShift,
                     .offsetY = kFanMuzzleY,
                     .aim = Aim::kPlayer,
                     .aimX = 10.0f,
                     .aimY = 10.0f,
                     .fanStep = kTwelveDegrees,
                     .fanBase = (kPerVolley - 1) / 2 * kTwelveDegreesSingle,
                     .speed = Speed::kConstant,
                     .value = kFanShotSpeed},
            .timer = {.wrap = kVolleyClockWrap, .triggers = kVolleyMoments}};
}

// The 21 emitters: 3, 5, ... 15 bullets a volley (from the array's size), each width at the boss's centre
// line and shifted to both sides.
constexpr BulletPool<EnemyShot> kFanEmitters[] = {
    FanEmitter<BossFanShot01>(0.0f), FanEmitter<BossFanShot02>(-100.0f), FanEmitter<BossFanShot03>(100.0f),
    FanEmitter<BossFanShot04>(0.0f), FanEmitter<BossFanShot05>(-120.0f), FanEmitter<BossFanShot06>(120.0f),
    FanEmitter<BossFanShot07>(0.0f), FanEmitter<BossFanShot08>(-120.0f), FanEmitter<BossFanShot09>(120.0f),
    FanEmitter<BossFanShot10>(0.0f), FanEmitter<BossFanShot11>(-130.0f), FanEmitter<BossFanShot12>(130.0f),
    FanEmitter<BossFanShot13>(0.0f), FanEmitter<BossFanShot14>(-130.0f), FanEmitter<BossFanShot15>(130.0f),
    FanEmitter<BossFanShot16>(0.0f), FanEmitter<BossFanShot17>(-140.0f), FanEmitter<BossFanShot18>(140.0f),
    FanEmitter<BossFanShot19>(0.0f), FanEmitter<BossFanShot20>(-150.0f), FanEmitter<BossFanShot21>(150.0f),
};

// ---- Spray emitters -------------------------------------------------------------------------------------

// A particle swings out, curves back and falls: whole-pixel steps a frame, chosen by windows on its phase
// clock. The three widths of swing differ in how far the last, longest window reaches.
constexpr PhaseStep kShortSwing[] = {{0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6},
                                     {13, 15, 0, 6}, {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 250, 3, 6}};
constexpr PhaseStep kMiddleSwing[] = {{0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6},
                                      {13, 15, 0, 6}, {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6},
                                      {25, 27, 4, 6}, {28, 250, 5, 6}};
constexpr PhaseStep kLongSwing[] = {{0, 3, -6, 0},  {4, 6, -6, 3},   {7, 9, -6, 6},  {10, 12, -3, 6},
                                    {13, 15, 0, 6}, {16, 18, 1, 6},  {19, 21, 2, 6}, {22, 24, 3, 6},
                                    {25, 27, 4, 6}, {28, 30, 5, 6},  {31, 33, 6, 6}, {34, 36, 7, 6},
                                    {37, 39, 8, 6}, {40, 280, 10, 6}};
template <auto& Steps>
constexpr int kStepCount = static_cast<int>(sizeof(Steps) / sizeof(Steps[0]));

// One particle starts every third tick of the emitter's counter (0..149), particle 0 on the wrap.
constexpr int kSprayCounterWrap = 150;
constexpr int kSprayStartEvery = 3;
constexpr int kSprayStrength = 20;
// Particles are a visual effect: an empty window, so they never touch the ship.
constexpr HitWindow kNeverHits{0.0f, -1.0f, 0.0f, -1.0f};

enum Swing : int { kSwingLeft = 1, kSwingRight = -1 };

template <auto& Records, auto& Steps>
constexpr BulletPool<PhaseShot> Spray(int* counter, Swing swing, int muzzleX, int muzzleY, float rate,
                                      const int* picture, int size) {
    return {.records = Records,
            .count = kSprayParticleCount,
            .look = {.picture = picture, .cellWidth = size, .cellHeight = size},
            .move = {.motion = Motion::kPhaseSteps,
                     .phaseRate = rate,
                     .steps = Steps,
                     .stepCount = kStepCount<Steps>,
                     .stepSign = swing},
            .bounds = {0.0f, 0.0f, 0.0f, kBottom, kEdgeBottom},
            .retire = Retire::kPhaseBottom,
            .hit = kNeverHits,
            .fire = {.source = kBossC,
                     .offsetX = static_cast<float>(muzzleX),
                     .offsetY = static_cast<float>(muzzleY),
                     .strength = kSprayStrength},
            .timer = {.wrap = kSprayCounterWrap, .counter = counter, .period = kSprayStartEvery}};
}

// Left and right emitters in mirror pairs: the particles' centres stand at boss x + 150 and + 290.
constexpr BulletPool<PhaseShot> kSprays[kSprayEmitters] = {
    Spray<BossSpray01, kShortSwing>(&BossCSprayCounters[0], kSwingLeft, 135, 135, 20.0f, &PicRAY4, 30),
    Spray<BossSpray02, kShortSwing>(&BossCSprayCounters[1], kSwingRight, 275, 135, 20.0f, &PicRAY4, 30),
    Spray<BossSpray03, kMiddleSwing>(&BossCSprayCounters[2], kSwingLeft, 130, 130, 30.0f, &PicRAY5, 40),
    Spray<BossSpray04, kMiddleSwing>(&BossCSprayCounters[3], kSwingRight, 270, 130, 30.0f, &PicRAY5, 40),
    Spray<BossSpray05, kLongSwing>(&BossCSprayCounters[4], kSwingLeft, 125, 105, 40.0f, &PicRAY6, 50),
    Spray<BossSpray06, kLongSwing>(&BossCSprayCounters[5], kSwingRight, 265, 105, 40.0f, &PicRAY6, 50),
};

// ---- Curving fans -----------------------------------------------------------------------------------------

// Seven bullets leave together, the slowest first in the record order; each drifts along the diagonal by
// its own constant from its second moving frame on.
constexpr float kCurveSpeeds[kCurveFanCount] = {163.0f, 171.0f, 178.0f, 184.0f, 188.0f, 191.0f, 193.0f};
constexpr float kCurveDrifts[kCurveFanCount] = {16.0f, 9.0f, 2.0f, -5.0f, -12.0f, -19.0f, -26.0f};
constexpr float kCurveStart = 0.62831853f;   // 36 degrees
constexpr float kWideTurn = 0.022439947f;    // pi / 140 a frame
constexpr float kNarrowTurn = 0.019634955f;  // pi / 160 a frame
// Six bullets and the lead bullet, falling left (moved against the heading) or right.
constexpr const int* kLeftCurvePictures[kCurveFanCount] = {
    &PicVAL3017A, &PicVAL3017A, &PicVAL3017A, &PicVAL3017A, &PicVAL3017A, &PicVAL3017A, &PicVALL3017};
constexpr const int* kRightCurvePictures[kCurveFanCount] = {
    &PicVAL3018A, &PicVAL3018A, &PicVAL3018A, &PicVAL3018A, &PicVAL3018A, &PicVAL3018A, &PicVALL3018};
constexpr int kCurveBulletSize = 30;

enum CurveSide : int { kCurveLeft = -1, kCurveRight = 1 };

template <auto& Records>
constexpr BulletPool<CurveFanBullet> CurveFan(float muzzleX, float muzzleY, CurveSide side, float turn) {
    const float sign = static_cast<float>(side);
    return {
        .records = Records,
        .count = kCurveFanCount,
        .groupSize = kCurveFanCount,
        .look = {.picture = side == kCurveLeft ? kLeftCurvePictures[0] : kRightCurvePictures[0],
                 .blit = Blit::kRotated,
                 .cellWidth = kCurveBulletSize,
                 .cellHeight = kCurveBulletSize,
                 .angle = side == kCurveLeft ? Angle::kNegatedDegrees : Angle::kDegrees,
                 .memberPicture = side == kCurveLeft ? kLeftCurvePictures : kRightCurvePictures},
        .move = {.motion = Motion::kCurve, .moveSign = side, .turn = sign * turn, .curveDrift = kCurveDrifts},
        .bounds = {30.0f, 30.0f, kRight, kBottom},
        .retire = Retire::kCurveGroup,
        .hit = {0.0f, 30.0f, 10.0f, 30.0f},
        .hitsEveryRecord = true,
        .fire = {.source = kBossC,
                 .offsetX = muzzleX,
                 .offsetY = muzzleY,
                 .aim = Aim::kStartHeading,
                 .startHeading = sign * kCurveStart,
                 .speed = Speed::kByIndex,
                 .speeds = kCurveSpeeds}};
}

constexpr BulletPool<CurveFanBullet> kCurveFans[] = {
    CurveFan<BossCurveFan01>(205.0f, 30.0f, kCurveLeft, kWideTurn),
    CurveFan<BossCurveFan02>(205.0f, 30.0f, kCurveRight, kWideTurn),
    CurveFan<BossCurveFan03>(165.0f, 20.0f, kCurveLeft, kNarrowTurn),
    CurveFan<BossCurveFan04>(245.0f, 20.0f, kCurveRight, kNarrowTurn),
};

}  // namespace

void FireBossFanShot01(int index, int first) {
    ArmPoolRecord(kFanEmitters[0], index, first);
}
void FireBossFanShot02(int index, int first) {
    ArmPoolRecord(kFanEmitters[1], index, first);
}
void FireBossFanShot03(int index, int first) {
    ArmPoolRecord(kFanEmitters[2], index, first);
}
void FireBossFanShot04(int index, int first) {
    ArmPoolRecord(kFanEmitters[3], index, first);
}
void FireBossFanShot05(int index, int first) {
    ArmPoolRecord(kFanEmitters[4], index, first);
}
void FireBossFanShot06(int index, int first) {
    ArmPoolRecord(kFanEmitters[5], index, first);
}
void FireBossFanShot07(int index, int first) {
    ArmPoolRecord(kFanEmitters[6], index, first);
}
void FireBossFanShot08(int index, int first) {
    ArmPoolRecord(kFanEmitters[7], index, first);
}
void FireBossFanShot09(int index, int first) {
    ArmPoolRecord(kFanEmitters[8], index, first);
}
void FireBossFanShot10(int index, int first) {
    ArmPoolRecord(kFanEmitters[9], index, first);
}
void FireBossFanShot11(int index, int first) {
    ArmPoolRecord(kFanEmitters[10], index, first);
}
void FireBossFanShot12(int index, int first) {
    ArmPoolRecord(kFanEmitters[11], index, first);
}
void FireBossFanShot13(int index, int first) {
    ArmPoolRecord(kFanEmitters[12], index, first);
}
void FireBossFanShot14(int index, int first) {
    ArmPoolRecord(kFanEmitters[13], index, first);
}
void FireBossFanShot15(int index, int first) {
    ArmPoolRecord(kFanEmitters[14], index, first);
}
void FireBossFanShot16(int index, int first) {
    ArmPoolRecord(kFanEmitters[15], index, first);
}
void FireBossFanShot17(int index, int first) {
    ArmPoolRecord(kFanEmitters[16], index, first);
}
void FireBossFanShot18(int index, int first) {
    ArmPoolRecord(kFanEmitters[17], index, first);
}
void FireBossFanShot19(int index, int first) {
    ArmPoolRecord(kFanEmitters[18], index, first);
}
void FireBossFanShot20(int index, int first) {
    ArmPoolRecord(kFanEmitters[19], index, first);
}
void FireBossFanShot21(int index, int first) {
    ArmPoolRecord(kFanEmitters[20], index, first);
}
void TickBossFanShot01() {
    TickPoolTimers(kFanEmitters[0]);
}
void TickBossFanShot02() {
    TickPoolTimers(kFanEmitters[1]);
}
void TickBossFanShot03() {
    TickPoolTimers(kFanEmitters[2]);
}
void TickBossFanShot04() {
    TickPoolTimers(kFanEmitters[3]);
}
void TickBossFanShot05() {
    TickPoolTimers(kFanEmitters[4]);
}
void TickBossFanShot06() {
    TickPoolTimers(kFanEmitters[5]);
}
void TickBossFanShot07() {
    TickPoolTimers(kFanEmitters[6]);
}
void TickBossFanShot08() {
    TickPoolTimers(kFanEmitters[7]);
}
void TickBossFanShot09() {
    TickPoolTimers(kFanEmitters[8]);
}
void TickBossFanShot10() {
    TickPoolTimers(kFanEmitters[9]);
}
void TickBossFanShot11() {
    TickPoolTimers(kFanEmitters[10]);
}
void TickBossFanShot12() {
    TickPoolTimers(kFanEmitters[11]);
}
void TickBossFanShot13() {
    TickPoolTimers(kFanEmitters[12]);
}
void TickBossFanShot14() {
    TickPoolTimers(kFanEmitters[13]);
}
void TickBossFanShot15() {
    TickPoolTimers(kFanEmitters[14]);
}
void TickBossFanShot16() {
    TickPoolTimers(kFanEmitters[15]);
}
void TickBossFanShot17() {
    TickPoolTimers(kFanEmitters[16]);
}
void TickBossFanShot18() {
    TickPoolTimers(kFanEmitters[17]);
}
void TickBossFanShot19() {
    TickPoolTimers(kFanEmitters[18]);
}
void TickBossFanShot20() {
    TickPoolTimers(kFanEmitters[19]);
}
void TickBossFanShot21() {
    TickPoolTimers(kFanEmitters[20]);
}
void MoveBossFanShot01() {
    MovePool(kFanEmitters[0]);
}
void MoveBossFanShot02() {
    MovePool(kFanEmitters[1]);
}
void MoveBossFanShot03() {
    MovePool(kFanEmitters[2]);
}
void MoveBossFanShot04() {
    MovePool(kFanEmitters[3]);
}
void MoveBossFanShot05() {
    MovePool(kFanEmitters[4]);
}
void MoveBossFanShot06() {
    MovePool(kFanEmitters[5]);
}
void MoveBossFanShot07() {
    MovePool(kFanEmitters[6]);
}
void MoveBossFanShot08() {
    MovePool(kFanEmitters[7]);
}
void MoveBossFanShot09() {
    MovePool(kFanEmitters[8]);
}
void MoveBossFanShot10() {
    MovePool(kFanEmitters[9]);
}
void MoveBossFanShot11() {
    MovePool(kFanEmitters[10]);
}
void MoveBossFanShot12() {
    MovePool(kFanEmitters[11]);
}
void MoveBossFanShot13() {
    MovePool(kFanEmitters[12]);
}
void MoveBossFanShot14() {
    MovePool(kFanEmitters[13]);
}
void MoveBossFanShot15() {
    MovePool(kFanEmitters[14]);
}
void MoveBossFanShot16() {
    MovePool(kFanEmitters[15]);
}
void MoveBossFanShot17() {
    MovePool(kFanEmitters[16]);
}
void MoveBossFanShot18() {
    MovePool(kFanEmitters[17]);
}
void MoveBossFanShot19() {
    MovePool(kFanEmitters[18]);
}
void MoveBossFanShot20() {
    MovePool(kFanEmitters[19]);
}
void MoveBossFanShot21() {
    MovePool(kFanEmitters[20]);
}
void DrawBossFanShot01() {
    DrawPool(kFanEmitters[0]);
}
void DrawBossFanShot02() {
    DrawPool(kFanEmitters[1]);
}
void DrawBossFanShot03() {
    DrawPool(kFanEmitters[2]);
}
void DrawBossFanShot04() {
    DrawPool(kFanEmitters[3]);
}
void DrawBossFanShot05() {
    DrawPool(kFanEmitters[4]);
}
void DrawBossFanShot06() {
    DrawPool(kFanEmitters[5]);
}
void DrawBossFanShot07() {
    DrawPool(kFanEmitters[6]);
}
void DrawBossFanShot08() {
    DrawPool(kFanEmitters[7]);
}
void DrawBossFanShot09() {
    DrawPool(kFanEmitters[8]);
}
void DrawBossFanShot10() {
    DrawPool(kFanEmitters[9]);
}
void DrawBossFanShot11() {
    DrawPool(kFanEmitters[10]);
}
void DrawBossFanShot12() {
    DrawPool(kFanEmitters[11]);
}
void DrawBossFanShot13() {
    DrawPool(kFanEmitters[12]);
}
void DrawBossFanShot14() {
    DrawPool(kFanEmitters[13]);
}
void DrawBossFanShot15() {
    DrawPool(kFanEmitters[14]);
}
void DrawBossFanShot16() {
    DrawPool(kFanEmitters[15]);
}
void DrawBossFanShot17() {
    DrawPool(kFanEmitters[16]);
}
void DrawBossFanShot18() {
    DrawPool(kFanEmitters[17]);
}
void DrawBossFanShot19() {
    DrawPool(kFanEmitters[18]);
}
void DrawBossFanShot20() {
    DrawPool(kFanEmitters[19]);
}
void DrawBossFanShot21() {
    DrawPool(kFanEmitters[20]);
}
void TickBossSpray01() {
    TickPoolCounter(kSprays[0]);
}
void TickBossSpray02() {
    TickPoolCounter(kSprays[1]);
}
void TickBossSpray03() {
    TickPoolCounter(kSprays[2]);
}
void TickBossSpray04() {
    TickPoolCounter(kSprays[3]);
}
void TickBossSpray05() {
    TickPoolCounter(kSprays[4]);
}
void TickBossSpray06() {
    TickPoolCounter(kSprays[5]);
}
void SpawnBossSpray01(int index) {
    ArmPoolRecord(kSprays[0], index, index);
}
void SpawnBossSpray02(int index) {
    ArmPoolRecord(kSprays[1], index, index);
}
void SpawnBossSpray03(int index) {
    ArmPoolRecord(kSprays[2], index, index);
}
void SpawnBossSpray04(int index) {
    ArmPoolRecord(kSprays[3], index, index);
}
void SpawnBossSpray05(int index) {
    ArmPoolRecord(kSprays[4], index, index);
}
void SpawnBossSpray06(int index) {
    ArmPoolRecord(kSprays[5], index, index);
}
void MoveBossSpray01() {
    MovePool(kSprays[0]);
}
void MoveBossSpray02() {
    MovePool(kSprays[1]);
}
void MoveBossSpray03() {
    MovePool(kSprays[2]);
}
void MoveBossSpray04() {
    MovePool(kSprays[3]);
}
void MoveBossSpray05() {
    MovePool(kSprays[4]);
}
void MoveBossSpray06() {
    MovePool(kSprays[5]);
}
void DrawBossSpray01() {
    DrawPool(kSprays[0]);
}
void DrawBossSpray02() {
    DrawPool(kSprays[1]);
}
void DrawBossSpray03() {
    DrawPool(kSprays[2]);
}
void DrawBossSpray04() {
    DrawPool(kSprays[3]);
}
void DrawBossSpray05() {
    DrawPool(kSprays[4]);
}
void DrawBossSpray06() {
    DrawPool(kSprays[5]);
}
void SpawnBossCurveFan01() {
    FirePool(kCurveFans[0]);
}
void SpawnBossCurveFan02() {
    FirePool(kCurveFans[1]);
}
void SpawnBossCurveFan03() {
    FirePool(kCurveFans[2]);
}
void SpawnBossCurveFan04() {
    FirePool(kCurveFans[3]);
}
void MoveBossCurveFan01() {
    MovePool(kCurveFans[0]);
}
void MoveBossCurveFan02() {
    MovePool(kCurveFans[1]);
}
void MoveBossCurveFan03() {
    MovePool(kCurveFans[2]);
}
void MoveBossCurveFan04() {
    MovePool(kCurveFans[3]);
}
void DrawBossCurveFan01() {
    DrawPool(kCurveFans[0]);
}
void DrawBossCurveFan02() {
    DrawPool(kCurveFans[1]);
}
void DrawBossCurveFan03() {
    DrawPool(kCurveFans[2]);
}
void DrawBossCurveFan04() {
    DrawPool(kCurveFans[3]);
}
