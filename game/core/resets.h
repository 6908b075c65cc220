// The new-game reset and the two halves of the stage reset. Callers run the stage reset's halves
// together, A first; the new-game reset runs before them at load and at a game start, after them when
// the ending is left with Space.
#pragma once

// Strips, score, ship position, ships, power counter, difficulty, auto-fire trigger, power flags and the
// power item.
void InitNewGame();
// Reseeds the generator, then the power item, the player block, the player's entities, the sparks, the
// squadrons, stage A's objects and first pools, and the starfield.
void ResetGameStateA();
// The bosses and big enemies with their globals, the bursts and every remaining stage pool.
void ResetGameStateB();

// New-game values.
inline constexpr int kNewGameShipStock = 1;
inline constexpr int kNewGamePowerCount = 5;
inline constexpr float kStripTileSpacing = 480.0f;
