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

// Launchers, from the automatic launch block: missile k of pool n leaves the ship for marker k of its set
// while that marker is locked inside 0 < x < 540, 0 < y < 480 and the missile is free.
void LaunchHomingMissiles01();
void LaunchHomingMissiles02();
void LaunchHomingMissiles03();
void LaunchHomingMissiles04();
void LaunchHomingMissiles05();
void LaunchHomingMissiles06();
void LaunchHomingMissiles07();
void LaunchHomingMissiles08();
void LaunchHomingMissiles10();
void LaunchHomingMissiles11();
void LaunchHomingMissiles12();
void LaunchHomingMissiles13();
void LaunchHomingMissiles14();
void LaunchHomingMissiles15();
void LaunchHomingMissiles16();
void LaunchHomingMissiles17();
void LaunchHomingMissiles18();
void LaunchHomingMissiles19();
