// Stage C, the last stage: boss C alone with its attack schedule, every bullet pool of the stage and the
// player's side, in the shared stage frame. RunStageC (declared with the scene functions) is scene 5.
#pragma once

#include <span>

#include "game/core/stage_driver.h"

// The attack clock runs while 0 < health < 780 and goes round every 4900 frames; the stage ends at
// StageScroll 11000 at the latest.
inline constexpr float kBossCAttackCeiling = 780.0f;
inline constexpr int kBossCAttackCycle = 4900;
inline constexpr float kStageCTimeLimit = 11000.0f;

// Boss C's attack table, in its order.
std::span<const AttackRow> StageCAttackRows();
