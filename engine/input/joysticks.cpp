// Joystick polling; the values are kept, and nothing in the game reads them.
#include "engine/elInput.h"
#include "platform/joystick.h"

constinit JoystickValues Joysticks = {};

namespace elInput {

namespace {
constexpr DWORD kPollFlags = JOY_RETURNALL | JOY_USEDEADZONE;
}  // namespace

void PollJoysticks() {
    for (int id = 0; id < kJoystickCount; ++id) {
        JOYINFOEX info{};
        info.dwSize = sizeof info;
        info.dwFlags = kPollFlags;
        bool read = joyGetPosEx(static_cast<UINT>(id), &info) == JOYERR_NOERROR;
        Joysticks.x[id] = read ? static_cast<int>(info.dwXpos) : 0;
        Joysticks.y[id] = read ? static_cast<int>(info.dwYpos) : 0;
    }
}

void ResetJoysticks() {
    joyConfigChanged(0);
    PollJoysticks();
    for (auto& pad : Joysticks.pads) {
        for (int& field : pad) field = 0;
    }
}

}  // namespace elInput
