// Boss B's aimed batteries: seven spreads (fans of 3, 7 or 11 round the ship's bearing), twelve lines of
// five bullets on one ray, each faster than the last, and two 12-way rings. Each is one row of the shared
// bullet-pool description; every muzzle stands at a fixed offset from the boss.
#pragma once

// Spreads: five volleys per 260 update calls; a volley arms the free records of its group.
void DrawBossBSpread01();
void FireBossBSpreadShot01(int index, int first);
void UpdateBossBSpread01();
void MoveBossBSpread01();
void DrawBossBSpread02();
void FireBossBSpreadShot02(int index, int first);
void UpdateBossBSpread02();
void MoveBossBSpread02();
void DrawBossBSpread03();
void FireBossBSpreadShot03(int index, int first);
void UpdateBossBSpread03();
void MoveBossBSpread03();
void DrawBossBSpread04();
void FireBossBSpreadShot04(int index, int first);
void UpdateBossBSpread04();
void MoveBossBSpread04();
void DrawBossBSpread05();
void FireBossBSpreadShot05(int index, int first);
void UpdateBossBSpread05();
void MoveBossBSpread05();
void DrawBossBSpread06();
void FireBossBSpreadShot06(int index, int first);
void UpdateBossBSpread06();
void MoveBossBSpread06();
void DrawBossBSpread07();
void FireBossBSpreadShot07(int index, int first);
void UpdateBossBSpread07();
void MoveBossBSpread07();

// Lines: a call arms every free record of the line; the line is freed when its first bullet leaves.
void DrawBossBLine01();
void FireBossBLine01();
void MoveBossBLine01();
void DrawBossBLine02();
void FireBossBLine02();
void MoveBossBLine02();
void DrawBossBLine03();
void FireBossBLine03();
void MoveBossBLine03();
void DrawBossBLine04();
void FireBossBLine04();
void MoveBossBLine04();
void DrawBossBLine05();
void FireBossBLine05();
void MoveBossBLine05();
void DrawBossBLine06();
void FireBossBLine06();
void MoveBossBLine06();
void DrawBossBLine07();
void FireBossBLine07();
void MoveBossBLine07();
void DrawBossBLine08();
void FireBossBLine08();
void MoveBossBLine08();
void DrawBossBLine09();
void FireBossBLine09();
void MoveBossBLine09();
void DrawBossBLine10();
void FireBossBLine10();
void MoveBossBLine10();
void DrawBossBLine11();
void FireBossBLine11();
void MoveBossBLine11();
void DrawBossBLine12();
void FireBossBLine12();
void MoveBossBLine12();

// Rings: six groups of twelve, 30 degrees apart, the first at the ship.
void DrawBossBRing01();
void FireBossBRing01(int index);
void UpdateBossBRing01();
void MoveBossBRing01();
void DrawBossBRing02();
void FireBossBRing02(int index);
void UpdateBossBRing02();
void MoveBossBRing02();
