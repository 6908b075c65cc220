// Entity arrays and per-stage state of the Game core: the ship and its weapons, the boss-hit sparks,
// the starfield, the background strips and the power item.
#pragma once

#include <span>

#include "game/core/entity_table.h"
#include "game/core/records.h"

// The player's main shots: kinds 1 and 2, and kind 3 with twice as many records.
inline constexpr int kMainShotPoolCount = 78;
inline constexpr int kWideMainShotPoolCount = 156;
// The burst volley: four banks of 50.
inline constexpr int kBurstShotCount = 200;
inline constexpr int kSpiralShotCount = 80;
// The death blast: five rings of 16 fragments.
inline constexpr int kBlastFragmentCount = 80;
inline constexpr int kSpecialEffectCount = 16;
// A homing salvo set: three groups of 15.
inline constexpr int kHomingSalvoCount = 45;
// A single-missile pool: one missile per marker of its set.
inline constexpr int kHomingMissileCount = 3;
// Boss-hit sparks: one group of particles per shot record of the pool they spring from.
inline constexpr int kMainShotSparksPerShot = 30;
inline constexpr int kBurstSparksPerShot = 3;
inline constexpr int kMainShotSparkCount = kMainShotSparksPerShot * kMainShotPoolCount;
inline constexpr int kBurstSparkCount = kBurstSparksPerShot * kBurstShotCount;
inline constexpr int kStarCount = 100;
// Tiles of a background strip, 480 pixels apart.
inline constexpr int kStripTileCount = 5000;
inline constexpr int kSideStripCount = 4;

// The ship's shots, blast, special animation, homing salvos and single-missile pools.
extern MainShot MainShots1[kMainShotPoolCount];
extern MainShot MainShots2[kMainShotPoolCount];
extern MainShot MainShots3[kWideMainShotPoolCount];
extern PhaseShot BurstShots[kBurstShotCount];
extern SpiralShot SpiralShots[kSpiralShotCount];
extern BlastFragment BlastFragments[kBlastFragmentCount];
extern SpecialEffect SpecialEffects[kSpecialEffectCount];
extern HomingSalvo HomingSalvos1[kHomingSalvoCount];
extern HomingSalvo HomingSalvos2[kHomingSalvoCount];
extern HomingSalvo HomingSalvos3[kHomingSalvoCount];
extern HomingSalvo HomingSalvos4[kHomingSalvoCount];
extern HomingSalvo HomingMissiles01[kHomingMissileCount];
extern HomingSalvo HomingMissiles02[kHomingMissileCount];
extern HomingSalvo HomingMissiles03[kHomingMissileCount];
extern HomingSalvo HomingMissiles04[kHomingMissileCount];
extern HomingSalvo HomingMissiles05[kHomingMissileCount];
extern HomingSalvo HomingMissiles06[kHomingMissileCount];
extern HomingSalvo HomingMissiles07[kHomingMissileCount];
extern HomingSalvo HomingMissiles08[kHomingMissileCount];
extern HomingSalvo HomingMissiles09[kHomingMissileCount];
extern HomingSalvo HomingMissiles10[kHomingMissileCount];
extern HomingSalvo HomingMissiles11[kHomingMissileCount];
extern HomingSalvo HomingMissiles12[kHomingMissileCount];
extern HomingSalvo HomingMissiles13[kHomingMissileCount];
extern HomingSalvo HomingMissiles14[kHomingMissileCount];
extern HomingSalvo HomingMissiles15[kHomingMissileCount];
extern HomingSalvo HomingMissiles16[kHomingMissileCount];
extern HomingSalvo HomingMissiles17[kHomingMissileCount];
extern HomingSalvo HomingMissiles18[kHomingMissileCount];
extern HomingSalvo HomingMissiles19[kHomingMissileCount];

// Boss-hit spark sets: A1..A3, B1..B3, C1..C3 per boss; A4..A6 and C4..C6 for big enemies 3 and 4.
extern ExplosionParticle BossSparksA1[kMainShotSparkCount];
extern ExplosionParticle BossSparksA2[kMainShotSparkCount];
extern ExplosionParticle BossSparksA3[kBurstSparkCount];
extern ExplosionParticle BossSparksA4[kMainShotSparkCount];
extern ExplosionParticle BossSparksA5[kMainShotSparkCount];
extern ExplosionParticle BossSparksA6[kBurstSparkCount];
extern ExplosionParticle BossSparksB1[kMainShotSparkCount];
extern ExplosionParticle BossSparksB2[kMainShotSparkCount];
extern ExplosionParticle BossSparksB3[kBurstSparkCount];
extern ExplosionParticle BossSparksC1[kMainShotSparkCount];
extern ExplosionParticle BossSparksC2[kMainShotSparkCount];
extern ExplosionParticle BossSparksC3[kBurstSparkCount];
extern ExplosionParticle BossSparksC4[kMainShotSparkCount];
extern ExplosionParticle BossSparksC5[kMainShotSparkCount];
extern ExplosionParticle BossSparksC6[kBurstSparkCount];

// Starfield and background strips; the resets write them directly.
extern Star Stars[kStarCount];
extern BackgroundStrip StageAStrip[kStripTileCount];
extern BackgroundStrip StageBStrip[kStripTileCount];
extern BackgroundStrip StageCStrip[kStripTileCount];
extern BackgroundStrip BackdropStrip[kStripTileCount];
extern BackgroundStrip SideStrip1[kStripTileCount];
extern BackgroundStrip SideStrip2[kStripTileCount];
extern BackgroundStrip SideStrip3[kStripTileCount];
extern BackgroundStrip SideStrip4[kStripTileCount];
extern BackgroundStrip SpareStrip[kStripTileCount];

extern PowerItemRecord PowerItem;
// Side-shot flag and strong-centre flag.
extern int PowerFlags[2];

// Ship movement: speed in pixels a second, bank frame 0..6 (3 is level) and bank step -1, 0 or +1.
inline constexpr int kShipLevelBank = 3;
extern FloatPoint ShipSpeed;
extern int ShipBankFrame;
extern int ShipBankStep;

// Main shots: one cadence counter and one fired-this-frame flag per kind.
inline constexpr int kMainShotKinds = 3;
extern int MainShotCadence[kMainShotKinds];
extern int MainShotFired[kMainShotKinds];

// The burst volley's four counters (its running flags are game-wide).
inline constexpr int kBurstBanks = 4;
extern int BurstCounters[kBurstBanks];

// Three tick counters per homing salvo set.
inline constexpr int kSalvoSets = 4;
inline constexpr int kSalvoTicksPerSet = 3;
extern int SalvoTickCounters[kSalvoSets][kSalvoTicksPerSet];

extern int SpiralVolleyCounter;
// Recovery after a death: frames counted while hits are undone, and the ship's blink counter.
extern int RecoveryCounter;
extern int BlinkCounter;

// Every array of the lists below is reset by the stage reset through its entry.
std::span<const EntityArray> PlayerEntityArrays();
std::span<const EntityArray> SparkEntityArrays();
