// The death blast, recovery, the continue prompt and its answer, also as whole scenes with scripted input.
#include "game/core/picture_slots.h"
#include "game/core/power_item.h"
#include "player_fixture.h"
#include "support/run_program.h"

namespace {

using ShipDeathTest = PlayerTest;
using ShipSceneTest = GameTest;

int LaunchedFragments() {
    int n = 0;
    for (const BlastFragment& f : BlastFragments) n += f.launched;
    return n;
}

TEST_F(ShipDeathTest, ANewGamesFirstDeathShowsTheContinuePromptAt15Below) {
    PowerFlags[0] = PowerFlags[1] = 1;
    PowerItem.spawnCount = 3;
    PlayerAlive = 0;
    int frames = 0;
    int launchedAt10 = 0;
    while (Frozen == 0 && frames < 100) {
        Frame();
        ShowContinuePrompt();
        ++frames;
        if (frames == 10) launchedAt10 = LaunchedFragments();
    }
    EXPECT_EQ(frames, 40);  // the fifth ring leaves at count 40
    EXPECT_EQ(launchedAt10, 32);
    EXPECT_EQ(ShipStock, -15);
    EXPECT_EQ(ContinueShown, 1);
    EXPECT_EQ(PlayerAlive, 0);
    EXPECT_EQ(PowerFlags[0], 0);
    EXPECT_EQ(PowerFlags[1], 0);
    EXPECT_EQ(PowerItem.spawnCount, 0);
    EXPECT_EQ(Plays(SoundBom), 40);
    // A second call does not draw or act again.
    ShowContinuePrompt();
    EXPECT_EQ(ContinueShown, 1);

    LastKey = 'N';
    AnswerContinuePrompt();
    EXPECT_EQ(Frozen, 1);
    Score = 1234;
    LastKey = 'Y';
    AnswerContinuePrompt();
    EXPECT_EQ(Frozen, 0);
    EXPECT_EQ(ContinueShown, 0);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(PowerCount, 5);
    EXPECT_EQ(ShipStock, 111);
    EXPECT_EQ(ContinueRecovery, 1);
    EXPECT_EQ(PlayerAlive, 1);
}

TEST_F(ShipDeathTest, TheShipComesBackAt50AndHitsAreUndoneUntilRecoveryEnds) {
    ShipStock = 100;
    PlayerAlive = 0;
    Frames(49);
    EXPECT_EQ(PlayerAlive, 0);
    EXPECT_EQ(ShipStock, 84);  // one death takes 16 ships
    Frame();
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(ContinueRecovery, 1);
    PlayerAlive = 0;  // hit during recovery
    Frame();
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(ShipStock, 84);
    Frames(250);
    EXPECT_EQ(ContinueRecovery, 0);
    EXPECT_EQ(RecoveryCounter, 0);
    for (const BlastFragment& f : BlastFragments) {
        EXPECT_EQ(f.frameCounter, 0);
        EXPECT_EQ(f.launched, 0);
        EXPECT_EQ(f.x, -500.0f);
    }
    // The next hit is a death again.
    PlayerAlive = 0;
    Frames(41);
    EXPECT_EQ(ShipStock, 68);
}

TEST_F(ShipDeathTest, InvincibleLeavesTheShipDownWithoutBlastOrLoss) {
    Invincible = 1;
    PowerFlags[0] = 1;
    PlayerAlive = 0;
    Frames(120);
    EXPECT_EQ(PlayerAlive, 0);
    EXPECT_EQ(ShipStock, 1);
    EXPECT_EQ(LaunchedFragments(), 0);
    EXPECT_EQ(PowerFlags[0], 1);
    EXPECT_EQ(Plays(SoundBom), 0);
}

TEST_F(ShipDeathTest, FragmentsFlyOutAndAreParkedAtTheScreenEdge) {
    ShipStock = 100;
    PlayerAlive = 0;
    Frame();
    const BlastFragment& right = BlastFragments[0];  // heading 0
    EXPECT_EQ(right.launched, 1);
    EXPECT_NEAR(right.x, 390.0f + 280.0f * kFrame, 1e-3f);
    FrameTime = 2.0f;
    Frame();
    EXPECT_EQ(BlastFragments[0].launched, 0);
    EXPECT_EQ(BlastFragments[0].y, 2550.0f);
}

// A minimal stage frame: the ship's draws and the continue prompt, present, then the ship's part.
void ShipStageFrame() {
    if (Frozen != 0) {
        AnswerContinuePrompt();
        return;
    }
    elDraw::ClearBackBuffer();
    DrawPlayerShots();
    DrawPlayerShip();
    ShowContinuePrompt();
    elDraw::Present();
    if (Frozen != 0) return;
    UpdatePlayerShip();
    if (BurstActive[0] == 1) FireBurstVolley();
    HitTestPlayerAttacks();
}

TEST_F(ShipSceneTest, AShipFlownAndFiringDiesAndContinuesOnY) {
    SceneTable[kSceneStageA] = ShipStageFrame;
    float xAfterFlight = 0.0f;
    int shotsInFlight = 0;
    int frozenAt = -1;
    int promptPixels = 0;
    int stockAtPrompt = 0;
    RunProgram([&](int poll) {
        if (poll == 200) headless::PressKey(VK_RETURN);
        if (poll == 300) headless::ReleaseKey(VK_RETURN);
        if (poll == 1500) {
            headless::PressKey(VK_LEFT);
            headless::PressKey(VK_SHIFT);
            headless::PressKey('N');
        }
        if (poll == 3000) {
            xAfterFlight = PlayerPosition.x;
            shotsInFlight = 0;
            for (const MainShot& s : MainShots1) shotsInFlight += s.active;
            headless::ReleaseKey(VK_LEFT);
            headless::ReleaseKey(VK_SHIFT);
            headless::ReleaseKey('N');
            PlayerAlive = 0;  // an enemy bullet hits the ship
        }
        if (frozenAt < 0 && Frozen != 0) {
            frozenAt = poll;
            stockAtPrompt = ShipStock;
            for (int y = 310; y < 410; y += 5) {
                for (int x = 300; x < 500; x += 5) promptPixels += headless::ScreenPixel(x, y) != 0;
            }
        }
        if (poll == 5000) headless::PressKey('Y');
        if (poll == 5100) headless::ReleaseKey('Y');
        if (poll == 5500) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(SceneNumber, kSceneStageA);
    EXPECT_LT(xAfterFlight, 370.0f);
    EXPECT_GT(shotsInFlight, 3);
    EXPECT_GT(frozenAt, 3000);
    EXPECT_LT(frozenAt, 5000);
    EXPECT_EQ(stockAtPrompt, -15);
    EXPECT_GT(promptPixels, 100);
    EXPECT_EQ(Frozen, 0);
    EXPECT_EQ(ShipStock, 111);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(PlayerAlive, 1);
}

}  // namespace
