// Stage B from its first frame as stage A's clear sequence leaves it (every entity reset, the opening wipe
// running, the title's difficulty and scoring flags) to the scene change into stage C, on the headless
// backend with a fixed frame time and scripted input: the ship holds fire and follows the boss's middle,
// and answers the continue prompt with Y. What the run went through is gathered for the tests.
#pragma once

#include <cstdint>

struct StageBRun {
    int frames = 0;
    int shipHits = 0;  // frames in which an enemy bullet took the ship
    int continues = 0;
    bool warningSeen = false;  // the warning picture rose through the field
    bool entered = false;      // the boss came down and settled
    bool swayed = false;       // the sway loop went round at least once
    bool burstBands[3] = {};   // a frame in each damage band
    bool twoFlames = false;
    bool fourFlames = false;
    bool clearSequence = false;
    int clearFrames = 0;
    bool sceneChanged = false;
    float scrollAtChange = 0.0f;  // the stage clock in the frame that changed the scene
    bool poolsFreeAtChange = false;
    std::uint64_t hash = 0;
};

// The program must be loaded (assets, window) and the new game set up by the caller.
// `afterFrame`, when given, is called after every frame with its number.
StageBRun RunWholeStageB(unsigned seed, float frameTime, int frameLimit, void (*afterFrame)(int) = nullptr);
