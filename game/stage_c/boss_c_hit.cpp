#include "game/stage_c/boss_c_hit.h"

#include "game/stage_c/stage_c_entities.h"

void FlashBossC() {
    BossCRecord.hitFlash = 1;
}
