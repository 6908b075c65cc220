#include "game/core/homing_salvos.h"

#include <cmath>
#include <numbers>

#include "build_config.h"
#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/scoring.h"
#include "game/core/trace_hook.h"
#include "game/enemies/enemy_hits.h"
#include "game/enemies/enemy_pools.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kLaunchOffsetX = 20.0f;
constexpr float kLaunchOffsetY = 10.0f;
constexpr float kLaunchSpeed = 300.0f;
// The arc clock runs at 30 units a second; from 45 on the missile flies straight or homes.
constexpr float kArcRate = 30.0f;
constexpr float kArcEnd = 45.0f;
constexpr float kFreeSpeedY = 16.0f;
constexpr float kHomingSpeed = 10.0f;
constexpr float kAimOffset = 20.0f;
constexpr float kSpriteSize = 20.0f;
constexpr int kHitBox = 40;
constexpr int kScoringMissile = kSalvoGroupSize - 1;
constexpr int kHitPoints = 300;
constexpr int kLauncherWrap = 140;

// Whole-pixel steps of the arc, per frame, by windows on the arc clock.
struct ArcWindow {
    float lo, hi;
    int dx, dy;
};
constexpr ArcWindow kArc[] = {
    {0, 5, -6, 3},    {6, 10, -6, 1},   {11, 15, -7, 0},  {16, 20, -7, -2},
    {21, 25, -7, -7}, {26, 30, -3, -7}, {31, 40, -1, -7}, {41, 45, 0, -7},
};

struct SalvoSet {
    HomingSalvo* records;
    LockRecord* markers;
    void (*markHit)(int);
};

SalvoSet Set(int number) {
    switch (number) {
        case 1:
            return {HomingSalvos1, LockMarkers03, MarkSpinnerHit1};
        case 2:
            return {HomingSalvos2, LockMarkers04, MarkSpinnerHit2};
        case 3:
            return {HomingSalvos3, LockMarkers05, MarkEnemyHit01};
        default:
            return {HomingSalvos4, LockMarkers06, MarkEnemyHit02};
    }
}

void Park(HomingSalvo& missile) {
    missile.x = kParkedX;
    missile.y = kParkedY;
    missile.active = 0;
    missile.frame = 0;
    missile.timer = 0.0f;
}

void Spawn(int number, int group, int index) {
    if (group < 0 || group >= kSalvoGroups || index < 0 || index >= kSalvoGroupSize) return;
    HomingSalvo& missile = Set(number).records[group * kSalvoGroupSize + index];
    if (missile.active != 0) return;
    missile.active = 1;
    missile.x = PlayerPosition.x + kLaunchOffsetX;
    missile.y = PlayerPosition.y + kLaunchOffsetY;
    missile.launchX = missile.x;
    missile.launchY = missile.y;
    missile.heading += kPi;
    missile.speed = kLaunchSpeed;
    missile.timer = 0.0f;
    TraceArm(&missile, group, missile.x, missile.y);
}

// Heading toward the marker's aim point: atan of the slope, turned half round when the point lies left
// (or straight above).
void Aim(HomingSalvo& missile, const LockRecord& marker) {
    missile.dx = (static_cast<float>(marker.x) + kAimOffset) - missile.x;
    missile.dy = (static_cast<float>(marker.y) + kAimOffset) - missile.y;
    if (missile.dx == 0.0f) {
        missile.heading = kPi / 2.0f;
    } else {
        missile.heading = std::atan(missile.dy / missile.dx);
    }
    if (missile.dx < 0.0f || (missile.dx == 0.0f && missile.dy <= 0.0f)) missile.heading += kPi;
}

void Fly(HomingSalvo& missile, const LockRecord& marker) {
    missile.timer += kArcRate * FrameTime;
    const float t = missile.timer;
    for (const ArcWindow& w : kArc) {
        if (t >= w.lo && t <= w.hi) {
            missile.x += static_cast<float>(w.dx);
            missile.y += static_cast<float>(w.dy);
            break;
        }
    }
    if (t < kArcEnd) return;
    if (marker.locked == 0) {
        missile.y += std::sin(missile.heading) * kFreeSpeedY;
        missile.x += std::cos(missile.heading) * kHomingSpeed;
    } else {
        missile.y += std::sin(missile.heading) * kHomingSpeed;
        missile.x += std::cos(missile.heading) * kHomingSpeed;
        Aim(missile, marker);
    }
}

bool OutOfBounds(const HomingSalvo& missile) {
    return missile.x + kSpriteSize < build::kSalvoLeft || missile.x > build::kSalvoRight ||
           missile.y + kSpriteSize < 0.0f || missile.y > build::kSalvoBottom || ClearEnemyShots == 1;
}

void Move(int number) {
    const SalvoSet set = Set(number);
    for (int g = 0; g < kSalvoGroups; ++g) {
        const LockRecord& marker = set.markers[g];
        for (int i = 0; i < kSalvoGroupSize; ++i) {
            HomingSalvo& missile = set.records[g * kSalvoGroupSize + i];
            if (missile.active != 0) Fly(missile, marker);
            if (OutOfBounds(missile)) Park(missile);
            if (missile.active == 0) continue;
            const float offX = missile.x - static_cast<float>(marker.x);
            const float offY = missile.y - static_cast<float>(marker.y);
            if (offX >= 0.0f && offX <= kHitBox && offY >= 0.0f && offY <= kHitBox) {
                Park(missile);
                if (i == kScoringMissile) {
                    set.markHit(g);
                    AddScore(kHitPoints);
                }
            }
        }
    }
}

void Draw(int number) {
    if (WeaponType != 1) return;
    const HomingSalvo* records = Set(number).records;
    constexpr int kSize = 20;
    for (int i = 0; i < kHomingSalvoCount; ++i) {
        if (records[i].active == 0) continue;
        elDraw::DrawAdditive(DrawInt(records[i].x), DrawInt(records[i].y), PicRAY10, 0, 0, kSize, kSize);
    }
}

template <typename Record>
void Launch(int number, const Record (&enemies)[kSalvoGroups], void (*spawn)(int, int)) {
    int* counters = SalvoTickCounters[number - 1];
    for (int k = 0; k < kSalvoGroups; ++k) {
        if (enemies[k].active == 0) continue;
        counters[k] += 1;
        if (counters[k] >= kLauncherWrap) counters[k] = 0;
        if (counters[k] >= 0 && counters[k] < kSalvoGroupSize) spawn(k, counters[k]);
    }
}

}  // namespace

static_assert(kSalvoGroups * kSalvoGroupSize == kHomingSalvoCount);
static_assert(kSpinnerCount == kSalvoGroups && kSmallEnemySetCount == kSalvoGroups &&
              kLockSetCount == kSalvoGroups);

void SpawnHomingSalvoMissile1(int group, int index) {
    Spawn(1, group, index);
}
void SpawnHomingSalvoMissile2(int group, int index) {
    Spawn(2, group, index);
}
void SpawnHomingSalvoMissile3(int group, int index) {
    Spawn(3, group, index);
}
void SpawnHomingSalvoMissile4(int group, int index) {
    Spawn(4, group, index);
}

void FireHomingSalvo1() {
    Launch(1, Spinners1, SpawnHomingSalvoMissile1);
}
void FireHomingSalvo2() {
    Launch(2, Spinners2, SpawnHomingSalvoMissile2);
}
void FireHomingSalvo3() {
    Launch(3, EnemySet01, SpawnHomingSalvoMissile3);
}
void FireHomingSalvo4() {
    Launch(4, EnemySet02, SpawnHomingSalvoMissile4);
}

void MoveHomingMissiles01() {
    Move(1);
}
void MoveHomingMissiles02() {
    Move(2);
}
void MoveHomingMissiles03() {
    Move(3);
}
void MoveHomingMissiles04() {
    Move(4);
}

void DrawHomingSalvo1() {
    Draw(1);
}
void DrawHomingSalvo2() {
    Draw(2);
}
void DrawHomingSalvo3() {
    Draw(3);
}
void DrawHomingSalvo4() {
    Draw(4);
}
