// Stage B's frame: the boss phase and its limit, the windows of the stage clock and of the attack
// counter, the counter's wrap by difficulty, the continue answer and the music it leaves alone.
#include <climits>

#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/power_item.h"
#include "game/enemies/enemy_pools.h"
#include "game/stage_b/stage_b_driver.h"
#include "platform/headless_devices.h"
#include "stage_b_fixture.h"

namespace {

class StageBDriverTest : public StageBTest {
protected:
    // A frame with the clock standing still, so the windows see exactly the value set.
    static void FrameAt(float scroll) {
        StageScroll = scroll;
        FrameTime = 0.0f;
        RunStageB();
        FrameTime = kFrame;
    }

    // A boss-phase frame at attack count n (the counter is raised to n in the frame).
    static void AttackFrame(int n, float health = 500.0f) {
        SettleBoss(health);
        BossBAttackTimer = n - 1;
        StageScroll = 2000.0f;
        RunStageB();
    }
};

TEST_F(StageBDriverTest, BossPhaseOpensAbove150AndTheLimitActsAt11000) {
    FrameAt(150.0f);
    EXPECT_EQ(BossBFlyBy.y, kParkedY);  // the script did not run
    FrameAt(150.01f);
    EXPECT_EQ(BossBFlyBy.y, 600.0f);
    SettleBoss(1000.0f);
    FrameAt(10999.99f);
    EXPECT_EQ(BossB.health, 1000.0f);
    FrameAt(11000.0f);
    EXPECT_EQ(BossB.health, 0.0f);
}

TEST_F(StageBDriverTest, AtTheLimitTheClearRunsTwiceAFrameAndEndsIn3Point5Seconds) {
    SettleBoss(500.0f);
    StageScroll = 11000.0f - 18.0f * kFrame;
    int frames = 0;
    float last = 0.0f;
    while (SceneNumber == kSceneStageB && frames < 1000) {
        last = StageScroll;
        RunStageB();
        ++frames;
    }
    EXPECT_NEAR(frames, 210, 2);
    EXPECT_LT(last, 11100.0f);
    EXPECT_EQ(SceneNumber, kSceneStageC);
}

TEST_F(StageBDriverTest, PreludeWindowsExcludeTheirBoundsPowerWindowsIncludeThem) {
    FrameAt(80.0f);
    EXPECT_EQ(SmallEnemies[5].active, 0);
    FrameAt(80.01f);
    EXPECT_EQ(SmallEnemies[5].active, 1);
    PowerItem.active = 0;
    FrameAt(299.99f);
    EXPECT_EQ(PowerItem.active, 0);
    FrameAt(300.0f);
    EXPECT_EQ(PowerItem.active, 1);
}

TEST_F(StageBDriverTest, SlotsNineAndTenFireShotsThatStageBNeverMoves) {
    FrameAt(125.0f);
    ASSERT_EQ(SmallEnemyShots[9].active, 1);
    ASSERT_EQ(SmallEnemySpreads[9 * 5].active, 1);
    const float x = SmallEnemyShots[9].x;
    const float y = SmallEnemyShots[9].y;
    StageScroll = 300.0f;
    for (int i = 0; i < 10; ++i) RunStageB();
    EXPECT_EQ(SmallEnemyShots[9].x, x);
    EXPECT_EQ(SmallEnemyShots[9].y, y);
    EXPECT_EQ(SmallEnemyShots[9].active, 1);
}

TEST_F(StageBDriverTest, NoAttackUntilHealthIsBelow980) {
    SettleBoss(980.0f);
    StageScroll = 2000.0f;
    RunStageB();
    EXPECT_EQ(BossBAttackTimer, 0);
    SettleBoss(979.9f);
    RunStageB();
    EXPECT_EQ(BossBAttackTimer, 1);
    SettleBoss(0.0f);
    RunStageB();
    EXPECT_EQ(BossBAttackTimer, 1);
}

TEST_F(StageBDriverTest, At200RainAndFansRunAt250TheFanTimersAdvanceTwice) {
    AttackFrame(199);
    EXPECT_EQ(BossBRain01[0].timer, 1);
    EXPECT_EQ(BossBFan04[0].timer, 0);
    AttackFrame(200);
    EXPECT_EQ(BossBRain01[0].timer, 2);
    EXPECT_EQ(BossBFan04[0].timer, 1);
    EXPECT_EQ(BossBFan03[0].timer, 1);
    AttackFrame(250);
    EXPECT_EQ(BossBFan04[0].timer, 3);
    EXPECT_EQ(BossBFan02[0].timer, 3);
    AttackFrame(251);
    EXPECT_EQ(BossBFan04[0].timer, 4);
}

TEST_F(StageBDriverTest, AtDifficulty1TheCycleEndsAt2300AndThePodsComeAgain) {
    AttackFrame(2300);
    EXPECT_EQ(BossBSpread06[0].timer, 1);
    EXPECT_EQ(BossBSpread07[0].timer, 1);
    EXPECT_EQ(BossBAttackTimer, 0);
    EXPECT_EQ(ActiveRecords(BossBPods09), 0);
    RunStageB();  // n = 1
    EXPECT_EQ(BossBAttackTimer, 1);
    EXPECT_EQ(ActiveRecords(BossBPods09), 4);
    // Pods launch on n 1 to 30 only: a pod that left at 31 stays free.
    for (EnemyDrop& pod : BossBPods01) {
        pod.active = 0;
        pod.y = kParkedY;
    }
    AttackFrame(30);
    EXPECT_EQ(ActiveRecords(BossBPods01), 2);
    for (EnemyDrop& pod : BossBPods01) {
        pod.active = 0;
        pod.y = kParkedY;
    }
    AttackFrame(31);
    EXPECT_EQ(ActiveRecords(BossBPods01), 0);
}

TEST_F(StageBDriverTest, AtDifficulty3TheCounterRunsTo3710WithArmBlocksAndSecondSpreads) {
    Difficulty = 3;
    AttackFrame(1319);
    EXPECT_EQ(BossBArm01[0].timer, 0);
    AttackFrame(1320);
    EXPECT_EQ(BossBArm01[0].timer, 1);
    EXPECT_EQ(BossBArm02[0].timer, 0);
    AttackFrame(2300);
    EXPECT_EQ(BossBAttackTimer, 2300);  // no wrap here at Difficulty 3
    EXPECT_EQ(BossBArm01[0].timer, 2);
    EXPECT_EQ(BossBArm02[0].timer, 1);
    EXPECT_EQ(BossBArm09[0].timer, 1);
    AttackFrame(2700);
    EXPECT_EQ(BossBArm01[0].timer, 3);
    EXPECT_EQ(BossBArm09[0].timer, 2);
    AttackFrame(2701);
    EXPECT_EQ(BossBArm01[0].timer, 3);
    AttackFrame(3700);
    EXPECT_EQ(BossBSpread07[0].timer, 2);
    AttackFrame(3710);
    EXPECT_EQ(BossBAttackTimer, 0);
    // At Difficulty 1 the arm blocks never move.
    Difficulty = 1;
    AttackFrame(1500);
    EXPECT_EQ(BossBArm01[0].timer, 3);
}

TEST_F(StageBDriverTest, AtDifficulty3AnActiveSpinnersSalvoFires) {
    Spinners1[0].active = 1;
    Spinners1[0].x = 300.0f;
    Spinners1[0].y = 200.0f;
    Spinners1[0].busy = 0;
    Difficulty = 1;
    RunStageB();
    EXPECT_EQ(SalvoTickCounters[0][0], 0);
    Difficulty = 3;
    RunStageB();
    EXPECT_EQ(SalvoTickCounters[0][0], 1);
    EXPECT_EQ(LockMarkers03[0].locked, 1);
}

TEST_F(StageBDriverTest, AtAnyOtherDifficultyTheCounterStopsAtTheLargestCount) {
    Difficulty = 0;
    EXPECT_EQ(StageBAttackWrap(), 0);
    AttackFrame(4000);
    EXPECT_EQ(BossBAttackTimer, 4000);
    SettleBoss(500.0f);
    BossBAttackTimer = INT_MAX - 1;
    for (int i = 0; i < 3; ++i) RunStageB();
    EXPECT_EQ(BossBAttackTimer, INT_MAX);
}

TEST_F(StageBDriverTest, YAnswersTheContinuePromptButNotAPause) {
    Frozen = 1;
    ContinueShown = 0;
    LastKey = 'Y';
    ShipStock = 0;
    RunStageB();
    EXPECT_EQ(Frozen, 1);
    EXPECT_EQ(ShipStock, 0);
    ContinueShown = 1;
    Score = 1234;
    PlayerAlive = 0;
    RunStageB();
    EXPECT_EQ(Frozen, 0);
    EXPECT_EQ(ContinueShown, 0);
    EXPECT_EQ(ShipStock, 111);
    EXPECT_EQ(PowerCount, 5);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(ContinueRecovery, 1);
    LastKey = 0;
}

TEST_F(StageBDriverTest, AFrozenFrameDrawsNothingAndTheStageStartsNoMusic) {
    headless::ClearMciCommands();
    const int presents = headless::PresentCount();
    Frozen = 1;
    RunStageB();
    EXPECT_EQ(headless::PresentCount(), presents);
    Frozen = 0;
    SceneFirstFrame = 1;  // the first frame sets nothing up either
    RunStageB();
    EXPECT_EQ(headless::PresentCount(), presents + 1);
    for (int i = 0; i < 30; ++i) RunStageB();
    EXPECT_TRUE(headless::MciCommands().empty());
}

TEST_F(StageBDriverTest, IdleSetsStayFreeAndUnseenThroughAWholeDifficulty3Cycle) {
    Difficulty = 3;
    SettleBoss(500.0f);
    StageScroll = 2000.0f;
    Invincible = 1;
    int armed = 0;
    const auto count = [&armed](const auto& records) {
        for (const auto& r : records) armed += r.active != 0 || r.y != kParkedY;
    };
    for (int frame = 0; frame < 3710; ++frame) {
        BossB.health = 500.0f;
        RunStageB();
        count(BossBRain03);
        count(BossBRain04);
        count(BossBExtraRing01);
        for (const auto* set :
             {&BossBExtraFan01, &BossBExtraFan02, &BossBExtraFan03, &BossBExtraFan04, &BossBExtraFan05}) {
            count(*set);
        }
        for (const EnemyDrop* set : {BossBExtraPods01, BossBExtraPods02, BossBExtraPods03, BossBExtraPods04,
                                     BossBExtraPods05, BossBExtraPods06, BossBExtraPods07}) {
            armed += set[0].active != 0 || set[0].y != kParkedY;
        }
    }
    EXPECT_EQ(armed, 0);
    EXPECT_EQ(BossBAttackTimer, 0);  // the cycle went round
    Invincible = 0;
}

TEST_F(StageBDriverTest, TheTablesKeepTheirRows) {
    EXPECT_EQ(StageBAttackRows().size(), 18u);
    EXPECT_EQ(StageBDifficulty3Rows().size(), 11u);
    EXPECT_EQ(StageBDriver().scrollRate, 18.0f);
    EXPECT_FALSE(StageBDriver().autoFire);
}

}  // namespace
