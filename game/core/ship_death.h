// The ship's draw and what follows a hit: the five-ring death blast, the ships it takes, the recovery
// period in which hits are undone, and the continue prompt.
#pragma once

inline constexpr int kBlastRings = 5;
inline constexpr int kFragmentsPerRing = 16;
// Frames counted in recovery before hits count again.
inline constexpr int kRecoveryFrames = 249;
inline constexpr int kContinueShips = 111;
inline constexpr int kContinuePower = 5;

// Height of the lock banner, growing while InputLock is set.
extern float LockBannerHeight;

void DrawPlayerShip();
void UpdatePlayerBlast(int unused);
void AnimatePlayerBlast(int unused);
void MovePlayerBlast(int unused);
void ShowContinuePrompt();
// The stage drivers' answer to the prompt: Y resumes play in place with the score cleared.
void AnswerContinuePrompt();
void DrawLockBanner();
