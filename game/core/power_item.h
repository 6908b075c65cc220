// The falling power item: one at a time; collected by touching it, it raises the power counter and
// switches on both power flags until the next death.
#pragma once

void SpawnPowerItem();
void MovePowerItem();
void DrawPowerItem();
void CollectPowerItem();
