// The burst volley: started by N, it releases burst shots every third frame for 147 frames; the shots
// curve out from the ship along stepped paths.
#pragma once

#include "game/core/records.h"

inline constexpr int kBurstBankSize = 50;
inline constexpr int kBurstInterval = 3;
inline constexpr int kBurstReleases = 49;
inline constexpr int kBurstLength = kBurstInterval * kBurstReleases;  // 147 frames

// Starts a burst unless one is running (the N key).
void StartBurstVolley();
// One frame of a running burst.
void FireBurstVolley();
void SpawnPlayerShots(int a, int b, int c, int d);
// One flight step of an active burst shot (record index picks its bank); frees it above the screen.
void StepBurstShot(PhaseShot& shot, int index);
