// Mark-hit entry points of the ordinary enemy kinds and hit-flash entry points of the big enemies. A
// mark-hit sets the record's hit flag (its draw then plays the explosion); an index outside the kind's
// records does nothing.
#pragma once

void MarkSmallEnemyHit(int index);
void MarkSpinnerHit1(int index);
void MarkSpinnerHit2(int index);
void MarkDiverHit(int index);
void MarkCarrierHit1(int index);
void MarkCarrierHit2(int index);
void MarkSwooperHit1(int index);
void MarkSwooperHit2(int index);
void MarkWaveFlyerHit1(int index);
void MarkWaveFlyerHit2(int index);
void MarkFormationShooterHit1(int index);
void MarkFormationShooterHit2(int index);
void MarkFormationShooterHit3(int index);
void MarkFormationShooterHit4(int index);
void MarkEnemyHit01(int index);
void MarkEnemyHit02(int index);
void MarkEnemyHit03(int index);
void MarkEnemyHit04(int index);
void MarkEnemyHit05(int index);
void MarkEnemyHit06(int index);
void MarkEnemyHit07(int index);
void MarkEnemyHit08(int index);

// Set the big enemy's hit-flash flag.
void FlashBigEnemy2();
void FlashBigEnemy3();
void FlashBigEnemy4();
void FlashBigEnemy5();
void FlashBigEnemy6();
