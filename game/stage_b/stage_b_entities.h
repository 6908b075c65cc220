// Stage B's entity arrays: boss B, its fly-by picture, bursts, markers and every battery.
#pragma once

#include <span>

#include "game/core/entity_table.h"
#include "game/core/records.h"

// Aimed batteries: spreads of 5 groups of 3, 7 or 11, lines of five, rings of 6 groups of 12.
inline constexpr int kBossBSpreadShortCount = 15;
inline constexpr int kBossBSpreadMidCount = 35;
inline constexpr int kBossBSpreadLongCount = 55;
inline constexpr int kBossBLineCount = 5;
inline constexpr int kBossBRingCount = 72;
// Falling batteries.
inline constexpr int kBossBCurtainCount = 30;
inline constexpr int kBossBRainCount = 20;
inline constexpr int kBossBTwinCount = 20;
inline constexpr int kBossBFanCount = 50;
inline constexpr int kBossBPodPairCount = 2;
inline constexpr int kBossBPodTripleCount = 3;
inline constexpr int kBossBPodQuadCount = 4;
// Arm blocks and idle sets.
inline constexpr int kBossBArmCount = 20;
inline constexpr int kBossBExtraRingCount = 200;
inline constexpr int kBossBExtraFanCount = 40;
// The clear sequence's bursts and blasts, and the boss's lock-on markers.
inline constexpr int kBossBClearBurstCount = 8;
inline constexpr int kBossBClearBlastCount = 6;
inline constexpr int kBossBLockMarkerCount = 6;

// Boss B's bursts, markers and every bullet pool.
extern BossBurst BossBClearBursts[kBossBClearBurstCount];
extern BossBurst BossBClearBlasts[kBossBClearBlastCount];
extern LockRecord BossBLockMarkers[kBossBLockMarkerCount];
extern EnemyShot BossBSpread01[kBossBSpreadShortCount];
extern EnemyShot BossBSpread02[kBossBSpreadShortCount];
extern EnemyShot BossBSpread03[kBossBSpreadMidCount];
extern EnemyShot BossBSpread04[kBossBSpreadMidCount];
extern EnemyShot BossBSpread05[kBossBSpreadLongCount];
extern EnemyShot BossBSpread06[kBossBSpreadLongCount];
extern EnemyShot BossBSpread07[kBossBSpreadLongCount];
extern EnemyShot60 BossBLine01[kBossBLineCount];
extern EnemyShot60 BossBLine02[kBossBLineCount];
extern EnemyShot60 BossBLine03[kBossBLineCount];
extern EnemyShot60 BossBLine04[kBossBLineCount];
extern EnemyShot60 BossBLine05[kBossBLineCount];
extern EnemyShot60 BossBLine06[kBossBLineCount];
extern EnemyShot60 BossBLine07[kBossBLineCount];
extern EnemyShot60 BossBLine08[kBossBLineCount];
extern EnemyShot60 BossBLine09[kBossBLineCount];
extern EnemyShot60 BossBLine10[kBossBLineCount];
extern EnemyShot60 BossBLine11[kBossBLineCount];
extern EnemyShot60 BossBLine12[kBossBLineCount];
extern EnemyShot56 BossBRing01[kBossBRingCount];
extern EnemyShot56 BossBRing02[kBossBRingCount];
extern EnemyDrop BossBCurtain01[kBossBCurtainCount];
extern EnemyDrop BossBCurtain02[kBossBCurtainCount];
extern EnemyDrop BossBRain01[kBossBRainCount];
extern EnemyDrop BossBRain02[kBossBRainCount];
extern EnemyDrop BossBRain03[kBossBRainCount];
extern EnemyDrop BossBRain04[kBossBRainCount];
extern EnemyDrop BossBTwin01[kBossBTwinCount];
extern EnemyDrop BossBTwin02[kBossBTwinCount];
extern EnemyDrop BossBFan01[kBossBFanCount];
extern EnemyDrop BossBFan02[kBossBFanCount];
extern EnemyDrop BossBFan03[kBossBFanCount];
extern EnemyDrop BossBFan04[kBossBFanCount];
extern EnemyDrop BossBFan05[kBossBFanCount];
extern EnemyDrop BossBWideFan01[kBossBFanCount];
extern EnemyDrop BossBWideFan02[kBossBFanCount];
extern EnemyDrop BossBPods01[kBossBPodPairCount];
extern EnemyDrop BossBPods02[kBossBPodPairCount];
extern EnemyDrop BossBPods03[kBossBPodPairCount];
extern EnemyDrop BossBPods04[kBossBPodTripleCount];
extern EnemyDrop BossBPods05[kBossBPodTripleCount];
extern EnemyDrop BossBPods06[kBossBPodTripleCount];
extern EnemyDrop BossBPods07[kBossBPodTripleCount];
extern EnemyDrop BossBPods08[kBossBPodTripleCount];
extern EnemyDrop BossBPods09[kBossBPodQuadCount];
extern EnemyDrop BossBArm01[kBossBArmCount];
extern EnemyDrop BossBArm02[kBossBArmCount];
extern EnemyDrop BossBArm03[kBossBArmCount];
extern EnemyDrop BossBArm04[kBossBArmCount];
extern EnemyDrop BossBArm05[kBossBArmCount];
extern EnemyDrop BossBArm06[kBossBArmCount];
extern EnemyDrop BossBArm07[kBossBArmCount];
extern EnemyDrop BossBArm08[kBossBArmCount];
extern EnemyDrop BossBArm09[kBossBArmCount];
extern EnemyShot56 BossBExtraRing01[kBossBExtraRingCount];
extern EnemyDrop BossBExtraFan01[kBossBExtraFanCount];
extern EnemyDrop BossBExtraFan02[kBossBExtraFanCount];
extern EnemyDrop BossBExtraFan03[kBossBExtraFanCount];
extern EnemyDrop BossBExtraFan04[kBossBExtraFanCount];
extern EnemyDrop BossBExtraFan05[kBossBExtraFanCount];
extern EnemyDrop BossBExtraPods01[kBossBPodPairCount];
extern EnemyDrop BossBExtraPods02[kBossBPodTripleCount];
extern EnemyDrop BossBExtraPods03[kBossBPodTripleCount];
extern EnemyDrop BossBExtraPods04[kBossBPodTripleCount];
extern EnemyDrop BossBExtraPods05[kBossBPodTripleCount];
extern EnemyDrop BossBExtraPods06[kBossBPodTripleCount];
extern EnemyDrop BossBExtraPods07[kBossBPodQuadCount];

// Boss B and the globals kept beside it: the attack timer and the two flame counters.
inline constexpr float kBossBHealth = 1000.0f;
extern int BossBFlameFrame;
extern int BossBFlameCycle;
extern int BossBAttackTimer;
extern BossRecord BossB;
// The fly-by warning picture: x, y, a spare and the speed in the record's first four words.
extern BossRecord BossBFlyBy;

std::span<const EntityArray> StageBBossArrays();

// Boss B with full health, its globals and every stage-B array (second half of the stage reset).
void ResetStageBEntities();
