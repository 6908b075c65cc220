// Points. Every award goes through AddScore, which adds only in the scoring modes a game starts with;
// AddScoreUnchecked adds in any mode. Both cap the score and raise the high score to it.
#pragma once

inline constexpr int kScoreCap = 999999999;

int AddScore(int points);
int AddScoreUnchecked(int points);
