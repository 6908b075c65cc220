// The 640x480 program: its screen and every position that follows from it.
#pragma once

namespace build {
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;
inline constexpr int kScreenBits = 16;
inline constexpr const char* kBuildName = "640x480";

// New-game placement: the left edge of the three stage strips and of the four side strips, the top of
// tile 0 of every strip that starts on screen, and the ship's start.
inline constexpr float kStageStripX = 100.0f;
inline constexpr float kSideStripX = 0.0f;
inline constexpr float kStripFirstTileY = 0.0f;
inline constexpr float kShipStartX = 290.0f;
inline constexpr float kShipStartY = 400.0f;
// Play-field clip: every blit is clipped to the 360-pixel field in the middle of the screen.
inline constexpr int kFieldLeft = 140;
inline constexpr int kFieldRight = 500;
// Title picture.
inline constexpr int kTitleX = 100;
inline constexpr int kTitleY = 0;
// HUD columns: score (large digits), high score, ships and power (small digits), the two icons.
inline constexpr int kHudScoreX = 120;
inline constexpr int kHudHiScoreX = 300;
inline constexpr int kHudShipsX = 420;
inline constexpr int kHudPowerX = 480;
inline constexpr int kHudShipsIconX = 395;
inline constexpr int kHudPowerIconX = 455;
// Ending: closing logo, credit lines, closing pictures, ranking header, rank numbers and values, banner.
inline constexpr int kEndingLogoX = 170;
inline constexpr int kEndingLogoY = 100;
inline constexpr int kCreditX = 200;
inline constexpr int kClosingPictureX = 140;
inline constexpr int kClosingPictureY = 0;
inline constexpr int kRankingHeaderX = 120;
inline constexpr int kRankingHeaderY = 40;
inline constexpr int kRankNumberX = 150;
inline constexpr int kRankValueX = 230;
inline constexpr int kRankFirstRowY = 165;
inline constexpr int kBannerX = 170;
// Ship clamp rectangle (top-left corner), continue prompt, blast and power-item limits, the salvo
// movers' parking bounds and the line below which third-kind main shots are removed.
inline constexpr float kShipMinX = 140.0f;
inline constexpr float kShipMaxX = 440.0f;
inline constexpr float kShipMinY = 100.0f;
inline constexpr float kShipMaxY = 420.0f;
inline constexpr int kContinueX = 220;
inline constexpr int kContinueY = 190;
inline constexpr float kBlastRight = 640.0f;
inline constexpr float kBlastBottom = 480.0f;
inline constexpr int kPowerItemSpawnX = 130;
inline constexpr float kPowerItemBottom = 480.0f;
inline constexpr float kSalvoLeft = 100.0f;
inline constexpr float kSalvoRight = 540.0f;
inline constexpr float kSalvoBottom = 480.0f;
inline constexpr int kWideShotBottom = 480;
// Enemy movers: the right and bottom edges they test, and the narrower right edge of some pools. The
// field stands 80 pixels further left in this program than in the 800x600 one, so every x of an enemy
// path, spawn point or side bound is that much less.
inline constexpr float kMoverRight = 640.0f;
inline constexpr float kMoverBottom = 480.0f;
inline constexpr float kMoverNarrowRight = 540.0f;
inline constexpr float kFieldShiftX = 80.0f;
// Boss B: the x of every place on its path and of its warning picture, and the warning picture's start
// at the bottom edge.
inline constexpr float kBossBPathX = 70.0f;
inline constexpr float kBossBWarningStartY = 480.0f;
}  // namespace build
