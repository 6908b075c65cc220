// Boss B: the warning picture that flies up the field, the entry from above and the endless sways; the
// body by health band with its damage bursts, flames and lock markers; the clear sequence into stage C.
#pragma once

// Moves the boss and the warning picture along the path; every boss-phase frame, before the draw.
void RunStageBBossScript();
// Damage bursts, body, flames and lock markers, then the clear sequence.
void DrawBossDeathB();
// Acts only while the health is 0 or less; once its time passes 70 the stage ends into stage C.
void RunStageBClearSequence();
