// Stage C's frame: the attack clock and its table, the time limit, the freeze, the backgrounds switch, the
// power-item windows and the pod launches.
#include "game/core/backgrounds.h"
#include "game/core/scenes.h"
#include "game/stage_c/boss_c.h"
#include "game/stage_c/boss_c_drops.h"
#include "stage_c_fixture.h"
#include "support/state_hash.h"

namespace {

using StageCDriverTest = StageCTest;

constexpr int kVkY = 'Y';

TEST_F(StageCDriverTest, TheAttackClockRunsOnlyWhileTheHealthIsStrictlyInsideItsBand) {
    StageScroll = 500.0f;
    for (float health : {780.0f, 1000.0f, 0.0f, -5.0f}) {
        PlaceBoss(180.0f, 0.0f, health);
        BossCRecord.destructionTimer = 0.0f;
        RunStageC();
        EXPECT_EQ(BossCAttackClock, 0) << health;
    }
    PlaceBoss(180.0f, 0.0f, 779.9f);
    RunStageC();
    EXPECT_EQ(BossCAttackClock, 1);
    PlaceBoss(180.0f, 0.0f, 0.01f);
    RunStageC();
    EXPECT_EQ(BossCAttackClock, 2);
    // Outside the boss phase nothing moves the clock or the boss.
    StageScroll = 5.0f;
    BossCRecord.clock = 100.0f;
    RunStageC();
    EXPECT_EQ(BossCAttackClock, 2);
    EXPECT_EQ(BossCRecord.clock, 100.0f);
}

TEST_F(StageCDriverTest, TheLastWindowRunsOnTheWrapFrameAndTheNextThirtyFramesFireNothing) {
    StageScroll = 500.0f;
    PlaceBoss(180.0f, 0.0f, 500.0f);
    BossCAttackClock = 4899;
    BossFanShot05[0].timer = 7;
    RunStageC();
    EXPECT_EQ(BossFanShot05[0].timer, 8);  // row 37 ran with n = 4900
    EXPECT_EQ(BossCAttackClock, 0);
    const int activeBefore = ActiveStageCRecords();
    const int twinTimer = BossCTwin01[0].timer;
    const int triTimer = BossCTriFan03[0].timer;
    for (int n = 1; n <= 29; ++n) {
        RunStageC();
        ASSERT_EQ(BossCAttackClock, n);
    }
    EXPECT_EQ(ActiveStageCRecords(), activeBefore);
    EXPECT_EQ(BossCTwin01[0].timer, twinTimer);
    EXPECT_EQ(BossCTriFan03[0].timer, triTimer);
    RunStageC();  // n = 30 opens the three-way fans' window
    EXPECT_EQ(BossCTriFan03[0].timer, triTimer + 1);
}

TEST_F(StageCDriverTest, OverlappingRowsRunInTheTablesOrder) {
    // The rows that hold a value of n, by their place in the table.
    auto rowsAt = [](int n) {
        std::vector<int> rows;
        int k = 0;
        for (const AttackRow& row : StageCAttackRows()) {
            ++k;
            if (n >= row.low && n <= row.high) rows.push_back(k);
        }
        return rows;
    };
    ASSERT_EQ(StageCAttackRows().size(), 37u);
    EXPECT_EQ(rowsAt(450), (std::vector<int>{7, 8, 10, 12}));
    EXPECT_EQ(rowsAt(500), (std::vector<int>{7, 8, 10, 12, 13}));
    EXPECT_EQ(rowsAt(4900), (std::vector<int>{37}));
    // And all of them act on that frame.
    StageScroll = 500.0f;
    PlaceBoss(180.0f, 100.0f, 500.0f);
    BossCAttackClock = 499;
    RunStageC();
    EXPECT_EQ(BossCTwin01[0].timer, 1);
    EXPECT_EQ(BossCFan04[0].timer, 1);
    EXPECT_EQ(BossCTriFan03[0].timer, 1);
    EXPECT_EQ(CountActive(BossShotLine25), 5);
    EXPECT_EQ(CountActive(BossShotLine27), 5);
}

TEST_F(StageCDriverTest, TheSecondFlagAddsTheThreeWayWindowAndTheSecondFiveWayMove) {
    StageScroll = 500.0f;
    PlaceBoss(180.0f, 100.0f, 500.0f);
    BossCAttackClock = 349;
    BossCFan01[7].x = 300.0f;  // member 2 of group 1: no spread; a parked record drifts only by it
    BossCFan01[6].x = 300.0f;  // member 1: -50 px/s
    RunStageC();
    EXPECT_EQ(BossCTriFan03[0].timer, 0);
    EXPECT_FLOAT_EQ(BossCFan01[6].x, 300.0f - 50.0f * FrameTime);
    ScoringMode[1] = 1;
    RunStageC();
    EXPECT_EQ(BossCTriFan03[0].timer, 1);
    EXPECT_FLOAT_EQ(BossCFan01[6].x, 300.0f - 50.0f * FrameTime - 2.0f * 50.0f * FrameTime);
}

TEST_F(StageCDriverTest, ANeverHitBossIsForcedOutAtTheTimeLimitAndTheStageEndsHalfTheUsualTimeLater) {
    Score = 1234;
    PlaceBoss(180.0f, 0.0f);
    BossCRecord.clock = 100.0f;
    StageScroll = 11000.0f - 16.0f * FrameTime + 0.001f;
    RunStageC();
    ASSERT_GE(StageScroll, 11000.0f);
    EXPECT_EQ(BossCRecord.health, 0.0f);
    EXPECT_FLOAT_EQ(BossCRecord.destructionTimer, 10.0f * FrameTime);  // once: the draw saw full health
    RunStageC();
    EXPECT_FLOAT_EQ(BossCRecord.destructionTimer, 30.0f * FrameTime);  // twice from now on
    int frames = 2;
    float lastScroll = StageScroll;
    while (SceneNumber == kSceneStageC && frames < 1000) {
        lastScroll = StageScroll;
        RunStageC();
        ++frames;
    }
    EXPECT_EQ(SceneNumber, kSceneEnding);
    EXPECT_NEAR(frames * FrameTime, 3.5f, 0.1f);
    EXPECT_LT(lastScroll, 11100.0f);
    EXPECT_EQ(Score, 1234);
    // The frame that ran the reset inside the boss's draw acted on nothing after it.
    EXPECT_EQ(BossCRecord.health, kBossCHealth);
    EXPECT_EQ(BossCRecord.destructionTimer, 0.0f);
    EXPECT_EQ(StageScroll, 0.0f);
    EXPECT_EQ(BossCAttackClock, 0);
}

TEST_F(StageCDriverTest, TheClearSequencesResetIsTheLastWordOfItsFrame) {
    PlaceBoss(180.0f, 0.0f, -1.0f);
    BossCRecord.destructionTimer = 69.99f;
    StageScroll = 11050.0f;
    RunStageC();
    EXPECT_EQ(SceneNumber, kSceneEnding);
    EXPECT_EQ(BossCRecord.health, kBossCHealth);  // no time limit after the reset
    EXPECT_EQ(BossCRecord.destructionTimer, 0.0f);
    EXPECT_EQ(BossCAttackClock, 0);
}

TEST_F(StageCDriverTest, AFrozenFrameDrawsAndPresentsNothingAndYAnswersOnlyThePrompt) {
    StageScroll = 500.0f;
    RunStageC();
    const int presents = headless::PresentCount();
    const std::vector<int> screen = Pixels(0, 0, 800, 600);
    Frozen = 1;  // the pause key
    LastKey = kVkY;
    const std::uint64_t before = GameStateHash();
    RunStageC();
    EXPECT_EQ(GameStateHash(), before);
    EXPECT_EQ(headless::PresentCount(), presents);
    EXPECT_EQ(Pixels(0, 0, 800, 600), screen);
    // With the prompt up, Y resumes in place.
    ContinueShown = 1;
    Score = 999;
    RunStageC();
    EXPECT_EQ(Frozen, 0);
    EXPECT_EQ(ContinueShown, 0);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(ShipStock, 111);
    EXPECT_EQ(PowerCount, 5);
    EXPECT_EQ(ContinueRecovery, 1);
    EXPECT_EQ(headless::PresentCount(), presents);  // the answering frame draws nothing either
}

TEST_F(StageCDriverTest, WithTheBackgroundsOffOnlyTheStarfieldMoves) {
    StageScroll = 600.0f;  // both strips move here
    const float strip = StageCStrip[0].y;
    const float backdrop = BackdropStrip[0].y;
    const Star star = Stars[0];
    BackgroundOff = 1;
    RunStageC();
    EXPECT_EQ(StageCStrip[0].y, strip);
    EXPECT_EQ(BackdropStrip[0].y, backdrop);
    EXPECT_NE(Stars[0].y, star.y);
    BackgroundOff = 0;
    RunStageC();
    EXPECT_NE(StageCStrip[0].y, strip);
    EXPECT_NE(BackdropStrip[0].y, backdrop);
}

TEST_F(StageCDriverTest, PowerItemsComeOutOnTheWindowsInclusiveBounds) {
    FrameTime = kExactFrame;  // the stage clock moves by exactly 1 a frame
    struct Case {
        float before;
        bool spawns;
    };
    for (const Case c :
         {Case{98.0f, false}, Case{99.0f, true}, Case{149.0f, true}, Case{150.0f, false}, Case{299.0f, true},
          Case{349.0f, true}, Case{499.0f, true}, Case{549.0f, true}, Case{799.0f, true}, Case{849.0f, true},
          Case{999.0f, true}, Case{1049.0f, true}, Case{1050.0f, false}}) {
        PowerItem.active = 0;
        PowerItem.y = kParkedY;
        StageScroll = c.before;
        RunStageC();
        EXPECT_EQ(PowerItem.active != 0, c.spawns) << c.before + 1.0f;
    }
}

TEST_F(StageCDriverTest, PodsLaunchInTheirHealthBandsOnlyWhenTheFirstFlagIsNotOne) {
    StageScroll = 500.0f;
    PlaceBoss(180.0f, 100.0f, 770.0f);
    RunStageC();  // title games: never
    EXPECT_EQ(CountActive(BossCPods01) + CountActive(BossCPods08) + CountActive(BossCPods09), 0);
    ScoringMode[0] = 0;
    for (float health : {771.0f, 739.9f, 491.0f, 459.0f, 91.0f, 59.0f}) {
        PlaceBoss(180.0f, 100.0f, health);
        RunStageC();
        EXPECT_EQ(CountActive(BossCPods09), 0) << health;
    }
    for (float health : {770.0f, 740.0f, 490.0f, 460.0f, 90.0f, 60.0f}) {
        ResetGameStateA();
        ResetGameStateB();
        ScoringMode[0] = 0;
        StageScroll = 500.0f;
        PlaceBoss(180.0f, 100.0f, health);
        RunStageC();
        EXPECT_EQ(CountActive(BossCPods01), 2) << health;
        EXPECT_EQ(CountActive(BossCPods08), 3) << health;
        EXPECT_EQ(CountActive(BossCPods09), 4) << health;
    }
}

}  // namespace
