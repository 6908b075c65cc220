#include "build_config.h"
#include "game/core/picture_slots.h"
#include "game/enemies/bullet_pool.h"
#include "game/stage_a/boss_a_pools.h"
#include "game/stage_a/stage_a_entities.h"

namespace {

constexpr SourceAt kBossA = PositionOf<BossARecord>;
// Falling pools are out below the bottom edge only.
constexpr PoolBounds kBelow{0.0f, 0.0f, 0.0f, build::kMoverBottom, kEdgeBottom};
constexpr HitWindow kSmallHit{10.0f, 30.0f, 20.0f, 30.0f};
constexpr int kPair = 2;

// Every falling pool falls at one speed, written into the record on each move; some also drift sideways,
// member by member, free records included.
struct FallSet {
    EnemyDrop* records;
    int count;
    int groupSize;
    float fall;
    const float* drift;
    int driftRepeat;
    bool honoursClear;
    HitWindow hit;
    PoolLook look;
};

// Timer-armed sets: every record's timer counts to the wrap and the group whose timer meets its trigger
// is armed at the boss, x and y per member where the group shares them.
struct ArmSet {
    int wrap;
    int wrapTo;
    const int* triggers;
    Place place;
    float offsetX;
    float offsetY;
    const float* memberX;
    const float* memberY;
};

constexpr BulletPool<EnemyDrop> Falling(const FallSet& f, const ArmSet& a) {
    return {.records = f.records,
            .count = f.count,
            .groupSize = f.groupSize,
            .look = f.look,
            .move = {.motion = Motion::kVelocity,
                     .setsFall = true,
                     .fall = f.fall,
                     .drift = f.drift,
                     .driftRepeat = f.driftRepeat},
            .bounds = kBelow,
            .honoursClear = f.honoursClear,
            .hit = f.hit,
            .fire = {.source = a.triggers != nullptr ? kBossA : nullptr,
                     .offsetX = a.offsetX,
                     .offsetY = a.offsetY,
                     .memberX = a.memberX,
                     .memberY = a.memberY,
                     .place = a.place},
            .timer = {.wrap = a.wrap, .wrapTo = a.wrapTo, .triggers = a.triggers}};
}

constexpr PoolLook Look(const int* picture, int width, int height, Blit blit = Blit::kAdditive) {
    return {.picture = picture, .blit = blit, .cellWidth = width, .cellHeight = height, .everyRecord = true};
}

// ---- Drops
// ---------------------------------------------------------------------------------------------------

// Pairs 8 and 9 wait for 150 and 160, which a timer wrapping at 150 never reads.
constexpr int kDropTriggers[] = {10, 20, 30, 70, 80, 90, 130, 140, 150, 160};
constexpr float kDropX[kPair] = {120.0f, 280.0f};
constexpr HitWindow kDropHit{0.0f, 20.0f, 0.0f, 20.0f};
constexpr ArmSet kDropArming{150, 0, kDropTriggers, Place::kGroupX, 0.0f, 130.0f, kDropX, nullptr};
// Drops 01 use the straight-falling cell; drops 02 the left- and right-leaning cells, and are blitted 20
// times over.
constexpr int kStraightCell[kPair] = {120, 120};
constexpr int kLeaningCells[kPair] = {80, 160};
constexpr int kDropRepeat = 20;
constexpr float kDropSpread[kPair] = {-120.0f, 120.0f};
constexpr PoolLook kDrop01Look{.picture = &PicVAL405,
                               .cellWidth = 40,
                               .cellHeight = 40,
                               .everyRecord = true,
                               .memberCellX = kStraightCell};
constexpr PoolLook kDrop02Look{.picture = &PicVAL405,
                               .cellWidth = 40,
                               .cellHeight = 40,
                               .everyRecord = true,
                               .repeat = kDropRepeat,
                               .memberCellX = kLeaningCells};

constexpr BulletPool<EnemyDrop> kDrops[] = {
    Falling({BossADrops01, kBossADropCount, kPair, 280.0f, nullptr, 1, true, kDropHit, kDrop01Look},
            kDropArming),
    Falling({BossADrops02, kBossADropCount, kPair, 250.0f, kDropSpread, 1, true, kDropHit, kDrop02Look},
            kDropArming),
};

// ---- Curtains
// ------------------------------------------------------------------------------------------------

constexpr int kCurtainGroup = 3;
constexpr int kCurtainTriggers[] = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600};
constexpr float kCurtainY[kCurtainGroup] = {90.0f, 113.0f, 120.0f};
// 30, 60 and 90 px/s, as three additions a frame.
constexpr float kCurtainDrift[kCurtainGroup] = {10.0f, 20.0f, 30.0f};
constexpr int kCurtainDriftRepeat = 3;
constexpr FallSet Curtain(EnemyDrop* records) {
    return {records, kBossACurtainCount, kCurtainGroup,
            120.0f,  kCurtainDrift,      kCurtainDriftRepeat,
            false,   kSmallHit,          Look(&PicVALL20, 20, 20, Blit::kKeyed)};
}
constexpr ArmSet kCurtainArming{800, 0, kCurtainTriggers, Place::kGroupY, 90.0f, 0.0f, nullptr, kCurtainY};
constexpr BulletPool<EnemyDrop> kCurtains[] = {Falling(Curtain(BossACurtain01), kCurtainArming),
                                               Falling(Curtain(BossACurtain02), kCurtainArming)};

// ---- Rain
// ----------------------------------------------------------------------------------------------------

// Rain 01 and 02: record k at 10 (k + 1); the last one waits for 200, where the timer wraps to 10.
constexpr int kRainTriggers[kBossARainCount] = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100,
                                                110, 120, 130, 140, 150, 160, 170, 180, 190, 200};
constexpr int kPairRainTriggers[] = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120};
constexpr HitWindow kLargeRainHit{-120.0f, 30.0f, -140.0f, 30.0f};
constexpr int kLargeRainWidth = 150;
constexpr int kLargeRainHeight = 170;
constexpr float kRain03X[kPair] = {110.0f, 310.0f};
constexpr float kRain04X[kPair] = {75.0f, 345.0f};

constexpr FallSet LargeRain(EnemyDrop* records, const int* picture) {
    return {records, kBossARainCount, 1,
            150.0f,  nullptr,         1,
            true,    kLargeRainHit,   Look(picture, kLargeRainWidth, kLargeRainHeight)};
}
constexpr FallSet PairRain(EnemyDrop* records) {
    return {records, kBossARainCount, kPair, 200.0f, nullptr, 1, true, kSmallHit, Look(&PicVALL20, 20, 20)};
}

constexpr BulletPool<EnemyDrop> kRain[] = {
    Falling(LargeRain(BossARain01, &PicVALARM11),
            {200, 10, kRainTriggers, Place::kRecord, 0.0f, 100.0f, nullptr, nullptr}),
    Falling(LargeRain(BossARain02, &PicVALARM12),
            {200, 10, kRainTriggers, Place::kRecord, 290.0f, 100.0f, nullptr, nullptr}),
    Falling(PairRain(BossARain03),
            {140, 0, kPairRainTriggers, Place::kGroupX, 0.0f, 170.0f, kRain03X, nullptr}),
    Falling(PairRain(BossARain04),
            {140, 0, kPairRainTriggers, Place::kGroupX, 0.0f, 150.0f, kRain04X, nullptr}),
};

// ---- Barrage
// -------------------------------------------------------------------------------------------------

constexpr int kDome = 7;
constexpr int kBarrageTriggers[] = {25, 50, 75, 100, 125};
constexpr float kDomeY[kDome] = {154.0f, 183.0f, 194.0f, 200.0f, 194.0f, 183.0f, 154.0f};
// -210 .. +210 px/s, as seven additions a frame.
constexpr float kDomeSpread[kDome] = {-30.0f, -20.0f, -10.0f, 0.0f, 10.0f, 20.0f, 30.0f};
constexpr int kDomeSpreadRepeat = 7;
constexpr BulletPool<EnemyDrop> kBarrage =
    Falling({BossABarrage,
             kBossABarrageCount,
             kDome,
             200.0f,
             kDomeSpread,
             kDomeSpreadRepeat,
             true,
             {-10.0f, 30.0f, 0.0f, 30.0f},
             Look(&PicVAL404, 40, 40)},
            {140, 0, kBarrageTriggers, Place::kGroupY, 200.0f, 0.0f, nullptr, kDomeY});

// ---- Pods
// ----------------------------------------------------------------------------------------------------

constexpr HitWindow kPodHit{14.0f, 30.0f, 24.0f, 30.0f};
constexpr PoolLook kPodLook = Look(&PicVAL12, 16, 16, Blit::kKeyed);
constexpr ArmSet kNeverArmed{0, 0, nullptr, Place::kRecord, 0.0f, 0.0f, nullptr, nullptr};
// Pods 01 part at 60 px/s (30 applied twice a frame); of pods 02 two part at 23 px/s; pods 03 part in
// pairs at 7 and 20 px/s. Each set is one group, so every pod drifts at its own speed.
constexpr float kPods01Spread[kPodPairCount] = {-30.0f, 30.0f};
constexpr float kPods02Spread[kPodTripleCount] = {-23.0f, 23.0f, 0.0f};
constexpr float kPods03Spread[kPodQuadCount] = {-7.0f, 7.0f, -20.0f, 20.0f};
constexpr BulletPool<EnemyDrop> kPods[] = {
    Falling({BossAPods01, kPodPairCount, kPodPairCount, 190.0f, kPods01Spread, 2, true, kPodHit, kPodLook},
            kNeverArmed),
    Falling(
        {BossAPods02, kPodTripleCount, kPodTripleCount, 220.0f, kPods02Spread, 1, true, kPodHit, kPodLook},
        kNeverArmed),
    Falling({BossAPods03, kPodQuadCount, kPodQuadCount, 260.0f, kPods03Spread, 1, true, kPodHit, kPodLook},
            kNeverArmed),
};

}  // namespace

void UpdateBossADropTimers01() {
    TickPoolTimers(kDrops[0]);
}
void UpdateBossADropTimers02() {
    TickPoolTimers(kDrops[1]);
}
void DropBossABomb01(int index, int first) {
    ArmPoolRecord(kDrops[0], index, first);
}
void DropBossABomb02(int index, int first) {
    ArmPoolRecord(kDrops[1], index, first);
}
void MoveBossADrop01() {
    MovePool(kDrops[0]);
}
void MoveBossADrop02() {
    MovePool(kDrops[1]);
}
void DrawBossADrop01() {
    DrawPool(kDrops[0]);
}
void DrawBossADrop02() {
    DrawPool(kDrops[1]);
}

void UpdateBossACurtain01() {
    TickPoolTimers(kCurtains[0]);
}
void UpdateBossACurtain02() {
    TickPoolTimers(kCurtains[1]);
}
void FireBossACurtainShot01(int index, int first) {
    ArmPoolRecord(kCurtains[0], index, first);
}
void FireBossACurtainShot02(int index, int first) {
    ArmPoolRecord(kCurtains[1], index, first);
}
void MoveBossACurtain01() {
    MovePool(kCurtains[0]);
}
void MoveBossACurtain02() {
    MovePool(kCurtains[1]);
}
void DrawBossACurtain01() {
    DrawPool(kCurtains[0]);
}
void DrawBossACurtain02() {
    DrawPool(kCurtains[1]);
}

void UpdateBossARain01() {
    TickPoolTimers(kRain[0]);
}
void UpdateBossARain02() {
    TickPoolTimers(kRain[1]);
}
void UpdateBossARain03() {
    TickPoolTimers(kRain[2]);
}
void UpdateBossARain04() {
    TickPoolTimers(kRain[3]);
}
void FireBossARainShot01(int index, int first) {
    ArmPoolRecord(kRain[0], index, first);
}
void FireBossARainShot02(int index, int first) {
    ArmPoolRecord(kRain[1], index, first);
}
void FireBossARainShot03(int index, int first) {
    ArmPoolRecord(kRain[2], index, first);
}
void FireBossARainShot04(int index, int first) {
    ArmPoolRecord(kRain[3], index, first);
}
void MoveBossARain01() {
    MovePool(kRain[0]);
}
void MoveBossARain02() {
    MovePool(kRain[1]);
}
void MoveBossARain03() {
    MovePool(kRain[2]);
}
void MoveBossARain04() {
    MovePool(kRain[3]);
}
void DrawBossARain01() {
    DrawPool(kRain[0]);
}
void DrawBossARain02() {
    DrawPool(kRain[1]);
}
void DrawBossARain03() {
    DrawPool(kRain[2]);
}
void DrawBossARain04() {
    DrawPool(kRain[3]);
}

void FireBossABarrage() {
    TickPoolTimers(kBarrage);
}
void FireBossABarrageShot(int index, int first) {
    ArmPoolRecord(kBarrage, index, first);
}
void MoveBossABarrage() {
    MovePool(kBarrage);
}
void DrawBossABarrage() {
    DrawPool(kBarrage);
}

void MoveBossAPods01() {
    MovePool(kPods[0]);
}
void MoveBossAPods02() {
    MovePool(kPods[1]);
}
void MoveBossAPods03() {
    MovePool(kPods[2]);
}
void DrawBossAPods01() {
    DrawPool(kPods[0]);
}
void DrawBossAPods02() {
    DrawPool(kPods[1]);
}
void DrawBossAPods03() {
    DrawPool(kPods[2]);
}
