// Stage A's frame: its windows on the stage clock, the boss phase and attack clock, the freeze and the
// continue answer, the music and the order of input and present.
#include <string>

#include "engine/elInput.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/enemies/enemy_pools.h"
#include "game/stage_a/boss_a_pools.h"
#include "game/stage_a/stage_a.h"
#include "platform/headless_devices.h"
#include "stage_a_fixture.h"

namespace {

class StageADriverTest : public StageATest {
protected:
    void SetUp() override {
        StageATest::SetUp();
        if (IsSkipped()) return;
        SceneNumber = kSceneStageA;
        PreviousScene = kSceneStageA;
        SceneFirstFrame = 0;
        StageFrameCounter = 1;  // the music has started
    }

    // One frame with the stage clock held where it is.
    static void FrameAt(float scroll) {
        FrameTime = 0.0f;
        StageScroll = scroll;
        RunStageA();
    }

    static int MusicStarts() {
        int starts = 0;
        for (const std::string& c : headless::MciCommands())
            starts += c.find("Qvnd1.MID") != std::string::npos;
        return starts;
    }
};

TEST_F(StageADriverTest, PowerItemWindowsIncludeTheirEnds) {
    for (float s : {500.0f, 550.0f, 800.0f, 1000.0f}) {
        ResetGameStateA();
        StageFrameCounter = 1;
        FrameAt(s);
        EXPECT_EQ(PowerItem.active, 1) << s;
    }
    for (float s : {499.99f, 550.01f, 700.0f, 1000.01f}) {
        ResetGameStateA();
        StageFrameCounter = 1;
        FrameAt(s);
        EXPECT_EQ(PowerItem.active, 0) << s;
    }
}

TEST_F(StageADriverTest, WaveWindowsExcludeTheirEnds) {
    FrameAt(120.0f);
    EXPECT_EQ(SmallEnemies[9].active, 0);
    FrameAt(120.01f);
    EXPECT_EQ(SmallEnemies[9].active, 1);
    EXPECT_EQ(SmallEnemies[10].active, 1);
    EXPECT_EQ(SmallEnemies[0].active, 0);
    FrameAt(250.0f);
    EXPECT_EQ(SmallEnemies[0].active, 0);
    FrameAt(250.5f);
    EXPECT_EQ(SmallEnemies[0].active, 1);
}

TEST_F(StageADriverTest, AFrameThatStepsOverAWholeWindowRunsNoneOfIt) {
    StageScroll = 240.0f;
    FrameTime = 13.5f;  // 240 -> 510: over the whole of 250..500
    RunStageA();
    EXPECT_EQ(SmallEnemies[0].active, 0);
    EXPECT_EQ(SmallEnemies[1].active, 1);  // 300..600 holds 510
}

TEST_F(StageADriverTest, ASpawnWindowReenteredWhileTheSlotLivesSpawnsNothing) {
    FrameAt(130.0f);
    ASSERT_EQ(SmallEnemies[9].active, 1);
    SmallEnemies[9].x = 400.0f;
    SmallEnemies[9].y = 300.0f;
    FrameAt(1250.0f);
    EXPECT_EQ(SmallEnemies[9].active, 1);
    EXPECT_NEAR(SmallEnemies[9].y, 300.0f, 20.0f);
}

TEST_F(StageADriverTest, BossPhaseLiesStrictlyBetweenItsBoundsAndTheTimeLimitClears) {
    FrameAt(1460.0f);
    EXPECT_EQ(BossWarningPicture.x, kParkedX);
    FrameAt(1460.5f);
    EXPECT_EQ(BossWarningPicture.x, 160.0f);
    PlaceBoss();
    FrameAt(9999.5f);
    EXPECT_EQ(BossARecord.health, kBossAHealth);
    FrameAt(10100.0f);
    EXPECT_EQ(BossARecord.health, kBossAHealth);
    FrameAt(10000.0f);
    EXPECT_EQ(BossARecord.health, 0.0f);
}

TEST_F(StageADriverTest, TheAttackClockRunsOnlyInsideTheHealthBand) {
    PlaceBoss(180.0f, 0.0f, 1010.0f);
    FrameAt(2000.0f);
    EXPECT_EQ(BossAAttackClock, 0);
    PlaceBoss(180.0f, 0.0f, 0.0f);
    FrameAt(2000.0f);
    EXPECT_EQ(BossAAttackClock, 0);
    PlaceBoss(180.0f, 0.0f, 1009.0f);
    FrameAt(2000.0f);
    EXPECT_EQ(BossAAttackClock, 1);
    FrameAt(2000.0f);
    EXPECT_EQ(BossAAttackClock, 2);
}

TEST_F(StageADriverTest, RowsEndingAtTheWrapRunOnTheWrapFrame) {
    PlaceBoss(180.0f, 0.0f, 500.0f);
    BossAAttackClock = 4299;
    FrameAt(2000.0f);
    EXPECT_EQ(BossAAttackClock, 0);
    EXPECT_EQ(BossASpiralCounters[0], 1);  // 1400..4300
    EXPECT_EQ(BossASpiralCounters[3], 1);  // 2000..4300
    EXPECT_EQ(BossASpiralCounters[2], 0);  // 1..3000
    FrameAt(2000.0f);
    EXPECT_EQ(BossAAttackClock, 1);
    EXPECT_EQ(BossASpiralCounters[2], 1);
    // Spread 01 ticks in 1..200.
    EXPECT_EQ(BossASpread01[0].timer, 1);
}

TEST_F(StageADriverTest, AttackRowsFireTheirPoolsAtTheBoss) {
    PlaceBoss(180.0f, 0.0f, 900.0f);
    PlayerPosition = {370.0f, 500.0f};
    BossAAttackClock = 99;
    FrameAt(2000.0f);  // n = 100: volleys 09 and 10
    EXPECT_EQ(BossAVolley09[0].active, 1);
    EXPECT_EQ(BossAVolley10[0].active, 1);
    EXPECT_EQ(BossAVolley03[0].active, 0);
    EXPECT_EQ(BossAVolley01[0].active, 0);  // only under scoring modes no game sets
    BossAAttackClock = 169;
    FrameAt(2000.0f);  // n = 170: volleys 03 to 08 too
    EXPECT_EQ(BossAVolley03[0].active, 1);
    EXPECT_EQ(BossAVolley08[0].active, 1);
    // The rain rows wait for a difficulty no game start sets.
    BossAAttackClock = 30;
    for (int i = 0; i < 20; ++i) FrameAt(2000.0f);
    EXPECT_EQ(BossARain01[0].timer, 0);
    Difficulty = 2;
    BossAAttackClock = 30;
    for (int i = 0; i < 20; ++i) FrameAt(2000.0f);
    EXPECT_EQ(BossARain01[0].active, 1);
}

TEST_F(StageADriverTest, APauseIgnoresYAndTheContinueAnswerResumesInPlace) {
    PlaceBoss(180.0f, 0.0f, 700.0f);
    StageScroll = 2000.0f;
    BossAVolley04[0].active = 1;
    BossAVolley04[0].x = 300.0f;
    Frozen = 1;
    ContinueShown = 0;
    LastKey = 'Y';
    const int presents = headless::PresentCount();
    RunStageA();
    EXPECT_EQ(Frozen, 1);
    EXPECT_EQ(headless::PresentCount(), presents);

    ContinueShown = 1;
    Score = 1234;
    ShipStock = -15;
    PlayerAlive = 0;
    RunStageA();
    EXPECT_EQ(Frozen, 0);
    EXPECT_EQ(ContinueShown, 0);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(PowerCount, 5);
    EXPECT_EQ(ShipStock, 111);
    EXPECT_EQ(ContinueRecovery, 1);
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(StageScroll, 2000.0f);
    EXPECT_EQ(BossARecord.health, 700.0f);
    EXPECT_EQ(BossAVolley04[0].active, 1);
    EXPECT_EQ(BossAVolley04[0].x, 300.0f);
    EXPECT_EQ(headless::PresentCount(), presents);
}

TEST_F(StageADriverTest, MusicStartsOnTheFirstFrameOfEveryStageA) {
    headless::ClearMciCommands();
    StageFrameCounter = 0;
    FrameAt(10.0f);
    EXPECT_EQ(MusicStarts(), 1);
    FrameAt(10.0f);
    FrameAt(10.0f);
    EXPECT_EQ(MusicStarts(), 1);
    ResetGameStateA();
    ResetGameStateB();
    FrameAt(10.0f);
    EXPECT_EQ(MusicStarts(), 2);
    StageFrameCounter = 100999998;
    FrameAt(10.0f);
    EXPECT_EQ(StageFrameCounter, 0);
}

TEST_F(StageADriverTest, AFirstFrameClearsTheFreeze) {
    Frozen = 1;
    ContinueShown = 1;
    SceneFirstFrame = 1;
    const int presents = headless::PresentCount();
    FrameAt(10.0f);
    EXPECT_EQ(Frozen, 0);
    EXPECT_EQ(headless::PresentCount(), presents + 1);
}

TEST_F(StageADriverTest, InputActsAfterThePresent) {
    headless::PressKey(VK_SHIFT);
    // Let the key reach the window before the frame.
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    FrameTime = 1.0f / 60.0f;
    StageScroll = 10.0f;
    BackgroundOff = 2;  // no backdrop, no stars: only the ship and its shots
    // The first volley leaves after the frame that read the key was shown; the next frame draws it.
    int frames = 0;
    while (ActiveCount(MainShots1) == 0 && frames < 10) {
        elDraw::ClearBackBuffer();
        RunStageA();
        ++frames;
    }
    ASSERT_GT(ActiveCount(MainShots1), 0);
    const int before = LitPixels(220, 0, 580, 500);
    RunStageA();
    EXPECT_GT(LitPixels(220, 0, 580, 500), before);
}

}  // namespace
