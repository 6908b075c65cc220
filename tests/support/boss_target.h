// Where a scripted player keeps the ship: under the middle of the stage's boss once the boss is in the
// field, else on the ship's starting column.
#pragma once

#include "build_config.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"

inline float ShipTargetX() {
    switch (SceneNumber) {
        case kSceneStageA:
            if (BossARecord.x > kParkedX) return BossARecord.x + 160.0f;
            break;
        case kSceneStageB:
            if (BossB.x > kParkedX) return BossB.x + 230.0f;
            break;
        case kSceneStageC:
            if (BossCRecord.x > kParkedX) return BossCRecord.x + 190.0f;
            break;
        default:
            break;
    }
    return build::kShipStartX;
}
