// Single homing missiles: pools of three, record k paired with marker k of its set, steered onto the
// marker; a hit marks the enemy (or flashes the boss and lowers its health) and scores. Nothing in play
// launches them; the stage drivers still move every pool each frame.
#pragma once

void MoveHomingMissiles05();
void MoveHomingMissiles06();
void MoveHomingMissiles07();
void MoveHomingMissiles08();
void MoveHomingMissiles09();
void MoveHomingMissiles10();
void MoveHomingMissiles11();
void MoveHomingMissiles12();
void MoveHomingMissiles13();
void MoveHomingMissiles14();
