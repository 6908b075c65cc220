// Stage C's entity arrays: boss C, its bursts, markers and every bullet family.
#pragma once

#include <span>

#include "game/core/entity_table.h"
#include "game/core/records.h"

// Fan emitters: five volleys of b bullets each.
inline constexpr int kFanShotVolleys = 5;
inline constexpr int kFanShot3WayCount = kFanShotVolleys * 3;
inline constexpr int kFanShot5WayCount = kFanShotVolleys * 5;
inline constexpr int kFanShot7WayCount = kFanShotVolleys * 7;
inline constexpr int kFanShot9WayCount = kFanShotVolleys * 9;
inline constexpr int kFanShot11WayCount = kFanShotVolleys * 11;
inline constexpr int kFanShot13WayCount = kFanShotVolleys * 13;
inline constexpr int kFanShot15WayCount = kFanShotVolleys * 15;
// Spray emitters, curving fans, bullet lines, twin shots, 3-way fans, 5-way fans, drop bombs.
inline constexpr int kSprayParticleCount = 50;
inline constexpr int kSprayEmitters = 6;
inline constexpr int kCurveFanCount = 7;
inline constexpr int kShotLineShortCount = 5;
inline constexpr int kShotLineLongCount = 8;
inline constexpr int kTwinShotCount = 20;
inline constexpr int kTriFanRingCount = 72;
inline constexpr int kTriFanCount = 15;
inline constexpr int kFiveWayFanCount = 50;
inline constexpr int kBossCPodPairCount = 2;
inline constexpr int kBossCPodTripleCount = 3;
inline constexpr int kBossCPodQuadCount = 4;
// The clear sequence's bursts and blasts, and the two groups of part markers.
inline constexpr int kBossCClearBurstCount = 8;
inline constexpr int kBossCClearBlastCount = 6;
inline constexpr int kBossCPartMarkerCount = 4;

// Boss C's bursts, markers and every bullet family.
extern BossBurst BossCClearBursts[kBossCClearBurstCount];
extern BossBurst BossCClearBlasts[kBossCClearBlastCount];
extern LockRecord BossCPartMarkers1[kBossCPartMarkerCount];
extern LockRecord BossCPartMarkers2[kBossCPartMarkerCount];
extern EnemyShot BossFanShot01[kFanShot3WayCount];
extern EnemyShot BossFanShot02[kFanShot3WayCount];
extern EnemyShot BossFanShot03[kFanShot3WayCount];
extern EnemyShot BossFanShot04[kFanShot5WayCount];
extern EnemyShot BossFanShot05[kFanShot5WayCount];
extern EnemyShot BossFanShot06[kFanShot5WayCount];
extern EnemyShot BossFanShot07[kFanShot7WayCount];
extern EnemyShot BossFanShot08[kFanShot7WayCount];
extern EnemyShot BossFanShot09[kFanShot7WayCount];
extern EnemyShot BossFanShot10[kFanShot9WayCount];
extern EnemyShot BossFanShot11[kFanShot9WayCount];
extern EnemyShot BossFanShot12[kFanShot9WayCount];
extern EnemyShot BossFanShot13[kFanShot11WayCount];
extern EnemyShot BossFanShot14[kFanShot11WayCount];
extern EnemyShot BossFanShot15[kFanShot11WayCount];
extern EnemyShot BossFanShot16[kFanShot13WayCount];
extern EnemyShot BossFanShot17[kFanShot13WayCount];
extern EnemyShot BossFanShot18[kFanShot13WayCount];
extern EnemyShot BossFanShot19[kFanShot15WayCount];
extern EnemyShot BossFanShot20[kFanShot15WayCount];
extern EnemyShot BossFanShot21[kFanShot15WayCount];
extern PhaseShot BossSpray01[kSprayParticleCount];
extern PhaseShot BossSpray02[kSprayParticleCount];
extern PhaseShot BossSpray03[kSprayParticleCount];
extern PhaseShot BossSpray04[kSprayParticleCount];
extern PhaseShot BossSpray05[kSprayParticleCount];
extern PhaseShot BossSpray06[kSprayParticleCount];
extern CurveFanBullet BossCurveFan01[kCurveFanCount];
extern CurveFanBullet BossCurveFan02[kCurveFanCount];
extern CurveFanBullet BossCurveFan03[kCurveFanCount];
extern CurveFanBullet BossCurveFan04[kCurveFanCount];
extern EnemyShot60 BossShotLine01[kShotLineShortCount];
extern EnemyShot60 BossShotLine02[kShotLineShortCount];
extern EnemyShot60 BossShotLine03[kShotLineShortCount];
extern EnemyShot60 BossShotLine04[kShotLineShortCount];
extern EnemyShot60 BossShotLine05[kShotLineShortCount];
extern EnemyShot60 BossShotLine06[kShotLineShortCount];
extern EnemyShot60 BossShotLine07[kShotLineShortCount];
extern EnemyShot60 BossShotLine08[kShotLineShortCount];
extern EnemyShot60 BossShotLine09[kShotLineShortCount];
extern EnemyShot60 BossShotLine10[kShotLineShortCount];
extern EnemyShot60 BossShotLine11[kShotLineShortCount];
extern EnemyShot60 BossShotLine12[kShotLineShortCount];
extern EnemyShot60 BossShotLine13[kShotLineShortCount];
extern EnemyShot60 BossShotLine14[kShotLineShortCount];
extern EnemyShot60 BossShotLine15[kShotLineShortCount];
extern EnemyShot60 BossShotLine16[kShotLineShortCount];
extern EnemyShot60 BossShotLine17[kShotLineShortCount];
extern EnemyShot60 BossShotLine18[kShotLineShortCount];
extern EnemyShot60 BossShotLine19[kShotLineShortCount];
extern EnemyShot60 BossShotLine20[kShotLineShortCount];
extern EnemyShot60 BossShotLine21[kShotLineShortCount];
extern EnemyShot60 BossShotLine22[kShotLineShortCount];
extern EnemyShot60 BossShotLine23[kShotLineShortCount];
extern EnemyShot60 BossShotLine24[kShotLineShortCount];
extern EnemyShot60 BossShotLine25[kShotLineShortCount];
extern EnemyShot60 BossShotLine26[kShotLineShortCount];
extern EnemyShot60 BossShotLine27[kShotLineShortCount];
extern EnemyShot60 BossShotLine28[kShotLineShortCount];
extern EnemyShot60 BossShotLine29[kShotLineLongCount];
extern EnemyShot60 BossShotLine30[kShotLineLongCount];
extern EnemyDrop BossCTwin01[kTwinShotCount];
extern EnemyDrop BossCTwin02[kTwinShotCount];
extern EnemyDrop BossCTwin03[kTwinShotCount];
extern EnemyShot56 BossCTriFan01[kTriFanRingCount];
extern EnemyShot56 BossCTriFan02[kTriFanRingCount];
extern EnemyShot56 BossCTriFan03[kTriFanCount];
extern EnemyShot56 BossCTriFan04[kTriFanCount];
extern EnemyDrop BossCFan01[kFiveWayFanCount];
extern EnemyDrop BossCFan02[kFiveWayFanCount];
extern EnemyDrop BossCFan03[kFiveWayFanCount];
extern EnemyDrop BossCFan04[kFiveWayFanCount];
extern EnemyDrop BossCFan05[kFiveWayFanCount];
extern EnemyDrop BossCFan06[kFiveWayFanCount];
extern EnemyDrop BossCFan07[kFiveWayFanCount];
extern EnemyDrop BossCPods01[kBossCPodPairCount];
extern EnemyDrop BossCPods02[kBossCPodPairCount];
extern EnemyDrop BossCPods03[kBossCPodPairCount];
extern EnemyDrop BossCPods04[kBossCPodTripleCount];
extern EnemyDrop BossCPods05[kBossCPodTripleCount];
extern EnemyDrop BossCPods06[kBossCPodTripleCount];
extern EnemyDrop BossCPods07[kBossCPodTripleCount];
extern EnemyDrop BossCPods08[kBossCPodTripleCount];
extern EnemyDrop BossCPods09[kBossCPodQuadCount];

// Boss C and the globals kept beside it: the attack clock, the smoke counters and the six spray counters.
inline constexpr float kBossCHealth = 1000.0f;
extern int BossCAttackClock;
extern int BossCSmokeFrame;
extern int BossCSmokeCycle;
extern int BossCSprayCounters[kSprayEmitters];
extern BossRecord BossCRecord;

std::span<const EntityArray> StageCBossArrays();

// Boss C with full health, its globals and every stage-C array (second half of the stage reset).
void ResetStageCEntities();
