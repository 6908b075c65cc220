// The ship's input and movement: bank, game keys, weapons triggers, speed and the clamp to the field.
#pragma once

// The loop counter the key routine shares with its other loops. It is 0 until the first frame with Left
// or Right held and stays at its end value afterwards; the second fire input hands it to the salvo
// spawners as the record index, which then arm nothing.
inline constexpr int kShipLoopCounterEnd = 5000;
extern int ShipLoopCounter;

inline constexpr float kShipSpeed = 160.0f;

void UpdatePlayerShip();
void ReadGameKeys();
