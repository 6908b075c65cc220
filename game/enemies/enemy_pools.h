// The squadrons' entity arrays: every ordinary enemy kind, its lock-on markers and bullet pools, and the
// five big enemies.
#pragma once

#include <span>

#include "game/core/entity_table.h"
#include "game/core/records.h"

// Ordinary enemy kinds.
inline constexpr int kSmallEnemyCount = 15;
inline constexpr int kSwooperCount = 2;
inline constexpr int kWaveFlyerCount = 5;
inline constexpr int kFormationShooterCount = 5;
inline constexpr int kSpinnerCount = 3;
inline constexpr int kDiverCount = 3;
inline constexpr int kCarrierCount = 1;
// The kinds of MarkEnemyHit01..04 (three records) and 05..08 (five records).
inline constexpr int kSmallEnemySetCount = 3;
inline constexpr int kLargeEnemySetCount = 5;
// Markers of one lockable enemy set, one per enemy record.
inline constexpr int kLockSetCount = 3;
inline constexpr int kBigEnemyPartMarkerCount = 3;
// Bullet pools.
inline constexpr int kSpreadGroupSize = 5;
inline constexpr int kSmallEnemySpreadCount = kSmallEnemyCount * kSpreadGroupSize;
inline constexpr int kSpinnerVolleyCount = kSpinnerCount * kSpreadGroupSize;
inline constexpr int kCarrierMissileLongCount = 25;
inline constexpr int kCarrierMissileCount = 15;
inline constexpr int kSpinShotShortCount = 4;
inline constexpr int kSpinShotLongCount = 5;
inline constexpr int kAimedPelletCount = 25;
inline constexpr int kMissileCount = 3;
inline constexpr int kPelletTripleCount = 3;
inline constexpr int kPelletSingleCount = 1;
inline constexpr int kPelletRowCount = 5;
inline constexpr int kShotLineCount = kDiverCount * kSpreadGroupSize;
inline constexpr int kSwooperShotLineCount = kSwooperCount * kSpreadGroupSize;

// The ordinary enemies of every kind with their lock-on markers (sets 3 and 4 are the spinners').
extern SmallEnemy SmallEnemies[kSmallEnemyCount];
extern EnemyRecord Swoopers1[kSwooperCount];
extern EnemyRecord Swoopers2[kSwooperCount];
extern LockRecord SwooperMarkers1[kSwooperCount];
extern LockRecord SwooperMarkers2[kSwooperCount];
extern EnemyRecordPhased WaveFlyers1[kWaveFlyerCount];
extern EnemyRecordPhased WaveFlyers2[kWaveFlyerCount];
extern EnemyRecordPhased FormationShooters1[kFormationShooterCount];
extern EnemyRecordPhased FormationShooters2[kFormationShooterCount];
extern EnemyRecordPhased FormationShooters3[kFormationShooterCount];
extern EnemyRecordPhased FormationShooters4[kFormationShooterCount];
extern EnemyRecordSpin Spinners1[kSpinnerCount];
extern EnemyRecordSpin Spinners2[kSpinnerCount];
extern EnemyRecord Divers[kDiverCount];
// The divers' flame frame, one for the whole kind (their records have no word for it).
extern int DiverFlameFrame;
extern EnemyRecord Carrier1[kCarrierCount];
extern EnemyRecord Carrier2[kCarrierCount];
extern EnemyRecord EnemySet01[kSmallEnemySetCount];
extern EnemyRecord EnemySet02[kSmallEnemySetCount];
extern EnemyRecord EnemySet03[kSmallEnemySetCount];
extern EnemyRecord EnemySet04[kSmallEnemySetCount];
extern EnemyRecordPhased EnemySet05[kLargeEnemySetCount];
extern EnemyRecordPhased EnemySet06[kLargeEnemySetCount];
extern EnemyRecordPhased EnemySet07[kLargeEnemySetCount];
extern EnemyRecordPhased EnemySet08[kLargeEnemySetCount];
extern LockRecord LockMarkers01[kLockSetCount];
extern LockRecord LockMarkers02[kLockSetCount];
extern LockRecord LockMarkers03[kLockSetCount];
extern LockRecord LockMarkers04[kLockSetCount];
extern LockRecord LockMarkers05[kLockSetCount];
extern LockRecord LockMarkers06[kLockSetCount];
extern LockRecord LockMarkers07[kLockSetCount];
extern LockRecord LockMarkers08[kLockSetCount];
extern LockRecord BigEnemy3PartMarkers1[kBigEnemyPartMarkerCount];
extern LockRecord BigEnemy3PartMarkers2[kBigEnemyPartMarkerCount];

// Every squadron bullet pool.
extern EnemyShot60 SmallEnemyShots[kSmallEnemyCount];
extern EnemyShot60 SmallEnemySpreads[kSmallEnemySpreadCount];
extern EnemyShot60 SpinnerVolleys1[kSpinnerVolleyCount];
extern EnemyShot60 SpinnerVolleys2[kSpinnerVolleyCount];
extern EnemyShot CarrierMissiles1[kCarrierMissileLongCount];
extern EnemyShot CarrierMissiles2[kCarrierMissileCount];
extern EnemyShot CarrierMissiles3[kCarrierMissileCount];
extern EnemyShot CarrierMissiles4[kCarrierMissileLongCount];
extern EnemyShot CarrierMissiles5[kCarrierMissileCount];
extern EnemyShot CarrierMissiles6[kCarrierMissileCount];
extern EnemyShot60 FormationShots1[kFormationShooterCount];
extern EnemyShot60 FormationShots2[kFormationShooterCount];
extern EnemyShot60 FormationShots3[kFormationShooterCount];
extern EnemyShot60 FormationShots4[kFormationShooterCount];
extern EnemyShot60 SpinShots01[kSpinShotShortCount];
extern EnemyShot60 SpinShots02[kSpinShotLongCount];
extern EnemyShot60 SpinShots03[kSpinShotShortCount];
extern EnemyShot60 SpinShots04[kSpinShotLongCount];
extern EnemyShot60 SpinShots05[kSpinShotShortCount];
extern EnemyShot60 SpinShots06[kSpinShotLongCount];
extern EnemyShot60 SpinShots07[kSpinShotShortCount];
extern EnemyShot60 SpinShots08[kSpinShotLongCount];
extern AimedPellet AimedPellets1[kAimedPelletCount];
extern AimedPellet AimedPellets2[kAimedPelletCount];
extern EnemyShot60 Missiles1[kMissileCount];
extern EnemyShot60 Missiles2[kMissileCount];
extern EnemyDrop Pellets01[kPelletTripleCount];
extern EnemyDrop Pellets02[kPelletTripleCount];
extern EnemyDrop Pellets03[kPelletTripleCount];
extern EnemyDrop Pellets04[kPelletTripleCount];
extern EnemyDrop Pellets05[kPelletTripleCount];
extern EnemyDrop Pellets06[kPelletTripleCount];
extern EnemyDrop Pellets07[kPelletTripleCount];
extern EnemyDrop Pellets08[kPelletTripleCount];
extern EnemyDrop Pellets09[kPelletTripleCount];
extern EnemyDrop Pellets10[kPelletTripleCount];
extern EnemyDrop Pellets11[kPelletTripleCount];
extern EnemyDrop Pellets12[kPelletTripleCount];
extern EnemyDrop Pellets13[kPelletTripleCount];
extern EnemyDrop Pellets14[kPelletTripleCount];
extern EnemyDrop Pellets15[kPelletTripleCount];
extern EnemyDrop Pellets16[kPelletTripleCount];
extern EnemyDrop Pellets17[kPelletTripleCount];
extern EnemyDrop Pellets18[kPelletSingleCount];
extern EnemyDrop Pellets19[kPelletSingleCount];
extern EnemyDrop Pellets20[kPelletSingleCount];
extern EnemyDrop Pellets21[kPelletSingleCount];
extern EnemyDrop Pellets22[kPelletSingleCount];
extern EnemyDrop Pellets23[kPelletSingleCount];
extern EnemyDrop Pellets24[kPelletSingleCount];
extern EnemyDrop Pellets25[kPelletSingleCount];
extern EnemyDrop Pellets26[kPelletSingleCount];
extern EnemyDrop Pellets27[kPelletSingleCount];
extern EnemyDrop Pellets28[kPelletRowCount];
extern EnemyDrop Pellets29[kPelletRowCount];
extern EnemyDrop Pellets30[kPelletRowCount];
extern EnemyDrop Pellets31[kPelletRowCount];
extern EnemyDrop Pellets32[kPelletRowCount];
extern EnemyDrop Pellets33[kPelletRowCount];
extern EnemyDrop Pellets34[kPelletRowCount];
extern EnemyDrop Pellets35[kPelletRowCount];
extern EnemyDrop ShotLines1[kShotLineCount];
extern EnemyDrop ShotLines2[kShotLineCount];
extern EnemyDrop ShotLines3[kShotLineCount];
extern EnemyDrop ShotLines4[kShotLineCount];
extern EnemyDrop ShotLines5[kShotLineCount];
extern EnemyDrop ShotLines6[kSwooperShotLineCount];
extern EnemyDrop ShotLines7[kSwooperShotLineCount];

// The big enemies, each with the counter kept just before its record. Nothing spawns them; the collision
// pass and the homing movers still test and flash them.
extern int BigEnemy2Counter;
extern BossRecord BigEnemy2;
extern int BigEnemy3Counter;
extern BossRecord BigEnemy3;
extern int BigEnemy4Counter;
extern BossRecord BigEnemy4;
extern int BigEnemy5Counter;
extern BossRecord BigEnemy5;
extern int BigEnemy6Counter;
extern BossRecord BigEnemy6;

inline constexpr float kBigEnemy2Health = 600.0f;
inline constexpr float kBigEnemy3Health = 1500.0f;
inline constexpr float kBigEnemy4Health = 1000.0f;
inline constexpr float kBigEnemy5Health = 1400.0f;
inline constexpr float kBigEnemy6Health = 1220.0f;

std::span<const EntityArray> SquadronKindArrays();
std::span<const EntityArray> SquadronPoolArrays();

// Parks every ordinary enemy, marker and squadron bullet (first half of the stage reset).
void ResetSquadronEntities();
// Parks the big enemies with full health and clears their counters (second half of the stage reset).
void ResetBigEnemies();
