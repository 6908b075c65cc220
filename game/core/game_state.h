// Game-wide scalars shared by the scenes, the stages and the engine's key handler.
#pragma once

#include "game/core/records.h"

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
extern FloatPoint PlayerPosition;
extern int InputLock;
extern int FireEnable[2];
extern int BurstActive[4];
extern int StageFrameCounter;
extern int AutoFireTrigger;

inline constexpr int kStartingHiScore = 500;
