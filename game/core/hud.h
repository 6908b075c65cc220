// The head-up display along the top edge, and the digit rows it shares with the ranking.
#pragma once

// Large digits: 20 x 25 each, side by side on their picture.
inline constexpr int kLargeDigitWidth = 20;
inline constexpr int kLargeDigitHeight = 25;

// Draws the first `count` characters of text as large digits from (x, y), one every 20 pixels. Only
// '0' to '9' are drawn; any other character leaves its place empty.
void DrawLargeDigits(const char* text, int count, int x, int y);

void DrawScoreHud();
