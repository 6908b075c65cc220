// Stage B on the 640x480 program: boss B's path 80 pixels further left, the warning picture rising from
// the smaller screen's bottom edge, the batteries' edges at 640 and 480, and the whole stage run twice.
#include <cstring>

#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"
#include "game/entity_walk.h"
#include "game/stage_b/boss_b.h"
#include "game/stage_b/boss_b_aimed.h"
#include "game/stage_b/boss_b_arms.h"
#include "game/stage_b/boss_b_falling.h"
#include "game/stage_b/stage_b_entities.h"
#include "platform/headless.h"
#include "support/game_fixture.h"
#include "support/stage_b_run.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

class StageB640 : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        if (IsSkipped()) return;
        MakeWindow();
        LoadAllAssets();
        NewGame();
    }

    static void NewGame() {
        for (const EntityArray* a : entity_walk::AllArrays()) {
            std::memset(a->records, 0, entity_walk::RecordSize(a->kind) * static_cast<std::size_t>(a->count));
        }
        BossB = BossRecord{};
        headless::SetTime(1700000000);
        InitNewGame();
        ResetGameStateA();
        ResetGameStateB();
        HiScore = kStartingHiScore;
        Difficulty = 1;
        ScoringMode[0] = 1;
        ScoringMode[1] = 0;
        WeaponType = 1;
        FrameTime = kFrame;
        SceneNumber = PreviousScene = kSceneStageB;
    }
};

TEST_F(StageB640, BossAndWarningPictureStand80PixelsFurtherLeft) {
    RunStageBBossScript();
    EXPECT_EQ(BossBFlyBy.x, 70.0f);
    EXPECT_EQ(BossBFlyBy.y, 480.0f);
    BossB.clock = 140.0f;
    RunStageBBossScript();
    EXPECT_EQ(BossB.x, 70.0f);
    EXPECT_EQ(BossB.y, 0.0f);
    BossB.clock = 245.0f;
    RunStageBBossScript();
    EXPECT_EQ(BossB.x, 70.0f);
}

TEST_F(StageB640, BatteriesLeaveAtTheSmallerEdges) {
    BossB = {70.0f, 0.0f, 0.0f, 0.0f, 150.0f, 500.0f, 0.0f, 0, 0, 0};
    PlayerPosition = {290.0f, 400.0f};
    FireBossBSpreadShot01(0, 0);
    BossBSpread01[0].x = 640.0f;
    BossBSpread01[0].speed = 0.0f;
    MoveBossBSpread01();
    EXPECT_EQ(BossBSpread01[0].active, 1);
    BossBSpread01[0].x = 640.5f;
    MoveBossBSpread01();
    EXPECT_EQ(BossBSpread01[0].active, 0);
    FireBossBRing01(0);
    BossBRing01[0].y = 480.5f;
    BossBRing01[0].speed = 0.0f;
    MoveBossBRing01();
    EXPECT_EQ(BossBRing01[0].active, 0);
    FireBossBLine01();
    for (EnemyShot60& r : BossBLine01) r.speed = 0.0f;
    BossBLine01[0].y = 480.5f;
    MoveBossBLine01();
    EXPECT_EQ(BossBLine01[4].active, 0);
    // Falling sets and arm blocks are parked below 480.
    LaunchBossBPods01();
    BossBPods01[0].y = 480.5f - 140.0f * kFrame;
    MoveBossBPods01();
    EXPECT_EQ(BossBPods01[0].active, 0);
    EXPECT_EQ(BossBPods01[1].active, 1);
    DropBossBArm04(0, 0);
    BossBArm04[0].y = 480.0f - 143.0f * kFrame;
    MoveBossBArm04();
    EXPECT_EQ(BossBArm04[0].active, 1);
    BossBArm04[0].y = 480.5f;
    MoveBossBArm04();
    EXPECT_EQ(BossBArm04[0].active, 0);
}

TEST_F(StageB640, TheWholeStageRunsToStageCAndTwoRunsAgree) {
    const StageBRun first = RunWholeStageB(7331, kFrame, 40000);
    EXPECT_TRUE(first.sceneChanged) << "after " << first.frames << " frames, health " << BossB.health;
    EXPECT_TRUE(first.warningSeen);
    EXPECT_TRUE(first.swayed);
    for (bool band : first.burstBands) EXPECT_TRUE(band);
    EXPECT_TRUE(first.fourFlames);
    EXPECT_GT(first.shipHits, 0);
    EXPECT_GE(first.continues, 1);
    EXPECT_LT(first.scrollAtChange, 11100.0f);
    EXPECT_TRUE(first.poolsFreeAtChange);
    EXPECT_EQ(SceneNumber, kSceneStageC);
    NewGame();
    const StageBRun second = RunWholeStageB(7331, kFrame, 40000);
    EXPECT_EQ(second.frames, first.frames);
    EXPECT_EQ(second.hash, first.hash);
}

}  // namespace
