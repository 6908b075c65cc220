// Boss-hit sparks: one set per boss and shot pool. A hit spawns sparks at every shot record of the pool;
// the boss's stage draws them and lets them trickle down past the boss. The sets of big enemies 3 and 4
// are only spawned.
#pragma once

void SpawnBossSparksA1();
void SpawnBossSparksA2();
void SpawnBossSparksA3();
void SpawnBossSparksA4();
void SpawnBossSparksA5();
void SpawnBossSparksA6();
void SpawnBossSparksB1();
void SpawnBossSparksB2();
void SpawnBossSparksB3();
void SpawnBossSparksC1();
void SpawnBossSparksC2();
void SpawnBossSparksC3();
void SpawnBossSparksC4();
void SpawnBossSparksC5();
void SpawnBossSparksC6();

void DrawBossSparksA1();
void DrawBossSparksA2();
void DrawBossSparksA3();
void DrawBossSparksB1();
void DrawBossSparksB2();
void DrawBossSparksB3();
void DrawBossSparksC1();
void DrawBossSparksC2();
void DrawBossSparksC3();

void MoveBossSparksA1();
void MoveBossSparksA2();
void MoveBossSparksA3();
void MoveBossSparksB1();
void MoveBossSparksB2();
void MoveBossSparksB3();
void MoveBossSparksC1();
void MoveBossSparksC2();
void MoveBossSparksC3();
