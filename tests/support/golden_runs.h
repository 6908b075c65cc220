// The scripted runs whose traces are kept under tests/golden/<screen width>/: the whole game from the
// title and back, each stage from its first frame to its scene change with the boss killed and with the
// boss kept alive to the time limit, and each stage again to the time limit with the difficulty and the
// scoring flags that open the rows nothing in a title game reaches.
#pragma once

#include <span>
#include <string>
#include <vector>

enum class GoldenStart { kTitle, kStageA, kStageB, kStageC };

enum class GoldenFight {
    kKill,       // main fire held, the other weapon keys in turn, under the boss until it dies
    kTimeLimit,  // main fire only until the boss is inside its attack band, then none: the stage times out
};

struct GoldenRunSpec {
    const char* name;  // the trace file's name, without ".trace"
    const char* about;
    GoldenStart start;
    GoldenFight fight;
    // Set on the stage's first frame (runs that start on the title keep the title's own).
    int difficulty;
    int scoring0;
    int scoring1;
    int frameLimit;
    // Stalls single frames while boss A holds in place, each long enough to carry its path clock past
    // the rewind to the next of these clock values, then ends the stage at its time limit (none: no
    // stalls).
    std::span<const float> stallTargets = {};
    // Sets the switches nothing in play sets: the automatic launch block's trigger (auto shots, boss-part
    // locks, homing missiles) from the start, and the shot clear (the spiral volley, pools that honour it)
    // every kClearEvery frames.
    bool switches = false;
    // Takes the ship round the corners of its field until the boss comes, and once the boss is wounded
    // into its attack band keeps it in each corner for a whole attack cycle, so that the shots aimed at
    // it leave the field by its sides too.
    bool flanks = false;
};

const std::vector<GoldenRunSpec>& GoldenRuns();

struct GoldenResult {
    std::string text;
    bool finished = false;   // reached its end before the frame limit
    int unnamedRecords = 0;  // armed records that no entity array lists
};

// Plays the run in this process from a fresh start and returns its trace.
GoldenResult PlayGoldenRun(const GoldenRunSpec& run);
