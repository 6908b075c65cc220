#include "game/core/lock_on.h"

#include "game/core/draw_position.h"
#include "game/core/game_state.h"
#include "game/enemies/enemy_pools.h"

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

void Lock(LockRecord (&markers)[kLockSetCount], int index) {
    if (index < 0 || index >= kLockSetCount) return;
    markers[index].locked = 1;
}

template <typename Record>
void DetectSet(const Record (&records)[kLockSetCount], int marginX, int marginY, void (*setter)(int)) {
    const bool narrow = WeaponType == 2;
    const int width = narrow ? kNarrowRegionWidth : kRegionWidth;
    const int height = narrow ? kNarrowRegionHeight : kRegionHeight;
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

// Sets 3 to 8: the spinners and the kinds of MarkEnemyHit01 to 04. The enemy records of sets 1 and 2
// are not among the squadrons' arrays yet; their setters stand ready.
void DetectLockTargets() {
    DetectSet(Spinners1, 20, 20, LockTarget03);
    DetectSet(Spinners2, 20, 20, LockTarget04);
    DetectSet(EnemySet01, 20, 0, LockTarget05);
    DetectSet(EnemySet02, 20, 0, LockTarget06);
    DetectSet(EnemySet03, 30, 30, LockTarget07);
    DetectSet(EnemySet04, 30, 30, LockTarget08);
}
