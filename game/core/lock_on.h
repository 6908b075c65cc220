// Lock-on detection: every frame, each record of the lockable enemy sets that lies inside the lock
// region gets its marker locked, for the homing weapons to steer to.
#pragma once

void DetectLockTargets();
// Lock marker index (0..2) of the set; other indices do nothing.
void LockTarget01(int index);
void LockTarget02(int index);
void LockTarget03(int index);
void LockTarget04(int index);
void LockTarget05(int index);
void LockTarget06(int index);
void LockTarget07(int index);
void LockTarget08(int index);

// Boss and big-enemy parts, from the automatic launch block: an owner alive and below y -10 whose body
// holds the lock region's centre gets markers 0 to 2 of both its part groups locked and placed.
void DetectBossPartLocks();
// Part-marker groups, two per owner: bosses A, B, C, then big enemies 2 to 6. An index outside the
// group (0..2; boss C's 0..3) does nothing.
void LockBossPart01(int index);
void LockBossPart02(int index);
void LockBossPart03(int index);
void LockBossPart04(int index);
void LockBossPart05(int index);
void LockBossPart06(int index);
void LockBossPart07(int index);
void LockBossPart08(int index);
void LockBossPart09(int index);
void LockBossPart10(int index);
void LockBossPart11(int index);
void LockBossPart12(int index);
void LockBossPart13(int index);
void LockBossPart14(int index);
void LockBossPart15(int index);
void LockBossPart16(int index);
