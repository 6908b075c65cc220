// The spiral volley: eight fans of five large shots that leave the ship and hit every kind of enemy.
// The stage drivers tick it only while ClearEnemyShots is 1, which nothing in play sets; its mover and
// draw run every frame over the parked records.
#pragma once

// Fans f = 0..7 (records 5f..5f+4) leave on ticks 3f and 24 + 3f; on tick 47 the volley ends and the
// clear flag drops.
void FireSpiralVolley();
// Arms record i (0..79) at the ship, if it is free.
void SpawnSpiralShot(int i);
void MoveSpiralShots();
// Draws the first 40 records, free ones included.
void DrawBombBlasts(int unused = 0);
