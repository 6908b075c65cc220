// Homing salvos: four sets of 45 missiles in three groups of 15; group g homes on marker g of its enemy
// set. The ship's second fire input launches them; the stage drivers move and draw all four sets.
#pragma once

inline constexpr int kSalvoGroups = 3;
inline constexpr int kSalvoGroupSize = 15;

// Arm record group x 15 + index of the set. Nothing happens when group is outside 0..2, index outside
// 0..14, or the record is in flight.
void SpawnHomingSalvoMissile1(int group, int index);
void SpawnHomingSalvoMissile2(int group, int index);
void SpawnHomingSalvoMissile3(int group, int index);
void SpawnHomingSalvoMissile4(int group, int index);

// Timed launchers: per active enemy of the set's kind, a counter that launches one missile per call
// while it lies in 0..14 and wraps at 140.
void FireHomingSalvo1();
void FireHomingSalvo2();
void FireHomingSalvo3();
void FireHomingSalvo4();

void MoveHomingMissiles01();
void MoveHomingMissiles02();
void MoveHomingMissiles03();
void MoveHomingMissiles04();

void DrawHomingSalvo1();
void DrawHomingSalvo2();
void DrawHomingSalvo3();
void DrawHomingSalvo4();
