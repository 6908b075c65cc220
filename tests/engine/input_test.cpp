#include <vector>

#include "engine/elDraw.h"
#include "engine/elInput.h"
#include "engine/elSystem.h"
#include "platform/headless.h"
#include "platform/headless_devices.h"
#include "platform/joystick.h"
#include "support/fresh_process.h"

namespace {

// The game's keys in the order it polls them, with their entries.
constexpr int kPolled[kKeyStateCount][2] = {
    {VK_LEFT, kKeyLeft},   {VK_RIGHT, kKeyRight}, {VK_UP, kKeyUp}, {VK_DOWN, kKeyDown},
    {'C', kKeyC},          {'V', kKeyV},          {'N', kKeyN},    {'B', kKeyB},
    {VK_SHIFT, kKeyShift}, {VK_CONTROL, kKeyCtrl}};

class InputTest : public FreshProcessTest {
protected:
    // One frame's polling, as the ship's input step does it.
    void PollFrame() {
        for (const auto& k : kPolled) elInput::PollKey(k[0], KeyStates[k[1]]);
    }
    int PollOne(int key) { return elInput::PollKey(key, state); }

    int state = 0;
};

TEST_F(InputTest, AKeyHeldForThreeFramesReadsPressedHeldHeldReleasedUp) {
    std::vector<int> seen;
    headless::PressKey('C');
    for (int frame = 0; frame < 5; ++frame) {
        if (frame == 3) headless::ReleaseKey('C');
        PollFrame();
        seen.push_back(KeyStates[kKeyC]);
        for (int i = 0; i < kKeyStateCount; ++i) {
            if (i != kKeyC) {
                EXPECT_EQ(KeyStates[i], 0);
            }
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 3, 3, 2, 0}));
}

TEST_F(InputTest, PressesBetweenPollsAndQuickReturnsFollowTheFourStates) {
    headless::PressKey(VK_SHIFT);
    headless::ReleaseKey(VK_SHIFT);
    EXPECT_EQ(PollOne(VK_SHIFT), 0);  // never seen
    headless::PressKey(VK_SHIFT);
    EXPECT_EQ(PollOne(VK_SHIFT), 1);
    headless::ReleaseKey(VK_SHIFT);
    EXPECT_EQ(PollOne(VK_SHIFT), 2);
    headless::PressKey(VK_SHIFT);
    EXPECT_EQ(PollOne(VK_SHIFT), 3);  // down again right after the release: no second press
    EXPECT_EQ(state, 3);
}

TEST_F(InputTest, EveryKeyReadsUpDuringATransitionAndPressedAfterIt) {
    for (const auto& k : kPolled) headless::PressKey(k[0]);
    PollFrame();
    PollFrame();
    for (int s : KeyStates) EXPECT_EQ(s, 3);
    Transition = ScreenTransition{3, 4, -1, 4};
    for (int frame = 0; frame < 4; ++frame) {
        PollFrame();
        for (int s : KeyStates) EXPECT_EQ(s, 0) << frame;
        Transition.step += Transition.direction;
    }
    ASSERT_EQ(Transition.step, 0);
    PollFrame();
    for (int s : KeyStates) EXPECT_EQ(s, 1);
}

TEST_F(InputTest, TheMapViewAndKeyCaptureLockTheKeysToo) {
    headless::PressKey('B');
    elSystem::State.mapView = 1;
    EXPECT_EQ(PollOne('B'), 0);
    elSystem::State.mapView = 0;
    elSystem::State.keyCapture = 1;
    elSystem::State.capturedKey = 'B';
    EXPECT_EQ(PollOne('B'), 0);
    elInput::EndKeyCapture();
    EXPECT_EQ(elSystem::State.capturedKey, 0);
    EXPECT_EQ(PollOne('B'), 1);
}

TEST_F(InputTest, JoysticksReadZeroWhenAbsentAndTheirPositionWhenPresent) {
    Joysticks.x[0] = Joysticks.y[1] = 7;
    Joysticks.pads[3][1] = 9;
    elInput::ResetJoysticks();
    EXPECT_EQ(headless::JoystickConfigChanges(), 1);
    EXPECT_EQ(Joysticks.x[0], 0);
    EXPECT_EQ(Joysticks.y[1], 0);
    EXPECT_EQ(Joysticks.pads[3][1], 0);
    headless::SetJoystick(1, 100, 65535, 0x3);
    elInput::PollJoysticks();
    EXPECT_EQ(Joysticks.x[0], 0);
    EXPECT_EQ(Joysticks.x[1], 100);
    EXPECT_EQ(Joysticks.y[1], 65535);

    JOYINFOEX info{};
    EXPECT_EQ(joyGetPosEx(1, &info), MMSYSERR_INVALPARAM);  // size not set
    info.dwSize = sizeof info;
    EXPECT_EQ(joyGetPosEx(0, &info), JOYERR_UNPLUGGED);
    EXPECT_EQ(joyGetPosEx(2, &info), JOYERR_PARMS);
    ASSERT_EQ(joyGetPosEx(1, &info), JOYERR_NOERROR);
    EXPECT_EQ(info.dwButtonNumber, 2u);
    EXPECT_EQ(info.dwPOV, JOY_POVCENTERED);
}

}  // namespace
