#include "game/stage_b/boss_b_hit.h"

#include "game/stage_b/stage_b_entities.h"

void FlashBossB() {
    BossB.hitFlash = 1;
}
