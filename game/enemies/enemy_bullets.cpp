#include "game/enemies/enemy_bullets.h"

#include "build_config.h"
#include "game/core/picture_slots.h"
#include "game/enemies/bullet_pool.h"
#include "game/enemies/enemy_pools.h"

namespace {

constexpr float kRight = build::kMoverRight;
constexpr float kNarrowRight = build::kMoverNarrowRight;
constexpr float kBottom = build::kMoverBottom;
// The fan step of the carrier missiles: 12 degrees a record, from -24 degrees.
constexpr double kTwelveDegrees = 0.20943951023931953;
constexpr double kCarrierFanStart = 0.41887903213500977;

constexpr float kVolleySpeeds[kSpreadGroupSize] = {260.0f, 280.0f, 300.0f, 320.0f, 340.0f};
constexpr float kShotLineSpeeds[kSpreadGroupSize] = {140.0f, 160.0f, 180.0f, 200.0f, 220.0f};
constexpr int kRightCells[kSpreadGroupSize] = {30, 30, 30, 30, 30};

// ---- Looks ------------------------------------------------------------------------------------------------

constexpr PoolLook kPelletLook{.picture = &PicVAL16241, .frames = 24};
constexpr PoolLook kDartLook{.picture = &PicVALL302,
                             .blit = Blit::kRotated,
                             .cellWidth = 30,
                             .cellHeight = 30,
                             .offsetX = -5,
                             .offsetY = -5};
constexpr PoolLook kSpreadLooks[] = {
    {.picture = &PicVAL16241, .frames = 24, .offsetX = 2, .offsetY = 2},
    {.picture = &PicVALL301,
     .blit = Blit::kRotated,
     .cellWidth = 30,
     .cellHeight = 30,
     .offsetX = -5,
     .offsetY = -5},
    {.picture = &PicVALL302,
     .blit = Blit::kRotated,
     .cellWidth = 30,
     .cellHeight = 30,
     .offsetX = -5,
     .offsetY = -5,
     .headingOf = SmallEnemyShots},
};
constexpr PoolLook kShotLooks[] = {kPelletLook, kDartLook};

constexpr PoolLook Rotated(const int* picture, Angle angle = Angle::k270MinusDegrees) {
    return {.picture = picture, .blit = Blit::kRotated, .cellWidth = 30, .cellHeight = 30, .angle = angle};
}
constexpr PoolLook Additive(const int* picture, int size, int frames, bool everyRecord = false) {
    return {.picture = picture,
            .cellWidth = size,
            .cellHeight = size,
            .frames = frames,
            .everyRecord = everyRecord};
}

// ---- Heading pools ----------------------------------------------------------------------------------------

constexpr PoolBounds kWideBounds{30.0f, 30.0f, kRight, kBottom};

constexpr BulletPool<EnemyShot60> kSmallEnemyShots{.records = SmallEnemyShots,
                                                   .count = kSmallEnemyCount,
                                                   .look = kPelletLook,
                                                   .bounds = kWideBounds,
                                                   .honoursClear = true,
                                                   .hit = {10.0f, 30.0f, 20.0f, 30.0f},
                                                   .fire = {.source = SlotOf<SmallEnemies>,
                                                            .offsetX = 25.0f,
                                                            .offsetY = 50.0f,
                                                            .aim = Aim::kPlayer,
                                                            .aimX = 15.0f,
                                                            .aimY = 15.0f,
                                                            .speed = Speed::kRandom,
                                                            .randomModulo = 50,
                                                            .randomBase = 130}};

constexpr BulletPool<EnemyShot60> kSmallEnemySpreads{.records = SmallEnemySpreads,
                                                     .count = kSmallEnemySpreadCount,
                                                     .groupSize = kSpreadGroupSize,
                                                     .look = kSpreadLooks[0],
                                                     .bounds = kWideBounds,
                                                     .retire = Retire::kGroupInPlace,
                                                     .honoursClear = true,
                                                     .hit = {10.0f, 30.0f, 10.0f, 30.0f},
                                                     .hitsEveryRecord = true,
                                                     .fire = {.source = SlotOf<SmallEnemies>,
                                                              .offsetX = 25.0f,
                                                              .offsetY = 25.0f,
                                                              .aim = Aim::kPlayer,
                                                              .aimX = 15.0f,
                                                              .aimY = 15.0f,
                                                              .speed = Speed::kByIndex,
                                                              .speeds = kVolleySpeeds,
                                                              .rewriteGroupSpeeds = true}};

template <auto& Records, auto& Source>
constexpr BulletPool<EnemyShot60> SpinnerVolley() {
    return {.records = Records,
            .count = kSpinnerVolleyCount,
            .groupSize = kSpreadGroupSize,
            .look = Rotated(&PicVALL301),
            .bounds = kWideBounds,
            .retire = Retire::kGroupInPlace,
            .honoursClear = true,
            .hit = {0.0f, 30.0f, 10.0f, 30.0f},
            .hitsEveryRecord = true,
            .fire = {.source = SlotOf<Source>,
                     .offsetX = 25.0f,
                     .offsetY = 25.0f,
                     .aim = Aim::kPlayer,
                     .aimX = 15.0f,
                     .aimY = 15.0f,
                     .speed = Speed::kByIndex,
                     .speeds = kVolleySpeeds,
                     .rewriteGroupSpeeds = true}};
}
constexpr BulletPool<EnemyShot60> kSpinnerVolleys1 = SpinnerVolley<SpinnerVolleys1, Spinners1>();
constexpr BulletPool<EnemyShot60> kSpinnerVolleys2 = SpinnerVolley<SpinnerVolleys2, Spinners2>();

// Carrier sets 1 and 4 fire five groups of five on a 260-tick cycle; the others five groups of three on a
// cycle that wraps once past 100.
constexpr int kCarrierLongTriggers[] = {40, 80, 120, 160, 200};
constexpr int kCarrierShortTriggers[] = {20, 40, 60, 80, 100};
template <auto& Records, auto& Carrier>
constexpr BulletPool<EnemyShot> CarrierMissiles(const int* picture, float offsetX, bool longSet) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = longSet ? 5 : 3,
            .look = Rotated(picture, Angle::kCarrier),
            .bounds = {30.0f, 30.0f, kRight, kBottom},
            .honoursClear = true,
            .hit = {0.0f, 30.0f, 10.0f, 30.0f},
            .fire = {.source = PositionOf<Carrier>,
                     .offsetX = offsetX,
                     .offsetY = 120.0f,
                     .aim = Aim::kPlayer,
                     .aimX = 15.0f,
                     .aimY = 15.0f,
                     .fanStep = kTwelveDegrees,
                     .fanBase = kCarrierFanStart,
                     .speed = Speed::kConstant,
                     .value = 220.0f},
            .timer = {.wrap = longSet ? 260 : 101,
                      .triggers = longSet ? kCarrierLongTriggers : kCarrierShortTriggers}};
}
constexpr BulletPool<EnemyShot> kCarrierMissiles[] = {
    CarrierMissiles<CarrierMissiles1, Carrier1>(&PicVALL302, 85.0f, true),
    CarrierMissiles<CarrierMissiles2, Carrier1>(&PicVALL301, 5.0f, false),
    CarrierMissiles<CarrierMissiles3, Carrier1>(&PicVALL301, 165.0f, false),
    CarrierMissiles<CarrierMissiles4, Carrier2>(&PicVALL302, 85.0f, true),
    CarrierMissiles<CarrierMissiles5, Carrier2>(&PicVALL301, 5.0f, false),
    CarrierMissiles<CarrierMissiles6, Carrier2>(&PicVALL301, 165.0f, false),
};

template <auto& Records, auto& Shooters>
constexpr BulletPool<EnemyShot60> FormationShots() {
    return {.records = Records,
            .count = kFormationShooterCount,
            .look = kPelletLook,
            .bounds = {16.0f, 16.0f, kNarrowRight, kBottom},
            .honoursClear = true,
            .hit = {14.0f, 30.0f, 24.0f, 30.0f},
            .fire = {.source = SlotOf<Shooters>,
                     .offsetX = 42.0f,
                     .offsetY = 50.0f,
                     .aim = Aim::kPlayer,
                     .aimX = 22.0f,
                     .aimY = 22.0f,
                     .speed = Speed::kRandom,
                     .randomModulo = 100,
                     .randomBase = 210}};
}
constexpr BulletPool<EnemyShot60> kFormationShots[] = {FormationShots<FormationShots1, FormationShooters1>(),
                                                       FormationShots<FormationShots2, FormationShooters2>(),
                                                       FormationShots<FormationShots3, FormationShooters3>(),
                                                       FormationShots<FormationShots4, FormationShooters4>()};

template <auto& Records>
constexpr BulletPool<EnemyShot60> SpinShots() {
    return {.records = Records,
            .count = kCountOf<Records>,
            .look = Additive(&PicVAL201, 20, 7, true),
            .bounds = {20.0f, 20.0f, kNarrowRight, kBottom},
            .honoursClear = true,
            .hit = {10.0f, 30.0f, 20.0f, 30.0f}};
}
constexpr BulletPool<EnemyShot60> kSpinShots[] = {
    SpinShots<SpinShots01>(), SpinShots<SpinShots02>(), SpinShots<SpinShots03>(), SpinShots<SpinShots04>(),
    SpinShots<SpinShots05>(), SpinShots<SpinShots06>(), SpinShots<SpinShots07>(), SpinShots<SpinShots08>()};

template <auto& Records>
constexpr BulletPool<AimedPellet> AimedPellets() {
    return {.records = Records,
            .count = kAimedPelletCount,
            .look = Additive(&PicVAL1, 16, 16, true),
            .bounds = {16.0f, 16.0f, kRight, kBottom},
            .honoursClear = true,
            .hit = {14.0f, 30.0f, 24.0f, 30.0f}};
}
constexpr BulletPool<AimedPellet> kAimedPellets[] = {AimedPellets<AimedPellets1>(),
                                                     AimedPellets<AimedPellets2>()};

template <auto& Records>
constexpr BulletPool<EnemyShot60> Missiles() {
    return {.records = Records,
            .count = kMissileCount,
            .look = Rotated(&PicVALL302),
            .bounds = kWideBounds,
            .honoursClear = true,
            .hit = {0.0f, 30.0f, 10.0f, 30.0f}};
}
constexpr BulletPool<EnemyShot60> kMissiles[] = {Missiles<Missiles1>(), Missiles<Missiles2>()};

// ---- Velocity pools ---------------------------------------------------------------------------------------

// Falling pools are out above y -16 or below the bottom edge.
constexpr PoolBounds kFallBounds{0.0f, 16.0f, 0.0f, kBottom, kEdgeTop | kEdgeBottom};
constexpr HitWindow kPelletHit{14.0f, 30.0f, 24.0f, 30.0f};
constexpr HitWindow kShotLineHit{14.0f, 30.0f, 10.0f, 30.0f};

template <auto& Records>
constexpr BulletPool<EnemyDrop> Pellets(SourceAt source, float ox, float oy, PoolLook look, int sideSign,
                                        float side, Speed speed, float vy, bool clears) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .look = look,
            .move = {.motion = Motion::kVelocity, .sideSign = sideSign},
            .bounds = kFallBounds,
            .honoursClear = clears,
            .hit = kPelletHit,
            .fire = {.source = source,
                     .offsetX = ox,
                     .offsetY = oy,
                     .speed = speed,
                     .value = vy,
                     .randomModulo = 50,
                     .randomBase = 100,
                     .sideSpeed = side,
                     .writesVelocity = true}};
}
constexpr PoolLook kVal12 = Additive(&PicVAL12, 16, 1);
constexpr PoolLook kVal2 = Additive(&PicVAL2, 16, 16);
constexpr PoolLook kVal13 = Additive(&PicVAL13, 16, 1);
constexpr PoolLook kVal11 = Additive(&PicVAL11, 16, 1);
constexpr SourceAt kSpinner1 = SlotOf<Spinners1>;
constexpr SourceAt kSpinner2 = SlotOf<Spinners2>;
constexpr SourceAt kDiver = SlotOf<Divers>;
constexpr SourceAt kCarrier1 = PositionOf<Carrier1>;
constexpr SourceAt kCarrier2 = PositionOf<Carrier2>;
constexpr SourceAt kFlyer1 = SlotOf<WaveFlyers1>;
constexpr SourceAt kFlyer2 = SlotOf<WaveFlyers2>;
constexpr Speed kRand = Speed::kRandom;
constexpr Speed kFixed = Speed::kConstant;

constexpr BulletPool<EnemyDrop> kPellets[] = {
    Pellets<Pellets01>(kSpinner1, 32, 50, kVal12, 0, 0, kRand, 0, true),
    Pellets<Pellets02>(kSpinner1, 32, 50, kVal12, -1, 0, kRand, 0, true),
    Pellets<Pellets03>(kSpinner1, 32, 50, kVal12, 1, 0, kRand, 0, true),
    Pellets<Pellets04>(kSpinner2, 32, 50, kVal12, 0, 0, kRand, 0, true),
    Pellets<Pellets05>(kSpinner2, 32, 50, kVal12, -1, 0, kRand, 0, true),
    Pellets<Pellets06>(kSpinner2, 32, 50, kVal12, 1, 0, kRand, 0, true),
    Pellets<Pellets07>(kDiver, 32, 70, kVal2, 0, 0, kRand, 0, true),
    Pellets<Pellets08>(kDiver, 32, 70, kVal2, -1, 30, kRand, 0, true),
    Pellets<Pellets09>(kDiver, 32, 70, kVal2, 1, 30, kRand, 0, true),
    Pellets<Pellets10>(kDiver, 32, 70, kVal2, -1, 46, kRand, 0, true),
    Pellets<Pellets11>(kDiver, 32, 70, kVal2, 1, 46, kRand, 0, true),
    Pellets<Pellets12>(nullptr, 0, 0, kVal13, 0, 0, kRand, 0, true),
    Pellets<Pellets13>(nullptr, 0, 0, kVal13, -1, 0, kRand, 0, true),
    Pellets<Pellets14>(nullptr, 0, 0, kVal13, 1, 0, kRand, 0, true),
    Pellets<Pellets15>(nullptr, 0, 0, kVal13, 0, 0, kRand, 0, true),
    Pellets<Pellets16>(nullptr, 0, 0, kVal13, -1, 0, kRand, 0, true),
    Pellets<Pellets17>(nullptr, 0, 0, kVal13, 1, 0, kRand, 0, true),
    Pellets<Pellets18>(kCarrier1, 112, 50, kVal11, 0, 0, kFixed, 110, false),
    Pellets<Pellets19>(kCarrier1, 112, 50, kVal11, -1, 10, kFixed, 105, false),
    Pellets<Pellets20>(kCarrier1, 112, 50, kVal11, 1, 10, kFixed, 105, false),
    Pellets<Pellets21>(kCarrier1, 112, 50, kVal11, -1, 20, kFixed, 96, false),
    Pellets<Pellets22>(kCarrier1, 112, 50, kVal11, 1, 20, kFixed, 96, false),
    Pellets<Pellets23>(kCarrier2, 112, 50, kVal11, 0, 0, kFixed, 110, false),
    Pellets<Pellets24>(kCarrier2, 112, 50, kVal11, -1, 10, kFixed, 105, false),
    Pellets<Pellets25>(kCarrier2, 112, 50, kVal11, 1, 10, kFixed, 105, false),
    Pellets<Pellets26>(kCarrier2, 112, 50, kVal11, -1, 20, kFixed, 96, false),
    Pellets<Pellets27>(kCarrier2, 112, 50, kVal11, 1, 20, kFixed, 96, false),
    Pellets<Pellets28>(kFlyer1, 37, 40, kVal13, 0, 0, kFixed, 130, false),
    Pellets<Pellets29>(kFlyer1, 37, 44, kVal13, -1, 20, kFixed, 130, false),
    Pellets<Pellets30>(kFlyer1, 37, 44, kVal13, 1, 20, kFixed, 130, false),
    Pellets<Pellets31>(kFlyer1, 37, 30, kVal13, -1, 40, kFixed, 130, false),
    Pellets<Pellets32>(kFlyer2, 37, 40, kVal13, 0, 0, kFixed, 130, false),
    Pellets<Pellets33>(kFlyer2, 37, 44, kVal13, -1, 20, kFixed, 130, false),
    Pellets<Pellets34>(kFlyer2, 37, 44, kVal13, 1, 20, kFixed, 130, false),
    Pellets<Pellets35>(kFlyer2, 37, 30, kVal13, -1, 40, kFixed, 130, false),
};
constexpr int kPelletPools = static_cast<int>(sizeof(kPellets) / sizeof(kPellets[0]));

// Shot lines: the five pieces of a group fall at 140..220; the divers' lines drift sideways at one speed,
// the swoopers' fly diagonally as fast down as sideways.
template <auto& Records>
constexpr BulletPool<EnemyDrop> ShotLine(SourceAt source, float ox, float oy, PoolLook look, float side,
                                         int vxFromVy) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = kSpreadGroupSize,
            .look = look,
            .move = {.motion = Motion::kVelocity, .sideSign = 1},
            .bounds = kFallBounds,
            .honoursClear = true,
            .hit = kShotLineHit,
            .fire = {.source = source,
                     .offsetX = ox,
                     .offsetY = oy,
                     .speed = Speed::kByIndex,
                     .speeds = kShotLineSpeeds,
                     .rewriteGroupSpeeds = true,
                     .sideSpeed = side,
                     .vxFromVy = vxFromVy,
                     .writesVelocity = true}};
}
constexpr PoolLook kLineLook{.picture = &PicVAL15L, .cellWidth = 15, .cellHeight = 30};
constexpr PoolLook kSwoopLineLeft{.picture = &PicVAL151L, .cellWidth = 30, .cellHeight = 30};
constexpr PoolLook kSwoopLineRight{
    .picture = &PicVAL151L, .cellWidth = 30, .cellHeight = 30, .memberCellX = kRightCells};
constexpr BulletPool<EnemyDrop> kShotLines[] = {
    ShotLine<ShotLines1>(kDiver, 32, 70, kLineLook, 0, 0),
    ShotLine<ShotLines2>(kDiver, 32, 67, kLineLook, -8, 0),
    ShotLine<ShotLines3>(kDiver, 32, 67, kLineLook, 8, 0),
    ShotLine<ShotLines4>(kDiver, 32, 63, kLineLook, -17, 0),
    ShotLine<ShotLines5>(kDiver, 32, 63, kLineLook, 17, 0),
    ShotLine<ShotLines6>(SlotOf<Swoopers1>, 50, 50, kSwoopLineLeft, 0, 1),
    ShotLine<ShotLines7>(SlotOf<Swoopers2>, 10, 50, kSwoopLineRight, 0, -1),
};

bool IsSlot(int slot) {
    return slot >= 0 && slot < kSmallEnemyCount;
}

}  // namespace

void FireSmallEnemyShot(int slot) {
    if (IsSlot(slot)) FirePool(kSmallEnemyShots, slot);
}
void MoveSmallEnemyShot(int slot) {
    if (IsSlot(slot)) MovePool(kSmallEnemyShots, slot);
}
void DrawSmallEnemyShot(int slot, int style) {
    if (IsSlot(slot) && style >= 0 && style < 2) DrawPoolLook(kSmallEnemyShots, kShotLooks[style], slot);
}
void FireSmallEnemySpread(int slot) {
    if (IsSlot(slot)) FirePool(kSmallEnemySpreads, slot);
}
void MoveSmallEnemySpread(int slot) {
    if (IsSlot(slot)) MovePool(kSmallEnemySpreads, slot);
}
void DrawSmallEnemySpread(int slot, int style) {
    if (IsSlot(slot) && style >= 0 && style < 3) DrawPoolLook(kSmallEnemySpreads, kSpreadLooks[style], slot);
}

void RunSmallEnemyBullets() {
    // The aimed shots of slots 0..8 and the spreads of the slots that fire them, each in its style.
    struct SlotStyle {
        int slot;
        int style;
    };
    constexpr SlotStyle kShots[] = {{0, 0}, {1, 1}, {2, 1}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 1}, {8, 1}};
    constexpr SlotStyle kSpreads[] = {{1, 0}, {2, 0}, {3, 1}, {4, 1}, {7, 0}, {8, 0}};
    for (const SlotStyle& s : kShots) {
        MoveSmallEnemyShot(s.slot);
        DrawSmallEnemyShot(s.slot, s.style);
    }
    for (const SlotStyle& s : kSpreads) {
        MoveSmallEnemySpread(s.slot);
        DrawSmallEnemySpread(s.slot, s.style);
    }
}

void FireSpinnerVolleys1() {
    FirePool(kSpinnerVolleys1);
}
void FireSpinnerVolleys2() {
    FirePool(kSpinnerVolleys2);
}
void MoveSpinnerVolleys1() {
    MovePool(kSpinnerVolleys1);
}
void MoveSpinnerVolleys2() {
    MovePool(kSpinnerVolleys2);
}
void DrawSpinnerVolleys1() {
    DrawPool(kSpinnerVolleys1);
}
void DrawSpinnerVolleys2() {
    DrawPool(kSpinnerVolleys2);
}

void FireCarrierMissile1(int index, int first) {
    ArmPoolRecord(kCarrierMissiles[0], index, first);
}
void FireCarrierMissile2(int index, int first) {
    ArmPoolRecord(kCarrierMissiles[1], index, first);
}
void FireCarrierMissile3(int index, int first) {
    ArmPoolRecord(kCarrierMissiles[2], index, first);
}
void FireCarrierMissile4(int index, int first) {
    ArmPoolRecord(kCarrierMissiles[3], index, first);
}
void FireCarrierMissile5(int index, int first) {
    ArmPoolRecord(kCarrierMissiles[4], index, first);
}
void FireCarrierMissile6(int index, int first) {
    ArmPoolRecord(kCarrierMissiles[5], index, first);
}
void TickCarrierMissiles1() {
    TickPoolTimers(kCarrierMissiles[0]);
}
void TickCarrierMissiles2() {
    TickPoolTimers(kCarrierMissiles[1]);
}
void TickCarrierMissiles3() {
    TickPoolTimers(kCarrierMissiles[2]);
}
void TickCarrierMissiles4() {
    TickPoolTimers(kCarrierMissiles[3]);
}
void TickCarrierMissiles5() {
    TickPoolTimers(kCarrierMissiles[4]);
}
void TickCarrierMissiles6() {
    TickPoolTimers(kCarrierMissiles[5]);
}
void MoveCarrierMissiles1() {
    MovePool(kCarrierMissiles[0]);
}
void MoveCarrierMissiles2() {
    MovePool(kCarrierMissiles[1]);
}
void MoveCarrierMissiles3() {
    MovePool(kCarrierMissiles[2]);
}
void MoveCarrierMissiles4() {
    MovePool(kCarrierMissiles[3]);
}
void MoveCarrierMissiles5() {
    MovePool(kCarrierMissiles[4]);
}
void MoveCarrierMissiles6() {
    MovePool(kCarrierMissiles[5]);
}
void DrawCarrierMissiles1() {
    DrawPool(kCarrierMissiles[0]);
}
void DrawCarrierMissiles2() {
    DrawPool(kCarrierMissiles[1]);
}
void DrawCarrierMissiles3() {
    DrawPool(kCarrierMissiles[2]);
}
void DrawCarrierMissiles4() {
    DrawPool(kCarrierMissiles[3]);
}
void DrawCarrierMissiles5() {
    DrawPool(kCarrierMissiles[4]);
}
void DrawCarrierMissiles6() {
    DrawPool(kCarrierMissiles[5]);
}

void FireFormationShot1(int) {
    FirePool(kFormationShots[0]);
}
void FireFormationShot2(int) {
    FirePool(kFormationShots[1]);
}
void FireFormationShot3(int) {
    FirePool(kFormationShots[2]);
}
void FireFormationShot4(int) {
    FirePool(kFormationShots[3]);
}
void MoveFormationShots1() {
    MovePool(kFormationShots[0]);
}
void MoveFormationShots2() {
    MovePool(kFormationShots[1]);
}
void MoveFormationShots3() {
    MovePool(kFormationShots[2]);
}
void MoveFormationShots4() {
    MovePool(kFormationShots[3]);
}
void DrawFormationShots1() {
    DrawPool(kFormationShots[0]);
}
void DrawFormationShots2() {
    DrawPool(kFormationShots[1]);
}
void DrawFormationShots3() {
    DrawPool(kFormationShots[2]);
}
void DrawFormationShots4() {
    DrawPool(kFormationShots[3]);
}

void MoveSpinShots01() {
    MovePool(kSpinShots[0]);
}
void MoveSpinShots02() {
    MovePool(kSpinShots[1]);
}
void MoveSpinShots03() {
    MovePool(kSpinShots[2]);
}
void MoveSpinShots04() {
    MovePool(kSpinShots[3]);
}
void MoveSpinShots05() {
    MovePool(kSpinShots[4]);
}
void MoveSpinShots06() {
    MovePool(kSpinShots[5]);
}
void MoveSpinShots07() {
    MovePool(kSpinShots[6]);
}
void MoveSpinShots08() {
    MovePool(kSpinShots[7]);
}
void DrawSpinShots01() {
    DrawPool(kSpinShots[0]);
}
void DrawSpinShots02() {
    DrawPool(kSpinShots[1]);
}
void DrawSpinShots03() {
    DrawPool(kSpinShots[2]);
}
void DrawSpinShots04() {
    DrawPool(kSpinShots[3]);
}
void DrawSpinShots05() {
    DrawPool(kSpinShots[4]);
}
void DrawSpinShots06() {
    DrawPool(kSpinShots[5]);
}
void DrawSpinShots07() {
    DrawPool(kSpinShots[6]);
}
void DrawSpinShots08() {
    DrawPool(kSpinShots[7]);
}
void MoveAimedPellets1() {
    MovePool(kAimedPellets[0]);
}
void MoveAimedPellets2() {
    MovePool(kAimedPellets[1]);
}
void DrawAimedPellets1() {
    DrawPool(kAimedPellets[0]);
}
void DrawAimedPellets2() {
    DrawPool(kAimedPellets[1]);
}
void MoveMissiles1() {
    MovePool(kMissiles[0]);
}
void MoveMissiles2() {
    MovePool(kMissiles[1]);
}
void DrawMissiles1() {
    DrawPool(kMissiles[0]);
}
void DrawMissiles2() {
    DrawPool(kMissiles[1]);
}

void MovePellets(int n) {
    if (n >= 1 && n <= kPelletPools) MovePool(kPellets[n - 1]);
}
void DrawPellets(int n) {
    if (n >= 1 && n <= kPelletPools) DrawPool(kPellets[n - 1]);
}
void FirePellets01() {
    FirePool(kPellets[0]);
}
void FirePellets04() {
    FirePool(kPellets[3]);
}
void FirePellets07() {
    FirePool(kPellets[6]);
}
void FirePellets08() {
    FirePool(kPellets[7]);
}
void FirePellets09() {
    FirePool(kPellets[8]);
}
void FirePellets10() {
    FirePool(kPellets[9]);
}
void FirePellets11() {
    FirePool(kPellets[10]);
}
void FirePellets18() {
    FirePool(kPellets[17]);
}
void FirePellets19() {
    FirePool(kPellets[18]);
}
void FirePellets20() {
    FirePool(kPellets[19]);
}
void FirePellets21() {
    FirePool(kPellets[20]);
}
void FirePellets22() {
    FirePool(kPellets[21]);
}
void FirePellets23() {
    FirePool(kPellets[22]);
}
void FirePellets24() {
    FirePool(kPellets[23]);
}
void FirePellets25() {
    FirePool(kPellets[24]);
}
void FirePellets26() {
    FirePool(kPellets[25]);
}
void FirePellets27() {
    FirePool(kPellets[26]);
}
void FirePellets28() {
    FirePool(kPellets[27]);
}
void FirePellets29() {
    FirePool(kPellets[28]);
}
void FirePellets30() {
    FirePool(kPellets[29]);
}
void FirePellets31() {
    FirePool(kPellets[30]);
}
void FirePellets32() {
    FirePool(kPellets[31]);
}
void FirePellets33() {
    FirePool(kPellets[32]);
}
void FirePellets34() {
    FirePool(kPellets[33]);
}
void FirePellets35() {
    FirePool(kPellets[34]);
}
void FireShotLines1() {
    FirePool(kShotLines[0]);
}
void FireShotLines2() {
    FirePool(kShotLines[1]);
}
void FireShotLines3() {
    FirePool(kShotLines[2]);
}
void FireShotLines4() {
    FirePool(kShotLines[3]);
}
void FireShotLines5() {
    FirePool(kShotLines[4]);
}
void FireShotLines6() {
    FirePool(kShotLines[5]);
}
void FireShotLines7() {
    FirePool(kShotLines[6]);
}
void MoveShotLines1() {
    MovePool(kShotLines[0]);
}
void MoveShotLines2() {
    MovePool(kShotLines[1]);
}
void MoveShotLines3() {
    MovePool(kShotLines[2]);
}
void MoveShotLines4() {
    MovePool(kShotLines[3]);
}
void MoveShotLines5() {
    MovePool(kShotLines[4]);
}
void MoveShotLines6() {
    MovePool(kShotLines[5]);
}
void MoveShotLines7() {
    MovePool(kShotLines[6]);
}
void DrawShotLines1() {
    DrawPool(kShotLines[0]);
}
void DrawShotLines2() {
    DrawPool(kShotLines[1]);
}
void DrawShotLines3() {
    DrawPool(kShotLines[2]);
}
void DrawShotLines4() {
    DrawPool(kShotLines[3]);
}
void DrawShotLines5() {
    DrawPool(kShotLines[4]);
}
void DrawShotLines6() {
    DrawPool(kShotLines[5]);
}
void DrawShotLines7() {
    DrawPool(kShotLines[6]);
}
