// Lockable enemies that no stage spawns: lock sets 1 and 2 (three first-layout records each), and the part
// marker groups of big enemies 2, 4, 5 and 6 (two groups of three each). The lock-on detection still
// tests the records every frame; the stage reset parks them.
#pragma once

#include <span>

#include "game/core/entity_table.h"
#include "game/core/records.h"
#include "game/enemies/enemy_pools.h"

extern EnemyRecord LockSetEnemies1[kLockSetCount];
extern EnemyRecord LockSetEnemies2[kLockSetCount];
extern LockRecord BigEnemy2PartMarkers1[kBigEnemyPartMarkerCount];
extern LockRecord BigEnemy2PartMarkers2[kBigEnemyPartMarkerCount];
extern LockRecord BigEnemy4PartMarkers1[kBigEnemyPartMarkerCount];
extern LockRecord BigEnemy4PartMarkers2[kBigEnemyPartMarkerCount];
extern LockRecord BigEnemy5PartMarkers1[kBigEnemyPartMarkerCount];
extern LockRecord BigEnemy5PartMarkers2[kBigEnemyPartMarkerCount];
extern LockRecord BigEnemy6PartMarkers1[kBigEnemyPartMarkerCount];
extern LockRecord BigEnemy6PartMarkers2[kBigEnemyPartMarkerCount];

std::span<const EntityArray> LockSetArrays();
