// elInput: key polling and joysticks.
#pragma once

inline constexpr int kKeyStateCount = 10;

// One entry per game key, in this order.
enum KeyIndex : int {
    kKeyCtrl = 0,
    kKeyShift,
    kKeyB,
    kKeyN,
    kKeyV,
    kKeyC,
    kKeyDown,
    kKeyUp,
    kKeyRight,
    kKeyLeft,
};

// Four-state key values.
inline constexpr int kKeyUpState = 0;
inline constexpr int kKeyPressed = 1;
inline constexpr int kKeyReleased = 2;
inline constexpr int kKeyHeld = 3;

extern int KeyStates[kKeyStateCount];

inline constexpr int kJoystickCount = 2;
inline constexpr int kPadRecords = 4;
inline constexpr int kPadFields = 4;

// Joystick readings; nothing in the game reads them.
struct JoystickValues {
    int x[kJoystickCount];
    int y[kJoystickCount];
    int pads[kPadRecords][kPadFields];
};
extern JoystickValues Joysticks;

namespace elInput {

// Turns the key's instantaneous state into the next four-state value, stores it in state and returns it.
// While a screen transition, the map view or key capture is on, every key reads 0.
int PollKey(int virtualKey, int& state);
// Leaves key-capture mode (the window procedure then handles keys itself).
void EndKeyCapture();
// Reads joysticks 0 and 1; one that cannot be read gives 0 and 0.
void PollJoysticks();
void ResetJoysticks();

}  // namespace elInput
