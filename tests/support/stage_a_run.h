// Plays stage A as the program does, from Enter on the title to the change into stage B: the ship is kept
// under the boss, `Y` answers every continue prompt, and fire is held or not. Each stage frame is watched
// on the way.
#pragma once

#include <cstdint>
#include <string>

struct StageARunReport {
    bool reachedStageB = false;
    int stageFrames = 0;
    int continues = 0;
    // The stage clock at the first sighting of each wave kind (-1: never seen).
    float smallEnemiesAt = -1.0f;
    float formationAt = -1.0f;
    float swoopersAt = -1.0f;
    float waveFlyersAt = -1.0f;
    bool bossHeldInPlace = false;
    bool bossAttacked = false;   // the attack clock ran and a boss pool had records in flight
    float healthAtClear = 0.0f;  // the boss's last health above 0
    float scrollAtChange = 0.0f;
    int sparksSeen = 0;         // frames with sparks inside the field
    int sparksPastTheLine = 0;  // sparks that moved on below the vanish line without being freed
    bool spiralVolleyStarted = false;
    std::string unparkedAtChange;
    std::uint64_t hashAtChange = 0;
};

StageARunReport RunStageAFromTitle(bool fire);
