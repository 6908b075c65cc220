// Where the three bosses' damage bursts and clear-sequence bursts land: boss position + (rand() % spread),
// then the shift, each addition rounded to single precision in that order.
#include <vector>

#include "game/stage_a/boss_a.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/boss_b.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/boss_c.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/system.h"
#include "player_fixture.h"

namespace {

using BossBurstTest = PlayerTest;

constexpr unsigned kSeed = 4242;

// The generator's next numbers after the seed, without disturbing what the sequence will draw.
std::vector<int> NumbersAfterSeed(int count) {
    crt::srand(kSeed);
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(crt::rand());
    crt::srand(kSeed);
    return numbers;
}

// A boss coordinate with a fraction for which adding the spread and then the shift rounds differently from
// adding their sum, so the order of the additions shows.
float OrderSensitiveBase(int random, int spread, int shift) {
    const float r = static_cast<float>(random % spread);
    for (float base = 0.1f; base < 700.0f; base += 0.37f) {
        if (base + r + static_cast<float>(shift) != base + static_cast<float>(random % spread + shift))
            return base;
    }
    return 0.0f;
}

struct Scatter {
    int spreadX;
    int shiftX;
    int spreadY;
    int shiftY;
};

// Places the boss where the first record's x (and y, where shifted) is sensitive to the order, runs the
// sequence once and checks the record that the numbers at `skip` and `skip + 1` placed.
void ExpectScatter(BossRecord& boss, void (*run)(), const BossBurst& burst, int skip, const Scatter& s) {
    const std::vector<int> n = NumbersAfterSeed(skip + 2);
    boss.x = OrderSensitiveBase(n[skip], s.spreadX, s.shiftX);
    boss.y = s.shiftY != 0 ? OrderSensitiveBase(n[skip + 1], s.spreadY, s.shiftY) : 20.5f;
    ASSERT_NE(boss.x, 0.0f);
    ASSERT_NE(boss.y, 0.0f);
    crt::srand(kSeed);
    run();
    EXPECT_EQ(burst.x, boss.x + static_cast<float>(n[skip] % s.spreadX) + static_cast<float>(s.shiftX));
    EXPECT_EQ(burst.y, boss.y + static_cast<float>(n[skip + 1] % s.spreadY) + static_cast<float>(s.shiftY));
}

constexpr int kBurstNumbers = 2 * kBossBurstCount;  // the clear blasts come after the bursts' numbers

TEST_F(BossBurstTest, DamageBurstsLandAtTheBossPlusTheRandomSpreadThenTheShift) {
    BossARecord.health = 500.0f;
    ExpectScatter(BossARecord, DrawBossDeathA, BossDamageBursts[0], 0, {440, -100, 360, -100});
    BossB.health = 300.0f;
    ExpectScatter(BossB, DrawBossDeathB, BossDamageBursts[0], 0, {440, -100, 360, -100});
    BossCRecord.health = 150.0f;
    ExpectScatter(BossCRecord, DrawBossDeathC, BossDamageBursts[0], 0, {440, -100, 360, -100});
}

TEST_F(BossBurstTest, ClearBurstsAndBlastsLandAtTheBossPlusTheRandomSpreadThenTheShift) {
    BossARecord.health = 0.0f;
    ExpectScatter(BossARecord, RunStageAClearSequence, BossAClearBursts[0], 0, {440, -100, 360, 0});
    ExpectScatter(BossARecord, RunStageAClearSequence, BossAClearBlasts[0], kBurstNumbers,
                  {440, -40, 360, 0});
    BossB.health = 0.0f;
    ExpectScatter(BossB, RunStageBClearSequence, BossBClearBursts[0], 0, {500, -100, 350, 0});
    ExpectScatter(BossB, RunStageBClearSequence, BossBClearBlasts[0], kBurstNumbers, {500, -40, 350, 0});
    BossCRecord.health = 0.0f;
    ExpectScatter(BossCRecord, RunStageCClearSequence, BossCClearBursts[0], 0, {440, -100, 320, 0});
    ExpectScatter(BossCRecord, RunStageCClearSequence, BossCClearBlasts[0], kBurstNumbers,
                  {440, -40, 310, 0});
}

}  // namespace
