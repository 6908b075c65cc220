// The random small-enemy wave: fifteen slots that the stage drivers fill above the field, move by one of
// eleven patterns and draw in one of seven looks. A slot or pattern outside its range does nothing.
#pragma once

inline constexpr int kSmallEnemyPatterns = 11;
inline constexpr int kSmallEnemyLooks = 7;

// Arms the slot at a random x above the field, when it is free.
void SpawnSmallEnemy(int slot);
// Applies the pattern while the slot is active, then frees it once it has left the screen.
void MoveSmallEnemy(int slot, int pattern);
// The look while unhit; the explosion (and its end) while hit.
void DrawSmallEnemy(int slot, int look);
