#include "game/core/lock_on.h"

#include "engine/draw_position.h"
#include "game/core/game_state.h"
#include "game/core/trace_hook.h"
#include "game/enemies/enemy_pools.h"
#include "game/enemies/lock_sets.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"

namespace {

// The lock region by weapon type (the region of type 1 also serves type 0) and its reference corner.
constexpr int kRegionWidth = 640;
constexpr int kRegionHeight = 500;
constexpr int kNarrowRegionWidth = 300;
constexpr int kNarrowRegionHeight = 240;
constexpr int kRegionX = 0;
constexpr int kRegionY = 0;
constexpr int kRegionReachBefore = 60;
constexpr float kLockFloor = -30.0f;

// Boss parts: an owner counts while it is alive and below y -10, when the lock region's centre lies
// within (+40, +40) to its right and bottom extents; its markers go to the owner + (190, 150), or, for
// boss C, spread evenly from (+30, +110) to (+370, +120).
constexpr float kOwnerFloor = -10.0f;
constexpr int kOwnerInset = 40;
constexpr int kBossARight = 400;
constexpr int kBossABottom = 320;
constexpr int kOwnerRight = 420;
constexpr int kOwnerBottom = 340;
constexpr int kPartX = 190;
constexpr int kPartY = 150;
constexpr int kSpreadFirstX = 30;
constexpr int kSpreadFirstY = 110;
constexpr int kSpreadLastX = 370;
constexpr int kSpreadLastY = 120;
constexpr int kPartIndices = 3;
constexpr int kBossBPartGroup = kBossBLockMarkerCount / 2;

struct Region {
    int width;
    int height;
};

Region LockRegion() {
    if (WeaponType == 2) return {kNarrowRegionWidth, kNarrowRegionHeight};
    return {kRegionWidth, kRegionHeight};
}

// One part-marker group of an owner: its markers, how many, and whether they spread across the owner.
struct PartGroup {
    LockRecord* markers;
    int count;
    const BossRecord* owner;
    bool spread;
};

constexpr PartGroup kPartGroups[] = {
    {BossAPartMarkers1, kBossAPartMarkerCount, &BossARecord, false},
    {BossAPartMarkers2, kBossAPartMarkerCount, &BossARecord, false},
    {BossBLockMarkers, kBossBPartGroup, &BossB, false},
    {BossBLockMarkers + kBossBPartGroup, kBossBPartGroup, &BossB, false},
    {BossCPartMarkers1, kBossCPartMarkerCount, &BossCRecord, true},
    {BossCPartMarkers2, kBossCPartMarkerCount, &BossCRecord, true},
    {BigEnemy2PartMarkers1, kBigEnemyPartMarkerCount, &BigEnemy2, false},
    {BigEnemy2PartMarkers2, kBigEnemyPartMarkerCount, &BigEnemy2, false},
    {BigEnemy3PartMarkers1, kBigEnemyPartMarkerCount, &BigEnemy3, false},
    {BigEnemy3PartMarkers2, kBigEnemyPartMarkerCount, &BigEnemy3, false},
    {BigEnemy4PartMarkers1, kBigEnemyPartMarkerCount, &BigEnemy4, false},
    {BigEnemy4PartMarkers2, kBigEnemyPartMarkerCount, &BigEnemy4, false},
    {BigEnemy5PartMarkers1, kBigEnemyPartMarkerCount, &BigEnemy5, false},
    {BigEnemy5PartMarkers2, kBigEnemyPartMarkerCount, &BigEnemy5, false},
    {BigEnemy6PartMarkers1, kBigEnemyPartMarkerCount, &BigEnemy6, false},
    {BigEnemy6PartMarkers2, kBigEnemyPartMarkerCount, &BigEnemy6, false},
};
constexpr int kPartGroupCount = static_cast<int>(sizeof(kPartGroups) / sizeof(kPartGroups[0]));

// The owners in the order they are tested, each with its extents and its two groups' setters.
struct PartOwner {
    const BossRecord* owner;
    int right;
    int bottom;
    void (*setters[2])(int);
};

// Spot k of a group spread evenly across the owner.
void PlaceSpread(LockRecord& m, int ox, int oy, int k, int count) {
    const int steps = count > 1 ? count - 1 : 1;
    m.x = ox + kSpreadFirstX + k * (kSpreadLastX - kSpreadFirstX) / steps;
    m.y = oy + kSpreadFirstY + k * (kSpreadLastY - kSpreadFirstY) / steps;
}

// Locks marker `index` of the group and places it; a locked marker never moves. A spread group is placed
// whole at once, its locked markers left where they are.
void LockPart(int group, int index) {
    if (group < 0 || group >= kPartGroupCount) return;
    const PartGroup& g = kPartGroups[group];
    if (index < 0 || index >= g.count || g.markers[index].locked != 0) return;
    const int ox = DrawInt(g.owner->x);
    const int oy = DrawInt(g.owner->y);
    if (g.spread) {
        for (int k = 0; k < g.count; ++k) {
            if (g.markers[k].locked == 0) PlaceSpread(g.markers[k], ox, oy, k, g.count);
        }
    } else {
        g.markers[index].x = ox + kPartX;
        g.markers[index].y = oy + kPartY;
    }
    g.markers[index].locked = 1;
    TraceArm(&g.markers[index], group, static_cast<float>(g.markers[index].x),
             static_cast<float>(g.markers[index].y));
}

void Lock(LockRecord (&markers)[kLockSetCount], int index) {
    if (index < 0 || index >= kLockSetCount) return;
    LockRecord& m = markers[index];
    if (m.locked == 0) TraceArm(&m, 0, static_cast<float>(m.x), static_cast<float>(m.y));
    m.locked = 1;
}

template <typename Record>
void DetectSet(const Record (&records)[kLockSetCount], int marginX, int marginY, void (*setter)(int)) {
    const auto [width, height] = LockRegion();
    for (int i = 0; i < kLockSetCount; ++i) {
        const Record& r = records[i];
        if (r.busy != 0 || !(r.y >= kLockFloor)) continue;
        const int x = DrawInt(r.x);
        const int y = DrawInt(r.y);
        if (x <= kRegionX + width - marginX && x >= kRegionX - kRegionReachBefore &&
            y <= kRegionY + height - marginY && y >= kRegionY - kRegionReachBefore) {
            setter(i);
        }
    }
}

}  // namespace

void LockTarget01(int index) {
    Lock(LockMarkers01, index);
}
void LockTarget02(int index) {
    Lock(LockMarkers02, index);
}
void LockTarget03(int index) {
    Lock(LockMarkers03, index);
}
void LockTarget04(int index) {
    Lock(LockMarkers04, index);
}
void LockTarget05(int index) {
    Lock(LockMarkers05, index);
}
void LockTarget06(int index) {
    Lock(LockMarkers06, index);
}
void LockTarget07(int index) {
    Lock(LockMarkers07, index);
}
void LockTarget08(int index) {
    Lock(LockMarkers08, index);
}

// Sets 1 and 2 (kinds no stage spawns), 3 and 4 (the spinners) and 5 to 8 (the kinds of MarkEnemyHit01
// to 04), in that order.
void DetectLockTargets() {
    DetectSet(LockSetEnemies1, 20, 40, LockTarget01);
    DetectSet(LockSetEnemies2, 40, 60, LockTarget02);
    DetectSet(Spinners1, 20, 20, LockTarget03);
    DetectSet(Spinners2, 20, 20, LockTarget04);
    DetectSet(EnemySet01, 20, 0, LockTarget05);
    DetectSet(EnemySet02, 20, 0, LockTarget06);
    DetectSet(EnemySet03, 30, 30, LockTarget07);
    DetectSet(EnemySet04, 30, 30, LockTarget08);
}

void LockBossPart01(int index) {
    LockPart(0, index);
}
void LockBossPart02(int index) {
    LockPart(1, index);
}
void LockBossPart03(int index) {
    LockPart(2, index);
}
void LockBossPart04(int index) {
    LockPart(3, index);
}
void LockBossPart05(int index) {
    LockPart(4, index);
}
void LockBossPart06(int index) {
    LockPart(5, index);
}
void LockBossPart07(int index) {
    LockPart(6, index);
}
void LockBossPart08(int index) {
    LockPart(7, index);
}
void LockBossPart09(int index) {
    LockPart(8, index);
}
void LockBossPart10(int index) {
    LockPart(9, index);
}
void LockBossPart11(int index) {
    LockPart(10, index);
}
void LockBossPart12(int index) {
    LockPart(11, index);
}
void LockBossPart13(int index) {
    LockPart(12, index);
}
void LockBossPart14(int index) {
    LockPart(13, index);
}
void LockBossPart15(int index) {
    LockPart(14, index);
}
void LockBossPart16(int index) {
    LockPart(15, index);
}

namespace {

const PartOwner kPartOwners[] = {
    {&BossARecord, kBossARight, kBossABottom, {LockBossPart01, LockBossPart02}},
    {&BossB, kOwnerRight, kOwnerBottom, {LockBossPart03, LockBossPart04}},
    {&BossCRecord, kOwnerRight, kOwnerBottom, {LockBossPart05, LockBossPart06}},
    {&BigEnemy2, kOwnerRight, kOwnerBottom, {LockBossPart07, LockBossPart08}},
    {&BigEnemy3, kOwnerRight, kOwnerBottom, {LockBossPart09, LockBossPart10}},
    {&BigEnemy4, kOwnerRight, kOwnerBottom, {LockBossPart11, LockBossPart12}},
    {&BigEnemy5, kOwnerRight, kOwnerBottom, {LockBossPart13, LockBossPart14}},
    {&BigEnemy6, kOwnerRight, kOwnerBottom, {LockBossPart15, LockBossPart16}},
};

}  // namespace

void DetectBossPartLocks() {
    const Region region = LockRegion();
    const int cx = kRegionX + region.width / 2;
    const int cy = kRegionY + region.height / 2;
    for (const PartOwner& p : kPartOwners) {
        if (p.owner->dead != 0 || !(p.owner->y > kOwnerFloor)) continue;
        const int ox = DrawInt(p.owner->x);
        const int oy = DrawInt(p.owner->y);
        if (cx < ox + kOwnerInset || cx > ox + p.right || cy < oy + kOwnerInset || cy > oy + p.bottom)
            continue;
        for (auto* setter : p.setters) {
            for (int index = 0; index < kPartIndices; ++index) setter(index);
        }
    }
}
