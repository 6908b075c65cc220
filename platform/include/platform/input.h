// Keyboard state as the window's message stream has reported it.
#pragma once

#include "platform/types.h"

// High bit (sign) set while the key is down; low bit toggles on each press.
SHORT GetKeyState(int virtualKey);
