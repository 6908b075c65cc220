#include "game/stage_b/boss_b_aimed.h"

#include "game/core/picture_slots.h"
#include "game/stage_b/boss_b_pool_rows.h"

namespace {

using namespace boss_b_rows;

// ---- Spreads: 220 px/s from boss + (x, 130), fanned 12 degrees apart round the ship + (10, 10) ---------

constexpr int kSpreadTriggers[] = {40, 80, 120, 160, 200};
constexpr PoolLook kSpreadLook{.picture = &PicVAL40L2,
                               .blit = Blit::kRotated,
                               .cellWidth = 39,
                               .cellHeight = 39,
                               .boxRight = 39,
                               .boxBottom = 39,
                               .everyRecord = true,
                               .storeDegrees = true};

template <auto& Records>
constexpr BulletPool<EnemyShot> Spread(float muzzleX, int groupSize) {
    // The fan is centred: from -(groupSize - 1) / 2 steps to as many after.
    const double fanBase = Degrees(12.0) * ((groupSize - 1) / 2);
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = groupSize,
            .look = kSpreadLook,
            .bounds = {40.0f, 40.0f, kRight, kBottom},
            .honoursClear = true,
            .hit = {-10.0f, 30.0f, 0.0f, 30.0f},
            .fire = {.source = kBoss,
                     .offsetX = muzzleX,
                     .offsetY = 130.0f,
                     .aim = Aim::kPlayer,
                     .aimX = 10.0f,
                     .aimY = 10.0f,
                     .fanStep = Degrees(12.0),
                     .fanBase = fanBase,
                     .speed = Speed::kConstant,
                     .value = 220.0f},
            .timer = {.wrap = 260, .triggers = kSpreadTriggers}};
}

constexpr BulletPool<EnemyShot> kSpreads[] = {
    Spread<BossBSpread01>(130.0f, 3),  Spread<BossBSpread02>(330.0f, 3),  Spread<BossBSpread03>(110.0f, 7),
    Spread<BossBSpread04>(350.0f, 7),  Spread<BossBSpread05>(230.0f, 11), Spread<BossBSpread06>(100.0f, 11),
    Spread<BossBSpread07>(360.0f, 11),
};

// ---- Lines: five bullets from boss + (x, 100) on one ray toward the ship + (15, 15) plus the line's turn --

constexpr float kLineSpeeds[kBossBLineCount] = {170.0f, 200.0f, 230.0f, 250.0f, 270.0f};

template <auto& Records>
constexpr BulletPool<EnemyShot60> Line(float muzzleX, double turnDegrees, const int* picture) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = kBossBLineCount,
            .look = {.picture = picture,
                     .blit = Blit::kRotated,
                     .cellWidth = 30,
                     .cellHeight = 30,
                     .everyRecord = true},
            .bounds = {30.0f, 30.0f, kRight, kBottom},
            .retire = Retire::kGroupInPlace,
            .honoursClear = false,
            .hit = {0.0f, 30.0f, 10.0f, 30.0f},
            .hitsEveryRecord = true,
            .fire = {.source = kBoss,
                     .offsetX = muzzleX,
                     .offsetY = 100.0f,
                     .aim = Aim::kPlayer,
                     .aimX = 15.0f,
                     .aimY = 15.0f,
                     .extraAngle = Degrees(turnDegrees),
                     .speed = Speed::kByIndex,
                     .speeds = kLineSpeeds}};
}

constexpr float kLeftMuzzle = 115.0f;
constexpr float kRightMuzzle = 355.0f;
constexpr BulletPool<EnemyShot60> kLines[] = {
    Line<BossBLine01>(kLeftMuzzle, 54.0, &PicVALL301),   Line<BossBLine02>(kLeftMuzzle, 36.0, &PicVALL301),
    Line<BossBLine03>(kLeftMuzzle, 18.0, &PicVALL301),   Line<BossBLine04>(kLeftMuzzle, 0.0, &PicVALL302),
    Line<BossBLine05>(kLeftMuzzle, -18.0, &PicVALL301),  Line<BossBLine06>(kLeftMuzzle, -36.0, &PicVALL301),
    Line<BossBLine07>(kRightMuzzle, -54.0, &PicVALL301), Line<BossBLine08>(kRightMuzzle, -36.0, &PicVALL301),
    Line<BossBLine09>(kRightMuzzle, -18.0, &PicVALL301), Line<BossBLine10>(kRightMuzzle, 0.0, &PicVALL302),
    Line<BossBLine11>(kRightMuzzle, 18.0, &PicVALL301),  Line<BossBLine12>(kRightMuzzle, 36.0, &PicVALL301),
};

// ---- Rings: twelve records a group at 140 px/s from boss + (x, 130), 30 degrees apart by pool index ----

constexpr int kRingGroup = 12;
constexpr int kRingTriggers[] = {30, 50, 90, 110, 130, 150};

template <auto& Records>
constexpr BulletPool<EnemyShot56> Ring(float muzzleX) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = kRingGroup,
            .look = Animated(&PicVAL20241, 20, 24),
            .bounds = {20.0f, 20.0f, kRight, kBottom},
            .honoursClear = true,
            .hit = {10.0f, 30.0f, 20.0f, 30.0f},
            .fire = {.source = kBoss,
                     .offsetX = muzzleX,
                     .offsetY = 130.0f,
                     .aim = Aim::kPlayer,
                     .aimX = 20.0f,
                     .aimY = 20.0f,
                     .fanStep = Degrees(30.0),
                     .fanFromPoolStart = true,
                     .speed = Speed::kConstant,
                     .value = 140.0f},
            .timer = {.wrap = 200, .triggers = kRingTriggers}};
}

constexpr BulletPool<EnemyShot56> kRings[] = {Ring<BossBRing01>(140.0f), Ring<BossBRing02>(340.0f)};

}  // namespace

void DrawBossBSpread01() {
    DrawPool(kSpreads[0]);
}
void FireBossBSpreadShot01(int index, int first) {
    ArmPoolRecord(kSpreads[0], index, first);
}
void UpdateBossBSpread01() {
    TickPoolTimers(kSpreads[0]);
}
void MoveBossBSpread01() {
    MovePool(kSpreads[0]);
}
void DrawBossBSpread02() {
    DrawPool(kSpreads[1]);
}
void FireBossBSpreadShot02(int index, int first) {
    ArmPoolRecord(kSpreads[1], index, first);
}
void UpdateBossBSpread02() {
    TickPoolTimers(kSpreads[1]);
}
void MoveBossBSpread02() {
    MovePool(kSpreads[1]);
}
void DrawBossBSpread03() {
    DrawPool(kSpreads[2]);
}
void FireBossBSpreadShot03(int index, int first) {
    ArmPoolRecord(kSpreads[2], index, first);
}
void UpdateBossBSpread03() {
    TickPoolTimers(kSpreads[2]);
}
void MoveBossBSpread03() {
    MovePool(kSpreads[2]);
}
void DrawBossBSpread04() {
    DrawPool(kSpreads[3]);
}
void FireBossBSpreadShot04(int index, int first) {
    ArmPoolRecord(kSpreads[3], index, first);
}
void UpdateBossBSpread04() {
    TickPoolTimers(kSpreads[3]);
}
void MoveBossBSpread04() {
    MovePool(kSpreads[3]);
}
void DrawBossBSpread05() {
    DrawPool(kSpreads[4]);
}
void FireBossBSpreadShot05(int index, int first) {
    ArmPoolRecord(kSpreads[4], index, first);
}
void UpdateBossBSpread05() {
    TickPoolTimers(kSpreads[4]);
}
void MoveBossBSpread05() {
    MovePool(kSpreads[4]);
}
void DrawBossBSpread06() {
    DrawPool(kSpreads[5]);
}
void FireBossBSpreadShot06(int index, int first) {
    ArmPoolRecord(kSpreads[5], index, first);
}
void UpdateBossBSpread06() {
    TickPoolTimers(kSpreads[5]);
}
void MoveBossBSpread06() {
    MovePool(kSpreads[5]);
}
void DrawBossBSpread07() {
    DrawPool(kSpreads[6]);
}
void FireBossBSpreadShot07(int index, int first) {
    ArmPoolRecord(kSpreads[6], index, first);
}
void UpdateBossBSpread07() {
    TickPoolTimers(kSpreads[6]);
}
void MoveBossBSpread07() {
    MovePool(kSpreads[6]);
}
void DrawBossBLine01() {
    DrawPool(kLines[0]);
}
void FireBossBLine01() {
    FirePool(kLines[0]);
}
void MoveBossBLine01() {
    MovePool(kLines[0]);
}
void DrawBossBLine02() {
    DrawPool(kLines[1]);
}
void FireBossBLine02() {
    FirePool(kLines[1]);
}
void MoveBossBLine02() {
    MovePool(kLines[1]);
}
void DrawBossBLine03() {
    DrawPool(kLines[2]);
}
void FireBossBLine03() {
    FirePool(kLines[2]);
}
void MoveBossBLine03() {
    MovePool(kLines[2]);
}
void DrawBossBLine04() {
    DrawPool(kLines[3]);
}
void FireBossBLine04() {
    FirePool(kLines[3]);
}
void MoveBossBLine04() {
    MovePool(kLines[3]);
}
void DrawBossBLine05() {
    DrawPool(kLines[4]);
}
void FireBossBLine05() {
    FirePool(kLines[4]);
}
void MoveBossBLine05() {
    MovePool(kLines[4]);
}
void DrawBossBLine06() {
    DrawPool(kLines[5]);
}
void FireBossBLine06() {
    FirePool(kLines[5]);
}
void MoveBossBLine06() {
    MovePool(kLines[5]);
}
void DrawBossBLine07() {
    DrawPool(kLines[6]);
}
void FireBossBLine07() {
    FirePool(kLines[6]);
}
void MoveBossBLine07() {
    MovePool(kLines[6]);
}
void DrawBossBLine08() {
    DrawPool(kLines[7]);
}
void FireBossBLine08() {
    FirePool(kLines[7]);
}
void MoveBossBLine08() {
    MovePool(kLines[7]);
}
void DrawBossBLine09() {
    DrawPool(kLines[8]);
}
void FireBossBLine09() {
    FirePool(kLines[8]);
}
void MoveBossBLine09() {
    MovePool(kLines[8]);
}
void DrawBossBLine10() {
    DrawPool(kLines[9]);
}
void FireBossBLine10() {
    FirePool(kLines[9]);
}
void MoveBossBLine10() {
    MovePool(kLines[9]);
}
void DrawBossBLine11() {
    DrawPool(kLines[10]);
}
void FireBossBLine11() {
    FirePool(kLines[10]);
}
void MoveBossBLine11() {
    MovePool(kLines[10]);
}
void DrawBossBLine12() {
    DrawPool(kLines[11]);
}
void FireBossBLine12() {
    FirePool(kLines[11]);
}
void MoveBossBLine12() {
    MovePool(kLines[11]);
}
void DrawBossBRing01() {
    DrawPool(kRings[0]);
}
void FireBossBRing01(int index) {
    ArmPoolRecord(kRings[0], index, index);
}
void UpdateBossBRing01() {
    TickPoolTimers(kRings[0]);
}
void MoveBossBRing01() {
    MovePool(kRings[0]);
}
void DrawBossBRing02() {
    DrawPool(kRings[1]);
}
void FireBossBRing02(int index) {
    ArmPoolRecord(kRings[1], index, index);
}
void UpdateBossBRing02() {
    TickPoolTimers(kRings[1]);
}
void MoveBossBRing02() {
    MovePool(kRings[1]);
}
