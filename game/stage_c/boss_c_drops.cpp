#include "game/stage_c/boss_c_drops.h"

#include "build_config.h"
#include "game/core/picture_slots.h"
#include "game/enemies/bullet_pool.h"
#include "game/stage_c/stage_c_entities.h"

namespace {

constexpr SourceAt kBossC = PositionOf<BossCRecord>;
// Falling shots leave by the bottom edge only; clearing the screen parks only the falling ones, so free
// records keep drifting where they are.
constexpr PoolBounds kBottomOnly{0.0f, 0.0f, 0.0f, build::kMoverBottom, kEdgeBottom};

// ---- Twin shots
// ---------------------------------------------------------------------------------------------

// Ten pairs falling side by side at 200 px/s, released on a 140-tick pair timer.
constexpr int kTwinPair = 2;
constexpr int kTwinClockWrap = 140;
constexpr int kTwinMoments[kTwinShotCount / kTwinPair] = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120};
constexpr float kTwinFall = 200.0f;
constexpr int kTwinCell[kTwinPair] = {120, 120};  // the 40x40 cell at (120, 0)
constexpr float kTwinSpread[kTwinPair] = {-20.0f, 20.0f};

template <auto& Records>
constexpr BulletPool<EnemyDrop> Twin(const float* pairX, float y, const float* spread) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = kTwinPair,
            .look = {.picture = &PicVAL405,
                     .cellWidth = 40,
                     .cellHeight = 40,
                     .everyRecord = true,
                     .memberCellX = kTwinCell},
            .move = {.motion = Motion::kVelocity, .setsFall = true, .fall = kTwinFall, .drift = spread},
            .bounds = kBottomOnly,
            .retire = Retire::kParkActive,
            .honoursClear = true,
            .hit = {-10.0f, 30.0f, 0.0f, 30.0f},
            .fire = {.source = kBossC, .offsetY = y, .memberX = pairX, .place = Place::kGroupX},
            .timer = {.wrap = kTwinClockWrap, .triggers = kTwinMoments}};
}

constexpr float kTwinX01[kTwinPair] = {120.0f, 280.0f};
constexpr float kTwinX02[kTwinPair] = {100.0f, 300.0f};
constexpr float kTwinX03[kTwinPair] = {80.0f, 320.0f};
constexpr BulletPool<EnemyDrop> kTwins[] = {
    Twin<BossCTwin01>(kTwinX01, 200.0f, nullptr),
    Twin<BossCTwin02>(kTwinX02, 180.0f, nullptr),
    Twin<BossCTwin03>(kTwinX03, 180.0f, kTwinSpread),
};

// ---- Three-way fans
// -----------------------------------------------------------------------------------------

// Groups of three aimed 12 degrees apart, the middle one at the ship, released on a 200-tick timer. The
// step goes in as pi / 15 and the fan's first 12 degrees come off in single precision.
constexpr int kTriFanGroup = 3;
constexpr double kTwelveDegrees = 0.20943951023931953;
constexpr double kTwelveDegreesSingle = 0.20943951606750488;
constexpr int kTriFanClockWrap = 200;
constexpr int kTriFanMoments[kTriFanCount / kTriFanGroup] = {20, 40, 90, 110, 160};
constexpr float kTriFanSpeed = 150.0f;
constexpr int kSmallShotSize = 20;
constexpr int kSmallShotFrames = 24;

template <auto& Records>
constexpr BulletPool<EnemyShot56> TriFan(SourceAt source, float muzzleX) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = kTriFanGroup,
            .look = {.picture = &PicVAL20241,
                     .cellWidth = kSmallShotSize,
                     .cellHeight = kSmallShotSize,
                     .frames = kSmallShotFrames,
                     .everyRecord = true},
            .bounds = {20.0f, 20.0f, build::kMoverRight, build::kMoverBottom},
            .honoursClear = true,
            .hit = {10.0f, 30.0f, 20.0f, 30.0f},
            .fire = {.source = source,
                     .offsetX = muzzleX,
                     .offsetY = 100.0f,
                     .aim = Aim::kPlayer,
                     .aimX = 20.0f,
                     .aimY = 20.0f,
                     .fanStep = kTwelveDegrees,
                     .fanBase = kTwelveDegreesSingle,
                     .speed = Speed::kConstant,
                     .value = kTriFanSpeed},
            .timer = {.wrap = kTriFanClockWrap, .triggers = kTriFanMoments}};
}

constexpr BulletPool<EnemyShot56> kTriFans[] = {
    TriFan<BossCTriFan01>(nullptr, 0.0f),
    TriFan<BossCTriFan02>(nullptr, 0.0f),
    TriFan<BossCTriFan03>(kBossC, 60.0f),
    TriFan<BossCTriFan04>(kBossC, 360.0f),
};

// ---- Five-way fans
// ------------------------------------------------------------------------------------------

// Groups of five stacked in a short column, the middle one lowest, that fall while spreading sideways at
// (member - 2) x 50 px/s; some sets also slide sideways as a whole.
constexpr int kFiveWayGroup = 5;
constexpr float kFiveWaySpread[kFiveWayGroup] = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f};
constexpr float kLowStack[kFiveWayGroup] = {60.0f, 83.0f, 90.0f, 83.0f, 60.0f};
constexpr float kHighStack[kFiveWayGroup] = {30.0f, 53.0f, 60.0f, 53.0f, 30.0f};
constexpr int kFastMoments[kFiveWayFanCount / kFiveWayGroup] = {10, 20, 30, 40, 50, 80, 90, 100, 120, 130};
constexpr int kSlideMoments[kFiveWayFanCount / kFiveWayGroup] = {10, 20, 30, 60, 70, 80, 110, 120, 130, 140};
constexpr int kSlowMoments[kFiveWayFanCount / kFiveWayGroup] = {60,  120, 180, 240, 300,
                                                                360, 420, 480, 540, 600};
constexpr PoolLook kPlainShot{
    .picture = &PicVALL20, .cellWidth = kSmallShotSize, .cellHeight = kSmallShotSize, .everyRecord = true};
constexpr PoolLook kSpinningShot{.picture = &PicVAL20241,
                                 .cellWidth = kSmallShotSize,
                                 .cellHeight = kSmallShotSize,
                                 .frames = kSmallShotFrames,
                                 .everyRecord = true};

struct FiveWayTimer {
    int wrap;
    const int* moments;
};
constexpr FiveWayTimer kNeverArmed{1, nullptr};

template <auto& Records>
constexpr BulletPool<EnemyDrop> FiveWay(SourceAt source, float startX, const float* stack, float fall,
                                        float slide, FiveWayTimer timer, const PoolLook& look) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = kFiveWayGroup,
            .look = look,
            .move = {.motion = Motion::kVelocity,
                     .sideSign = slide != 0.0f ? 1 : 0,
                     .setsFall = true,
                     .fall = fall,
                     .setsSide = slide != 0.0f,
                     .side = slide,
                     .drift = kFiveWaySpread},
            .bounds = kBottomOnly,
            .retire = Retire::kParkActive,
            .honoursClear = true,
            .hit = {10.0f, 30.0f, 20.0f, 30.0f},
            .fire = {.source = source, .offsetX = startX, .memberY = stack, .place = Place::kGroupY},
            .timer = {.wrap = timer.wrap, .triggers = timer.moments}};
}

constexpr BulletPool<EnemyDrop> kFiveWays[] = {
    FiveWay<BossCFan01>(kBossC, 210.0f, kLowStack, 210.0f, 0.0f, {150, kFastMoments}, kPlainShot),
    FiveWay<BossCFan02>(nullptr, 0.0f, kLowStack, 250.0f, 30.0f, kNeverArmed, kSpinningShot),
    FiveWay<BossCFan03>(nullptr, 0.0f, kLowStack, 250.0f, -30.0f, kNeverArmed, kSpinningShot),
    FiveWay<BossCFan04>(kBossC, 150.0f, kLowStack, 110.0f, 90.0f, {200, kSlideMoments}, kPlainShot),
    FiveWay<BossCFan05>(kBossC, 270.0f, kLowStack, 110.0f, -90.0f, {200, kSlideMoments}, kPlainShot),
    FiveWay<BossCFan06>(kBossC, 90.0f, kHighStack, 280.0f, 0.0f, {720, kSlowMoments}, kPlainShot),
    FiveWay<BossCFan07>(kBossC, 330.0f, kHighStack, 280.0f, 0.0f, {720, kSlowMoments}, kPlainShot),
};

// ---- Drop bombs
// ----------------------------------------------------------------------------------------------

// Every pod of a group leaves one release point, falls at the group's speed and drifts at its own.
constexpr float kPairDrift[kBossCPodPairCount] = {-30.0f, 30.0f};
constexpr float kTripleDrift[kBossCPodTripleCount] = {-39.0f, 0.0f, 39.0f};
constexpr float kQuadDrift[kBossCPodQuadCount] = {-28.0f, 28.0f, -80.0f, 80.0f};
constexpr int kPodSize = 16;

template <auto& Records>
constexpr BulletPool<EnemyDrop> Pods(float releaseX, float releaseY, float fall, const float* drift) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = kCountOf<Records>,
            .look = {.picture = &PicVAL13,
                     .blit = Blit::kKeyed,
                     .cellWidth = kPodSize,
                     .cellHeight = kPodSize,
                     .everyRecord = true},
            .move = {.motion = Motion::kVelocity, .setsFall = true, .fall = fall, .drift = drift},
            .bounds = kBottomOnly,
            .retire = Retire::kParkActive,
            .honoursClear = true,
            .hit = {14.0f, 30.0f, 24.0f, 30.0f},
            .fire = {.source = kBossC, .offsetX = releaseX, .offsetY = releaseY}};
}

constexpr BulletPool<EnemyDrop> kPods[] = {
    Pods<BossCPods01>(212.0f, 200.0f, 140.0f, kPairDrift),
    Pods<BossCPods02>(182.0f, 110.0f, 140.0f, kPairDrift),
    Pods<BossCPods03>(242.0f, 110.0f, 140.0f, kPairDrift),
    Pods<BossCPods04>(212.0f, 200.0f, 120.0f, kTripleDrift),
    Pods<BossCPods05>(162.0f, 150.0f, 120.0f, kTripleDrift),
    Pods<BossCPods06>(262.0f, 150.0f, 120.0f, kTripleDrift),
    Pods<BossCPods07>(132.0f, 110.0f, 120.0f, kTripleDrift),
    Pods<BossCPods08>(292.0f, 110.0f, 120.0f, kTripleDrift),
    Pods<BossCPods09>(212.0f, 200.0f, 110.0f, kQuadDrift),
};

}  // namespace

void FireBossCTwin01(int index, int first) {
    ArmPoolRecord(kTwins[0], index, first);
}
void FireBossCTwin02(int index, int first) {
    ArmPoolRecord(kTwins[1], index, first);
}
void FireBossCTwin03(int index, int first) {
    ArmPoolRecord(kTwins[2], index, first);
}
void UpdateBossCTwin01() {
    TickPoolTimers(kTwins[0]);
}
void UpdateBossCTwin02() {
    TickPoolTimers(kTwins[1]);
}
void UpdateBossCTwin03() {
    TickPoolTimers(kTwins[2]);
}
void MoveBossCTwin01() {
    MovePool(kTwins[0]);
}
void MoveBossCTwin02() {
    MovePool(kTwins[1]);
}
void MoveBossCTwin03() {
    MovePool(kTwins[2]);
}
void DrawBossCTwin01() {
    DrawPool(kTwins[0]);
}
void DrawBossCTwin02() {
    DrawPool(kTwins[1]);
}
void DrawBossCTwin03() {
    DrawPool(kTwins[2]);
}
void FireBossCTriFan03(int index, int first) {
    ArmPoolRecord(kTriFans[2], index, first);
}
void FireBossCTriFan04(int index, int first) {
    ArmPoolRecord(kTriFans[3], index, first);
}
void UpdateBossCTriFan03() {
    TickPoolTimers(kTriFans[2]);
}
void UpdateBossCTriFan04() {
    TickPoolTimers(kTriFans[3]);
}
void MoveBossCTriFan01() {
    MovePool(kTriFans[0]);
}
void MoveBossCTriFan02() {
    MovePool(kTriFans[1]);
}
void MoveBossCTriFan03() {
    MovePool(kTriFans[2]);
}
void MoveBossCTriFan04() {
    MovePool(kTriFans[3]);
}
void DrawBossCTriFan01() {
    DrawPool(kTriFans[0]);
}
void DrawBossCTriFan02() {
    DrawPool(kTriFans[1]);
}
void DrawBossCTriFan03() {
    DrawPool(kTriFans[2]);
}
void DrawBossCTriFan04() {
    DrawPool(kTriFans[3]);
}
void FireBossCFan01(int index, int first) {
    ArmPoolRecord(kFiveWays[0], index, first);
}
void FireBossCFan04(int index, int first) {
    ArmPoolRecord(kFiveWays[3], index, first);
}
void FireBossCFan05(int index, int first) {
    ArmPoolRecord(kFiveWays[4], index, first);
}
void FireBossCFan06(int index, int first) {
    ArmPoolRecord(kFiveWays[5], index, first);
}
void FireBossCFan07(int index, int first) {
    ArmPoolRecord(kFiveWays[6], index, first);
}
void UpdateBossCFan01() {
    TickPoolTimers(kFiveWays[0]);
}
void UpdateBossCFan04() {
    TickPoolTimers(kFiveWays[3]);
}
void UpdateBossCFan05() {
    TickPoolTimers(kFiveWays[4]);
}
void UpdateBossCFan06() {
    TickPoolTimers(kFiveWays[5]);
}
void UpdateBossCFan07() {
    TickPoolTimers(kFiveWays[6]);
}
void MoveBossCFan01() {
    MovePool(kFiveWays[0]);
}
void MoveBossCFan02() {
    MovePool(kFiveWays[1]);
}
void MoveBossCFan03() {
    MovePool(kFiveWays[2]);
}
void MoveBossCFan04() {
    MovePool(kFiveWays[3]);
}
void MoveBossCFan05() {
    MovePool(kFiveWays[4]);
}
void MoveBossCFan06() {
    MovePool(kFiveWays[5]);
}
void MoveBossCFan07() {
    MovePool(kFiveWays[6]);
}
void DrawBossCFan01() {
    DrawPool(kFiveWays[0]);
}
void DrawBossCFan02() {
    DrawPool(kFiveWays[1]);
}
void DrawBossCFan03() {
    DrawPool(kFiveWays[2]);
}
void DrawBossCFan04() {
    DrawPool(kFiveWays[3]);
}
void DrawBossCFan05() {
    DrawPool(kFiveWays[4]);
}
void DrawBossCFan06() {
    DrawPool(kFiveWays[5]);
}
void DrawBossCFan07() {
    DrawPool(kFiveWays[6]);
}
void LaunchBossCPods01() {
    FirePool(kPods[0]);
}
void LaunchBossCPods02() {
    FirePool(kPods[1]);
}
void LaunchBossCPods03() {
    FirePool(kPods[2]);
}
void LaunchBossCPods04() {
    FirePool(kPods[3]);
}
void LaunchBossCPods05() {
    FirePool(kPods[4]);
}
void LaunchBossCPods06() {
    FirePool(kPods[5]);
}
void LaunchBossCPods07() {
    FirePool(kPods[6]);
}
void LaunchBossCPods08() {
    FirePool(kPods[7]);
}
void LaunchBossCPods09() {
    FirePool(kPods[8]);
}
void MoveBossCPods01() {
    MovePool(kPods[0]);
}
void MoveBossCPods02() {
    MovePool(kPods[1]);
}
void MoveBossCPods03() {
    MovePool(kPods[2]);
}
void MoveBossCPods04() {
    MovePool(kPods[3]);
}
void MoveBossCPods05() {
    MovePool(kPods[4]);
}
void MoveBossCPods06() {
    MovePool(kPods[5]);
}
void MoveBossCPods07() {
    MovePool(kPods[6]);
}
void MoveBossCPods08() {
    MovePool(kPods[7]);
}
void MoveBossCPods09() {
    MovePool(kPods[8]);
}
void DrawBossCPods01() {
    DrawPool(kPods[0]);
}
void DrawBossCPods02() {
    DrawPool(kPods[1]);
}
void DrawBossCPods03() {
    DrawPool(kPods[2]);
}
void DrawBossCPods04() {
    DrawPool(kPods[3]);
}
void DrawBossCPods05() {
    DrawPool(kPods[4]);
}
void DrawBossCPods06() {
    DrawPool(kPods[5]);
}
void DrawBossCPods07() {
    DrawPool(kPods[6]);
}
void DrawBossCPods08() {
    DrawPool(kPods[7]);
}
void DrawBossCPods09() {
    DrawPool(kPods[8]);
}
