#include "build_config.h"
#include "game/core/picture_slots.h"
#include "game/enemies/bullet_pool.h"
#include "game/stage_a/boss_a_pools.h"
#include "game/stage_a/stage_a_entities.h"

namespace {

constexpr float kRight = build::kMoverRight;
constexpr float kBottom = build::kMoverBottom;
constexpr SourceAt kBossA = PositionOf<BossARecord>;
// Every pool fires from the boss's row of guns, 100 to 170 pixels below its top edge.
constexpr float kMuzzleY = 130.0f;

constexpr PoolLook Animated(const int* picture, int size, int frames) {
    return {.picture = picture, .cellWidth = size, .cellHeight = size, .frames = frames, .everyRecord = true};
}
constexpr PoolLook kRoundShot = Animated(&PicVAL20241, 20, 24);
constexpr PoolLook kPlainShot = Animated(&PicVALL20, 20, 1);
constexpr PoolBounds kShotBounds{20.0f, 20.0f, kRight, kBottom};
constexpr HitWindow kShotHit{10.0f, 30.0f, 20.0f, 30.0f};

// ---- Aimed volleys
// -----------------------------------------------------------------------------------------

constexpr float kVolleySpeeds[kBossAVolleyCount] = {260.0f, 280.0f, 300.0f, 320.0f, 340.0f};
constexpr float kVolleySourceY = 100.0f;
constexpr PoolLook kVolleyPellet = Animated(&PicVAL201, 20, 7);
constexpr PoolLook kVolleyDart{
    .picture = &PicVALL301, .blit = Blit::kRotated, .cellWidth = 30, .cellHeight = 30, .everyRecord = true};

// Volleys 01 and 02 are round pellets with the narrower margins; the others darts.
constexpr BulletPool<EnemyShot60> Volley(EnemyShot60* records, float sourceX, float aim, int extraDegrees,
                                         bool pellet) {
    const float margin = pellet ? 20.0f : 30.0f;
    return {.records = records,
            .count = kBossAVolleyCount,
            .groupSize = kBossAVolleyCount,
            .look = pellet ? kVolleyPellet : kVolleyDart,
            .bounds = {margin, margin, kRight, kBottom},
            .retire = Retire::kGroupInPlace,
            .hit = pellet ? kShotHit : HitWindow{0.0f, 30.0f, 10.0f, 30.0f},
            .hitsEveryRecord = true,
            .fire = {.source = kBossA,
                     .offsetX = sourceX,
                     .offsetY = kVolleySourceY,
                     .aim = Aim::kPlayer,
                     .aimX = aim,
                     .aimY = aim,
                     .extraAngle = Degrees(extraDegrees),
                     .speed = Speed::kByIndex,
                     .speeds = kVolleySpeeds,
                     .rewriteGroupSpeeds = true}};
}

constexpr BulletPool<EnemyShot60> kVolleys[] = {
    Volley(BossAVolley01, 90.0f, 20.0f, 0, true),   Volley(BossAVolley02, 90.0f, 20.0f, 0, true),
    Volley(BossAVolley03, 85.0f, 15.0f, 18, false), Volley(BossAVolley04, 85.0f, 9.0f, 0, false),
    Volley(BossAVolley05, 85.0f, 9.0f, -18, false), Volley(BossAVolley06, 85.0f, 15.0f, 18, false),
    Volley(BossAVolley07, 85.0f, 15.0f, 0, false),  Volley(BossAVolley08, 85.0f, 15.0f, -18, false),
    Volley(BossAVolley09, 105.0f, 15.0f, 0, false), Volley(BossAVolley10, 305.0f, 15.0f, 0, false),
};

// ---- Aimed spreads
// -----------------------------------------------------------------------------------------

constexpr double kFanStep = Degrees(12.0);
constexpr int kFiveWay = 5;
constexpr int kSevenWay = 7;
constexpr int kLongTriggers[] = {40, 80, 120, 160, 200};
constexpr int kMidTriggers[] = {30, 60, 90, 120, 150};
constexpr int kShortTriggers[] = {20, 40, 60, 80, 100};

// Spread 01's darts are stored with the whole degrees they are drawn at.
constexpr PoolLook kSpreadDart{.picture = &PicVAL40L,
                               .blit = Blit::kRotated,
                               .cellWidth = 39,
                               .cellHeight = 39,
                               .boxRight = 39,
                               .boxBottom = 39,
                               .everyRecord = true,
                               .storeDegrees = true};

struct SpreadSet {
    EnemyShot* records;
    int count;
    int way;
    int wrap;
    const int* triggers;
    float sourceX;
    float aim;
    float speed;
    float margin;
    HitWindow hit;
    PoolLook look;
};

constexpr BulletPool<EnemyShot> Spread(const SpreadSet& s) {
    return {.records = s.records,
            .count = s.count,
            .groupSize = s.way,
            .look = s.look,
            .bounds = {s.margin, s.margin, kRight, kBottom},
            .honoursClear = true,
            .hit = s.hit,
            .fire = {.source = kBossA,
                     .offsetX = s.sourceX,
                     .offsetY = kMuzzleY,
                     .aim = Aim::kPlayer,
                     .aimX = s.aim,
                     .aimY = s.aim,
                     .fanStep = kFanStep,
                     .fanBase = (s.way / 2) * kFanStep,
                     .speed = Speed::kConstant,
                     .value = s.speed},
            .timer = {.wrap = s.wrap, .triggers = s.triggers}};
}

constexpr BulletPool<EnemyShot> kSpreads[] = {
    Spread({BossASpread01,
            kBossASpreadShortCount,
            kFiveWay,
            260,
            kLongTriggers,
            200.0f,
            10.0f,
            220.0f,
            40.0f,
            {-10.0f, 30.0f, 0.0f, 30.0f},
            kSpreadDart}),
    Spread({BossASpread02, kBossASpreadShortCount, kFiveWay, 260, kLongTriggers, 210.0f, 20.0f, 220.0f, 20.0f,
            kShotHit, kRoundShot}),
    Spread({BossASpread03, kBossASpreadLongCount, kSevenWay, 150, kMidTriggers, 210.0f, 20.0f, 200.0f, 20.0f,
            kShotHit, kPlainShot}),
    Spread({BossASpread04, kBossASpreadLongCount, kSevenWay, 130, kShortTriggers, 210.0f, 20.0f, 200.0f,
            20.0f, kShotHit, kRoundShot}),
};

// ---- Spiral streams
// ----------------------------------------------------------------------------------------

// A stream's counter runs 1..359 and starts again at 10; record k leaves when it reads 10 (k + 1).
constexpr int kSpiralPeriod = 10;
constexpr int kSpiralWrap = 360;
constexpr double kSpiralTurn = Degrees(10.0);
constexpr float kSpiralSpeed = 110.0f;

constexpr BulletPool<EnemyShot> Spiral(EnemyShot* records, int stream, float muzzleX, int turnSign) {
    return {.records = records,
            .count = kBossASpiralCount,
            .look = kRoundShot,
            .bounds = kShotBounds,
            .honoursClear = true,
            .hit = kShotHit,
            .fire = {.source = kBossA,
                     .offsetX = muzzleX,
                     .offsetY = kMuzzleY,
                     .aim = Aim::kFixedHeading,
                     .fanStep = turnSign * kSpiralTurn,
                     .speed = Speed::kConstant,
                     .value = kSpiralSpeed},
            .timer = {.wrap = kSpiralWrap,
                      .wrapTo = kSpiralPeriod,
                      .counter = &BossASpiralCounters[stream],
                      .period = kSpiralPeriod,
                      .firstMultiple = 1}};
}

constexpr BulletPool<EnemyShot> kSpirals[] = {
    Spiral(BossASpiral01, 0, 210.0f, -1), Spiral(BossASpiral02, 1, 210.0f, 1),
    Spiral(BossASpiral03, 2, 120.0f, -1), Spiral(BossASpiral04, 3, 120.0f, 1),
    Spiral(BossASpiral05, 4, 300.0f, 1),  Spiral(BossASpiral06, 5, 300.0f, -1),
};

// ---- Shot pools and gun shots
// ------------------------------------------------------------------------------

constexpr BulletPool<EnemyShot> Shots(EnemyShot* records, Motion motion) {
    return {.records = records,
            .count = kBossAShotCount,
            .look = kRoundShot,
            .move = {.motion = motion},
            .bounds = kShotBounds,
            .honoursClear = true,
            .hit = kShotHit};
}

constexpr BulletPool<EnemyShot> kShots[] = {
    Shots(BossAShots01, Motion::kHeadingBackward), Shots(BossAShots02, Motion::kHeading),
    Shots(BossAShots03, Motion::kHeading),         Shots(BossAShots04, Motion::kHeading),
    Shots(BossAShots05, Motion::kHeading),         Shots(BossAShots06, Motion::kHeading),
};

// A gun shot that hits the ship is gone; the others fly on.
constexpr BulletPool<EnemyShot60Timed> kGunShots{
    .records = BossAGunShots01,
    .count = kBossAGunShotCount,
    .look = {.picture = &PicVALL20, .blit = Blit::kKeyed, .cellWidth = 20, .cellHeight = 20},
    .bounds = kShotBounds,
    .honoursClear = true,
    .hit = kShotHit,
    .hitParks = true};

}  // namespace

void FireBossAVolley01() {
    FirePool(kVolleys[0]);
}
void FireBossAVolley02() {
    FirePool(kVolleys[1]);
}
void FireBossAVolley03() {
    FirePool(kVolleys[2]);
}
void FireBossAVolley04() {
    FirePool(kVolleys[3]);
}
void FireBossAVolley05() {
    FirePool(kVolleys[4]);
}
void FireBossAVolley06() {
    FirePool(kVolleys[5]);
}
void FireBossAVolley07() {
    FirePool(kVolleys[6]);
}
void FireBossAVolley08() {
    FirePool(kVolleys[7]);
}
void FireBossAVolley09() {
    FirePool(kVolleys[8]);
}
void FireBossAVolley10() {
    FirePool(kVolleys[9]);
}
void MoveBossAVolley01() {
    MovePool(kVolleys[0]);
}
void MoveBossAVolley02() {
    MovePool(kVolleys[1]);
}
void MoveBossAVolley03() {
    MovePool(kVolleys[2]);
}
void MoveBossAVolley04() {
    MovePool(kVolleys[3]);
}
void MoveBossAVolley05() {
    MovePool(kVolleys[4]);
}
void MoveBossAVolley06() {
    MovePool(kVolleys[5]);
}
void MoveBossAVolley07() {
    MovePool(kVolleys[6]);
}
void MoveBossAVolley08() {
    MovePool(kVolleys[7]);
}
void MoveBossAVolley09() {
    MovePool(kVolleys[8]);
}
void MoveBossAVolley10() {
    MovePool(kVolleys[9]);
}
void DrawBossAVolley01() {
    DrawPool(kVolleys[0]);
}
void DrawBossAVolley02() {
    DrawPool(kVolleys[1]);
}
void DrawBossAVolley03() {
    DrawPool(kVolleys[2]);
}
void DrawBossAVolley04() {
    DrawPool(kVolleys[3]);
}
void DrawBossAVolley05() {
    DrawPool(kVolleys[4]);
}
void DrawBossAVolley06() {
    DrawPool(kVolleys[5]);
}
void DrawBossAVolley07() {
    DrawPool(kVolleys[6]);
}
void DrawBossAVolley08() {
    DrawPool(kVolleys[7]);
}
void DrawBossAVolley09() {
    DrawPool(kVolleys[8]);
}
void DrawBossAVolley10() {
    DrawPool(kVolleys[9]);
}

void FireBossASpread01() {
    TickPoolTimers(kSpreads[0]);
}
void FireBossASpread02() {
    TickPoolTimers(kSpreads[1]);
}
void FireBossASpread03() {
    TickPoolTimers(kSpreads[2]);
}
void FireBossASpread04() {
    TickPoolTimers(kSpreads[3]);
}
void FireBossASpreadShot01(int index, int first) {
    ArmPoolRecord(kSpreads[0], index, first);
}
void FireBossASpreadShot02(int index, int first) {
    ArmPoolRecord(kSpreads[1], index, first);
}
void FireBossASpreadShot03(int index, int first) {
    ArmPoolRecord(kSpreads[2], index, first);
}
void FireBossASpreadShot04(int index, int first) {
    ArmPoolRecord(kSpreads[3], index, first);
}
void MoveBossASpread01() {
    MovePool(kSpreads[0]);
}
void MoveBossASpread02() {
    MovePool(kSpreads[1]);
}
void MoveBossASpread03() {
    MovePool(kSpreads[2]);
}
void MoveBossASpread04() {
    MovePool(kSpreads[3]);
}
void DrawBossASpread01() {
    DrawPool(kSpreads[0]);
}
void DrawBossASpread02() {
    DrawPool(kSpreads[1]);
}
void DrawBossASpread03() {
    DrawPool(kSpreads[2]);
}
void DrawBossASpread04() {
    DrawPool(kSpreads[3]);
}

void UpdateBossASpiral01() {
    TickPoolCounter(kSpirals[0]);
}
void UpdateBossASpiral02() {
    TickPoolCounter(kSpirals[1]);
}
void UpdateBossASpiral03() {
    TickPoolCounter(kSpirals[2]);
}
void UpdateBossASpiral04() {
    TickPoolCounter(kSpirals[3]);
}
void UpdateBossASpiral05() {
    TickPoolCounter(kSpirals[4]);
}
void UpdateBossASpiral06() {
    TickPoolCounter(kSpirals[5]);
}
void FireBossASpiralShot01(int index, int k) {
    ArmPoolRecord(kSpirals[0], index, k);
}
void FireBossASpiralShot02(int index, int k) {
    ArmPoolRecord(kSpirals[1], index, k);
}
void FireBossASpiralShot03(int index, int k) {
    ArmPoolRecord(kSpirals[2], index, k);
}
void FireBossASpiralShot04(int index, int k) {
    ArmPoolRecord(kSpirals[3], index, k);
}
void FireBossASpiralShot05(int index, int k) {
    ArmPoolRecord(kSpirals[4], index, k);
}
void FireBossASpiralShot06(int index, int k) {
    ArmPoolRecord(kSpirals[5], index, k);
}
void MoveBossASpiral01() {
    MovePool(kSpirals[0]);
}
void MoveBossASpiral02() {
    MovePool(kSpirals[1]);
}
void MoveBossASpiral03() {
    MovePool(kSpirals[2]);
}
void MoveBossASpiral04() {
    MovePool(kSpirals[3]);
}
void MoveBossASpiral05() {
    MovePool(kSpirals[4]);
}
void MoveBossASpiral06() {
    MovePool(kSpirals[5]);
}
void DrawBossASpiral01() {
    DrawPool(kSpirals[0]);
}
void DrawBossASpiral02() {
    DrawPool(kSpirals[1]);
}
void DrawBossASpiral03() {
    DrawPool(kSpirals[2]);
}
void DrawBossASpiral04() {
    DrawPool(kSpirals[3]);
}
void DrawBossASpiral05() {
    DrawPool(kSpirals[4]);
}
void DrawBossASpiral06() {
    DrawPool(kSpirals[5]);
}

void MoveBossAShots01() {
    MovePool(kShots[0]);
}
void MoveBossAShots02() {
    MovePool(kShots[1]);
}
void MoveBossAShots03() {
    MovePool(kShots[2]);
}
void MoveBossAShots04() {
    MovePool(kShots[3]);
}
void MoveBossAShots05() {
    MovePool(kShots[4]);
}
void MoveBossAShots06() {
    MovePool(kShots[5]);
}
void DrawBossAShots01() {
    DrawPool(kShots[0]);
}
void DrawBossAShots02() {
    DrawPool(kShots[1]);
}
void DrawBossAShots03() {
    DrawPool(kShots[2]);
}
void DrawBossAShots04() {
    DrawPool(kShots[3]);
}
void DrawBossAShots05() {
    DrawPool(kShots[4]);
}
void DrawBossAShots06() {
    DrawPool(kShots[5]);
}
void MoveBossAGunShots01() {
    MovePool(kGunShots);
}
void DrawBossAGunShots01() {
    DrawPool(kGunShots);
}
