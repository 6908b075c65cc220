// Key polling: press, hold and release told apart from the instantaneous key state, once a frame.
#include "engine/elDraw.h"
#include "engine/elInput.h"
#include "engine/elSystem.h"
#include "platform/input.h"

constinit int KeyStates[kKeyStateCount] = {};

namespace elInput {

namespace {
constexpr int kKeyDownBit = 0x80;
}  // namespace

int PollKey(int virtualKey, int& state) {
    if (GetKeyState(virtualKey) & kKeyDownBit) {
        state = state != kKeyUpState ? kKeyHeld : kKeyPressed;
    } else {
        state = state == kKeyPressed || state == kKeyHeld ? kKeyReleased : kKeyUpState;
    }
    if (Transition.step != 0 || elSystem::State.mapView != 0 || elSystem::State.keyCapture != 0)
        state = kKeyUpState;
    return state;
}

void EndKeyCapture() {
    elSystem::State.keyCapture = 0;
    elSystem::State.capturedKey = 0;
}

}  // namespace elInput
