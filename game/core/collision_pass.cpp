#include "game/core/collision_pass.h"

#include "build_config.h"
#include "engine/draw_position.h"
#include "engine/elSystem.h"
#include "game/core/boss_sparks.h"
#include "game/core/burst_volley.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/main_shots.h"
#include "game/core/power_item.h"
#include "game/core/scoring.h"
#include "game/enemies/enemy_hits.h"
#include "game/enemies/enemy_pools.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_a/stage_a_hits.h"
#include "game/stage_b/boss_b_hit.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/boss_c_hit.h"
#include "game/stage_c/stage_c_entities.h"

namespace {

// The four passes, in order: third-kind main shots, second kind, first kind, burst shots.
enum Pass : int { kPassWide = 0, kPassKind2, kPassKind1, kPassBurst, kPassCount };

constexpr int kPowerItemFloorY = 50;
constexpr int kPowerItemReach = 60;
constexpr int kPowerItemPoints = 500;
constexpr int kRemoveAboveY = -60;

// Ordinary enemies: a hit needs ex + left <= sx <= ex + right and ey - 60 <= sy <= ey + 50.
constexpr int kEnemyReachAbove = 60;
constexpr int kEnemyReachBelow = 50;
constexpr float kEnemyFloor = -10.0f;
constexpr float kFallingObjectFloor = -15.0f;

struct EnemyBox {
    int left, right, points;
};
using EnemyRow = EnemyBox[kPassCount];

constexpr EnemyRow kSmallRow = {{-40, 50, 100}, {-40, 50, 100}, {-40, 50, 100}, {-40, 50, 100}};
constexpr EnemyRow kFallingRow = {{-40, 50, 100}, {-40, 50, 100}, {-60, 70, 50}, {-20, 70, 50}};
constexpr EnemyRow kDriftRow = {{-40, 40, 100}, {-40, 40, 100}, {-60, 60, 50}, {-20, 60, 50}};
constexpr EnemyRow kSpinnerRow = {{-40, 60, 150}, {-40, 60, 150}, {-60, 80, 50}, {-20, 80, 50}};
constexpr EnemyRow kDiverRow = {{-40, 60, 100}, {-40, 60, 100}, {-60, 80, 50}, {-20, 80, 50}};
constexpr EnemyRow kKind01Row = {{-40, 60, 200}, {-40, 60, 200}, {-60, 80, 50}, {-20, 80, 50}};
constexpr EnemyRow kNarrowRow = {{0, 30, 20}, {0, 30, 20}, {0, 30, 50}, {0, 70, 50}};
constexpr EnemyRow kLargeRow = {{0, 40, 100}, {0, 40, 100}, {0, 40, 50}, {0, 80, 50}};

// The position under test, the pass whose boxes it uses, and the points of a hit (0: the row's own).
struct ShotUnderTest {
    Pass pass;
    int x, y;
    int points = 0;
};

// Marks every record whose box holds the shot and scores the row's points. Rows with direct scoring
// add straight to the score in the main-shot passes of the second and third kinds.
template <typename Record, int N>
void TestEnemies(const ShotUnderTest& shot, const Record (&records)[N], const EnemyRow& row, float floorY,
                 void (*markHit)(int), bool directScoring = false) {
    const EnemyBox& box = row[shot.pass];
    const bool direct = directScoring && (shot.pass == kPassWide || shot.pass == kPassKind2);
    for (int i = 0; i < N; ++i) {
        const Record& e = records[i];
        if (e.busy != 0 || !(e.y >= floorY)) continue;
        const int ex = DrawInt(e.x);
        const int ey = DrawInt(e.y);
        if (shot.x < ex + box.left || shot.x > ex + box.right) continue;
        if (shot.y < ey - kEnemyReachAbove || shot.y > ey + kEnemyReachBelow) continue;
        markHit(i);
        const int points = shot.points != 0 ? shot.points : box.points;
        if (direct && shot.points == 0) {
            AddScoreUnchecked(points);
        } else {
            AddScore(points);
        }
    }
}

// The 20-point row.
template <typename Record, int N>
void TestNarrowEnemies(const ShotUnderTest& shot, const Record (&records)[N], void (*markHit)(int)) {
    TestEnemies(shot, records, kNarrowRow, kEnemyFloor, markHit, true);
}

void TestOrdinaryEnemies(const ShotUnderTest& shot) {
    TestEnemies(shot, SmallEnemies, kSmallRow, kEnemyFloor, MarkSmallEnemyHit);
    TestEnemies(shot, FallingObjects, kFallingRow, kFallingObjectFloor, MarkFallingObjectHit);
    TestEnemies(shot, DriftObjectsA, kDriftRow, kEnemyFloor, MarkDriftObjectAHit);
    TestEnemies(shot, DriftObjectsB, kDriftRow, kEnemyFloor, MarkDriftObjectBHit);
    TestEnemies(shot, Spinners1, kSpinnerRow, kEnemyFloor, MarkSpinnerHit1);
    TestEnemies(shot, Spinners2, kSpinnerRow, kEnemyFloor, MarkSpinnerHit2);
    TestEnemies(shot, Divers, kDiverRow, kEnemyFloor, MarkDiverHit);
    TestEnemies(shot, EnemySet01, kKind01Row, kEnemyFloor, MarkEnemyHit01);
    TestEnemies(shot, EnemySet02, kKind01Row, kEnemyFloor, MarkEnemyHit02);
    TestNarrowEnemies(shot, EnemySet03, MarkEnemyHit03);
    TestNarrowEnemies(shot, EnemySet04, MarkEnemyHit04);
    TestNarrowEnemies(shot, Swoopers1, MarkSwooperHit1);
    TestNarrowEnemies(shot, Swoopers2, MarkSwooperHit2);
    TestNarrowEnemies(shot, WaveFlyers1, MarkWaveFlyerHit1);
    TestNarrowEnemies(shot, WaveFlyers2, MarkWaveFlyerHit2);
    TestEnemies(shot, EnemySet05, kLargeRow, kEnemyFloor, MarkEnemyHit05);
    TestEnemies(shot, EnemySet06, kLargeRow, kEnemyFloor, MarkEnemyHit06);
    TestEnemies(shot, EnemySet07, kLargeRow, kEnemyFloor, MarkEnemyHit07);
    TestEnemies(shot, EnemySet08, kLargeRow, kEnemyFloor, MarkEnemyHit08);
    TestEnemies(shot, FormationShooters1, kLargeRow, kEnemyFloor, MarkFormationShooterHit1);
    TestEnemies(shot, FormationShooters2, kLargeRow, kEnemyFloor, MarkFormationShooterHit2);
    TestEnemies(shot, FormationShooters3, kLargeRow, kEnemyFloor, MarkFormationShooterHit3);
    TestEnemies(shot, FormationShooters4, kLargeRow, kEnemyFloor, MarkFormationShooterHit4);
}

// Bosses and big enemies: bx + left <= sx <= bx + right and by + 10 <= sy <= by + 200.
constexpr int kBossReachTop = 10;
constexpr int kBossReachBottom = 200;
constexpr float kMainShotDamage = 100.0f;
constexpr float kBurstShotDamage = 3.0f;

struct BossTarget {
    BossRecord* record;
    void (*flash)();
    int left;
    int mainRight, burstRight;
    int mainPoints, kind1Points, burstPoints;
    // Spark sets of the first-kind, second-kind and burst passes; none for the third kind.
    void (*sparks1)();
    void (*sparks2)();
    void (*sparksBurst)();
};

const BossTarget kBossTargets[] = {
    {&BossARecord, MarkBossHit1, 80, 300, 340, 100, 50, 50, SpawnBossSparksA1, SpawnBossSparksA2,
     SpawnBossSparksA3},
    {&BigEnemy2, FlashBigEnemy2, 80, 300, 340, 100, 50, 50, nullptr, nullptr, nullptr},
    {&BigEnemy3, FlashBigEnemy3, 80, 320, 360, 100, 50, 50, SpawnBossSparksA4, SpawnBossSparksA5,
     SpawnBossSparksA6},
    {&BossCRecord, FlashBossC, 80, 300, 340, 100, 50, 50, SpawnBossSparksC1, SpawnBossSparksC2,
     SpawnBossSparksC3},
    {&BigEnemy4, FlashBigEnemy4, 50, 270, 310, 100, 50, 50, SpawnBossSparksC4, SpawnBossSparksC5,
     SpawnBossSparksC6},
    {&BigEnemy5, FlashBigEnemy5, 50, 330, 370, 250, 50, 50, nullptr, nullptr, nullptr},
    {&BossB, FlashBossB, 50, 390, 430, 250, 60, 60, SpawnBossSparksB1, SpawnBossSparksB2, SpawnBossSparksB3},
    {&BigEnemy6, FlashBigEnemy6, 50, 370, 410, 100, 50, 50, nullptr, nullptr, nullptr},
};

void (*SparksFor(const BossTarget& target, Pass pass))() {
    switch (pass) {
        case kPassKind1:
            return target.sparks1;
        case kPassKind2:
            return target.sparks2;
        case kPassBurst:
            return target.sparksBurst;
        default:
            return nullptr;
    }
}

int PointsFor(const BossTarget& target, Pass pass) {
    switch (pass) {
        case kPassKind1:
            return target.kind1Points;
        case kPassBurst:
            return target.burstPoints;
        default:
            return target.mainPoints;
    }
}

// Tests the shot at its current position against each boss and big enemy; a main shot that hits is
// removed, so it hits nothing after.
template <typename Shot>
void TestBosses(Pass pass, Shot& shot) {
    const bool burst = pass == kPassBurst;
    for (const BossTarget& target : kBossTargets) {
        BossRecord& boss = *target.record;
        if (boss.dead != 0 || !(boss.y >= 0.0f)) continue;
        const int bx = DrawInt(boss.x);
        const int by = DrawInt(boss.y);
        const int right = burst ? target.burstRight : target.mainRight;
        if (shot.x < bx + target.left || shot.x > bx + right) continue;
        if (shot.y < by + kBossReachTop || shot.y > by + kBossReachBottom) continue;
        if (void (*sparks)() = SparksFor(target, pass)) sparks();
        target.flash();
        AddScore(PointsFor(target, pass));
        boss.health -= (burst ? kBurstShotDamage : kMainShotDamage) * FrameTime;
        if (!burst) {
            shot.active = 0;
            shot.x = kRemovedShotX;
            shot.y = kRemovedShotY;
        }
    }
}

template <typename Shot>
void TestShot(Pass pass, Shot& shot) {
    TestOrdinaryEnemies(ShotUnderTest{pass, shot.x, shot.y});
    TestBosses(pass, shot);
}

template <int N>
void RunMainShotPass(Pass pass, MainShot (&pool)[N], void (*step)(MainShot&, int)) {
    const bool wide = pass == kPassWide;
    for (int i = 0; i < N; ++i) {
        MainShot& shot = pool[i];
        if (shot.active == 0) continue;
        step(shot, i);
        if (shot.y < kRemoveAboveY || (wide && shot.y > build::kWideShotBottom)) {
            shot.active = 0;
            shot.x = kRemovedShotX;
            shot.y = kRemovedShotY;
            continue;
        }
        TestShot(pass, shot);
    }
}

void RunBurstPass() {
    for (int i = 0; i < kBurstShotCount; ++i) {
        PhaseShot& shot = BurstShots[i];
        if (shot.active == 0) continue;
        StepBurstShot(shot, i);
        if (shot.active == 0) continue;
        TestShot(kPassBurst, shot);
    }
}

void TestPowerItem() {
    if (PowerItem.active == 0 || !(PowerItem.y > kPowerItemFloorY)) return;
    const int ix = DrawInt(PowerItem.x);
    const int iy = DrawInt(PowerItem.y);
    const int sx = DrawInt(PlayerPosition.x);
    const int sy = DrawInt(PlayerPosition.y);
    if (sx < ix - kPowerItemReach || sx > ix + kPowerItemReach) return;
    if (sy < iy - kPowerItemReach || sy > iy + kPowerItemReach) return;
    CollectPowerItem();
    AddScore(kPowerItemPoints);
}

}  // namespace

void HitTestSpiralPoint(int x, int y) {
    constexpr int kSpiralPoints = 50;
    TestOrdinaryEnemies(ShotUnderTest{kPassWide, x, y, kSpiralPoints});
    for (const BossTarget& target : kBossTargets) {
        BossRecord& boss = *target.record;
        if (boss.dead != 0 || !(boss.y >= 0.0f)) continue;
        const int bx = DrawInt(boss.x);
        const int by = DrawInt(boss.y);
        if (x < bx + target.left || x > bx + target.mainRight) continue;
        if (y < by + kBossReachTop || y > by + kBossReachBottom) continue;
        target.flash();
        AddScore(kSpiralPoints);
        boss.health -= kMainShotDamage * FrameTime;
    }
}

void HitTestPlayerAttacks() {
    TestPowerItem();
    RunMainShotPass(kPassWide, MainShots3, StepWideShot);
    RunMainShotPass(kPassKind2, MainShots2, StepForwardShot);
    RunMainShotPass(kPassKind1, MainShots1, StepForwardShot);
    RunBurstPass();
}
