// The 800x600 program: its screen and every position that follows from it.
#pragma once

namespace build {
inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;
inline constexpr int kScreenBits = 16;
inline constexpr const char* kBuildName = "800x600";

// New-game placement: the left edge of the three stage strips and of the four side strips, the top of
// tile 0 of every strip that starts on screen, and the ship's start.
inline constexpr float kStageStripX = 180.0f;
inline constexpr float kSideStripX = 80.0f;
inline constexpr float kStripFirstTileY = 120.0f;
inline constexpr float kShipStartX = 370.0f;
inline constexpr float kShipStartY = 520.0f;
// Play-field clip: every blit is clipped to the 360-pixel field in the middle of the screen.
inline constexpr int kFieldLeft = 220;
inline constexpr int kFieldRight = 580;
// Title picture.
inline constexpr int kTitleX = 180;
inline constexpr int kTitleY = 60;
// HUD columns: score (large digits), high score, ships and power (small digits), the two icons.
inline constexpr int kHudScoreX = 200;
inline constexpr int kHudHiScoreX = 380;
inline constexpr int kHudShipsX = 500;
inline constexpr int kHudPowerX = 560;
inline constexpr int kHudShipsIconX = 475;
inline constexpr int kHudPowerIconX = 535;
// Ending: closing logo, credit lines, closing pictures, ranking header, rank numbers and values, banner.
inline constexpr int kEndingLogoX = 250;
inline constexpr int kEndingLogoY = 100;
inline constexpr int kCreditX = 280;
inline constexpr int kClosingPictureX = 220;
inline constexpr int kClosingPictureY = 120;
inline constexpr int kRankingHeaderX = 200;
inline constexpr int kRankingHeaderY = 100;
inline constexpr int kRankNumberX = 230;
inline constexpr int kRankValueX = 310;
inline constexpr int kRankFirstRowY = 225;
inline constexpr int kBannerX = 250;
// Ship clamp rectangle (top-left corner), continue prompt, blast and power-item limits, the salvo
// movers' parking bounds and the line below which third-kind main shots are removed.
inline constexpr float kShipMinX = 220.0f;
inline constexpr float kShipMaxX = 520.0f;
inline constexpr float kShipMinY = 220.0f;
inline constexpr float kShipMaxY = 540.0f;
inline constexpr int kContinueX = 300;
inline constexpr int kContinueY = 310;
inline constexpr float kBlastRight = 800.0f;
inline constexpr float kBlastBottom = 600.0f;
inline constexpr int kPowerItemSpawnX = 210;
inline constexpr float kPowerItemBottom = 600.0f;
inline constexpr float kSalvoLeft = 180.0f;
inline constexpr float kSalvoRight = 620.0f;
inline constexpr float kSalvoBottom = 600.0f;
inline constexpr int kWideShotBottom = 600;
// Enemy movers: the right and bottom edges they test, and the narrower right edge of some pools. Every x
// of an enemy path, spawn point or side bound is written for this program; the 640x480 one takes its
// field shift off them.
inline constexpr float kMoverRight = 800.0f;
inline constexpr float kMoverBottom = 600.0f;
inline constexpr float kMoverNarrowRight = 620.0f;
inline constexpr float kFieldShiftX = 0.0f;
// Boss B: the x of every place on its path and of its warning picture, and the warning picture's start
// at the bottom edge.
inline constexpr float kBossBPathX = 150.0f;
inline constexpr float kBossBWarningStartY = 600.0f;
}  // namespace build
