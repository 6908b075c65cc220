// The ship's three main shots: cadence, volleys, flight steps and draws, and the third kind's special
// animation over the ship.
#pragma once

#include "game/core/records.h"

// A pool is used in groups of 26 records; a volley arms one record of each group.
inline constexpr int kMainShotGroupSize = 26;
// A volley every 4 frames while the key is held, cycling through 25 record sets.
inline constexpr int kCadenceStep = 4;
inline constexpr int kCadenceVolleys = 25;
inline constexpr int kCadenceWrap = kCadenceStep * kCadenceVolleys;
// Where a removed main shot is put.
inline constexpr int kRemovedShotX = 5000;
inline constexpr int kRemovedShotY = 5000;

void AutoFireShots1();
void AutoFireShots2();
void AutoFireShots3();
void SpawnShotVolley1(int a, int b, int c);
void SpawnShotVolley2(int a, int b, int c);
void SpawnShotVolley3(int a, int b, int c, int d, int e, int f);

// One flight step of an active shot of the first or second kind (forward pools) or of the third kind,
// chosen by the record's group.
void StepForwardShot(MainShot& shot, int index);
void StepWideShot(MainShot& shot, int index);

void DrawPlayerShots();
void DrawPlayerSpecial();
