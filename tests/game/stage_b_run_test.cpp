// The whole of stage B, headless: from the frame stage A's clear leaves to the scene change, twice with
// the same seed and input.
#include <cstring>

#include "game/core/resets.h"
#include "game/enemies/enemy_pools.h"
#include "game/entity_walk.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/headless.h"
#include "stage_b_fixture.h"
#include "support/stage_b_run.h"

namespace {

using StageBRunTest = StageBTest;

constexpr unsigned kSeed = 7331;
constexpr int kFrameLimit = 40000;

// Every entity as a newly started program has it: the resets leave some words as they were (flash
// words, the small enemies' headings and spares), so two runs start alike only from the same memory.
void ZeroEntities() {
    for (const EntityArray* a : entity_walk::AllArrays()) {
        std::memset(a->records, 0, entity_walk::RecordSize(a->kind) * static_cast<std::size_t>(a->count));
    }
    for (BossRecord* r :
         {&BossARecord, &BossB, &BossCRecord, &BigEnemy2, &BigEnemy3, &BigEnemy4, &BigEnemy5, &BigEnemy6}) {
        *r = BossRecord{};
    }
}

StageBRun NewGameRun() {
    ZeroEntities();
    headless::SetTime(1700000000);
    InitNewGame();
    HiScore = kStartingHiScore;  // the one value a new game carries over from the last
    Difficulty = 1;
    ScoringMode[0] = 1;
    ScoringMode[1] = 0;
    WeaponType = 1;
    return RunWholeStageB(kSeed, 1.0f / 60.0f, kFrameLimit);
}

TEST_F(StageBRunTest, TheWholeStageRunsToStageCAndTwoRunsAgree) {
    const StageBRun first = NewGameRun();
    EXPECT_TRUE(first.sceneChanged) << "after " << first.frames << " frames, health " << BossB.health;
    EXPECT_TRUE(first.warningSeen);
    EXPECT_TRUE(first.entered);
    EXPECT_TRUE(first.swayed);
    for (bool band : first.burstBands) EXPECT_TRUE(band);
    EXPECT_TRUE(first.twoFlames);
    EXPECT_TRUE(first.fourFlames);
    EXPECT_TRUE(first.clearSequence);
    EXPECT_NEAR(first.clearFrames, 420, 2);  // 7 s at one call a frame
    EXPECT_GT(first.shipHits, 0);
    EXPECT_GE(first.continues, 1);
    EXPECT_LT(first.scrollAtChange, 11100.0f);
    EXPECT_TRUE(first.poolsFreeAtChange);
    EXPECT_EQ(PreviousScene, 0);
    EXPECT_EQ(Transition.length, 60);

    const StageBRun second = NewGameRun();
    EXPECT_EQ(second.frames, first.frames);
    EXPECT_EQ(second.hash, first.hash);
}

}  // namespace
