// The collision pass of the player's attacks, once per frame after the present: the power item pickup,
// one flight step of every shot, and every shot against every ordinary enemy, boss and big enemy.
#pragma once

void HitTestPlayerAttacks();
// A spiral-volley shot's test point against every ordinary enemy, boss and big enemy, with the boxes of
// the third main shot: each hit marks or flashes the target and scores 50; a boss loses health as to a
// main shot. The shot itself flies on.
void HitTestSpiralPoint(int x, int y);
