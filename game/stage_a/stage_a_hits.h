// Stage A's hit entry points: the stage objects' mark-hits (record index; others do nothing) and boss A's
// hit flag.
#pragma once

void MarkFallingObjectHit(int index);
void MarkDriftObjectAHit(int index);
void MarkDriftObjectBHit(int index);
void MarkBossHit1();
