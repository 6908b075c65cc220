#include "game/core/ship.h"

#include <cmath>

#include "build_config.h"
#include "engine/elInput.h"
#include "engine/elSystem.h"
#include "game/core/burst_volley.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/homing_salvos.h"
#include "game/core/main_shots.h"

constinit int ShipLoopCounter = 0;

namespace {

constexpr int kBankFull = 6;
constexpr int kSalvoSet = 0;

// Virtual-key codes of the game keys.
constexpr int kVkShift = 16;
constexpr int kVkControl = 17;
constexpr int kVkLeft = 37;
constexpr int kVkUp = 38;
constexpr int kVkRight = 39;
constexpr int kVkDown = 40;
constexpr int kVkB = 'B';
constexpr int kVkC = 'C';
constexpr int kVkN = 'N';
constexpr int kVkV = 'V';

bool Held(int key) {
    return KeyStates[key] == kKeyHeld;
}

float Clamp(float value, float lo, float hi) {
    if (value < lo) return lo;
    if (value > hi) return hi;
    return value;
}

// A step that is not a number (a zero speed times an unbounded frame time) leaves the ship where it is.
float Advance(float position, float speed) {
    const float next = position + speed * FrameTime;
    return std::isnan(next) ? position : next;
}

void SteerByArrows() {
    const bool moves = WeaponType == 1;
    if (Held(kKeyLeft) || Held(kKeyRight)) ShipLoopCounter = kShipLoopCounterEnd;
    if (Held(kKeyLeft)) {
        ShipBankStep = 1;
        if (moves) ShipSpeed.x = -kShipSpeed;
    }
    if (Held(kKeyRight)) {
        ShipBankStep = -1;
        if (moves) ShipSpeed.x = kShipSpeed;
    }
    if (Held(kKeyUp) && moves) ShipSpeed.y = -kShipSpeed;
    if (Held(kKeyDown) && moves) ShipSpeed.y = kShipSpeed;
}

void FireWeapons() {
    if (WeaponType != 1) return;
    if (FireEnable[0] != 0 && (Held(kKeyShift) || MouseState.leftHeld != 0)) AutoFireShots1();
    if (FireEnable[1] != 0 && (Held(kKeyCtrl) || MouseState.rightHeld != 0)) {
        AutoFireShots2();
        SpawnHomingSalvoMissile1(kSalvoSet, ShipLoopCounter);
        SpawnHomingSalvoMissile2(kSalvoSet, ShipLoopCounter);
        SpawnHomingSalvoMissile3(kSalvoSet, ShipLoopCounter);
        SpawnHomingSalvoMissile4(kSalvoSet, ShipLoopCounter);
    }
    if (FireEnable[0] != 0 && Held(kKeyC)) AutoFireShots1();
    if (FireEnable[1] != 0 && Held(kKeyV)) AutoFireShots2();
    if (BurstActive[0] == 0 && Held(kKeyN)) StartBurstVolley();
    if (Held(kKeyB)) AutoFireShots3();
}

}  // namespace

void ReadGameKeys() {
    elInput::PollKey(kVkLeft, KeyStates[kKeyLeft]);
    elInput::PollKey(kVkRight, KeyStates[kKeyRight]);
    elInput::PollKey(kVkUp, KeyStates[kKeyUp]);
    elInput::PollKey(kVkDown, KeyStates[kKeyDown]);
    elInput::PollKey(kVkC, KeyStates[kKeyC]);
    elInput::PollKey(kVkV, KeyStates[kKeyV]);
    elInput::PollKey(kVkN, KeyStates[kKeyN]);
    elInput::PollKey(kVkB, KeyStates[kKeyB]);
    elInput::PollKey(kVkShift, KeyStates[kKeyShift]);
    elInput::PollKey(kVkControl, KeyStates[kKeyCtrl]);
    if (InputLock != 0) {
        for (int key : {kKeyUp, kKeyDown, kKeyLeft, kKeyRight, kKeyC, kKeyShift, kKeyV, kKeyN}) {
            KeyStates[key] = kKeyUpState;
        }
    } else {
        SteerByArrows();
    }
    FireWeapons();
}

void UpdatePlayerShip() {
    ShipBankFrame += ShipBankStep;
    if (ShipBankFrame < 0) {
        ShipBankFrame = 0;
    } else if (ShipBankFrame > kBankFull) {
        ShipBankFrame = kBankFull;
    } else if (ShipBankFrame == kShipLevelBank) {
        ShipBankStep = 0;
    }
    ShipSpeed = {0.0f, 0.0f};
    ReadGameKeys();
    PlayerPosition.x = Clamp(Advance(PlayerPosition.x, ShipSpeed.x), build::kShipMinX, build::kShipMaxX);
    PlayerPosition.y = Clamp(Advance(PlayerPosition.y, ShipSpeed.y), build::kShipMinY, build::kShipMaxY);
    if (ShipSpeed.x == 0.0f && ShipSpeed.y == 0.0f && (ShipBankFrame == 0 || ShipBankFrame == kBankFull)) {
        ShipBankStep = -ShipBankStep;
    }
}
