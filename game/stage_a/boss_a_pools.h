// Boss A's bullet pools: one row of the shared pool description each, with the routines the stage driver
// and the attack schedule call. Arguments named (index, first) arm one record of a group; every other
// routine takes none.
#pragma once

// Aimed volleys 01..10: five shots at 260..340 px/s, retired together when the first, slowest one leaves.
void FireBossAVolley01();
void FireBossAVolley02();
void FireBossAVolley03();
void FireBossAVolley04();
void FireBossAVolley05();
void FireBossAVolley06();
void FireBossAVolley07();
void FireBossAVolley08();
void FireBossAVolley09();
void FireBossAVolley10();
void MoveBossAVolley01();
void MoveBossAVolley02();
void MoveBossAVolley03();
void MoveBossAVolley04();
void MoveBossAVolley05();
void MoveBossAVolley06();
void MoveBossAVolley07();
void MoveBossAVolley08();
void MoveBossAVolley09();
void MoveBossAVolley10();
void DrawBossAVolley01();
void DrawBossAVolley02();
void DrawBossAVolley03();
void DrawBossAVolley04();
void DrawBossAVolley05();
void DrawBossAVolley06();
void DrawBossAVolley07();
void DrawBossAVolley08();
void DrawBossAVolley09();
void DrawBossAVolley10();

// Aimed spreads 01..04: 5- and 7-way fans on per-record timers.
void FireBossASpread01();
void FireBossASpread02();
void FireBossASpread03();
void FireBossASpread04();
void FireBossASpreadShot01(int index, int first);
void FireBossASpreadShot02(int index, int first);
void FireBossASpreadShot03(int index, int first);
void FireBossASpreadShot04(int index, int first);
void MoveBossASpread01();
void MoveBossASpread02();
void MoveBossASpread03();
void MoveBossASpread04();
void DrawBossASpread01();
void DrawBossASpread02();
void DrawBossASpread03();
void DrawBossASpread04();

// Spiral streams 01..06: one shot every tenth call of the stream's update, turning 10 degrees a shot.
void UpdateBossASpiral01();
void UpdateBossASpiral02();
void UpdateBossASpiral03();
void UpdateBossASpiral04();
void UpdateBossASpiral05();
void UpdateBossASpiral06();
void FireBossASpiralShot01(int index, int k);
void FireBossASpiralShot02(int index, int k);
void FireBossASpiralShot03(int index, int k);
void FireBossASpiralShot04(int index, int k);
void FireBossASpiralShot05(int index, int k);
void FireBossASpiralShot06(int index, int k);
void MoveBossASpiral01();
void MoveBossASpiral02();
void MoveBossASpiral03();
void MoveBossASpiral04();
void MoveBossASpiral05();
void MoveBossASpiral06();
void DrawBossASpiral01();
void DrawBossASpiral02();
void DrawBossASpiral03();
void DrawBossASpiral04();
void DrawBossASpiral05();
void DrawBossASpiral06();

// Shot pools and the gun shots: nothing arms them; they are moved and drawn every frame.
void MoveBossAShots01();
void MoveBossAShots02();
void MoveBossAShots03();
void MoveBossAShots04();
void MoveBossAShots05();
void MoveBossAShots06();
void DrawBossAShots01();
void DrawBossAShots02();
void DrawBossAShots03();
void DrawBossAShots04();
void DrawBossAShots05();
void DrawBossAShots06();
void MoveBossAGunShots01();
void DrawBossAGunShots01();

// Drops: pairs falling from the boss's sides; drops 02 spread apart as they fall.
void UpdateBossADropTimers01();
void UpdateBossADropTimers02();
void DropBossABomb01(int index, int first);
void DropBossABomb02(int index, int first);
void MoveBossADrop01();
void MoveBossADrop02();
void DrawBossADrop01();
void DrawBossADrop02();

// Curtains: groups of three drifting right as they fall.
void UpdateBossACurtain01();
void UpdateBossACurtain02();
void FireBossACurtainShot01(int index, int first);
void FireBossACurtainShot02(int index, int first);
void MoveBossACurtain01();
void MoveBossACurtain02();
void DrawBossACurtain01();
void DrawBossACurtain02();

// Rain 01..04: single pieces (01, 02) and pairs (03, 04) falling from the boss.
void UpdateBossARain01();
void UpdateBossARain02();
void UpdateBossARain03();
void UpdateBossARain04();
void FireBossARainShot01(int index, int first);
void FireBossARainShot02(int index, int first);
void FireBossARainShot03(int index, int first);
void FireBossARainShot04(int index, int first);
void MoveBossARain01();
void MoveBossARain02();
void MoveBossARain03();
void MoveBossARain04();
void DrawBossARain01();
void DrawBossARain02();
void DrawBossARain03();
void DrawBossARain04();

// Barrage: five domes of seven that fan out sideways as they fall.
void FireBossABarrage();
void FireBossABarrageShot(int index, int first);
void MoveBossABarrage();
void DrawBossABarrage();

// Pods: nothing launches them; they are moved and drawn every frame.
void MoveBossAPods01();
void MoveBossAPods02();
void MoveBossAPods03();
void DrawBossAPods01();
void DrawBossAPods02();
void DrawBossAPods03();
