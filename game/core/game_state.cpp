#include "game/core/game_state.h"

#include "game/core/trace_hook.h"

constinit int Score = 0;
constinit int HiScore = 0;
constinit int ShipStock = 0;
constinit int PowerCount = 0;
constinit int WeaponType = 0;
constinit int Difficulty = 0;
constinit int ScoringMode[2] = {};
constinit int Frozen = 0;
constinit int ContinueShown = 0;
constinit int ContinueRecovery = 0;
constinit int ClearEnemyShots = 0;
constinit int BlendEffects = 0;
constinit int BackgroundOff = 0;
constinit int MouseShip = 0;
constinit int ShipVisible = 0;
constinit int Invincible = 0;
constinit int PlayerAlive = 0;
constinit float StageScroll = 0.0f;
constinit FloatPoint PlayerPosition = {};
constinit int InputLock = 0;
constinit int FireEnable[2] = {};
constinit int BurstActive[4] = {};
constinit int StageFrameCounter = 0;
constinit int AutoFireTrigger = 0;

constinit TraceHook GameTrace = nullptr;
