#include "game/enemies/lock_sets.h"

EnemyRecord LockSetEnemies1[kLockSetCount];
EnemyRecord LockSetEnemies2[kLockSetCount];
LockRecord BigEnemy2PartMarkers1[kBigEnemyPartMarkerCount];
LockRecord BigEnemy2PartMarkers2[kBigEnemyPartMarkerCount];
LockRecord BigEnemy4PartMarkers1[kBigEnemyPartMarkerCount];
LockRecord BigEnemy4PartMarkers2[kBigEnemyPartMarkerCount];
LockRecord BigEnemy5PartMarkers1[kBigEnemyPartMarkerCount];
LockRecord BigEnemy5PartMarkers2[kBigEnemyPartMarkerCount];
LockRecord BigEnemy6PartMarkers1[kBigEnemyPartMarkerCount];
LockRecord BigEnemy6PartMarkers2[kBigEnemyPartMarkerCount];

namespace {

const EntityArray kArrays[] = {
    Entity("LockSetEnemies1", LockSetEnemies1),
    Entity("LockSetEnemies2", LockSetEnemies2),
    Entity("BigEnemy2PartMarkers1", BigEnemy2PartMarkers1),
    Entity("BigEnemy2PartMarkers2", BigEnemy2PartMarkers2),
    Entity("BigEnemy4PartMarkers1", BigEnemy4PartMarkers1),
    Entity("BigEnemy4PartMarkers2", BigEnemy4PartMarkers2),
    Entity("BigEnemy5PartMarkers1", BigEnemy5PartMarkers1),
    Entity("BigEnemy5PartMarkers2", BigEnemy5PartMarkers2),
    Entity("BigEnemy6PartMarkers1", BigEnemy6PartMarkers1),
    Entity("BigEnemy6PartMarkers2", BigEnemy6PartMarkers2),
};

}  // namespace

std::span<const EntityArray> LockSetArrays() {
    return kArrays;
}
