// The collision pass of the player's attacks, once per frame after the present: the power item pickup,
// one flight step of every shot, and every shot against every ordinary enemy, boss and big enemy.
#pragma once

void HitTestPlayerAttacks();
