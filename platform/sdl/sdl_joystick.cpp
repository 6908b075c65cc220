// Joysticks through SDL: the first two SDL joysticks are ids 0 and 1.
#include "platform/joystick.h"
#include "platform/sdl/sdl_backend.h"

namespace {

constexpr UINT kJoysticks = 2;
constexpr int kAxisOffset = 32768;
constexpr int kDeadZone = 2048;  // around the centre, in axis units
constexpr int kMaxButtons = 32;
constexpr DWORD kPovRight = 9000;
constexpr DWORD kPovDown = 18000;
constexpr DWORD kPovLeft = 27000;
constexpr DWORD kPovHalfStep = 4500;

constinit bool gReady = false;
constinit bool gFailed = false;
constinit SDL_Joystick* gOpen[kJoysticks] = {};

bool EnsureJoysticks() {
    if (gReady) return true;
    if (gFailed) return false;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        gFailed = true;
        return false;
    }
    gReady = true;
    return true;
}

DWORD Axis(SDL_Joystick* j, int axis, bool deadZone) {
    if (axis >= SDL_JoystickNumAxes(j)) return JOY_AXIS_CENTER;
    int v = SDL_JoystickGetAxis(j, axis);
    if (deadZone && v > -kDeadZone && v < kDeadZone) return JOY_AXIS_CENTER;
    return static_cast<DWORD>(v + kAxisOffset);
}

DWORD Pov(SDL_Joystick* j) {
    if (SDL_JoystickNumHats(j) < 1) return JOY_POVCENTERED;
    switch (SDL_JoystickGetHat(j, 0)) {
        case SDL_HAT_UP:
            return 0;
        case SDL_HAT_RIGHTUP:
            return kPovHalfStep;
        case SDL_HAT_RIGHT:
            return kPovRight;
        case SDL_HAT_RIGHTDOWN:
            return kPovRight + kPovHalfStep;
        case SDL_HAT_DOWN:
            return kPovDown;
        case SDL_HAT_LEFTDOWN:
            return kPovDown + kPovHalfStep;
        case SDL_HAT_LEFT:
            return kPovLeft;
        case SDL_HAT_LEFTUP:
            return kPovLeft + kPovHalfStep;
        default:
            return JOY_POVCENTERED;
    }
}

}  // namespace

MMRESULT joyGetPosEx(UINT id, JOYINFOEX* info) {
    if (info == nullptr || info->dwSize != sizeof(JOYINFOEX)) return MMSYSERR_INVALPARAM;
    if (id >= kJoysticks) return JOYERR_PARMS;
    if (!EnsureJoysticks()) return JOYERR_UNPLUGGED;
    SDL_JoystickUpdate();
    if (gOpen[id] != nullptr && !SDL_JoystickGetAttached(gOpen[id])) {
        SDL_JoystickClose(gOpen[id]);
        gOpen[id] = nullptr;
    }
    if (gOpen[id] == nullptr) {
        if (static_cast<int>(id) >= SDL_NumJoysticks()) return JOYERR_UNPLUGGED;
        gOpen[id] = SDL_JoystickOpen(static_cast<int>(id));
        if (gOpen[id] == nullptr) return JOYERR_UNPLUGGED;
    }
    SDL_Joystick* j = gOpen[id];
    bool deadZone = (info->dwFlags & JOY_USEDEADZONE) != 0;
    info->dwXpos = Axis(j, 0, deadZone);
    info->dwYpos = Axis(j, 1, deadZone);
    info->dwZpos = Axis(j, 2, deadZone);
    info->dwRpos = Axis(j, 3, deadZone);
    info->dwUpos = Axis(j, 4, deadZone);
    info->dwVpos = Axis(j, 5, deadZone);
    info->dwButtons = 0;
    info->dwButtonNumber = 0;
    int buttons = SDL_JoystickNumButtons(j);
    for (int b = 0; b < buttons && b < kMaxButtons; ++b) {
        if (!SDL_JoystickGetButton(j, b)) continue;
        info->dwButtons |= 1u << b;
        ++info->dwButtonNumber;
    }
    info->dwPOV = Pov(j);
    return JOYERR_NOERROR;
}

MMRESULT joyConfigChanged(DWORD) {
    for (SDL_Joystick*& j : gOpen) {
        if (j != nullptr) SDL_JoystickClose(j);
        j = nullptr;
    }
    return JOYERR_NOERROR;
}
