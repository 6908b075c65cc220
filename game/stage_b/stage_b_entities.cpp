#include "game/stage_b/stage_b_entities.h"

BossBurst BossBClearBursts[kBossBClearBurstCount];
BossBurst BossBClearBlasts[kBossBClearBlastCount];
LockRecord BossBLockMarkers[kBossBLockMarkerCount];
EnemyShot BossBSpread01[kBossBSpreadShortCount];
EnemyShot BossBSpread02[kBossBSpreadShortCount];
EnemyShot BossBSpread03[kBossBSpreadMidCount];
EnemyShot BossBSpread04[kBossBSpreadMidCount];
EnemyShot BossBSpread05[kBossBSpreadLongCount];
EnemyShot BossBSpread06[kBossBSpreadLongCount];
EnemyShot BossBSpread07[kBossBSpreadLongCount];
EnemyShot60 BossBLine01[kBossBLineCount];
EnemyShot60 BossBLine02[kBossBLineCount];
EnemyShot60 BossBLine03[kBossBLineCount];
EnemyShot60 BossBLine04[kBossBLineCount];
EnemyShot60 BossBLine05[kBossBLineCount];
EnemyShot60 BossBLine06[kBossBLineCount];
EnemyShot60 BossBLine07[kBossBLineCount];
EnemyShot60 BossBLine08[kBossBLineCount];
EnemyShot60 BossBLine09[kBossBLineCount];
EnemyShot60 BossBLine10[kBossBLineCount];
EnemyShot60 BossBLine11[kBossBLineCount];
EnemyShot60 BossBLine12[kBossBLineCount];
EnemyShot56 BossBRing01[kBossBRingCount];
EnemyShot56 BossBRing02[kBossBRingCount];
EnemyDrop BossBCurtain01[kBossBCurtainCount];
EnemyDrop BossBCurtain02[kBossBCurtainCount];
EnemyDrop BossBRain01[kBossBRainCount];
EnemyDrop BossBRain02[kBossBRainCount];
EnemyDrop BossBRain03[kBossBRainCount];
EnemyDrop BossBRain04[kBossBRainCount];
EnemyDrop BossBTwin01[kBossBTwinCount];
EnemyDrop BossBTwin02[kBossBTwinCount];
EnemyDrop BossBFan01[kBossBFanCount];
EnemyDrop BossBFan02[kBossBFanCount];
EnemyDrop BossBFan03[kBossBFanCount];
EnemyDrop BossBFan04[kBossBFanCount];
EnemyDrop BossBFan05[kBossBFanCount];
EnemyDrop BossBWideFan01[kBossBFanCount];
EnemyDrop BossBWideFan02[kBossBFanCount];
EnemyDrop BossBPods01[kBossBPodPairCount];
EnemyDrop BossBPods02[kBossBPodPairCount];
EnemyDrop BossBPods03[kBossBPodPairCount];
EnemyDrop BossBPods04[kBossBPodTripleCount];
EnemyDrop BossBPods05[kBossBPodTripleCount];
EnemyDrop BossBPods06[kBossBPodTripleCount];
EnemyDrop BossBPods07[kBossBPodTripleCount];
EnemyDrop BossBPods08[kBossBPodTripleCount];
EnemyDrop BossBPods09[kBossBPodQuadCount];
EnemyDrop BossBArm01[kBossBArmCount];
EnemyDrop BossBArm02[kBossBArmCount];
EnemyDrop BossBArm03[kBossBArmCount];
EnemyDrop BossBArm04[kBossBArmCount];
EnemyDrop BossBArm05[kBossBArmCount];
EnemyDrop BossBArm06[kBossBArmCount];
EnemyDrop BossBArm07[kBossBArmCount];
EnemyDrop BossBArm08[kBossBArmCount];
EnemyDrop BossBArm09[kBossBArmCount];
EnemyShot56 BossBExtraRing01[kBossBExtraRingCount];
EnemyDrop BossBExtraFan01[kBossBExtraFanCount];
EnemyDrop BossBExtraFan02[kBossBExtraFanCount];
EnemyDrop BossBExtraFan03[kBossBExtraFanCount];
EnemyDrop BossBExtraFan04[kBossBExtraFanCount];
EnemyDrop BossBExtraFan05[kBossBExtraFanCount];
EnemyDrop BossBExtraPods01[kBossBPodPairCount];
EnemyDrop BossBExtraPods02[kBossBPodTripleCount];
EnemyDrop BossBExtraPods03[kBossBPodTripleCount];
EnemyDrop BossBExtraPods04[kBossBPodTripleCount];
EnemyDrop BossBExtraPods05[kBossBPodTripleCount];
EnemyDrop BossBExtraPods06[kBossBPodTripleCount];
EnemyDrop BossBExtraPods07[kBossBPodQuadCount];

namespace {

const EntityArray kBossArrays[] = {
    Entity("BossBClearBursts", BossBClearBursts),
    Entity("BossBClearBlasts", BossBClearBlasts),
    Entity("BossBLockMarkers", BossBLockMarkers),
    Entity("BossBSpread01", BossBSpread01),
    Entity("BossBSpread02", BossBSpread02),
    Entity("BossBSpread03", BossBSpread03),
    Entity("BossBSpread04", BossBSpread04),
    Entity("BossBSpread05", BossBSpread05),
    Entity("BossBSpread06", BossBSpread06),
    Entity("BossBSpread07", BossBSpread07),
    Entity("BossBLine01", BossBLine01),
    Entity("BossBLine02", BossBLine02),
    Entity("BossBLine03", BossBLine03),
    Entity("BossBLine04", BossBLine04),
    Entity("BossBLine05", BossBLine05),
    Entity("BossBLine06", BossBLine06),
    Entity("BossBLine07", BossBLine07),
    Entity("BossBLine08", BossBLine08),
    Entity("BossBLine09", BossBLine09),
    Entity("BossBLine10", BossBLine10),
    Entity("BossBLine11", BossBLine11),
    Entity("BossBLine12", BossBLine12),
    Entity("BossBRing01", BossBRing01),
    Entity("BossBRing02", BossBRing02),
    Entity("BossBCurtain01", BossBCurtain01),
    Entity("BossBCurtain02", BossBCurtain02),
    Entity("BossBRain01", BossBRain01),
    Entity("BossBRain02", BossBRain02),
    Entity("BossBRain03", BossBRain03),
    Entity("BossBRain04", BossBRain04),
    Entity("BossBTwin01", BossBTwin01),
    Entity("BossBTwin02", BossBTwin02),
    Entity("BossBFan01", BossBFan01),
    Entity("BossBFan02", BossBFan02),
    Entity("BossBFan03", BossBFan03),
    Entity("BossBFan04", BossBFan04),
    Entity("BossBFan05", BossBFan05),
    Entity("BossBWideFan01", BossBWideFan01),
    Entity("BossBWideFan02", BossBWideFan02),
    Entity("BossBPods01", BossBPods01),
    Entity("BossBPods02", BossBPods02),
    Entity("BossBPods03", BossBPods03),
    Entity("BossBPods04", BossBPods04),
    Entity("BossBPods05", BossBPods05),
    Entity("BossBPods06", BossBPods06),
    Entity("BossBPods07", BossBPods07),
    Entity("BossBPods08", BossBPods08),
    Entity("BossBPods09", BossBPods09),
    Entity("BossBArm01", BossBArm01),
    Entity("BossBArm02", BossBArm02),
    Entity("BossBArm03", BossBArm03),
    Entity("BossBArm04", BossBArm04),
    Entity("BossBArm05", BossBArm05),
    Entity("BossBArm06", BossBArm06),
    Entity("BossBArm07", BossBArm07),
    Entity("BossBArm08", BossBArm08),
    Entity("BossBArm09", BossBArm09),
    Entity("BossBExtraRing01", BossBExtraRing01),
    Entity("BossBExtraFan01", BossBExtraFan01),
    Entity("BossBExtraFan02", BossBExtraFan02),
    Entity("BossBExtraFan03", BossBExtraFan03),
    Entity("BossBExtraFan04", BossBExtraFan04),
    Entity("BossBExtraFan05", BossBExtraFan05),
    Entity("BossBExtraPods01", BossBExtraPods01),
    Entity("BossBExtraPods02", BossBExtraPods02),
    Entity("BossBExtraPods03", BossBExtraPods03),
    Entity("BossBExtraPods04", BossBExtraPods04),
    Entity("BossBExtraPods05", BossBExtraPods05),
    Entity("BossBExtraPods06", BossBExtraPods06),
    Entity("BossBExtraPods07", BossBExtraPods07),
};

}  // namespace

std::span<const EntityArray> StageBBossArrays() {
    return kBossArrays;
}

int BossBFlameFrame;
int BossBFlameCycle;
int BossBAttackTimer;
BossRecord BossB;
BossRecord BossBFlyBy;

void ResetStageBEntities() {
    BossBFlameFrame = 0;
    BossBFlameCycle = 0;
    BossBAttackTimer = 0;
    // The flash words are left as they are: the setter and the draw keep them consistent.
    BossB.x = kParkedX;
    BossB.y = kParkedY;
    BossB.spare1 = BossB.spare2 = 0.0f;
    BossB.clock = 0.0f;
    BossB.health = kBossBHealth;
    BossB.destructionTimer = 0.0f;
    BossB.dead = 0;

    BossBFlyBy.x = kParkedX;
    BossBFlyBy.y = kParkedY;
    BossBFlyBy.spare1 = BossBFlyBy.spare2 = 0.0f;
    BossBFlyBy.dead = BossBFlyBy.flashShown = BossBFlyBy.hitFlash = 0;

    ResetEntityArrays(kBossArrays);
}
