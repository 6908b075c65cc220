// The 640x480 program's stage C: boss C rests at x 100 and every pool leaves by the smaller field's edges.
#include <gtest/gtest.h>

#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/stage_c/boss_c.h"
#include "game/stage_c/boss_c_drops.h"
#include "game/stage_c/boss_c_emitters.h"
#include "game/stage_c/boss_c_lines.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/headless.h"
#include "support/fresh_process.h"

namespace {

class StageC640 : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        InitNewGame();
        ResetGameStateA();
        ResetGameStateB();
        FrameTime = 0.0f;  // records stay where they are put
        PlayerPosition = {290.0f, 400.0f};
    }
};

TEST_F(StageC640, TheBossRestsAtOneHundred) {
    FrameTime = 0.0625f;
    BossCRecord.clock = 74.375f;  // to 75: the descent's last frame, then the reset
    MoveBossCPath();
    EXPECT_EQ(BossCRecord.x, 100.0f);
    EXPECT_EQ(BossCRecord.y, 0.0f);
}

TEST_F(StageC640, PoolsLeaveByTheRightEdge640AndTheBottomEdge480) {
    auto heading = [](EnemyShot& r, float x, float y) {
        r = EnemyShot{};
        r.active = 1;
        r.x = x;
        r.y = y;
    };
    heading(BossFanShot01[0], 640.0f, 100.0f);
    heading(BossFanShot01[1], 640.5f, 100.0f);
    heading(BossFanShot01[2], 100.0f, 480.5f);
    MoveBossFanShot01();
    EXPECT_EQ(BossFanShot01[0].active, 1);
    EXPECT_EQ(BossFanShot01[1].active, 0);
    EXPECT_EQ(BossFanShot01[2].active, 0);

    BossSpray02[0] = PhaseShot{300, 480, 0, 20, 3.5f, 1};  // between two windows: no step
    BossSpray02[1] = PhaseShot{300, 481, 0, 20, 3.5f, 1};
    MoveBossSpray02();
    EXPECT_EQ(BossSpray02[0].active, 1);
    EXPECT_EQ(BossSpray02[1].active, 0);

    for (EnemyShot60& r : BossShotLine06) r.active = 1;
    BossShotLine06[0].x = 640.5f;
    BossShotLine06[0].y = 100.0f;
    MoveBossShotLine06();
    for (const EnemyShot60& r : BossShotLine06) EXPECT_EQ(r.active, 0);

    BossCTwin01[0] = EnemyDrop{0, 0, 300.0f, 480.0f, 0.0f, 0.0f, 0.0f, 1};
    BossCTwin01[2] = EnemyDrop{0, 0, 300.0f, 480.5f, 0.0f, 0.0f, 0.0f, 1};
    MoveBossCTwin01();
    EXPECT_EQ(BossCTwin01[0].active, 1);
    EXPECT_EQ(BossCTwin01[2].active, 0);

    BossCurveFan02[0].active = 1;
    BossCurveFan02[0].x = 300.0f;
    BossCurveFan02[0].y = 480.5f;
    MoveBossCurveFan02();
    EXPECT_EQ(BossCurveFan02[0].active, 0);
}

}  // namespace
