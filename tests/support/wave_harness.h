// The small-enemy wave on its own, in the frame order of a stage: slot n flies pattern n (slots 11 to 14
// repeat patterns 0 to 3), the looks are spread over the slots with the turned looks 5 and 6 on the
// circling patterns 9 and 10, spawns and fire calls come on a fixed frame schedule, and after the slots
// every shot and spread is moved and drawn in all their styles.
#pragma once

namespace wave {

inline constexpr int kSlots = 15;
// Slot n is spawned every frame from frame n x kSpawnStagger on (a spawn only fills a free slot).
inline constexpr int kSpawnStagger = 4;
// Shots: from frame kFirstShotFrame on, slot n fires when (frame + 3 n) is a multiple of kShotPeriod;
// spreads likewise with (frame + 5 n) and kSpreadPeriod.
inline constexpr int kFirstShotFrame = 30;
inline constexpr int kShotPeriod = 45;
inline constexpr int kSpreadPeriod = 70;

int PatternOf(int slot);
int LookOf(int slot);
int ShotStyleOf(int slot);    // 0 or 1
int SpreadStyleOf(int slot);  // 0, 1 or 2

// The spawn and fire calls due on this frame.
void Schedule(int frame);
// Every slot moved and drawn, then every shot and spread moved and drawn.
void MoveAndDrawWave();
// Every other squadron kind and bullet pool, and stage A's objects and extra pools, moved and drawn.
void MoveAndDrawSquadrons();
// Every squadron bullet pool record armed and flying over the field.
void FillSquadronPools();
// One whole frame: draws, the wave (and, when asked, every other squadron kind and pool), the present,
// then ship, burst and collision pass.
void Frame(int frame, bool everySquadron = false);

}  // namespace wave
