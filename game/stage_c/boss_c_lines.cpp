#include "game/stage_c/boss_c_lines.h"

#include "build_config.h"
#include "game/core/picture_slots.h"
#include "game/enemies/bullet_pool.h"
#include "game/stage_c/stage_c_entities.h"

namespace {

constexpr SourceAt kBossC = PositionOf<BossCRecord>;

// Speeds by the bullet's place in its line: record 0 is the slowest, so it leaves the field last.
constexpr float kAimedSpeeds[kShotLineShortCount] = {170.0f, 200.0f, 230.0f, 250.0f, 270.0f};
constexpr float kFastSpeeds[kShotLineLongCount] = {260.0f, 280.0f, 300.0f, 320.0f,
                                                   340.0f, 360.0f, 380.0f, 400.0f};
// The turn of a side gun's lines, in single-precision radians; positive turns clockwise on the screen.
constexpr double kTurn30 = 0.5235987901687622;
constexpr double kTurn60 = 1.0471975803375244;
constexpr double kTurn90 = 1.5707963705062866;
// Guns, from the boss's corner.
constexpr FloatPoint kLeftGun{85.0f, 100.0f};
constexpr FloatPoint kRightGun{325.0f, 100.0f};
constexpr FloatPoint kNoGun{0.0f, 0.0f};

enum Drift : int { kDriftLeft = -1, kNoDrift = 0, kDriftRight = 1 };

// One rule for every line: bounds tested on record 0 only, the line freed in place when it leaves, every
// record hit-tested, no clearing.
template <auto& Records>
constexpr BulletPool<EnemyShot60> Line(SourceAt source, FloatPoint gun, double turn, const float* speeds,
                                       Drift drift = kNoDrift) {
    constexpr int kCount = kCountOf<Records>;
    return {.records = Records,
            .count = kCount,
            .groupSize = kCount,
            .look = {.picture = &PicVALL3011,
                     .blit = Blit::kRotated,
                     .cellWidth = 30,
                     .cellHeight = 30,
                     .everyRecord = true},
            .move = {.rampSide = drift},
            .bounds = {30.0f, 30.0f, build::kMoverRight, build::kMoverBottom},
            .retire = Retire::kGroupInPlace,
            .hit = {0.0f, 30.0f, 10.0f, 30.0f},
            .hitsEveryRecord = true,
            .fire = {.source = source,
                     .offsetX = gun.x,
                     .offsetY = gun.y,
                     .aim = Aim::kPlayer,
                     .aimX = 15.0f,
                     .aimY = 15.0f,
                     .extraAngle = turn,
                     .speed = Speed::kByIndex,
                     .speeds = speeds,
                     .rewriteGroupSpeeds = true,
                     .resetsRamp = drift != kNoDrift}};
}

template <auto& Records>
constexpr BulletPool<EnemyShot60> Unarmed() {
    return Line<Records>(nullptr, kNoGun, 0.0, kAimedSpeeds);
}

constexpr BulletPool<EnemyShot60> kLines[] = {
    Unarmed<BossShotLine01>(),
    Unarmed<BossShotLine02>(),
    Line<BossShotLine03>(kBossC, kLeftGun, kTurn90, kAimedSpeeds),
    Line<BossShotLine04>(kBossC, kLeftGun, kTurn60, kAimedSpeeds),
    Line<BossShotLine05>(kBossC, kLeftGun, kTurn30, kAimedSpeeds),
    Line<BossShotLine06>(kBossC, kLeftGun, 0.0, kAimedSpeeds),
    Line<BossShotLine07>(kBossC, kLeftGun, -kTurn30, kAimedSpeeds),
    Line<BossShotLine08>(kBossC, kLeftGun, -kTurn60, kAimedSpeeds),
    Line<BossShotLine09>(kBossC, kLeftGun, -kTurn90, kAimedSpeeds),
    Unarmed<BossShotLine10>(),
    Unarmed<BossShotLine11>(),
    Unarmed<BossShotLine12>(),
    Unarmed<BossShotLine13>(),
    Unarmed<BossShotLine14>(),
    Line<BossShotLine15>(kBossC, kRightGun, -kTurn90, kAimedSpeeds),
    Line<BossShotLine16>(kBossC, kRightGun, -kTurn60, kAimedSpeeds),
    Line<BossShotLine17>(kBossC, kRightGun, -kTurn30, kAimedSpeeds),
    Line<BossShotLine18>(kBossC, kRightGun, 0.0, kAimedSpeeds),
    Line<BossShotLine19>(kBossC, kRightGun, kTurn30, kAimedSpeeds),
    Line<BossShotLine20>(kBossC, kRightGun, kTurn60, kAimedSpeeds),
    Line<BossShotLine21>(kBossC, kRightGun, kTurn90, kAimedSpeeds),
    Unarmed<BossShotLine22>(),
    Unarmed<BossShotLine23>(),
    Unarmed<BossShotLine24>(),
    Line<BossShotLine25>(kBossC, {105.0f, 100.0f}, 0.0, kFastSpeeds),
    Line<BossShotLine26>(kBossC, {305.0f, 100.0f}, 0.0, kFastSpeeds),
    Line<BossShotLine27>(kBossC, {75.0f, 140.0f}, 0.0, kFastSpeeds),
    Line<BossShotLine28>(kBossC, {335.0f, 140.0f}, 0.0, kFastSpeeds),
    Line<BossShotLine29>(kBossC, {105.0f, 100.0f}, 0.0, kFastSpeeds, kDriftLeft),
    Line<BossShotLine30>(kBossC, {305.0f, 100.0f}, 0.0, kFastSpeeds, kDriftRight),
};
static_assert(sizeof(kLines) / sizeof(kLines[0]) == 30);

}  // namespace

void FireBossShotLine03() {
    FirePool(kLines[2]);
}
void FireBossShotLine04() {
    FirePool(kLines[3]);
}
void FireBossShotLine05() {
    FirePool(kLines[4]);
}
void FireBossShotLine06() {
    FirePool(kLines[5]);
}
void FireBossShotLine07() {
    FirePool(kLines[6]);
}
void FireBossShotLine08() {
    FirePool(kLines[7]);
}
void FireBossShotLine09() {
    FirePool(kLines[8]);
}
void FireBossShotLine15() {
    FirePool(kLines[14]);
}
void FireBossShotLine16() {
    FirePool(kLines[15]);
}
void FireBossShotLine17() {
    FirePool(kLines[16]);
}
void FireBossShotLine18() {
    FirePool(kLines[17]);
}
void FireBossShotLine19() {
    FirePool(kLines[18]);
}
void FireBossShotLine20() {
    FirePool(kLines[19]);
}
void FireBossShotLine21() {
    FirePool(kLines[20]);
}
void FireBossShotLine25() {
    FirePool(kLines[24]);
}
void FireBossShotLine26() {
    FirePool(kLines[25]);
}
void FireBossShotLine27() {
    FirePool(kLines[26]);
}
void FireBossShotLine28() {
    FirePool(kLines[27]);
}
void FireBossShotLine29() {
    FirePool(kLines[28]);
}
void FireBossShotLine30() {
    FirePool(kLines[29]);
}
void MoveBossShotLine01() {
    MovePool(kLines[0]);
}
void MoveBossShotLine02() {
    MovePool(kLines[1]);
}
void MoveBossShotLine03() {
    MovePool(kLines[2]);
}
void MoveBossShotLine04() {
    MovePool(kLines[3]);
}
void MoveBossShotLine05() {
    MovePool(kLines[4]);
}
void MoveBossShotLine06() {
    MovePool(kLines[5]);
}
void MoveBossShotLine07() {
    MovePool(kLines[6]);
}
void MoveBossShotLine08() {
    MovePool(kLines[7]);
}
void MoveBossShotLine09() {
    MovePool(kLines[8]);
}
void MoveBossShotLine10() {
    MovePool(kLines[9]);
}
void MoveBossShotLine11() {
    MovePool(kLines[10]);
}
void MoveBossShotLine12() {
    MovePool(kLines[11]);
}
void MoveBossShotLine13() {
    MovePool(kLines[12]);
}
void MoveBossShotLine14() {
    MovePool(kLines[13]);
}
void MoveBossShotLine15() {
    MovePool(kLines[14]);
}
void MoveBossShotLine16() {
    MovePool(kLines[15]);
}
void MoveBossShotLine17() {
    MovePool(kLines[16]);
}
void MoveBossShotLine18() {
    MovePool(kLines[17]);
}
void MoveBossShotLine19() {
    MovePool(kLines[18]);
}
void MoveBossShotLine20() {
    MovePool(kLines[19]);
}
void MoveBossShotLine21() {
    MovePool(kLines[20]);
}
void MoveBossShotLine22() {
    MovePool(kLines[21]);
}
void MoveBossShotLine23() {
    MovePool(kLines[22]);
}
void MoveBossShotLine24() {
    MovePool(kLines[23]);
}
void MoveBossShotLine25() {
    MovePool(kLines[24]);
}
void MoveBossShotLine26() {
    MovePool(kLines[25]);
}
void MoveBossShotLine27() {
    MovePool(kLines[26]);
}
void MoveBossShotLine28() {
    MovePool(kLines[27]);
}
void MoveBossShotLine29() {
    MovePool(kLines[28]);
}
void MoveBossShotLine30() {
    MovePool(kLines[29]);
}
void DrawBossShotLine01() {
    DrawPool(kLines[0]);
}
void DrawBossShotLine02() {
    DrawPool(kLines[1]);
}
void DrawBossShotLine03() {
    DrawPool(kLines[2]);
}
void DrawBossShotLine04() {
    DrawPool(kLines[3]);
}
void DrawBossShotLine05() {
    DrawPool(kLines[4]);
}
void DrawBossShotLine06() {
    DrawPool(kLines[5]);
}
void DrawBossShotLine07() {
    DrawPool(kLines[6]);
}
void DrawBossShotLine08() {
    DrawPool(kLines[7]);
}
void DrawBossShotLine09() {
    DrawPool(kLines[8]);
}
void DrawBossShotLine10() {
    DrawPool(kLines[9]);
}
void DrawBossShotLine11() {
    DrawPool(kLines[10]);
}
void DrawBossShotLine12() {
    DrawPool(kLines[11]);
}
void DrawBossShotLine13() {
    DrawPool(kLines[12]);
}
void DrawBossShotLine14() {
    DrawPool(kLines[13]);
}
void DrawBossShotLine15() {
    DrawPool(kLines[14]);
}
void DrawBossShotLine16() {
    DrawPool(kLines[15]);
}
void DrawBossShotLine17() {
    DrawPool(kLines[16]);
}
void DrawBossShotLine18() {
    DrawPool(kLines[17]);
}
void DrawBossShotLine19() {
    DrawPool(kLines[18]);
}
void DrawBossShotLine20() {
    DrawPool(kLines[19]);
}
void DrawBossShotLine21() {
    DrawPool(kLines[20]);
}
void DrawBossShotLine22() {
    DrawPool(kLines[21]);
}
void DrawBossShotLine23() {
    DrawPool(kLines[22]);
}
void DrawBossShotLine24() {
    DrawPool(kLines[23]);
}
void DrawBossShotLine25() {
    DrawPool(kLines[24]);
}
void DrawBossShotLine26() {
    DrawPool(kLines[25]);
}
void DrawBossShotLine27() {
    DrawPool(kLines[26]);
}
void DrawBossShotLine28() {
    DrawPool(kLines[27]);
}
void DrawBossShotLine29() {
    DrawPool(kLines[28]);
}
void DrawBossShotLine30() {
    DrawPool(kLines[29]);
}
