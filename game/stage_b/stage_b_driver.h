// Stage B's frame: the scene function of scene 3, and the tables it runs.
#pragma once

#include <span>

#include "game/core/stage_driver.h"

// One frame of stage B. Stage A's clear sequence has already reset every entity, and its music plays on:
// the stage has no first-frame set-up and starts no music.
void RunStageB();

// The driver's value and its boss-B attack rows, for the tests.
const StageDriver& StageBDriver();
std::span<const AttackRow> StageBAttackRows();
std::span<const AttackRow> StageBDifficulty3Rows();
// The attack counter's wrap at the current Difficulty: 2300 at 1 and 2, 3710 at 3, none (0) otherwise.
int StageBAttackWrap();
