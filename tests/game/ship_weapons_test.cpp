// The ship's keys, movement and bank, the main-shot cadence and volleys, the burst and the salvo index.
#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <vector>

#include "entity_walk.h"
#include "game/core/homing_salvos.h"
#include "game/core/picture_slots.h"
#include "player_fixture.h"

namespace {

using ShipControlTest = PlayerTest;
using MainShotTest = PlayerTest;
using BurstTest = PlayerTest;
using SalvoIndexTest = PlayerTest;

TEST_F(ShipControlTest, LeftBanksToFullAndBackToLevelWhenReleased) {
    headless::PressKey(VK_LEFT);
    std::vector<int> held;
    for (int i = 0; i < 7; ++i) {
        Frame();
        held.push_back(ShipBankFrame);
    }
    // The first frame of a press only reads "pressed"; the bank then moves one frame behind the key.
    EXPECT_EQ(held, (std::vector<int>{3, 3, 4, 5, 6, 6, 6}));
    EXPECT_LT(PlayerPosition.x, 370.0f);
    headless::ReleaseKey(VK_LEFT);
    std::vector<int> released;
    for (int i = 0; i < 6; ++i) {
        Frame();
        released.push_back(ShipBankFrame);
    }
    EXPECT_EQ(released, (std::vector<int>{6, 5, 4, 3, 3, 3}));
    EXPECT_EQ(ShipBankStep, 0);
}

TEST_F(ShipControlTest, BankStaysFullWhileTheShipStillMovesUp) {
    headless::PressKey(VK_LEFT);
    headless::PressKey(VK_UP);
    Frames(6);
    ASSERT_EQ(ShipBankFrame, 6);
    headless::ReleaseKey(VK_LEFT);
    Frames(10);
    EXPECT_EQ(ShipBankFrame, 6);
    headless::ReleaseKey(VK_UP);
    Frames(5);
    EXPECT_EQ(ShipBankFrame, 3);
}

TEST_F(ShipControlTest, ShipStaysInsideTheFieldWhateverTheFrameTime) {
    const float times[] = {1.0f / 60.0f,
                           0.5f,
                           30.0f,
                           1e30f,
                           std::numeric_limits<float>::infinity(),
                           std::numeric_limits<float>::quiet_NaN()};
    for (int corner = 0; corner < 2; ++corner) {
        headless::PressKey(corner == 0 ? VK_LEFT : VK_RIGHT);
        headless::PressKey(corner == 0 ? VK_UP : VK_DOWN);
        for (float t : times) {
            for (int i = 0; i < 3; ++i) {
                FrameTime = t;
                UpdatePlayerShip();
                EXPECT_GE(PlayerPosition.x, 220.0f) << t;
                EXPECT_LE(PlayerPosition.x, 520.0f) << t;
                EXPECT_GE(PlayerPosition.y, 220.0f) << t;
                EXPECT_LE(PlayerPosition.y, 540.0f) << t;
            }
        }
        EXPECT_EQ(PlayerPosition.x, corner == 0 ? 220.0f : 520.0f);
        EXPECT_EQ(PlayerPosition.y, corner == 0 ? 220.0f : 540.0f);
        headless::ReleaseKey(corner == 0 ? VK_LEFT : VK_RIGHT);
        headless::ReleaseKey(corner == 0 ? VK_UP : VK_DOWN);
        UpdatePlayerShip();
    }
}

TEST_F(ShipControlTest, InputLockFreezesMovementButNotBOrCtrl) {
    InputLock = 1;
    headless::PressKey(VK_LEFT);
    headless::PressKey('B');
    Frames(10);
    EXPECT_EQ(PlayerPosition.x, 370.0f);
    EXPECT_EQ(ShipBankFrame, 3);
    EXPECT_GT(ActiveCount(MainShots3), 0);
}

TEST_F(ShipControlTest, WithoutAGameTheKeysOnlyBankTheShip) {
    WeaponType = 0;
    for (int key : {VK_LEFT, VK_UP, VK_SHIFT, VK_CONTROL, int{'B'}, int{'C'}, int{'V'}, int{'N'}})
        headless::PressKey(key);
    Frames(20);
    EXPECT_EQ(PlayerPosition.x, 370.0f);
    EXPECT_EQ(PlayerPosition.y, 520.0f);
    EXPECT_NE(ShipBankFrame, 3);
    EXPECT_EQ(ActiveCount(MainShots1) + ActiveCount(MainShots2) + ActiveCount(MainShots3), 0);
    EXPECT_EQ(BurstActive[0], 0);
    EXPECT_EQ(Plays(SoundShot), 0);
}

TEST_F(MainShotTest, ShiftAndCTogetherDoubleTheFirstKindsCadence) {
    headless::PressKey(VK_SHIFT);
    Frames(40);  // 39 held frames: volleys at cadence 4, 8, ... 36
    EXPECT_EQ(ActiveCount(MainShots1), 9);
    EXPECT_EQ(Plays(SoundShot), 9);
    EXPECT_EQ(MainShots1[1].stepY, 10);

    StartFreshProcess();
    SetUp();
    headless::PressKey(VK_SHIFT);
    headless::PressKey('C');
    Frames(40);  // two cadence steps a frame
    EXPECT_EQ(ActiveCount(MainShots1), 19);
    EXPECT_EQ(Plays(SoundShot), 19);
    EXPECT_EQ(MainShotCadence[0], 78);
}

TEST_F(MainShotTest, LeftMouseButtonFiresTheFirstKindAndRightTheSecond) {
    MouseState.leftHeld = 1;
    MouseState.rightHeld = 1;
    Frames(4);
    EXPECT_EQ(MainShots1[1].active, 1);
    EXPECT_EQ(MainShots2[1].active, 1);
}

TEST_F(MainShotTest, AVolleyIntoRecordsStillInFlightArmsNothingAndIsSilent) {
    PowerFlags[0] = PowerFlags[1] = 1;
    for (int i : {1, 27, 53}) MainShots1[i] = MainShot{100, 200, 7, 9, 1};
    SpawnShotVolley1(1, 27, 53);
    for (int i : {1, 27, 53}) {
        EXPECT_EQ(MainShots1[i].x, 100);
        EXPECT_EQ(MainShots1[i].y, 200);
        EXPECT_EQ(MainShots1[i].stepX, 7);
    }
    EXPECT_EQ(MainShotFired[0], 0);
    EXPECT_EQ(Plays(SoundShot), 0);
    // Out-of-pool records are not records of the pool either.
    SpawnShotVolley2(-1, 78, 1000);
    EXPECT_EQ(Plays(SoundShot), 0);
}

TEST_F(MainShotTest, PoweredVolleysSpreadAndSpeedUp) {
    PowerFlags[0] = PowerFlags[1] = 1;
    SpawnShotVolley2(2, 28, 54);
    EXPECT_EQ(MainShots2[2].x, 370);
    EXPECT_EQ(MainShots2[2].y, 482);
    EXPECT_EQ(MainShots2[2].stepY, 20);
    EXPECT_EQ(MainShots2[28].x, 340);
    EXPECT_EQ(MainShots2[28].stepX, 6);
    EXPECT_EQ(MainShots2[54].x, 400);
    HitTestPlayerAttacks();
    EXPECT_EQ(MainShots2[28].x, 334);  // up and left
    EXPECT_EQ(MainShots2[54].x, 406);  // up and right
    EXPECT_EQ(MainShots2[54].y, 462);
}

TEST_F(MainShotTest, ThirdKindWithoutPowerFiresOneForwardAndFiveBack) {
    for (int i = 0; i < 4; ++i) AutoFireShots3();
    const int records[] = {1, 27, 53, 79, 105, 131};
    const int x[] = {370, 355, 355, 370, 385, 385};
    const int stepX[] = {0, 2, 1, 0, 1, 2};
    for (int k = 0; k < 6; ++k) {
        const MainShot& s = MainShots3[records[k]];
        EXPECT_EQ(s.active, 1) << k;
        EXPECT_EQ(s.x, x[k]) << k;
        EXPECT_EQ(s.y, k == 0 ? 482 : 548) << k;
        EXPECT_EQ(s.stepX, stepX[k]) << k;
        EXPECT_EQ(s.stepY, 10) << k;
    }
    EXPECT_EQ(ActiveCount(MainShots3), 6);
    EXPECT_EQ(SpecialEffects[0].active, 0);
    HitTestPlayerAttacks();
    const int movedX[] = {370, 353, 354, 370, 386, 387};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(MainShots3[records[k]].x, movedX[k]) << k;
        EXPECT_EQ(MainShots3[records[k]].y, k == 0 ? 472 : 558) << k;
    }
    // The rear shots are removed once they pass the bottom edge.
    for (int i = 0; i < 4; ++i) HitTestPlayerAttacks();
    EXPECT_EQ(MainShots3[79].active, 1);
    HitTestPlayerAttacks();
    EXPECT_EQ(MainShots3[79].active, 0);
    EXPECT_EQ(MainShots3[79].x, 5000);
    EXPECT_EQ(MainShots3[1].active, 1);
}

TEST_F(MainShotTest, SideShotPowerStartsTheSpecialWhoseLastFrameHitsSmallEnemies) {
    PowerFlags[0] = 1;
    SmallEnemies[4].x = 330.0f;  // the point (ship x - 90 + 120, ship y - 170 + 4) lies in its box
    SmallEnemies[4].y = 300.0f;
    SpawnShotVolley3(1, 27, 53, 79, 105, 131);
    for (const SpecialEffect& e : SpecialEffects) EXPECT_EQ(e.active, 1);
    for (int frame = 1; frame <= 15; ++frame) DrawPlayerSpecial();
    EXPECT_EQ(SmallEnemies[4].hit, 0);
    DrawPlayerSpecial();
    EXPECT_EQ(SmallEnemies[4].hit, 1);
    EXPECT_EQ(Score, 16 * 500);  // each of the 16 records in step scores
    DrawPlayerSpecial();
    for (const SpecialEffect& e : SpecialEffects) {
        EXPECT_EQ(e.active, 0);
        EXPECT_EQ(e.frame, 0);
    }
}

TEST_F(BurstTest, BurstLasts147FramesIgnoresNAndArmsOnlyBanks3And4WithoutPower) {
    FireEnable[0] = FireEnable[1] = 0;
    ClearEnemyShots = 1;
    headless::PressKey('N');
    Frame();
    EXPECT_EQ(BurstActive[0], 0);  // pressed, not yet held
    std::set<int> armed;
    int frames = 0;
    do {
        Frame();
        ++frames;
        for (int i = 0; i < kBurstShotCount; ++i) {
            if (BurstShots[i].active != 0) armed.insert(i);
        }
        ASSERT_LE(frames, 200);
    } while (BurstActive[0] == 1);
    EXPECT_EQ(frames, 147);
    EXPECT_EQ(BurstCounters[0], 0);
    EXPECT_EQ(FireEnable[0], 1);
    EXPECT_EQ(FireEnable[1], 1);
    EXPECT_EQ(ClearEnemyShots, 0);
    std::set<int> expected;
    for (int k = 1; k <= 49; ++k) {
        expected.insert(100 + k);
        expected.insert(150 + k);
    }
    EXPECT_EQ(armed, expected);
    // Still held: the next frame starts a new burst.
    Frame();
    EXPECT_EQ(BurstActive[0], 1);
}

TEST_F(BurstTest, BurstShotsCurveOutAndAreFreedAboveTheScreen) {
    PowerFlags[0] = 1;
    SpawnPlayerShots(1, 51, 101, 151);
    EXPECT_EQ(BurstShots[1].x, 382);
    EXPECT_EQ(BurstShots[51].x, 398);
    EXPECT_EQ(BurstShots[1].y, 530);
    FrameTime = 0.1f;  // phase 2 after one step: first window
    HitTestPlayerAttacks();
    EXPECT_EQ(BurstShots[1].x, 376);
    EXPECT_EQ(BurstShots[51].x, 404);
    FrameTime = 0.075f;  // phase 3.5 lies between windows: no step
    HitTestPlayerAttacks();
    EXPECT_EQ(BurstShots[1].x, 376);
    EXPECT_EQ(BurstShots[1].y, 530);
    FrameTime = 1.0f / 60.0f;
    for (int i = 0; i < 300 && BurstShots[1].active != 0; ++i) HitTestPlayerAttacks();
    EXPECT_EQ(BurstShots[1].active, 0);
    EXPECT_EQ(BurstShots[1].x, 5000);
    EXPECT_EQ(BurstShots[1].phase, 0.0f);
}

// Snapshot of every entity array except the ones the test expects to change.
std::vector<std::vector<unsigned char>> Snapshot(const std::set<std::string>& skip) {
    std::vector<std::vector<unsigned char>> all;
    for (const EntityArray* a : entity_walk::AllArrays()) {
        if (skip.count(a->name) != 0) continue;
        const auto* bytes = static_cast<const unsigned char*>(a->records);
        all.emplace_back(bytes,
                         bytes + entity_walk::RecordSize(a->kind) * static_cast<std::size_t>(a->count));
    }
    return all;
}

int ArmedSalvos() {
    int n = 0;
    for (const HomingSalvo* set : {HomingSalvos1, HomingSalvos2, HomingSalvos3, HomingSalvos4}) {
        for (int i = 0; i < kHomingSalvoCount; ++i) n += set[i].active;
    }
    return n;
}

TEST_F(SalvoIndexTest, CtrlBeforeAnyArrowArmsRecordZeroOfEachSet) {
    headless::PressKey(VK_CONTROL);
    Frames(2);
    EXPECT_EQ(ArmedSalvos(), 4);
    for (const HomingSalvo* set : {HomingSalvos1, HomingSalvos2, HomingSalvos3, HomingSalvos4}) {
        EXPECT_EQ(set[0].active, 1);
        EXPECT_EQ(set[0].x, 390.0f);
        EXPECT_EQ(set[0].y, 530.0f);
        EXPECT_EQ(set[0].speed, 300.0f);
        EXPECT_NEAR(set[0].heading, -0.0523599f + 3.14159265f, 1e-5f);
    }
    // Launching it again while it flies changes nothing.
    const float heading = HomingSalvos1[0].heading;
    SpawnHomingSalvoMissile1(0, 0);
    EXPECT_EQ(HomingSalvos1[0].heading, heading);
}

TEST_F(SalvoIndexTest, AfterOneArrowFrameCtrlArmsNothingAndWritesNothingElse) {
    headless::PressKey(VK_LEFT);
    Frames(2);  // pressed, then held once
    headless::ReleaseKey(VK_LEFT);
    EXPECT_EQ(ShipLoopCounter, kShipLoopCounterEnd);
    const auto before = Snapshot({"MainShots2"});
    headless::PressKey(VK_CONTROL);
    Frames(100);
    EXPECT_EQ(ShipLoopCounter, kShipLoopCounterEnd);
    EXPECT_EQ(ArmedSalvos(), 0);
    EXPECT_GT(ActiveCount(MainShots2), 0);  // the second kind still fires
    EXPECT_TRUE(before == Snapshot({"MainShots2"}));
}

TEST_F(SalvoIndexTest, SpawnersRejectEveryOutOfRangeGroupAndIndex) {
    const auto before = Snapshot({});
    for (auto [group, index] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 15}, {2, 5000}, {-5000, 14}}) {
        SpawnHomingSalvoMissile1(group, index);
        SpawnHomingSalvoMissile2(group, index);
        SpawnHomingSalvoMissile3(group, index);
        SpawnHomingSalvoMissile4(group, index);
    }
    EXPECT_TRUE(before == Snapshot({}));
    SpawnHomingSalvoMissile4(2, 14);
    EXPECT_EQ(HomingSalvos4[44].active, 1);
}

}  // namespace
