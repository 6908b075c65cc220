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
