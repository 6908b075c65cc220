// Joystick positions and buttons.
#pragma once

#include "platform/types.h"

struct JOYINFOEX {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwXpos;
    DWORD dwYpos;
    DWORD dwZpos;
    DWORD dwRpos;
    DWORD dwUpos;
    DWORD dwVpos;
    DWORD dwButtons;
    DWORD dwButtonNumber;
    DWORD dwPOV;
    DWORD dwReserved1;
    DWORD dwReserved2;
};

inline constexpr UINT JOYSTICKID1 = 0;
inline constexpr UINT JOYSTICKID2 = 1;

inline constexpr DWORD JOY_RETURNX = 0x00000001;
inline constexpr DWORD JOY_RETURNY = 0x00000002;
inline constexpr DWORD JOY_RETURNZ = 0x00000004;
inline constexpr DWORD JOY_RETURNR = 0x00000008;
inline constexpr DWORD JOY_RETURNU = 0x00000010;
inline constexpr DWORD JOY_RETURNV = 0x00000020;
inline constexpr DWORD JOY_RETURNPOV = 0x00000040;
inline constexpr DWORD JOY_RETURNBUTTONS = 0x00000080;
inline constexpr DWORD JOY_RETURNALL = 0x000000FF;
inline constexpr DWORD JOY_USEDEADZONE = 0x00000800;

inline constexpr DWORD JOY_POVCENTERED = 0xFFFF;
// Axis positions run from 0 to 65535; the centre is 32767.
inline constexpr DWORD JOY_AXIS_MAX = 65535;
inline constexpr DWORD JOY_AXIS_CENTER = 32767;

inline constexpr MMRESULT JOYERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
inline constexpr MMRESULT JOYERR_PARMS = 165;
inline constexpr MMRESULT JOYERR_UNPLUGGED = 167;

// Reads joystick id (0 or 1). No such joystick: JOYERR_UNPLUGGED.
MMRESULT joyGetPosEx(UINT id, JOYINFOEX* info);
// The set of joysticks may have changed: they are looked for again on the next read.
MMRESULT joyConfigChanged(DWORD flags);
