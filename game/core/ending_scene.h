// The ending: closing logo, ranking, credit lines and closing pictures on the stage clock, then back to
// the title.
#pragma once

inline constexpr int kRankingRows = 7;
extern int RankingTable[kRankingRows];
extern float EndingBannerHeight;

// Writes the seven default rows, lets the run's high score replace the first row it reaches, and draws
// the header, the rank numbers and the values.
void DrawRankingTable();
void RunEndingScene();
