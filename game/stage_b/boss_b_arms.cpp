#include "game/stage_b/boss_b_arms.h"

#include "game/core/picture_slots.h"
#include "game/stage_b/boss_b_pool_rows.h"

namespace {

using namespace boss_b_rows;

// ---- Arm blocks: one record at a time, ten update calls apart; the timers wrap from 200 to 10, so record
// 19's moment never comes ----------------------------------------------------------------------------------

constexpr int kArmTriggers[kBossBArmCount] = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100,
                                              110, 120, 130, 140, 150, 160, 170, 180, 190, 200};
constexpr PoolTimer kArmTimer{.wrap = 200, .wrapTo = 10, .triggers = kArmTriggers};
constexpr float kArmSpeed = 143.0f;
// The straight blocks hit the ship; the diagonal ones pass through it.
constexpr HitWindow kArmHit{-90.0f, 30.0f, -80.0f, 30.0f};
constexpr HitWindow kNoHit{1.0f, 0.0f, 1.0f, 0.0f};

enum class Slide { kNone = 0, kLeft = -1, kRight = 1 };

template <auto& Records>
constexpr BulletPool<EnemyDrop> Arm(const int* picture, int width, int height, float x, float y,
                                    Slide slide) {
    BulletPool<EnemyDrop> pool =
        Falling<Records>(1, Cells(picture, width, height, nullptr), kArmSpeed, nullptr,
                         slide == Slide::kNone ? kArmHit : kNoHit, Muzzle(x, y), kArmTimer);
    pool.move.sideSign = static_cast<int>(slide);
    pool.move.setsSide = slide != Slide::kNone;
    pool.move.side = kArmSpeed;
    return pool;
}
constexpr BulletPool<EnemyDrop> kArms[] = {
    Arm<BossBArm01>(&PicVALARM70, 120, 120, 190.0f, 126.0f, Slide::kNone),
    Arm<BossBArm02>(&PicVALARM71, 120, 120, 190.0f, 150.0f, Slide::kLeft),
    Arm<BossBArm03>(&PicVALARM72, 120, 120, 190.0f, 150.0f, Slide::kRight),
    Arm<BossBArm04>(&PicVALARM73, 60, 120, 30.0f, 66.0f, Slide::kNone),
    Arm<BossBArm05>(&PicVALARM74, 60, 60, 30.0f, 90.0f, Slide::kLeft),
    Arm<BossBArm06>(&PicVALARM75, 60, 60, 30.0f, 90.0f, Slide::kRight),
    Arm<BossBArm07>(&PicVALARM73, 60, 120, 410.0f, 66.0f, Slide::kNone),
    Arm<BossBArm08>(&PicVALARM74, 60, 60, 410.0f, 90.0f, Slide::kLeft),
    Arm<BossBArm09>(&PicVALARM75, 60, 60, 410.0f, 90.0f, Slide::kRight),
};

// ---- Idle sets: nothing arms them
// --------------------------------------------------------------------------

constexpr int kRainCells[] = {120, 120};
constexpr HitWindow kRainHit{-10.0f, 30.0f, 0.0f, 30.0f};
constexpr HitWindow kRingCellHit{10.0f, 30.0f, 20.0f, 30.0f};
constexpr HitWindow kPodHit{14.0f, 30.0f, 24.0f, 30.0f};

constexpr BulletPool<EnemyDrop> kIdleRains[] = {
    Falling<BossBRain03>(2, Cells(&PicVAL405, 40, 40, kRainCells), 200.0f, nullptr, kRainHit),
    Falling<BossBRain04>(2, Cells(&PicVAL405, 40, 40, kRainCells), 200.0f, nullptr, kRainHit),
};

constexpr BulletPool<EnemyShot56> kExtraRing{.records = BossBExtraRing01,
                                             .count = kCountOf<BossBExtraRing01>,
                                             .look = Animated(&PicVAL20241, 20, 24),
                                             .bounds = {20.0f, 20.0f, kRight, kBottom},
                                             .honoursClear = true,
                                             .hit = kRingCellHit};

constexpr float kFanDrift[] = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f};
constexpr float kExtraFanFall = 230.0f;
constexpr PoolLook kAnimatedCell = Animated(&PicVAL20241, 20, 24);
constexpr PoolLook kWholeCell = Cells(&PicVALL20, 20, 20, nullptr);
constexpr BulletPool<EnemyDrop> kExtraFans[] = {
    Falling<BossBExtraFan01>(5, kAnimatedCell, kExtraFanFall, kFanDrift, kRingCellHit),
    Falling<BossBExtraFan02>(5, kAnimatedCell, kExtraFanFall, kFanDrift, kRingCellHit),
    Falling<BossBExtraFan03>(5, kAnimatedCell, kExtraFanFall, kFanDrift, kRingCellHit),
    Falling<BossBExtraFan04>(5, kWholeCell, kExtraFanFall, kFanDrift, kRingCellHit),
    Falling<BossBExtraFan05>(5, kWholeCell, kExtraFanFall, kFanDrift, kRingCellHit),
};

constexpr float kPodDrift2[] = {-30.0f, 30.0f};
constexpr float kPodDrift3[] = {-39.0f, 0.0f, 39.0f};
constexpr float kPodDrift4[] = {-28.0f, 28.0f, -80.0f, 80.0f};
constexpr PoolLook kPodLook = Cells(&PicVAL12, 16, 16, nullptr, Blit::kKeyed);

template <auto& Records>
constexpr BulletPool<EnemyDrop> ExtraPods(float fall, const float* drift) {
    return Falling<Records>(kCountOf<Records>, kPodLook, fall, drift, kPodHit);
}
constexpr BulletPool<EnemyDrop> kExtraPods[] = {
    ExtraPods<BossBExtraPods01>(140.0f, kPodDrift2), ExtraPods<BossBExtraPods02>(120.0f, kPodDrift3),
    ExtraPods<BossBExtraPods03>(120.0f, kPodDrift3), ExtraPods<BossBExtraPods04>(120.0f, kPodDrift3),
    ExtraPods<BossBExtraPods05>(120.0f, kPodDrift3), ExtraPods<BossBExtraPods06>(120.0f, kPodDrift3),
    ExtraPods<BossBExtraPods07>(110.0f, kPodDrift4),
};

}  // namespace

void DrawBossBArm01() {
    DrawPool(kArms[0]);
}
void DropBossBArm01(int index, int first) {
    ArmPoolRecord(kArms[0], index, first);
}
void UpdateBossBArm01() {
    TickPoolTimers(kArms[0]);
}
void MoveBossBArm01() {
    MovePool(kArms[0]);
}
void DrawBossBArm02() {
    DrawPool(kArms[1]);
}
void DropBossBArm02(int index, int first) {
    ArmPoolRecord(kArms[1], index, first);
}
void UpdateBossBArm02() {
    TickPoolTimers(kArms[1]);
}
void MoveBossBArm02() {
    MovePool(kArms[1]);
}
void DrawBossBArm03() {
    DrawPool(kArms[2]);
}
void DropBossBArm03(int index, int first) {
    ArmPoolRecord(kArms[2], index, first);
}
void UpdateBossBArm03() {
    TickPoolTimers(kArms[2]);
}
void MoveBossBArm03() {
    MovePool(kArms[2]);
}
void DrawBossBArm04() {
    DrawPool(kArms[3]);
}
void DropBossBArm04(int index, int first) {
    ArmPoolRecord(kArms[3], index, first);
}
void UpdateBossBArm04() {
    TickPoolTimers(kArms[3]);
}
void MoveBossBArm04() {
    MovePool(kArms[3]);
}
void DrawBossBArm05() {
    DrawPool(kArms[4]);
}
void DropBossBArm05(int index, int first) {
    ArmPoolRecord(kArms[4], index, first);
}
void UpdateBossBArm05() {
    TickPoolTimers(kArms[4]);
}
void MoveBossBArm05() {
    MovePool(kArms[4]);
}
void DrawBossBArm06() {
    DrawPool(kArms[5]);
}
void DropBossBArm06(int index, int first) {
    ArmPoolRecord(kArms[5], index, first);
}
void UpdateBossBArm06() {
    TickPoolTimers(kArms[5]);
}
void MoveBossBArm06() {
    MovePool(kArms[5]);
}
void DrawBossBArm07() {
    DrawPool(kArms[6]);
}
void DropBossBArm07(int index, int first) {
    ArmPoolRecord(kArms[6], index, first);
}
void UpdateBossBArm07() {
    TickPoolTimers(kArms[6]);
}
void MoveBossBArm07() {
    MovePool(kArms[6]);
}
void DrawBossBArm08() {
    DrawPool(kArms[7]);
}
void DropBossBArm08(int index, int first) {
    ArmPoolRecord(kArms[7], index, first);
}
void UpdateBossBArm08() {
    TickPoolTimers(kArms[7]);
}
void MoveBossBArm08() {
    MovePool(kArms[7]);
}
void DrawBossBArm09() {
    DrawPool(kArms[8]);
}
void DropBossBArm09(int index, int first) {
    ArmPoolRecord(kArms[8], index, first);
}
void UpdateBossBArm09() {
    TickPoolTimers(kArms[8]);
}
void MoveBossBArm09() {
    MovePool(kArms[8]);
}
void DrawBossBRain03() {
    DrawPool(kIdleRains[0]);
}
void MoveBossBRain03() {
    MovePool(kIdleRains[0]);
}
void DrawBossBRain04() {
    DrawPool(kIdleRains[1]);
}
void MoveBossBRain04() {
    MovePool(kIdleRains[1]);
}
void DrawBossBExtraRing01() {
    DrawPool(kExtraRing);
}
void MoveBossBExtraRing01() {
    MovePool(kExtraRing);
}
void DrawBossBExtraFan01() {
    DrawPool(kExtraFans[0]);
}
void MoveBossBExtraFan01() {
    MovePool(kExtraFans[0]);
}
void DrawBossBExtraFan02() {
    DrawPool(kExtraFans[1]);
}
void MoveBossBExtraFan02() {
    MovePool(kExtraFans[1]);
}
void DrawBossBExtraFan03() {
    DrawPool(kExtraFans[2]);
}
void MoveBossBExtraFan03() {
    MovePool(kExtraFans[2]);
}
void DrawBossBExtraFan04() {
    DrawPool(kExtraFans[3]);
}
void MoveBossBExtraFan04() {
    MovePool(kExtraFans[3]);
}
void DrawBossBExtraFan05() {
    DrawPool(kExtraFans[4]);
}
void MoveBossBExtraFan05() {
    MovePool(kExtraFans[4]);
}
void DrawBossBExtraPods01() {
    DrawPool(kExtraPods[0]);
}
void MoveBossBExtraPods01() {
    MovePool(kExtraPods[0]);
}
void DrawBossBExtraPods02() {
    DrawPool(kExtraPods[1]);
}
void MoveBossBExtraPods02() {
    MovePool(kExtraPods[1]);
}
void DrawBossBExtraPods03() {
    DrawPool(kExtraPods[2]);
}
void MoveBossBExtraPods03() {
    MovePool(kExtraPods[2]);
}
void DrawBossBExtraPods04() {
    DrawPool(kExtraPods[3]);
}
void MoveBossBExtraPods04() {
    MovePool(kExtraPods[3]);
}
void DrawBossBExtraPods05() {
    DrawPool(kExtraPods[4]);
}
void MoveBossBExtraPods05() {
    MovePool(kExtraPods[4]);
}
void DrawBossBExtraPods06() {
    DrawPool(kExtraPods[5]);
}
void MoveBossBExtraPods06() {
    MovePool(kExtraPods[5]);
}
void DrawBossBExtraPods07() {
    DrawPool(kExtraPods[6]);
}
void MoveBossBExtraPods07() {
    MovePool(kExtraPods[6]);
}
