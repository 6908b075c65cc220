// The scrolling background strips, the backdrop and the starfield.
#pragma once

// Pixels a second of the strips with a fixed speed.
inline constexpr float kStageAStripSpeed = 130.0f;
inline constexpr float kStageBStripSpeed = 100.0f;

void DrawStageABackground();
void DrawStageBBackground();
void DrawStageCBackground();
void DrawBackdrop();
// Stars fall at base + rand() % spread pixels a second after they come round again.
void DrawStarfield(int spread, int base);

// Speeds by the stage clock: windows inclusive at both ends, both speeds added on a shared boundary.
float StageCStripSpeed(float stageScroll);
float BackdropSpeed(float stageScroll);
