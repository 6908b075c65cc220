// Boss C: its path, its body with damage bursts, smoke and part markers, and the clear sequence that stops
// the music and opens the ending. All of it is boss C's data for the shared boss sequence.
#pragma once

// One frame of the path: the entry from above the screen, then a loop of dips, sways and diamonds.
void MoveBossCPath();
// Damage bursts, body, smoke and markers, then the clear sequence.
void DrawBossDeathC();
// One frame of the clear sequence; does nothing while the health is above 0.
void RunStageCClearSequence();
