#include "game/core/core_entities.h"

MainShot MainShots1[kMainShotPoolCount];
MainShot MainShots2[kMainShotPoolCount];
MainShot MainShots3[kWideMainShotPoolCount];
PhaseShot BurstShots[kBurstShotCount];
SpiralShot SpiralShots[kSpiralShotCount];
BlastFragment BlastFragments[kBlastFragmentCount];
SpecialEffect SpecialEffects[kSpecialEffectCount];
HomingSalvo HomingSalvos1[kHomingSalvoCount];
HomingSalvo HomingSalvos2[kHomingSalvoCount];
HomingSalvo HomingSalvos3[kHomingSalvoCount];
HomingSalvo HomingSalvos4[kHomingSalvoCount];
HomingSalvo HomingMissiles01[kHomingMissileCount];
HomingSalvo HomingMissiles02[kHomingMissileCount];
HomingSalvo HomingMissiles03[kHomingMissileCount];
HomingSalvo HomingMissiles04[kHomingMissileCount];
HomingSalvo HomingMissiles05[kHomingMissileCount];
HomingSalvo HomingMissiles06[kHomingMissileCount];
HomingSalvo HomingMissiles07[kHomingMissileCount];
HomingSalvo HomingMissiles08[kHomingMissileCount];
HomingSalvo HomingMissiles09[kHomingMissileCount];
HomingSalvo HomingMissiles10[kHomingMissileCount];
HomingSalvo HomingMissiles11[kHomingMissileCount];
HomingSalvo HomingMissiles12[kHomingMissileCount];
HomingSalvo HomingMissiles13[kHomingMissileCount];
HomingSalvo HomingMissiles14[kHomingMissileCount];
HomingSalvo HomingMissiles15[kHomingMissileCount];
HomingSalvo HomingMissiles16[kHomingMissileCount];
HomingSalvo HomingMissiles17[kHomingMissileCount];
HomingSalvo HomingMissiles18[kHomingMissileCount];
HomingSalvo HomingMissiles19[kHomingMissileCount];

ExplosionParticle BossSparksA1[kMainShotSparkCount];
ExplosionParticle BossSparksA2[kMainShotSparkCount];
ExplosionParticle BossSparksA3[kBurstSparkCount];
ExplosionParticle BossSparksA4[kMainShotSparkCount];
ExplosionParticle BossSparksA5[kMainShotSparkCount];
ExplosionParticle BossSparksA6[kBurstSparkCount];
ExplosionParticle BossSparksB1[kMainShotSparkCount];
ExplosionParticle BossSparksB2[kMainShotSparkCount];
ExplosionParticle BossSparksB3[kBurstSparkCount];
ExplosionParticle BossSparksC1[kMainShotSparkCount];
ExplosionParticle BossSparksC2[kMainShotSparkCount];
ExplosionParticle BossSparksC3[kBurstSparkCount];
ExplosionParticle BossSparksC4[kMainShotSparkCount];
ExplosionParticle BossSparksC5[kMainShotSparkCount];
ExplosionParticle BossSparksC6[kBurstSparkCount];

namespace {

const EntityArray kPlayerArrays[] = {
    Entity("MainShots1", MainShots1),
    Entity("MainShots2", MainShots2),
    Entity("MainShots3", MainShots3),
    Entity("BurstShots", BurstShots),
    Entity("SpiralShots", SpiralShots),
    Entity("BlastFragments", BlastFragments),
    Entity("SpecialEffects", SpecialEffects),
    Entity("HomingSalvos1", HomingSalvos1),
    Entity("HomingSalvos2", HomingSalvos2),
    Entity("HomingSalvos3", HomingSalvos3),
    Entity("HomingSalvos4", HomingSalvos4),
    Entity("HomingMissiles01", HomingMissiles01),
    Entity("HomingMissiles02", HomingMissiles02),
    Entity("HomingMissiles03", HomingMissiles03),
    Entity("HomingMissiles04", HomingMissiles04),
    Entity("HomingMissiles05", HomingMissiles05),
    Entity("HomingMissiles06", HomingMissiles06),
    Entity("HomingMissiles07", HomingMissiles07),
    Entity("HomingMissiles08", HomingMissiles08),
    Entity("HomingMissiles09", HomingMissiles09),
    Entity("HomingMissiles10", HomingMissiles10),
    Entity("HomingMissiles11", HomingMissiles11),
    Entity("HomingMissiles12", HomingMissiles12),
    Entity("HomingMissiles13", HomingMissiles13),
    Entity("HomingMissiles14", HomingMissiles14),
    Entity("HomingMissiles15", HomingMissiles15),
    Entity("HomingMissiles16", HomingMissiles16),
    Entity("HomingMissiles17", HomingMissiles17),
    Entity("HomingMissiles18", HomingMissiles18),
    Entity("HomingMissiles19", HomingMissiles19),
};

const EntityArray kSparkArrays[] = {
    Entity("BossSparksA1", BossSparksA1), Entity("BossSparksA2", BossSparksA2),
    Entity("BossSparksA3", BossSparksA3), Entity("BossSparksA4", BossSparksA4),
    Entity("BossSparksA5", BossSparksA5), Entity("BossSparksA6", BossSparksA6),
    Entity("BossSparksB1", BossSparksB1), Entity("BossSparksB2", BossSparksB2),
    Entity("BossSparksB3", BossSparksB3), Entity("BossSparksC1", BossSparksC1),
    Entity("BossSparksC2", BossSparksC2), Entity("BossSparksC3", BossSparksC3),
    Entity("BossSparksC4", BossSparksC4), Entity("BossSparksC5", BossSparksC5),
    Entity("BossSparksC6", BossSparksC6),
};

}  // namespace

std::span<const EntityArray> PlayerEntityArrays() {
    return kPlayerArrays;
}
std::span<const EntityArray> SparkEntityArrays() {
    return kSparkArrays;
}

Star Stars[kStarCount];
BackgroundStrip StageAStrip[kStripTileCount];
BackgroundStrip StageBStrip[kStripTileCount];
BackgroundStrip StageCStrip[kStripTileCount];
BackgroundStrip BackdropStrip[kStripTileCount];
BackgroundStrip SideStrip1[kStripTileCount];
BackgroundStrip SideStrip2[kStripTileCount];
BackgroundStrip SideStrip3[kStripTileCount];
BackgroundStrip SideStrip4[kStripTileCount];
BackgroundStrip SpareStrip[kStripTileCount];

PowerItemRecord PowerItem;
int PowerFlags[2];

FloatPoint ShipSpeed;
int ShipBankFrame;
int ShipBankStep;
int MainShotCadence[kMainShotKinds];
int MainShotFired[kMainShotKinds];
int BurstCounters[kBurstBanks];
int SalvoTickCounters[kSalvoSets][kSalvoTicksPerSet];
int SpiralVolleyCounter;
int RecoveryCounter;
int BlinkCounter;
