#include "game/stage_b/boss_b_falling.h"

#include "game/core/picture_slots.h"
#include "game/stage_b/boss_b_pool_rows.h"

namespace {

using namespace boss_b_rows;

constexpr HitWindow kSmallHit{0.0f, 20.0f, 0.0f, 20.0f};
constexpr HitWindow kRingCellHit{10.0f, 30.0f, 20.0f, 30.0f};
constexpr HitWindow kRainHit{-10.0f, 30.0f, 0.0f, 30.0f};
constexpr HitWindow kPodHit{14.0f, 30.0f, 24.0f, 30.0f};
constexpr PoolLook kAnimatedCell = Animated(&PicVAL20241, 20, 24);

// Where a set's members start: the x of the armed record and the y of every member of its group (curtains,
// fans), the x of both shots of a pair and the armed record's y (rain, twins), or both for every member
// (wide fans).
constexpr PoolFire GroupY(float x, const float* memberY) {
    return {.source = kBoss, .offsetX = x, .memberY = memberY, .place = Place::kGroupY};
}
constexpr PoolFire PairX(const float* memberX, float y) {
    return {.source = kBoss, .offsetY = y, .memberX = memberX, .place = Place::kGroupX};
}
constexpr PoolFire GroupXY(const float* memberX, const float* memberY) {
    return {.source = kBoss, .memberX = memberX, .memberY = memberY, .place = Place::kGroupXY};
}

// ---- Curtains: ten columns of three, 230-call cycle; the one set that ignores ClearEnemyShots ------------

constexpr int kCurtainTriggers[] = {20, 40, 60, 80, 100, 140, 160, 180, 200, 220};
constexpr float kCurtainY[] = {90.0f, 113.0f, 120.0f};
constexpr float kCurtainDriftRight[] = {30.0f, 105.0f, 165.0f};
constexpr float kCurtainDriftLeft[] = {-30.0f, -105.0f, -165.0f};
constexpr int kCurtainCellsRight[] = {160, 200, 240};
constexpr int kCurtainCellsLeft[] = {0, 40, 80};

template <auto& Records>
constexpr BulletPool<EnemyDrop> Curtain(float x, const float* drift, const int* cells) {
    return Falling<Records>(3, Cells(&PicVAL405, 40, 40, cells, Blit::kKeyed), 190.0f, drift, kSmallHit,
                            GroupY(x, kCurtainY), {.wrap = 230, .triggers = kCurtainTriggers}, false);
}
constexpr BulletPool<EnemyDrop> kCurtains[] = {
    Curtain<BossBCurtain01>(110.0f, kCurtainDriftRight, kCurtainCellsRight),
    Curtain<BossBCurtain02>(350.0f, kCurtainDriftLeft, kCurtainCellsLeft),
};

// ---- Rain and twin shots: pairs, the two shots at the pair's own two muzzles -----------------------------

constexpr int kPairCells[] = {120, 120};
constexpr int kTwinCells[] = {80, 160};
constexpr int kRainTriggers[] = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120};
// The last two pairs' moments lie at and past the wrap: they never come.
constexpr int kTwinTriggers[] = {10, 20, 30, 70, 80, 90, 130, 140, 150, 160};
constexpr float kRain1X[] = {90.0f, 370.0f};
constexpr float kRain2X[] = {60.0f, 400.0f};
constexpr float kTwinX[] = {150.0f, 310.0f};
constexpr float kTwinDrift[] = {-120.0f, 120.0f};
// The second twin set is drawn twenty times over in place, so its shots show saturated.
constexpr int kTwinRepeat = 20;

constexpr BulletPool<EnemyDrop> kRains[] = {
    Falling<BossBRain01>(2, Cells(&PicVAL405, 40, 40, kPairCells), 200.0f, nullptr, kRainHit,
                         PairX(kRain1X, 180.0f), {.wrap = 140, .triggers = kRainTriggers}),
    Falling<BossBRain02>(2, Cells(&PicVAL405, 40, 40, kPairCells), 200.0f, nullptr, kRainHit,
                         PairX(kRain2X, 160.0f), {.wrap = 140, .triggers = kRainTriggers}),
};
constexpr BulletPool<EnemyDrop> kTwins[] = {
    Falling<BossBTwin01>(2, Cells(&PicVAL405, 40, 40, kPairCells), 280.0f, nullptr, kSmallHit,
                         PairX(kTwinX, 130.0f), {.wrap = 150, .triggers = kTwinTriggers}),
    Falling<BossBTwin02>(2, Cells(&PicVAL405, 40, 40, kTwinCells, Blit::kAdditive, kTwinRepeat), 250.0f,
                         kTwinDrift, kSmallHit, PairX(kTwinX, 130.0f),
                         {.wrap = 150, .triggers = kTwinTriggers}),
};

// ---- Fans: groups of five spreading -100..+100 px/s as they fall -----------------------------------------

constexpr float kFanDrift[] = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f};
constexpr float kFan1Y[] = {110.0f, 133.0f, 140.0f, 133.0f, 110.0f};
constexpr float kFanY[] = {60.0f, 83.0f, 90.0f, 83.0f, 60.0f};
constexpr int kFanCells[] = {0, 40, 80, 120, 160};
constexpr int kFan1Triggers[] = {20, 40, 60, 80, 100, 120, 140, 160, 180, 200};
constexpr int kSlowFanTriggers[] = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800};
constexpr int kQuickFanTriggers[] = {10, 20, 30, 40, 100, 110, 120, 180, 190, 200};
constexpr PoolTimer kSlowFanTimer{.wrap = 860, .triggers = kSlowFanTriggers};
constexpr PoolTimer kQuickFanTimer{.wrap = 260, .triggers = kQuickFanTriggers};

template <auto& Records>
constexpr BulletPool<EnemyDrop> Fan(float x, const PoolTimer& timer) {
    return Falling<Records>(5, Cells(&PicVAL402, 40, 40, kFanCells), 120.0f, kFanDrift, kSmallHit,
                            GroupY(x, kFanY), timer);
}
constexpr BulletPool<EnemyDrop> kFans[] = {
    Falling<BossBFan01>(5, kAnimatedCell, 130.0f, kFanDrift, kRingCellHit, GroupY(240.0f, kFan1Y),
                        {.wrap = 230, .triggers = kFan1Triggers}),
    Fan<BossBFan02>(200.0f, kSlowFanTimer),
    Fan<BossBFan03>(260.0f, kSlowFanTimer),
    Fan<BossBFan04>(110.0f, kQuickFanTimer),
    Fan<BossBFan05>(350.0f, kQuickFanTimer),
};

// ---- Wide fans: five members side by side 22 pixels apart, the outer two spreading ---------------------

constexpr float kWideFan1X[] = {76.0f, 98.0f, 120.0f, 142.0f, 164.0f};
constexpr float kWideFan2X[] = {316.0f, 338.0f, 360.0f, 382.0f, 404.0f};
constexpr float kWideFanY[] = {50.0f, 73.0f, 80.0f, 73.0f, 50.0f};
constexpr float kWideFanDrift[] = {-100.0f, 0.0f, 0.0f, 0.0f, 100.0f};
constexpr int kWideFanTriggers[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

template <auto& Records>
constexpr BulletPool<EnemyDrop> WideFan(const float* memberX) {
    return Falling<Records>(5, kAnimatedCell, 180.0f, kWideFanDrift, kRingCellHit,
                            GroupXY(memberX, kWideFanY), {.wrap = 150, .triggers = kWideFanTriggers});
}
constexpr BulletPool<EnemyDrop> kWideFans[] = {WideFan<BossBWideFan01>(kWideFan1X),
                                               WideFan<BossBWideFan02>(kWideFan2X)};

// ---- Pods: one group per set, launched together from one point ------------------------------------------

constexpr float kPodDrift2[] = {-15.0f, 15.0f};
constexpr float kPodDriftWide2[] = {-30.0f, 30.0f};
constexpr float kPodDrift3[] = {-39.0f, 0.0f, 39.0f};
constexpr float kPodDrift4[] = {-28.0f, 28.0f, -80.0f, 80.0f};
constexpr PoolLook kPodLook = Animated(&PicVAL1, 16, 16, Blit::kKeyed);

template <auto& Records>
constexpr BulletPool<EnemyDrop> Pods(float x, float y, float fall, const float* drift) {
    return Falling<Records>(kCountOf<Records>, kPodLook, fall, drift, kPodHit, Muzzle(x, y));
}
constexpr BulletPool<EnemyDrop> kPods[] = {
    Pods<BossBPods01>(242.0f, 200.0f, 140.0f, kPodDrift2),
    Pods<BossBPods02>(212.0f, 110.0f, 140.0f, kPodDriftWide2),
    Pods<BossBPods03>(272.0f, 110.0f, 140.0f, kPodDriftWide2),
    Pods<BossBPods04>(242.0f, 200.0f, 120.0f, kPodDrift3),
    Pods<BossBPods05>(192.0f, 150.0f, 120.0f, kPodDrift3),
    Pods<BossBPods06>(292.0f, 150.0f, 120.0f, kPodDrift3),
    Pods<BossBPods07>(162.0f, 110.0f, 120.0f, kPodDrift3),
    Pods<BossBPods08>(322.0f, 110.0f, 120.0f, kPodDrift3),
    Pods<BossBPods09>(242.0f, 200.0f, 110.0f, kPodDrift4),
};

}  // namespace

void DrawBossBCurtain01() {
    DrawPool(kCurtains[0]);
}
void FireBossBCurtainShot01(int index, int first) {
    ArmPoolRecord(kCurtains[0], index, first);
}
void UpdateBossBCurtain01() {
    TickPoolTimers(kCurtains[0]);
}
void MoveBossBCurtain01() {
    MovePool(kCurtains[0]);
}
void DrawBossBCurtain02() {
    DrawPool(kCurtains[1]);
}
void FireBossBCurtainShot02(int index, int first) {
    ArmPoolRecord(kCurtains[1], index, first);
}
void UpdateBossBCurtain02() {
    TickPoolTimers(kCurtains[1]);
}
void MoveBossBCurtain02() {
    MovePool(kCurtains[1]);
}
void DrawBossBRain01() {
    DrawPool(kRains[0]);
}
void FireBossBRainShot01(int index, int first) {
    ArmPoolRecord(kRains[0], index, first);
}
void UpdateBossBRain01() {
    TickPoolTimers(kRains[0]);
}
void MoveBossBRain01() {
    MovePool(kRains[0]);
}
void DrawBossBRain02() {
    DrawPool(kRains[1]);
}
void FireBossBRainShot02(int index, int first) {
    ArmPoolRecord(kRains[1], index, first);
}
void UpdateBossBRain02() {
    TickPoolTimers(kRains[1]);
}
void MoveBossBRain02() {
    MovePool(kRains[1]);
}
void DrawBossBTwin01() {
    DrawPool(kTwins[0]);
}
void FireBossBTwin01(int index, int first) {
    ArmPoolRecord(kTwins[0], index, first);
}
void UpdateBossBTwin01() {
    TickPoolTimers(kTwins[0]);
}
void MoveBossBTwin01() {
    MovePool(kTwins[0]);
}
void DrawBossBTwin02() {
    DrawPool(kTwins[1]);
}
void FireBossBTwin02(int index, int first) {
    ArmPoolRecord(kTwins[1], index, first);
}
void UpdateBossBTwin02() {
    TickPoolTimers(kTwins[1]);
}
void MoveBossBTwin02() {
    MovePool(kTwins[1]);
}
void DrawBossBFan01() {
    DrawPool(kFans[0]);
}
void FireBossBFan01(int index, int first) {
    ArmPoolRecord(kFans[0], index, first);
}
void UpdateBossBFan01() {
    TickPoolTimers(kFans[0]);
}
void MoveBossBFan01() {
    MovePool(kFans[0]);
}
void DrawBossBFan02() {
    DrawPool(kFans[1]);
}
void FireBossBFan02(int index, int first) {
    ArmPoolRecord(kFans[1], index, first);
}
void UpdateBossBFan02() {
    TickPoolTimers(kFans[1]);
}
void MoveBossBFan02() {
    MovePool(kFans[1]);
}
void DrawBossBFan03() {
    DrawPool(kFans[2]);
}
void FireBossBFan03(int index, int first) {
    ArmPoolRecord(kFans[2], index, first);
}
void UpdateBossBFan03() {
    TickPoolTimers(kFans[2]);
}
void MoveBossBFan03() {
    MovePool(kFans[2]);
}
void DrawBossBFan04() {
    DrawPool(kFans[3]);
}
void FireBossBFan04(int index, int first) {
    ArmPoolRecord(kFans[3], index, first);
}
void UpdateBossBFan04() {
    TickPoolTimers(kFans[3]);
}
void MoveBossBFan04() {
    MovePool(kFans[3]);
}
void DrawBossBFan05() {
    DrawPool(kFans[4]);
}
void FireBossBFan05(int index, int first) {
    ArmPoolRecord(kFans[4], index, first);
}
void UpdateBossBFan05() {
    TickPoolTimers(kFans[4]);
}
void MoveBossBFan05() {
    MovePool(kFans[4]);
}
void DrawBossBWideFan01() {
    DrawPool(kWideFans[0]);
}
void FireBossBWideFan01(int index, int first) {
    ArmPoolRecord(kWideFans[0], index, first);
}
void UpdateBossBWideFan01() {
    TickPoolTimers(kWideFans[0]);
}
void MoveBossBWideFan01() {
    MovePool(kWideFans[0]);
}
void DrawBossBWideFan02() {
    DrawPool(kWideFans[1]);
}
void FireBossBWideFan02(int index, int first) {
    ArmPoolRecord(kWideFans[1], index, first);
}
void UpdateBossBWideFan02() {
    TickPoolTimers(kWideFans[1]);
}
void MoveBossBWideFan02() {
    MovePool(kWideFans[1]);
}
void LaunchBossBPods01() {
    FirePool(kPods[0]);
}
void MoveBossBPods01() {
    MovePool(kPods[0]);
}
void DrawBossBPods01() {
    DrawPool(kPods[0]);
}
void LaunchBossBPods02() {
    FirePool(kPods[1]);
}
void MoveBossBPods02() {
    MovePool(kPods[1]);
}
void DrawBossBPods02() {
    DrawPool(kPods[1]);
}
void LaunchBossBPods03() {
    FirePool(kPods[2]);
}
void MoveBossBPods03() {
    MovePool(kPods[2]);
}
void DrawBossBPods03() {
    DrawPool(kPods[2]);
}
void LaunchBossBPods04() {
    FirePool(kPods[3]);
}
void MoveBossBPods04() {
    MovePool(kPods[3]);
}
void DrawBossBPods04() {
    DrawPool(kPods[3]);
}
void LaunchBossBPods05() {
    FirePool(kPods[4]);
}
void MoveBossBPods05() {
    MovePool(kPods[4]);
}
void DrawBossBPods05() {
    DrawPool(kPods[4]);
}
void LaunchBossBPods06() {
    FirePool(kPods[5]);
}
void MoveBossBPods06() {
    MovePool(kPods[5]);
}
void DrawBossBPods06() {
    DrawPool(kPods[5]);
}
void LaunchBossBPods07() {
    FirePool(kPods[6]);
}
void MoveBossBPods07() {
    MovePool(kPods[6]);
}
void DrawBossBPods07() {
    DrawPool(kPods[6]);
}
void LaunchBossBPods08() {
    FirePool(kPods[7]);
}
void MoveBossBPods08() {
    MovePool(kPods[7]);
}
void DrawBossBPods08() {
    DrawPool(kPods[7]);
}
void LaunchBossBPods09() {
    FirePool(kPods[8]);
}
void MoveBossBPods09() {
    MovePool(kPods[8]);
}
void DrawBossBPods09() {
    DrawPool(kPods[8]);
}
