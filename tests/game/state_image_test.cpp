// The copy of the game state that lets a later run in one process start where an earlier one did: what a
// game leaves behind and its resets do not write (a small enemy's speed, boss B's record), the scalars and
// the generator all come back.
#include <gtest/gtest.h>

#include "game/core/game_state.h"
#include "game/enemies/enemy_pools.h"
#include "game/stage_b/stage_b_entities.h"
#include "platform/system.h"
#include "support/fresh_process.h"
#include "support/state_hash.h"

namespace {

using StateImageTest = FreshProcessTest;

TEST_F(StateImageTest, RestoreBringsBackWhatALaterGameChanged) {
    SmallEnemies[3].speed = 0.0f;
    BossB.health = 200.0f;
    Score = 1200;
    crt::srand(77u);
    GameStateImage image;
    image.Take();
    const std::uint64_t taken = GameStateHash();

    SmallEnemies[3].speed = 150.0f;
    BossB.health = -3.0f;
    Score = 99000;
    crt::rand();
    ASSERT_NE(GameStateHash(), taken);

    image.Restore();
    EXPECT_EQ(GameStateHash(), taken);
    EXPECT_EQ(SmallEnemies[3].speed, 0.0f);
    EXPECT_EQ(BossB.health, 200.0f);
    EXPECT_EQ(Score, 1200);
    EXPECT_EQ(crt::randState(), 77u);
}

TEST_F(StateImageTest, AnImageNotYetTakenRestoresNothing) {
    Score = 4321;
    const GameStateImage image;
    EXPECT_FALSE(image.Taken());
    image.Restore();
    EXPECT_EQ(Score, 4321);
}

}  // namespace
