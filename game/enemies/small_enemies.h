// The random small-enemy wave: fifteen slots that the stage drivers fill above the field, move by one of
// eleven patterns and draw in one of seven looks. A slot or pattern outside its range does nothing.
#pragma once

#include <span>

#include "game/enemies/enemy_bullets.h"

inline constexpr int kSmallEnemyPatterns = 11;
inline constexpr int kSmallEnemyLooks = 7;

// Arms the slot at a random x above the field, when it is free.
void SpawnSmallEnemy(int slot);
// Applies the pattern while the slot is active, then frees it once it has left the screen.
void MoveSmallEnemy(int slot, int pattern);
// The look while unhit; the explosion (and its end) while hit.
void DrawSmallEnemy(int slot, int look);

// The slots' movement patterns and looks in a stage: slot k moves and draws with plan k.
struct SmallEnemySlotPlan {
    int pattern;
    int look;
};
void RunSmallEnemySlots(std::span<const SmallEnemySlotPlan> plans);

// Schedule entries for one slot: its spawn, its aimed shot and its spread.
template <int Slot>
void SpawnSmallEnemySlot() {
    SpawnSmallEnemy(Slot);
}
template <int Slot>
void FireSmallEnemyShotOf() {
    FireSmallEnemyShot(Slot);
}
template <int Slot>
void FireSmallEnemySpreadOf() {
    FireSmallEnemySpread(Slot);
}
