// The ordinary enemy kinds besides the small enemies: spawn (or slot-timer tick), move and draw routines
// of each kind and set. Their bullet pools are in enemy_bullets.h, their mark-hits in enemy_hits.h.
#pragma once

// Swoopers: two per set, crossing the field diagonally from its top corners, with lock-on markers.
void SpawnSwoopers1();
void SpawnSwoopers2();
void MoveSwoopers1();
void MoveSwoopers2();
void DrawSwoopers1();
void DrawSwoopers2();

// Wave flyers: five per set, one slot timer each.
void TickWaveFlyers1();
void TickWaveFlyers2();
void SpawnWaveFlyer1(int slot);
void SpawnWaveFlyer2(int slot);
void MoveWaveFlyers1();
void MoveWaveFlyers2();
void DrawWaveFlyers1();
void DrawWaveFlyers2();

// Formation shooters: four sets of five on a five-phase course.
void TickFormationShooters1();
void TickFormationShooters2();
void TickFormationShooters3();
void TickFormationShooters4();
void SpawnFormationShooter1(int slot);
void SpawnFormationShooter2(int slot);
void SpawnFormationShooter3(int slot);
void SpawnFormationShooter4(int slot);
void MoveFormationShooters1();
void MoveFormationShooters2();
void MoveFormationShooters3();
void MoveFormationShooters4();
void DrawFormationShooters1();
void DrawFormationShooters2();
void DrawFormationShooters3();
void DrawFormationShooters4();

// Spinners, divers and carriers: nothing spawns them; their movers and draws still run.
void MoveSpinners1();
void MoveSpinners2();
void DrawSpinners1();
void DrawSpinners2();
void MoveDivers();
void DrawDivers();
void MoveCarrier1();
void MoveCarrier2();
void DrawCarrier1();
void DrawCarrier2();
