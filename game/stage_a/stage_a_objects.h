// Stage A's objects (falling objects, drift objects A and B) and its extra shot pools (curve shots, glow
// shots, spin shots A and B). Nothing arms them in play; the driver moves and draws them every frame.
#pragma once

void MoveFallingObjects();
void DrawFallingObjects();
void MoveDriftObjectsA();
void MoveDriftObjectsB();
void DrawDriftObjectsA();
void DrawDriftObjectsB();

void MoveCurveShotsLeft();
void MoveCurveShotsRight();
void DrawCurveShotsLeft();
void DrawCurveShotsRight();
void MoveGlowShots();
void DrawGlowShots();
void MoveSpinShotsA();
void MoveSpinShotsB();
void DrawSpinShotsA();
void DrawSpinShotsB();
