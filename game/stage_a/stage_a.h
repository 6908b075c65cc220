// Stage A, the first stage: scene 2's function.
#pragma once

// One frame of stage A.
void RunStageA();
