// Boss A: its entry path behind the warning picture, its body by health band with damage bursts, flames
// and the boss-bound missiles' markers, and the clear sequence that opens stage B.
#pragma once

// Advances the path clock and moves the warning picture and the body.
void RunStageABossScript();
// Damage bursts, body, flames and markers, then the clear sequence.
void DrawBossDeathA();
// Acts only once the health is 0 or less; past 7 s the stage reset and the change into stage B.
void RunStageAClearSequence();
