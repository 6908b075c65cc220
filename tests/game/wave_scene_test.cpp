// The small-enemy wave as a whole scene on the headless backend: fixed seed and frame time, the ship
// moving and firing under scripted input.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "game/core/core_entities.h"
#include "game/core/picture_slots.h"
#include "game/enemies/enemy_pools.h"
#include "game/entity_walk.h"
#include "platform/system.h"
#include "player_fixture.h"
#include "support/dump_screen.h"
#include "support/state_hash.h"
#include "support/wave_harness.h"

namespace {

constexpr unsigned kSeed = 20260;
constexpr int kFrames = 720;
constexpr int kFireFrom = 400;
constexpr int kFieldLeft = 220;
constexpr int kFieldRight = 580;
constexpr float kDegree = 0.01745329238474369f;

// What the scene showed, frame by frame.
struct Seen {
    bool spawned[wave::kSlots] = {};
    // Steps of live, unhit slots: how often x went left, stayed, went right; y went up or down.
    int left[wave::kSlots] = {};
    int still[wave::kSlots] = {};
    int right[wave::kSlots] = {};
    int up[wave::kSlots] = {};
    int down[wave::kSlots] = {};
    int wrongTurns[wave::kSlots] = {};
    int shotsFired = 0;
    int spreadsFired = 0;
    int aimedAway = 0;
    int deathFrame = -1;
    int fragmentsAfterDeath = 0;
    int litInField = 0;
    int litOutside = 0;
    std::vector<int> finalScreen;
    std::uint64_t finalState = 0;
};

class WaveSceneTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        if (IsSkipped()) return;
        // The words the resets leave alone start at zero, as in a newly started program.
        for (const EntityArray* a : entity_walk::AllArrays()) {
            std::memset(a->records, 0, entity_walk::RecordSize(a->kind) * static_cast<std::size_t>(a->count));
        }
        ResetGameStateA();
        ResetGameStateB();
        crt::srand(kSeed);
        BlendEffects = 1;
    }

    // The ship sweeps left and right; it holds fire once the circling slots have flown a full turn.
    static void Steer(int frame) {
        if (frame == kFireFrom) headless::PressKey(VK_SHIFT);
        const bool left = (frame / 90) % 2 == 0;
        headless::ReleaseKey(left ? VK_RIGHT : VK_LEFT);
        headless::PressKey(left ? VK_LEFT : VK_RIGHT);
    }

    static void CountScreen(Seen& seen) {
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                const bool lit = headless::ScreenPixel(x, y) > 0;
                if (x >= kFieldLeft && x < kFieldRight) {
                    seen.litInField += lit;
                } else {
                    seen.litOutside += lit;
                }
            }
        }
    }

    // A newly armed aimed record must head toward the ship's aim point as it stood when it was fired.
    static void CheckAim(const EnemyShot60& s, FloatPoint ship, Seen& seen) {
        const float dx = ship.x + 15.0f - s.fireX;
        const float dy = ship.y + 15.0f - s.fireY;
        if (std::fabs(s.dx - dx) > 1e-3f || std::fabs(s.dy - dy) > 1e-3f) ++seen.aimedAway;
        if (std::cos(s.heading) * dx + std::sin(s.heading) * dy <= 0.0f) ++seen.aimedAway;
    }

    static void Observe(const SmallEnemy (&before)[wave::kSlots],
                        const EnemyShot60 (&shots)[kSmallEnemyCount],
                        const EnemyShot60 (&spreads)[kSmallEnemySpreadCount], FloatPoint ship, Seen& seen) {
        for (int n = 0; n < wave::kSlots; ++n) {
            const SmallEnemy& a = before[n];
            const SmallEnemy& b = SmallEnemies[n];
            if (b.active != 0) seen.spawned[n] = true;
            if (a.active == 0 || b.active == 0 || a.hit != 0 || b.hit != 0 || a.y == -80.0f) {
                // respawned, leaving or exploding
            } else {
                seen.left[n] += b.x < a.x;
                seen.still[n] += b.x == a.x;
                seen.right[n] += b.x > a.x;
                seen.up[n] += b.y < a.y;
                seen.down[n] += b.y > a.y;
                const int pattern = wave::PatternOf(n);
                if (pattern == 9 || pattern == 10) {
                    const float turn = std::remainder(b.heading - a.heading, 6.2831855f);
                    const float expected = pattern == 9 ? kDegree : -kDegree;
                    if (std::fabs(turn - expected) > 1e-5f) ++seen.wrongTurns[n];
                }
            }
            if (shots[n].active == 0 && SmallEnemyShots[n].active != 0) {
                ++seen.shotsFired;
                CheckAim(SmallEnemyShots[n], ship, seen);
            }
            const int first = n * kSpreadGroupSize;
            if (spreads[first].active == 0 && SmallEnemySpreads[first].active != 0) {
                ++seen.spreadsFired;
                CheckAim(SmallEnemySpreads[first], ship, seen);
            }
        }
    }

    static Seen RunScene() {
        Seen seen;
        SmallEnemy before[wave::kSlots];
        EnemyShot60 shots[kSmallEnemyCount];
        EnemyShot60 spreads[kSmallEnemySpreadCount];
        for (int f = 0; f < kFrames; ++f) {
            Steer(f);
            std::copy(std::begin(SmallEnemies), std::end(SmallEnemies), before);
            std::copy(std::begin(SmallEnemyShots), std::end(SmallEnemyShots), shots);
            std::copy(std::begin(SmallEnemySpreads), std::end(SmallEnemySpreads), spreads);
            const FloatPoint ship = PlayerPosition;
            wave::Frame(f);
            Observe(before, shots, spreads, ship, seen);
            if (seen.deathFrame < 0 && PlayerAlive == 0) seen.deathFrame = f;
            if (f % 60 == 30) CountScreen(seen);
        }
        for (const BlastFragment& b : BlastFragments) seen.fragmentsAfterDeath += b.launched;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) seen.finalScreen.push_back(headless::ScreenPixel(x, y));
        }
        seen.finalState = GameStateHash();
        return seen;
    }
};

TEST_F(WaveSceneTest, EverySlotFliesItsPatternTheShipShootsAndIsShotAndOneSeedGivesOneScreen) {
    const Seen seen = RunScene();
    for (int n = 0; n < wave::kSlots; ++n) {
        EXPECT_TRUE(seen.spawned[n]) << n;
        EXPECT_GT(seen.down[n] + seen.up[n], 0) << "slot " << n << " never flew";
        switch (wave::PatternOf(n)) {
            case 0:
                EXPECT_EQ(seen.left[n] + seen.right[n], 0) << n;
                EXPECT_EQ(seen.up[n], 0) << n;
                break;
            case 3:
                EXPECT_EQ(seen.left[n] + seen.still[n], 0) << n;
                EXPECT_GT(seen.right[n], 0) << n;
                break;
            case 4:
                EXPECT_EQ(seen.right[n] + seen.still[n], 0) << n;
                EXPECT_GT(seen.left[n], 0) << n;
                break;
            case 9:
            case 10:
                // Round a circle: every way at some time, one degree a frame.
                EXPECT_GT(seen.left[n], 0) << n;
                EXPECT_GT(seen.right[n], 0) << n;
                EXPECT_GT(seen.up[n], 0) << n;
                EXPECT_GT(seen.down[n], 0) << n;
                EXPECT_EQ(seen.wrongTurns[n], 0) << n;
                break;
            default:
                break;
        }
    }
    EXPECT_GT(seen.shotsFired, 20);
    EXPECT_GT(seen.spreadsFired, 10);
    EXPECT_EQ(seen.aimedAway, 0);
    // The ship's shots explode enemies, a hundred points a hit.
    EXPECT_GT(Score, 0);
    EXPECT_EQ(Score % 100, 0);
    EXPECT_GE(Plays(SoundBom), 2);
    // An enemy bullet got through, and the death blast followed.
    EXPECT_GE(seen.deathFrame, 0);
    EXPECT_GT(seen.fragmentsAfterDeath, 0);
    // Everything shows inside the field and nothing outside it.
    EXPECT_GT(seen.litInField, 10000);
    EXPECT_EQ(seen.litOutside, 0);

    StartFreshProcess();
    SetUp();
    const Seen again = RunScene();
    EXPECT_TRUE(again.finalScreen == seen.finalScreen);
    EXPECT_EQ(again.finalState, seen.finalState);
}

TEST_F(WaveSceneTest, DumpedFrameShowsLooksFlamesShotsSpreadsAndAnExplosion) {
    PlayerPosition = {370.0f, 520.0f};
    for (int f = 0; f < 125; ++f) wave::Frame(f);
    ContinueRecovery = 1;  // keep the ship in the picture
    SmallEnemies[0].hit = 1;
    SmallEnemies[2].hit = 1;
    for (int f = 125; f < 129; ++f) wave::Frame(f);
    DumpScreen("wave_scene");
    int exploding = 0;
    for (const SmallEnemy& e : SmallEnemies) exploding += e.active != 0 && e.hit != 0;
    EXPECT_GT(exploding, 0);
}

}  // namespace
