// Stage A's entity arrays: its objects and extra shot pools, boss A and its bullet pools, and the damage
// bursts the three bosses share.
#pragma once

#include <span>

#include "game/core/entity_table.h"
#include "game/core/records.h"

// Stage objects and extra shot pools.
inline constexpr int kFallingObjectCount = 3;
inline constexpr int kDriftObjectCount = 4;
inline constexpr int kCurveShotGroupSize = 7;
inline constexpr int kCurveShotCount = 3 * kCurveShotGroupSize;
inline constexpr int kGlowShotCount = 15;
inline constexpr int kStageASpinShotCount = 4;
// Boss A's pools.
inline constexpr int kBossAVolleyCount = 5;
inline constexpr int kBossASpreadShortCount = 25;
inline constexpr int kBossASpreadLongCount = 35;
inline constexpr int kBossASpiralCount = 36;
inline constexpr int kBossAShotCount = 108;
inline constexpr int kBossAGunShotCount = 20;
inline constexpr int kBossADropCount = 20;
inline constexpr int kBossACurtainCount = 30;
inline constexpr int kBossARainCount = 20;
inline constexpr int kBossABarrageCount = 35;
inline constexpr int kPodPairCount = 2;
inline constexpr int kPodTripleCount = 3;
inline constexpr int kPodQuadCount = 4;
// Explosion bursts: the damage bursts shared by the three bosses, and each clear sequence's groups.
inline constexpr int kBossBurstCount = 8;
inline constexpr int kClearBlastCount = 6;
inline constexpr int kBossAPartMarkerCount = 3;
inline constexpr int kBossASpiralStreams = 6;

// Stage objects, extra shot pools and boss A's volleys, spreads and spirals.
extern EnemyRecord FallingObjects[kFallingObjectCount];
// The falling objects' flame frame, one for the whole set (their records have no word for it).
extern int FallingObjectFlameFrame;
extern EnemyRecord DriftObjectsA[kDriftObjectCount];
extern EnemyRecord DriftObjectsB[kDriftObjectCount];
extern CurveFanBullet CurveShotsLeft[kCurveShotCount];
extern CurveFanBullet CurveShotsRight[kCurveShotCount];
extern EnemyDrop GlowShots[kGlowShotCount];
extern EnemyShot60 SpinShotsA[kStageASpinShotCount];
extern EnemyShot60 SpinShotsB[kStageASpinShotCount];
extern EnemyShot60 BossAVolley01[kBossAVolleyCount];
extern EnemyShot60 BossAVolley02[kBossAVolleyCount];
extern EnemyShot60 BossAVolley03[kBossAVolleyCount];
extern EnemyShot60 BossAVolley04[kBossAVolleyCount];
extern EnemyShot60 BossAVolley05[kBossAVolleyCount];
extern EnemyShot60 BossAVolley06[kBossAVolleyCount];
extern EnemyShot60 BossAVolley07[kBossAVolleyCount];
extern EnemyShot60 BossAVolley08[kBossAVolleyCount];
extern EnemyShot60 BossAVolley09[kBossAVolleyCount];
extern EnemyShot60 BossAVolley10[kBossAVolleyCount];
extern EnemyShot BossASpread01[kBossASpreadShortCount];
extern EnemyShot BossASpread02[kBossASpreadShortCount];
extern EnemyShot BossASpread03[kBossASpreadLongCount];
extern EnemyShot BossASpread04[kBossASpreadLongCount];
extern EnemyShot BossASpiral01[kBossASpiralCount];
extern EnemyShot BossASpiral02[kBossASpiralCount];
extern EnemyShot BossASpiral03[kBossASpiralCount];
extern EnemyShot BossASpiral04[kBossASpiralCount];
extern EnemyShot BossASpiral05[kBossASpiralCount];
extern EnemyShot BossASpiral06[kBossASpiralCount];

// Boss A's bursts, part markers and the rest of its pools.
extern BossBurst BossDamageBursts[kBossBurstCount];
extern BossBurst BossAClearBursts[kBossBurstCount];
extern BossBurst BossAClearBlasts[kClearBlastCount];
extern LockRecord BossAPartMarkers1[kBossAPartMarkerCount];
extern LockRecord BossAPartMarkers2[kBossAPartMarkerCount];
extern EnemyShot BossAShots01[kBossAShotCount];
extern EnemyShot BossAShots02[kBossAShotCount];
extern EnemyShot BossAShots03[kBossAShotCount];
extern EnemyShot BossAShots04[kBossAShotCount];
extern EnemyShot BossAShots05[kBossAShotCount];
extern EnemyShot BossAShots06[kBossAShotCount];
extern EnemyShot60Timed BossAGunShots01[kBossAGunShotCount];
extern EnemyDrop BossADrops01[kBossADropCount];
extern EnemyDrop BossADrops02[kBossADropCount];
extern EnemyDrop BossACurtain01[kBossACurtainCount];
extern EnemyDrop BossACurtain02[kBossACurtainCount];
extern EnemyDrop BossARain01[kBossARainCount];
extern EnemyDrop BossARain02[kBossARainCount];
extern EnemyDrop BossARain03[kBossARainCount];
extern EnemyDrop BossARain04[kBossARainCount];
extern EnemyDrop BossABarrage[kBossABarrageCount];
extern EnemyDrop BossAPods01[kPodPairCount];
extern EnemyDrop BossAPods02[kPodTripleCount];
extern EnemyDrop BossAPods03[kPodQuadCount];

// Boss A and the globals kept beside it: the attack clock, the six spiral stream counters and the two
// flame counters.
inline constexpr float kBossAHealth = 1020.0f;
extern int BossAAttackClock;
extern int BossASpiralCounters[kBossASpiralStreams];
extern int BossAFlameFrame;
extern int BossAFlameCycle;
extern BossRecord BossARecord;
// The warning picture before boss A: x, y, a spare and the rise speed in the record's first four words.
extern BossRecord BossWarningPicture;

std::span<const EntityArray> StageAObjectArrays();
std::span<const EntityArray> StageABossArrays();

// Parks the stage objects and boss A's first-half pools (first half of the stage reset).
void ResetStageAEntities();
// Boss A with full health, its globals, the bursts and its other pools (second half of the stage reset).
void ResetStageABoss();
