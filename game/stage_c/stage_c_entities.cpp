#include "game/stage_c/stage_c_entities.h"

BossBurst BossCClearBursts[kBossCClearBurstCount];
BossBurst BossCClearBlasts[kBossCClearBlastCount];
LockRecord BossCPartMarkers1[kBossCPartMarkerCount];
LockRecord BossCPartMarkers2[kBossCPartMarkerCount];
EnemyShot BossFanShot01[kFanShot3WayCount];
EnemyShot BossFanShot02[kFanShot3WayCount];
EnemyShot BossFanShot03[kFanShot3WayCount];
EnemyShot BossFanShot04[kFanShot5WayCount];
EnemyShot BossFanShot05[kFanShot5WayCount];
EnemyShot BossFanShot06[kFanShot5WayCount];
EnemyShot BossFanShot07[kFanShot7WayCount];
EnemyShot BossFanShot08[kFanShot7WayCount];
EnemyShot BossFanShot09[kFanShot7WayCount];
EnemyShot BossFanShot10[kFanShot9WayCount];
EnemyShot BossFanShot11[kFanShot9WayCount];
EnemyShot BossFanShot12[kFanShot9WayCount];
EnemyShot BossFanShot13[kFanShot11WayCount];
EnemyShot BossFanShot14[kFanShot11WayCount];
EnemyShot BossFanShot15[kFanShot11WayCount];
EnemyShot BossFanShot16[kFanShot13WayCount];
EnemyShot BossFanShot17[kFanShot13WayCount];
EnemyShot BossFanShot18[kFanShot13WayCount];
EnemyShot BossFanShot19[kFanShot15WayCount];
EnemyShot BossFanShot20[kFanShot15WayCount];
EnemyShot BossFanShot21[kFanShot15WayCount];
PhaseShot BossSpray01[kSprayParticleCount];
PhaseShot BossSpray02[kSprayParticleCount];
PhaseShot BossSpray03[kSprayParticleCount];
PhaseShot BossSpray04[kSprayParticleCount];
PhaseShot BossSpray05[kSprayParticleCount];
PhaseShot BossSpray06[kSprayParticleCount];
CurveFanBullet BossCurveFan01[kCurveFanCount];
CurveFanBullet BossCurveFan02[kCurveFanCount];
CurveFanBullet BossCurveFan03[kCurveFanCount];
CurveFanBullet BossCurveFan04[kCurveFanCount];
EnemyShot60 BossShotLine01[kShotLineShortCount];
EnemyShot60 BossShotLine02[kShotLineShortCount];
EnemyShot60 BossShotLine03[kShotLineShortCount];
EnemyShot60 BossShotLine04[kShotLineShortCount];
EnemyShot60 BossShotLine05[kShotLineShortCount];
EnemyShot60 BossShotLine06[kShotLineShortCount];
EnemyShot60 BossShotLine07[kShotLineShortCount];
EnemyShot60 BossShotLine08[kShotLineShortCount];
EnemyShot60 BossShotLine09[kShotLineShortCount];
EnemyShot60 BossShotLine10[kShotLineShortCount];
EnemyShot60 BossShotLine11[kShotLineShortCount];
EnemyShot60 BossShotLine12[kShotLineShortCount];
EnemyShot60 BossShotLine13[kShotLineShortCount];
EnemyShot60 BossShotLine14[kShotLineShortCount];
EnemyShot60 BossShotLine15[kShotLineShortCount];
EnemyShot60 BossShotLine16[kShotLineShortCount];
EnemyShot60 BossShotLine17[kShotLineShortCount];
EnemyShot60 BossShotLine18[kShotLineShortCount];
EnemyShot60 BossShotLine19[kShotLineShortCount];
EnemyShot60 BossShotLine20[kShotLineShortCount];
EnemyShot60 BossShotLine21[kShotLineShortCount];
EnemyShot60 BossShotLine22[kShotLineShortCount];
EnemyShot60 BossShotLine23[kShotLineShortCount];
EnemyShot60 BossShotLine24[kShotLineShortCount];
EnemyShot60 BossShotLine25[kShotLineShortCount];
EnemyShot60 BossShotLine26[kShotLineShortCount];
EnemyShot60 BossShotLine27[kShotLineShortCount];
EnemyShot60 BossShotLine28[kShotLineShortCount];
EnemyShot60 BossShotLine29[kShotLineLongCount];
EnemyShot60 BossShotLine30[kShotLineLongCount];
EnemyDrop BossCTwin01[kTwinShotCount];
EnemyDrop BossCTwin02[kTwinShotCount];
EnemyDrop BossCTwin03[kTwinShotCount];
EnemyShot56 BossCTriFan01[kTriFanRingCount];
EnemyShot56 BossCTriFan02[kTriFanRingCount];
EnemyShot56 BossCTriFan03[kTriFanCount];
EnemyShot56 BossCTriFan04[kTriFanCount];
EnemyDrop BossCFan01[kFiveWayFanCount];
EnemyDrop BossCFan02[kFiveWayFanCount];
EnemyDrop BossCFan03[kFiveWayFanCount];
EnemyDrop BossCFan04[kFiveWayFanCount];
EnemyDrop BossCFan05[kFiveWayFanCount];
EnemyDrop BossCFan06[kFiveWayFanCount];
EnemyDrop BossCFan07[kFiveWayFanCount];
EnemyDrop BossCPods01[kBossCPodPairCount];
EnemyDrop BossCPods02[kBossCPodPairCount];
EnemyDrop BossCPods03[kBossCPodPairCount];
EnemyDrop BossCPods04[kBossCPodTripleCount];
EnemyDrop BossCPods05[kBossCPodTripleCount];
EnemyDrop BossCPods06[kBossCPodTripleCount];
EnemyDrop BossCPods07[kBossCPodTripleCount];
EnemyDrop BossCPods08[kBossCPodTripleCount];
EnemyDrop BossCPods09[kBossCPodQuadCount];

namespace {

const EntityArray kBossArrays[] = {
    Entity("BossCClearBursts", BossCClearBursts),
    Entity("BossCClearBlasts", BossCClearBlasts),
    Entity("BossCPartMarkers1", BossCPartMarkers1),
    Entity("BossCPartMarkers2", BossCPartMarkers2),
    Entity("BossFanShot01", BossFanShot01),
    Entity("BossFanShot02", BossFanShot02),
    Entity("BossFanShot03", BossFanShot03),
    Entity("BossFanShot04", BossFanShot04),
    Entity("BossFanShot05", BossFanShot05),
    Entity("BossFanShot06", BossFanShot06),
    Entity("BossFanShot07", BossFanShot07),
    Entity("BossFanShot08", BossFanShot08),
    Entity("BossFanShot09", BossFanShot09),
    Entity("BossFanShot10", BossFanShot10),
    Entity("BossFanShot11", BossFanShot11),
    Entity("BossFanShot12", BossFanShot12),
    Entity("BossFanShot13", BossFanShot13),
    Entity("BossFanShot14", BossFanShot14),
    Entity("BossFanShot15", BossFanShot15),
    Entity("BossFanShot16", BossFanShot16),
    Entity("BossFanShot17", BossFanShot17),
    Entity("BossFanShot18", BossFanShot18),
    Entity("BossFanShot19", BossFanShot19),
    Entity("BossFanShot20", BossFanShot20),
    Entity("BossFanShot21", BossFanShot21),
    Entity("BossSpray01", BossSpray01),
    Entity("BossSpray02", BossSpray02),
    Entity("BossSpray03", BossSpray03),
    Entity("BossSpray04", BossSpray04),
    Entity("BossSpray05", BossSpray05),
    Entity("BossSpray06", BossSpray06),
    Entity("BossCurveFan01", BossCurveFan01),
    Entity("BossCurveFan02", BossCurveFan02),
    Entity("BossCurveFan03", BossCurveFan03),
    Entity("BossCurveFan04", BossCurveFan04),
    Entity("BossShotLine01", BossShotLine01),
    Entity("BossShotLine02", BossShotLine02),
    Entity("BossShotLine03", BossShotLine03),
    Entity("BossShotLine04", BossShotLine04),
    Entity("BossShotLine05", BossShotLine05),
    Entity("BossShotLine06", BossShotLine06),
    Entity("BossShotLine07", BossShotLine07),
    Entity("BossShotLine08", BossShotLine08),
    Entity("BossShotLine09", BossShotLine09),
    Entity("BossShotLine10", BossShotLine10),
    Entity("BossShotLine11", BossShotLine11),
    Entity("BossShotLine12", BossShotLine12),
    Entity("BossShotLine13", BossShotLine13),
    Entity("BossShotLine14", BossShotLine14),
    Entity("BossShotLine15", BossShotLine15),
    Entity("BossShotLine16", BossShotLine16),
    Entity("BossShotLine17", BossShotLine17),
    Entity("BossShotLine18", BossShotLine18),
    Entity("BossShotLine19", BossShotLine19),
    Entity("BossShotLine20", BossShotLine20),
    Entity("BossShotLine21", BossShotLine21),
    Entity("BossShotLine22", BossShotLine22),
    Entity("BossShotLine23", BossShotLine23),
    Entity("BossShotLine24", BossShotLine24),
    Entity("BossShotLine25", BossShotLine25),
    Entity("BossShotLine26", BossShotLine26),
    Entity("BossShotLine27", BossShotLine27),
    Entity("BossShotLine28", BossShotLine28),
    Entity("BossShotLine29", BossShotLine29),
    Entity("BossShotLine30", BossShotLine30),
    Entity("BossCTwin01", BossCTwin01),
    Entity("BossCTwin02", BossCTwin02),
    Entity("BossCTwin03", BossCTwin03),
    Entity("BossCTriFan01", BossCTriFan01),
    Entity("BossCTriFan02", BossCTriFan02),
    Entity("BossCTriFan03", BossCTriFan03, {kFrameSpread7, kShallowStartHeading, kParkedY, kKeepSpare3}),
    Entity("BossCTriFan04", BossCTriFan04, {kFrameSpread7, kShallowStartHeading, kParkedY, kKeepSpare3}),
    Entity("BossCFan01", BossCFan01),
    Entity("BossCFan02", BossCFan02),
    Entity("BossCFan03", BossCFan03),
    Entity("BossCFan04", BossCFan04),
    Entity("BossCFan05", BossCFan05),
    Entity("BossCFan06", BossCFan06),
    Entity("BossCFan07", BossCFan07),
    Entity("BossCPods01", BossCPods01),
    Entity("BossCPods02", BossCPods02),
    Entity("BossCPods03", BossCPods03),
    Entity("BossCPods04", BossCPods04),
    Entity("BossCPods05", BossCPods05),
    Entity("BossCPods06", BossCPods06),
    Entity("BossCPods07", BossCPods07),
    Entity("BossCPods08", BossCPods08),
    Entity("BossCPods09", BossCPods09),
};

}  // namespace

std::span<const EntityArray> StageCBossArrays() {
    return kBossArrays;
}

int BossCAttackClock;
int BossCSmokeFrame;
int BossCSmokeCycle;
int BossCSprayCounters[kSprayEmitters];
BossRecord BossCRecord;

void ResetStageCEntities() {
    BossCAttackClock = 0;
    BossCSmokeFrame = 0;
    BossCSmokeCycle = 0;
    for (int& counter : BossCSprayCounters) counter = 0;
    // The flash words are left as they are: the setter and the draw keep them consistent.
    BossCRecord.x = kParkedX;
    BossCRecord.y = kParkedY;
    BossCRecord.spare1 = BossCRecord.spare2 = 0.0f;
    BossCRecord.clock = 0.0f;
    BossCRecord.health = kBossCHealth;
    BossCRecord.destructionTimer = 0.0f;
    BossCRecord.dead = 0;

    ResetEntityArrays(kBossArrays);
}
