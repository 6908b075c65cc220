// Boss A and its pools in the 640x480 program: the boss's place, the warning picture and the pools'
// right and bottom edges.
#include <gtest/gtest.h>

#include "engine/elInput.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/stage_a/boss_a.h"
#include "game/stage_a/boss_a_pools.h"
#include "game/stage_a/stage_a_entities.h"
#include "platform/headless.h"
#include "support/fresh_process.h"

namespace {

class BossA640 : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        InitNewGame();
        ResetGameStateA();
        ResetGameStateB();
        FrameTime = 0.05f;
    }
};

TEST_F(BossA640, WarningRisesFromTheBottomEdgeAndTheBossHoldsAtHundred) {
    RunStageABossScript();
    RunStageABossScript();
    EXPECT_EQ(BossWarningPicture.x, 80.0f);
    EXPECT_EQ(BossWarningPicture.y, 480.0f);
    while (BossARecord.clock < 150.0f) RunStageABossScript();
    EXPECT_EQ(BossARecord.x, 100.0f);
    EXPECT_EQ(BossARecord.y, 0.0f);
}

TEST_F(BossA640, PoolsLeaveAtTheSmallerEdges) {
    BossARecord.x = 100.0f;
    BossARecord.y = 0.0f;
    PlayerPosition = {300.0f, 400.0f};
    FireBossAVolley04();
    FrameTime = 0.0f;  // held in place: only the edge decides
    BossAVolley04[0].x = 640.0f;
    MoveBossAVolley04();
    EXPECT_EQ(BossAVolley04[0].active, 1);
    BossAVolley04[0].x = 641.0f;
    MoveBossAVolley04();
    EXPECT_EQ(BossAVolley04[0].active, 0);

    for (int i = 0; i < 10; ++i) UpdateBossADropTimers01();
    ASSERT_EQ(BossADrops01[0].active, 1);
    EXPECT_EQ(BossADrops01[0].x, 220.0f);
    BossADrops01[0].y = 470.0f;
    FrameTime = 0.05f;
    MoveBossADrop01();
    EXPECT_EQ(BossADrops01[0].active, 0);
    EXPECT_EQ(BossADrops01[0].y, kParkedY);
}

}  // namespace
