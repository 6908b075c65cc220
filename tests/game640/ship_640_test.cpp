// The 640x480 program's own ship clamp, power-item spawn band, salvo bounds and third-kind removal line.
#include <gtest/gtest.h>

#include "engine/elInput.h"
#include "engine/elSystem.h"
#include "game/core/collision_pass.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/homing_salvos.h"
#include "game/core/power_item.h"
#include "game/core/resets.h"
#include "game/core/ship.h"
#include "platform/headless.h"
#include "support/fresh_process.h"

namespace {

class Ship640 : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        InitNewGame();
        ResetGameStateA();
        ResetGameStateB();
        ShipLoopCounter = 0;
        WeaponType = 1;
        FrameTime = 1.0f / 60.0f;
    }
};

TEST_F(Ship640, ShipIsClampedToTheSmallerField) {
    headless::PressKey(VK_LEFT);
    headless::PressKey(VK_UP);
    FrameTime = 100.0f;
    for (int i = 0; i < 3; ++i) UpdatePlayerShip();
    EXPECT_EQ(PlayerPosition.x, 140.0f);
    EXPECT_EQ(PlayerPosition.y, 100.0f);
    headless::ReleaseKey(VK_LEFT);
    headless::ReleaseKey(VK_UP);
    headless::PressKey(VK_RIGHT);
    headless::PressKey(VK_DOWN);
    for (int i = 0; i < 3; ++i) UpdatePlayerShip();
    EXPECT_EQ(PlayerPosition.x, 440.0f);
    EXPECT_EQ(PlayerPosition.y, 420.0f);
    headless::ReleaseKey(VK_RIGHT);
    headless::ReleaseKey(VK_DOWN);
}

TEST_F(Ship640, PowerItemSpawnsInTheShiftedBandAndIsParkedBelow480) {
    for (int i = 0; i < 50; ++i) {
        PowerItem.active = 0;
        SpawnPowerItem();
        EXPECT_GE(PowerItem.x, 130.0f);
        EXPECT_LT(PowerItem.x, 450.0f);
    }
    PowerItem.y = 480.5f;
    FrameTime = 0.0f;
    MovePowerItem();
    EXPECT_EQ(PowerItem.active, 0);
}

TEST_F(Ship640, SalvosAreParkedAtTheSmallerBoundsAndRearShotsBelow480) {
    HomingSalvos1[0].active = 1;
    HomingSalvos1[0].x = 541.0f;
    HomingSalvos1[0].y = 200.0f;
    HomingSalvos1[0].timer = 5.5f;  // between windows: no step
    FrameTime = 0.0f;
    MoveHomingMissiles01();
    EXPECT_EQ(HomingSalvos1[0].active, 0);
    MainShots3[79] = MainShot{300, 475, 0, 10, 1};
    HitTestPlayerAttacks();
    EXPECT_EQ(MainShots3[79].active, 0);
}

}  // namespace
