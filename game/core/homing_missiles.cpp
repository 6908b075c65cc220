#include "game/core/homing_missiles.h"

#include <cmath>
#include <numbers>

#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/scoring.h"
#include "game/core/trace_hook.h"
#include "game/enemies/enemy_hits.h"
#include "game/enemies/enemy_pools.h"
#include "game/enemies/lock_sets.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_a/stage_a_hits.h"
#include "game/stage_b/boss_b_hit.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/boss_c_hit.h"
#include "game/stage_c/stage_c_entities.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
// The marker window the missiles steer inside, and the parking bounds; the same in both programs.
constexpr int kWindowRight = 540;
constexpr int kWindowBottom = 480;
constexpr float kParkLeft = 100.0f;
constexpr float kParkRight = 540.0f;
constexpr float kParkBottom = 480.0f;
constexpr float kSpriteSize = 20.0f;
constexpr float kAimOffset = 20.0f;
// Launch ramp on a clock of 260 units a second; past its limit the clock jumps to 300.
constexpr float kClockRate = 260.0f;
constexpr float kRampDone = 300.0f;
constexpr int kHitPoints = 300;
constexpr float kBossDamageRate = 150.0f;
// Launch: from the ship + (20 or 15, 10), at 600 px/s; launchers 01 and 02 fly at 700 with weapon type 2.
constexpr float kLaunchLeadX = 20.0f;
constexpr float kLaunchX = 15.0f;
constexpr float kLaunchY = 10.0f;
constexpr float kLaunchSpeed = 600.0f;
constexpr float kQuickLaunchSpeed = 700.0f;

enum class Ramp { kNone, kShort, kLong };

struct MissilePool {
    HomingSalvo* missiles;
    LockRecord* markers;
    Ramp ramp;
    bool aimFirst;
    void (*markHit)(int);  // ordinary enemies
    void (*flash)();       // bosses
    BossRecord* boss;      // health lowered on a hit
    bool scores;           // AddScore(300); otherwise only the cap and the high score
};

void Park(HomingSalvo& m) {
    m.x = kParkedX;
    m.y = kParkedY;
    m.active = 0;
    m.frame = 0;
}

void Aim(HomingSalvo& m, const LockRecord& marker) {
    m.dx = static_cast<float>(marker.x) + kAimOffset - m.x;
    m.dy = static_cast<float>(marker.y) + kAimOffset - m.y;
    m.heading = m.dx == 0.0f ? kPi / 2.0f : std::atan(m.dy / m.dx);
    if (m.dx < 0.0f || (m.dx == 0.0f && m.dy <= 0.0f)) m.heading += kPi;
}

void RunRamp(HomingSalvo& m, Ramp ramp) {
    if (ramp == Ramp::kNone) return;
    m.timer += kClockRate * FrameTime;
    const bool shortRamp = ramp == Ramp::kShort;
    const float limit = shortRamp ? 30.0f : 60.0f;
    const float r = shortRamp ? 0.5f : 1.0f;
    const float q = shortRamp ? 0.1f : 0.8f;
    if (m.timer <= limit) {
        m.x -= m.speed * FrameTime * r;
        m.y += m.speed * FrameTime * q;
    } else {
        m.timer = kRampDone;
    }
}

void Advance(HomingSalvo& m) {
    m.y += std::sin(m.heading) * m.speed * FrameTime;
    m.x += std::cos(m.heading) * m.speed * FrameTime;
}

void Move(const MissilePool& pool) {
    for (int k = 0; k < kHomingMissileCount; ++k) {
        HomingSalvo& m = pool.missiles[k];
        LockRecord& marker = pool.markers[k];
        if (m.active != 0) {
            const bool inWindow =
                marker.x > 0 && marker.x < kWindowRight && marker.y > 0 && marker.y < kWindowBottom;
            if (inWindow) {
                if (pool.aimFirst) Aim(m, marker);
                RunRamp(m, pool.ramp);
                if (!pool.aimFirst) Aim(m, marker);
            }
            Advance(m);
        }
        if (m.x + kSpriteSize < kParkLeft || m.x > kParkRight || m.y + kSpriteSize < 0.0f ||
            m.y > kParkBottom || ClearEnemyShots == 1) {
            Park(m);
        }
        if (m.active == 0) continue;
        const float offX = m.x - static_cast<float>(marker.x);
        const float offY = m.y - static_cast<float>(marker.y);
        if (offX < 10.0f || offX > 30.0f || offY < 20.0f || offY > 30.0f) continue;
        Park(m);
        marker.locked = 0;
        marker.x = kParkedIntX;
        marker.y = kParkedIntY;
        if (pool.markHit != nullptr) pool.markHit(k);
        if (pool.flash != nullptr) pool.flash();
        if (pool.boss != nullptr) pool.boss->health -= kBossDamageRate * FrameTime;
        if (pool.scores) {
            AddScore(kHitPoints);
        } else {
            AddScore(0);
        }
    }
}

MissilePool EnemyPool(HomingSalvo* missiles, LockRecord* markers, void (*markHit)(int)) {
    return {missiles, markers, Ramp::kShort, false, markHit, nullptr, nullptr, true};
}

MissilePool BossPool(HomingSalvo* missiles, LockRecord* markers, void (*flash)(), BossRecord* boss) {
    return {missiles, markers, Ramp::kLong, true, nullptr, flash, boss, true};
}

}  // namespace

static_assert(kBossCPartMarkerCount >= kHomingMissileCount &&
              kBossBLockMarkerCount == 2 * kHomingMissileCount);

void MoveHomingMissiles05() {
    Move(EnemyPool(HomingMissiles05, LockMarkers07, MarkEnemyHit03));
}
void MoveHomingMissiles06() {
    Move(EnemyPool(HomingMissiles06, LockMarkers08, MarkEnemyHit04));
}
void MoveHomingMissiles07() {
    Move(BossPool(HomingMissiles07, BossAPartMarkers1, MarkBossHit1, &BossARecord));
}
void MoveHomingMissiles08() {
    Move(BossPool(HomingMissiles08, BossAPartMarkers2, MarkBossHit1, &BossARecord));
}
void MoveHomingMissiles09() {
    Move({HomingMissiles09, BigEnemy3PartMarkers1, Ramp::kNone, true, nullptr, FlashBigEnemy3, &BigEnemy3,
          true});
}
void MoveHomingMissiles10() {
    Move(BossPool(HomingMissiles10, BossCPartMarkers1, FlashBossC, &BossCRecord));
}
void MoveHomingMissiles11() {
    Move(BossPool(HomingMissiles11, BossCPartMarkers2, FlashBossC, &BossCRecord));
}
void MoveHomingMissiles12() {
    Move(BossPool(HomingMissiles12, BossBLockMarkers, FlashBossB, &BossB));
}
void MoveHomingMissiles13() {
    Move(BossPool(HomingMissiles13, BossBLockMarkers + kHomingMissileCount, FlashBossB, &BossB));
}
void MoveHomingMissiles14() {
    Move({HomingMissiles14, BigEnemy3PartMarkers2, Ramp::kNone, true, nullptr, FlashBigEnemy3, &BigEnemy3,
          false});
}

namespace {

// A launcher arms missile k of its pool at marker k of its set, while the marker is locked inside the
// window and the missile is free.
struct Launcher {
    HomingSalvo* missiles;
    const LockRecord* markers;
    float offsetX;
    bool quickOnType2;
};

void Launch(const Launcher& l) {
    for (int k = 0; k < kHomingMissileCount; ++k) {
        const LockRecord& marker = l.markers[k];
        HomingSalvo& m = l.missiles[k];
        if (!(marker.y > 0 && marker.y < kWindowBottom && marker.x > 0 && marker.x < kWindowRight)) continue;
        if (m.active != 0 || marker.locked == 0) continue;
        m.active = 1;
        m.x = PlayerPosition.x + l.offsetX;
        m.y = PlayerPosition.y + kLaunchY;
        m.timer = 0.0f;
        m.dx = static_cast<float>(marker.x) + kAimOffset - m.x;
        m.dy = static_cast<float>(marker.y) + kAimOffset - m.y;
        m.speed = l.quickOnType2 && WeaponType == 2 ? kQuickLaunchSpeed : kLaunchSpeed;
        TraceArm(&m, 0, m.x, m.y);
    }
}

constexpr int kBossBGroup = kBossBLockMarkerCount / 2;

// Pools 01 and 02 fly at lock sets 1 and 2; 03, 04 and 15 to 19 at the part groups of big enemies 2, 4, 5
// and 6 in order; the others at the markers their movers steer to.
const Launcher kLaunchers[] = {
    {HomingMissiles01, LockMarkers01, kLaunchLeadX, true},
    {HomingMissiles02, LockMarkers02, kLaunchLeadX, true},
    {HomingMissiles03, BigEnemy2PartMarkers1, kLaunchX, false},
    {HomingMissiles04, BigEnemy2PartMarkers2, kLaunchX, false},
    {HomingMissiles05, LockMarkers07, kLaunchX, false},
    {HomingMissiles06, LockMarkers08, kLaunchX, false},
    {HomingMissiles07, BossAPartMarkers1, kLaunchX, false},
    {HomingMissiles08, BossAPartMarkers2, kLaunchX, false},
    {HomingMissiles10, BossCPartMarkers1, kLaunchX, false},
    {HomingMissiles11, BossCPartMarkers2, kLaunchX, false},
    {HomingMissiles12, BossBLockMarkers, kLaunchX, false},
    {HomingMissiles13, BossBLockMarkers + kBossBGroup, kLaunchX, false},
    {HomingMissiles14, BigEnemy3PartMarkers2, kLaunchX, false},
    {HomingMissiles15, BigEnemy4PartMarkers1, kLaunchX, false},
    {HomingMissiles16, BigEnemy4PartMarkers2, kLaunchX, false},
    {HomingMissiles17, BigEnemy5PartMarkers1, kLaunchX, false},
    {HomingMissiles18, BigEnemy5PartMarkers2, kLaunchX, false},
    {HomingMissiles19, BigEnemy6PartMarkers1, kLaunchX, false},
};

}  // namespace

void LaunchHomingMissiles01() {
    Launch(kLaunchers[0]);
}
void LaunchHomingMissiles02() {
    Launch(kLaunchers[1]);
}
void LaunchHomingMissiles03() {
    Launch(kLaunchers[2]);
}
void LaunchHomingMissiles04() {
    Launch(kLaunchers[3]);
}
void LaunchHomingMissiles05() {
    Launch(kLaunchers[4]);
}
void LaunchHomingMissiles06() {
    Launch(kLaunchers[5]);
}
void LaunchHomingMissiles07() {
    Launch(kLaunchers[6]);
}
void LaunchHomingMissiles08() {
    Launch(kLaunchers[7]);
}
void LaunchHomingMissiles10() {
    Launch(kLaunchers[8]);
}
void LaunchHomingMissiles11() {
    Launch(kLaunchers[9]);
}
void LaunchHomingMissiles12() {
    Launch(kLaunchers[10]);
}
void LaunchHomingMissiles13() {
    Launch(kLaunchers[11]);
}
void LaunchHomingMissiles14() {
    Launch(kLaunchers[12]);
}
void LaunchHomingMissiles15() {
    Launch(kLaunchers[13]);
}
void LaunchHomingMissiles16() {
    Launch(kLaunchers[14]);
}
void LaunchHomingMissiles17() {
    Launch(kLaunchers[15]);
}
void LaunchHomingMissiles18() {
    Launch(kLaunchers[16]);
}
void LaunchHomingMissiles19() {
    Launch(kLaunchers[17]);
}
