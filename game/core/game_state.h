// Game-wide scalars shared by the scenes, the stages and the engine's key handler.
#pragma once

extern int Score;
extern int HiScore;
extern int ShipStock;
extern int PowerCount;
extern int WeaponType;
extern int Difficulty;
extern int ScoringMode[2];
extern int Frozen;
extern int ContinueShown;
extern int ContinueRecovery;
extern int ClearEnemyShots;
extern int BlendEffects;
extern int BackgroundOff;
extern int MouseShip;
extern int ShipVisible;
extern int Invincible;
extern int PlayerAlive;
extern float StageScroll;

inline constexpr int kStartingHiScore = 500;
