// Boss C: its path windows, body bands, damage bursts, smoke, and the clear sequence into the ending.
#include "game/stage_c/boss_c.h"
#include "game/core/collision_pass.h"
#include "game/core/homing_missiles.h"
#include "game/core/lock_on.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_c/boss_c_emitters.h"
#include "game/stage_c/boss_c_lines.h"
#include "stage_c_fixture.h"

namespace {

using BossCTest = StageCTest;

constexpr int kBodyWidth = 440;
constexpr int kBodyHeight = 380;

// The screen after the given draws, on a cleared back buffer.
template <typename Draw>
std::vector<int> ScreenAfter(Draw draw) {
    elDraw::ClearBackBuffer();
    draw();
    std::vector<int> out;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) out.push_back(headless::SurfacePixel(elDraw::State.backBuffer, x, y));
    }
    return out;
}

TEST_F(BossCTest, OnASharedBoundBothRowsApplyInTheTablesOrder) {
    FrameTime = kExactFrame;  // the path clock moves by exactly 0.625
    struct Case {
        float clock;  // after the frame's step
        float x, y;   // where the boss ends
    };
    // 75: the descent, then the reset; 162: the reset, then the sway; 240: the diamond's last move, then
    // the reset; 250: the reset, then the wider sway.
    for (const Case c : {Case{75.0f, 180.0f, 0.0f}, Case{162.0f, 185.0f, 0.0f}, Case{240.0f, 180.0f, 0.0f},
                         Case{250.0f, 189.375f, 0.0f}}) {
        BossCRecord.x = 170.0f;
        BossCRecord.y = 30.0f;
        BossCRecord.clock = c.clock - 0.625f;
        MoveBossCPath();
        EXPECT_EQ(BossCRecord.clock, c.clock);
        EXPECT_EQ(BossCRecord.x, c.x) << c.clock;
        EXPECT_EQ(BossCRecord.y, c.y) << c.clock;
    }
    // Past the loop's end the clock goes back to 80, where nothing moves the boss this frame.
    BossCRecord.clock = 330.5f;
    BossCRecord.x = 190.0f;
    MoveBossCPath();
    EXPECT_EQ(BossCRecord.clock, 80.0f);
    EXPECT_EQ(BossCRecord.x, 190.0f);
    // Between two windows the boss stands still.
    BossCRecord.clock = 30.0f;
    BossCRecord.y = 30.0f;
    MoveBossCPath();
    EXPECT_EQ(BossCRecord.x, 190.0f);
    EXPECT_EQ(BossCRecord.y, 30.0f);
}

TEST_F(BossCTest, TheEntryWaitsAboveTheScreenThenComesDownToRest) {
    FrameTime = 1.0f / 60.0f;
    MoveBossCPath();
    EXPECT_EQ(BossCRecord.x, 180.0f);
    EXPECT_EQ(BossCRecord.y, -480.0f);
    while (BossCRecord.clock < 74.0f) MoveBossCPath();
    EXPECT_NEAR(BossCRecord.y, -480.0f + 104.0f * 4.3f, 3.0f);
    while (BossCRecord.clock < 89.0f) MoveBossCPath();
    EXPECT_EQ(BossCRecord.y, 0.0f);
}

TEST_F(BossCTest, TheBodyFollowsTheHealthBandsAndVanishesAtMinusOneHundred) {
    PlaceBoss(180.0f, 50.0f);
    struct Band {
        float health;
        const int* picture;
    };
    for (const Band b : {Band{1000.0f, &PicBOSS41}, Band{500.01f, &PicBOSS41}, Band{500.0f, &PicBOSS41_1},
                         Band{300.0f, &PicBOSS41_2}, Band{150.0f, &PicBOSS41_3}, Band{0.0f, &PicBOSS41_3},
                         Band{-99.9f, &PicBOSS41_3}}) {
        // Bursts parked and no smoke: the frame shows the body alone.
        BossCRecord.health = b.health;
        for (BossBurst& burst : BossDamageBursts) burst = BossBurst{0, 0, kParkedX, kParkedY};
        for (BossBurst& burst : BossCClearBursts) burst = BossBurst{0, 0, kParkedX, kParkedY};
        for (BossBurst& burst : BossCClearBlasts) burst = BossBurst{0, 0, kParkedX, kParkedY};
        const std::vector<int> drawn = ScreenAfter([] { DrawBossDeathC(); });
        const std::vector<int> body =
            ScreenAfter([&] { elDraw::Draw(180, 50, *b.picture, 0, 0, kBodyWidth, kBodyHeight); });
        EXPECT_EQ(drawn, body) << b.health;
    }
    BossCRecord.health = -100.0f;
    for (BossBurst& burst : BossCClearBursts) burst = BossBurst{0, 0, 300.0f, 100.0f};
    elDraw::ClearBackBuffer();
    DrawBossDeathC();
    EXPECT_GT(LitPixels(300, 100, 460, 260), 0);  // the bursts go on
    EXPECT_EQ(LitPixels(180, 300, 620, 430), 0);  // below the bursts' reach: no body
}

TEST_F(BossCTest, SmokeStandsAtItsFourSpotsAndStepsDownFrameByFrame) {
    PlaceBoss(181.7f, 40.2f, 60.0f);
    BossCSmokeFrame = 3;
    const std::vector<int> drawn = ScreenAfter([] { DrawBossDeathC(); });
    const std::vector<int> expected = ScreenAfter([] {
        elDraw::Draw(181, 40, PicBOSS41_3, 0, 0, kBodyWidth, kBodyHeight);
        const int cell = 3 * 80;
        elDraw::Draw(181 + 140, 40 + 70 + 28 * 3, PicZBAK3B, cell, 0, cell + 80, 80);
        elDraw::Draw(181 + 220, 40 + 70 + 28 * 3, PicZBAK3B, cell, 0, cell + 80, 80);
        elDraw::Draw(181 + 60, 40 + 150 + 19 * 3, PicZBAK3B, cell, 0, cell + 80, 80);
        elDraw::Draw(181 + 300, 40 + 150 + 19 * 3, PicZBAK3B, cell, 0, cell + 80, 80);
    });
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(BossCSmokeFrame, 4);
    // The frame advances on every draw, smoke or not, and goes round after 9.
    BossCRecord.health = 1000.0f;
    for (int k = 0; k < 6; ++k) DrawBossDeathC();
    EXPECT_EQ(BossCSmokeFrame, 0);
    EXPECT_EQ(BossCSmokeCycle, 0);
}

TEST_F(BossCTest, DamageBurstsPlayBomEightTimesAFrameInABandAndNeverOnAJumpAcrossIt) {
    PlaceBoss(180.0f, 50.0f, 531.0f);
    const BossBurst before = BossDamageBursts[0];
    DrawBossDeathC();
    BossCRecord.health = 469.0f;
    DrawBossDeathC();
    EXPECT_EQ(Plays(SoundBom), 0);
    EXPECT_EQ(BossDamageBursts[0].x, before.x);
    for (float health : {530.0f, 330.0f, 180.0f}) {
        headless::ClearSoundCalls();
        BossCRecord.health = health;
        DrawBossDeathC();
        EXPECT_EQ(Plays(SoundBom), 8) << health;
    }
    // The clear sequence plays it once a call.
    headless::ClearSoundCalls();
    BossCRecord.health = 0.0f;
    DrawBossDeathC();
    EXPECT_EQ(Plays(SoundBom), 1);
    RunStageCClearSequence();
    EXPECT_EQ(Plays(SoundBom), 2);
}

TEST_F(BossCTest, HitsWhileItExplodesStillLowerTheHealthAndScore) {
    PlaceBoss(180.0f, 50.0f, 0.0f);
    Score = 0;
    MainShots1[1] = MainShot{400, 150, 0, 10, 1};
    HitTestPlayerAttacks();
    EXPECT_LT(BossCRecord.health, 0.0f);
    EXPECT_EQ(BossCRecord.hitFlash, 1);
    EXPECT_GT(Score, 0);
    DrawBossDeathC();
    EXPECT_EQ(BossCRecord.hitFlash, 0);
}

TEST_F(BossCTest, TheClearSequenceClosesTheMusicOnceFreesEverythingAndWipesIntoTheEnding) {
    elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
    headless::ClearMciCommands();
    Invincible = 1;  // the ship's deaths would freeze the stage at the continue prompt
    StageScroll = 2000.0f;
    PlaceBoss(180.0f, 50.0f, 500.0f);
    BossCAttackClock = 1300;
    // Patterns in flight over the field.
    FireBossShotLine03();
    SpawnBossCurveFan01();
    for (int k = 0; k < 60; ++k) TickBossSpray01();
    for (int k = 0; k < 40; ++k) TickBossFanShot19();
    ASSERT_GT(ActiveStageCRecords(), 20);
    BossCRecord.health = 0.0f;
    int frames = 0;
    while (SceneNumber == kSceneStageC && frames < 1000) {
        RunStageC();
        ++frames;
    }
    EXPECT_EQ(SceneNumber, kSceneEnding);
    EXPECT_NEAR(frames * FrameTime, 7.0f, 0.05f);
    EXPECT_EQ(MciCount("close midi"), 1);
    EXPECT_EQ(ActiveStageCRecords(), 0);
    EXPECT_EQ(BossCRecord.x, kParkedX);
    EXPECT_EQ(Transition.kind, 3);
    EXPECT_EQ(Transition.length, 30);
    EXPECT_EQ(Transition.step, 29);  // the frame's own present took the wipe's first step
    EXPECT_EQ(Transition.direction, -1);
    EXPECT_EQ(PreviousScene, 0);
}

}  // namespace

namespace {

using BossCLockTest = StageCTest;

TEST_F(BossCLockTest, TheAutomaticBlockLocksItsPartsOnceAndItsMissilesFlashItScoreAndHurt) {
    StageScroll = 2000.0f;
    PlaceBoss(180.0f, 0.0f);     // the lock region's centre (320, 250) lies on its body
    BossCRecord.clock = 141.0f;  // at rest
    PlayerPosition = {370.0f, 520.0f};
    AutoFireTrigger = 1;
    RunStageC();
    // Markers 0 to 2 of both groups, spread from (+30, +110) toward (+370, +120); the fourth stays free.
    EXPECT_EQ(BossCPartMarkers1[0].locked, 1);
    EXPECT_EQ(BossCPartMarkers1[0].x, 180 + 30);
    EXPECT_EQ(BossCPartMarkers1[0].y, 110);
    EXPECT_EQ(BossCPartMarkers2[2].locked, 1);
    EXPECT_EQ(BossCPartMarkers1[3].locked, 0);
    EXPECT_EQ(HomingMissiles10[0].active, 1);
    EXPECT_EQ(HomingMissiles11[1].active, 1);
    // Locked markers are not placed again; they are drawn over the body.
    const LockRecord locked = BossCPartMarkers1[1];
    BossCRecord.x = 200.0f;
    DetectBossPartLocks();
    EXPECT_EQ(BossCPartMarkers1[1].x, locked.x);
    elDraw::ClearBackBuffer();
    DrawBossDeathC();
    const std::vector<int> drawn = Pixels(locked.x, locked.y, locked.x + 60, locked.y + 60);
    elDraw::ClearBackBuffer();
    elDraw::Draw(locked.x, locked.y, PicROCK1, 0, 0, 60, 60);
    const std::vector<int> marker = Pixels(locked.x, locked.y, locked.x + 60, locked.y + 60);
    int compared = 0;
    for (std::size_t i = 0; i < marker.size(); ++i) {
        if (marker[i] <= 0) continue;
        EXPECT_EQ(drawn[i], marker[i]);
        ++compared;
    }
    EXPECT_GT(compared, 100);
    // A missile on its marker: the marker is freed, the boss flashes, scores 300 and loses 150 a second.
    AutoFireTrigger = 0;
    BossCRecord.hitFlash = 0;
    BossCRecord.health = 900.0f;
    Score = 0;
    HomingSalvo& m = HomingMissiles11[0];
    m.active = 1;
    m.speed = 0.0f;
    m.x = static_cast<float>(BossCPartMarkers2[0].x) + 20.0f;
    m.y = static_cast<float>(BossCPartMarkers2[0].y) + 25.0f;
    MoveHomingMissiles11();
    EXPECT_EQ(m.active, 0);
    EXPECT_EQ(BossCPartMarkers2[0].locked, 0);
    EXPECT_EQ(BossCRecord.hitFlash, 1);
    EXPECT_EQ(Score, 300);
    EXPECT_FLOAT_EQ(BossCRecord.health, 900.0f - 150.0f * FrameTime);
}

}  // namespace
