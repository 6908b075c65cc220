#include "game/stage_a/stage_a_entities.h"

EnemyRecord FallingObjects[kFallingObjectCount];
int FallingObjectFlameFrame;
EnemyRecord DriftObjectsA[kDriftObjectCount];
EnemyRecord DriftObjectsB[kDriftObjectCount];
CurveFanBullet CurveShotsLeft[kCurveShotCount];
CurveFanBullet CurveShotsRight[kCurveShotCount];
EnemyDrop GlowShots[kGlowShotCount];
EnemyShot60 SpinShotsA[kStageASpinShotCount];
EnemyShot60 SpinShotsB[kStageASpinShotCount];
EnemyShot60 BossAVolley01[kBossAVolleyCount];
EnemyShot60 BossAVolley02[kBossAVolleyCount];
EnemyShot60 BossAVolley03[kBossAVolleyCount];
EnemyShot60 BossAVolley04[kBossAVolleyCount];
EnemyShot60 BossAVolley05[kBossAVolleyCount];
EnemyShot60 BossAVolley06[kBossAVolleyCount];
EnemyShot60 BossAVolley07[kBossAVolleyCount];
EnemyShot60 BossAVolley08[kBossAVolleyCount];
EnemyShot60 BossAVolley09[kBossAVolleyCount];
EnemyShot60 BossAVolley10[kBossAVolleyCount];
EnemyShot BossASpread01[kBossASpreadShortCount];
EnemyShot BossASpread02[kBossASpreadShortCount];
EnemyShot BossASpread03[kBossASpreadLongCount];
EnemyShot BossASpread04[kBossASpreadLongCount];
EnemyShot BossASpiral01[kBossASpiralCount];
EnemyShot BossASpiral02[kBossASpiralCount];
EnemyShot BossASpiral03[kBossASpiralCount];
EnemyShot BossASpiral04[kBossASpiralCount];
EnemyShot BossASpiral05[kBossASpiralCount];
EnemyShot BossASpiral06[kBossASpiralCount];

BossBurst BossDamageBursts[kBossBurstCount];
BossBurst BossAClearBursts[kBossBurstCount];
BossBurst BossAClearBlasts[kClearBlastCount];
LockRecord BossAPartMarkers1[kBossAPartMarkerCount];
LockRecord BossAPartMarkers2[kBossAPartMarkerCount];
EnemyShot BossAShots01[kBossAShotCount];
EnemyShot BossAShots02[kBossAShotCount];
EnemyShot BossAShots03[kBossAShotCount];
EnemyShot BossAShots04[kBossAShotCount];
EnemyShot BossAShots05[kBossAShotCount];
EnemyShot BossAShots06[kBossAShotCount];
EnemyShot60Timed BossAGunShots01[kBossAGunShotCount];
EnemyDrop BossADrops01[kBossADropCount];
EnemyDrop BossADrops02[kBossADropCount];
EnemyDrop BossACurtain01[kBossACurtainCount];
EnemyDrop BossACurtain02[kBossACurtainCount];
EnemyDrop BossARain01[kBossARainCount];
EnemyDrop BossARain02[kBossARainCount];
EnemyDrop BossARain03[kBossARainCount];
EnemyDrop BossARain04[kBossARainCount];
EnemyDrop BossABarrage[kBossABarrageCount];
EnemyDrop BossAPods01[kPodPairCount];
EnemyDrop BossAPods02[kPodTripleCount];
EnemyDrop BossAPods03[kPodQuadCount];

namespace {

const EntityArray kObjectArrays[] = {
    Entity("FallingObjects", FallingObjects),   Entity("DriftObjectsA", DriftObjectsA),
    Entity("DriftObjectsB", DriftObjectsB),     Entity("CurveShotsLeft", CurveShotsLeft),
    Entity("CurveShotsRight", CurveShotsRight), Entity("GlowShots", GlowShots),
    Entity("SpinShotsA", SpinShotsA),           Entity("SpinShotsB", SpinShotsB),
    Entity("BossAVolley01", BossAVolley01),     Entity("BossAVolley02", BossAVolley02),
    Entity("BossAVolley03", BossAVolley03),     Entity("BossAVolley04", BossAVolley04),
    Entity("BossAVolley05", BossAVolley05),     Entity("BossAVolley06", BossAVolley06),
    Entity("BossAVolley07", BossAVolley07),     Entity("BossAVolley08", BossAVolley08),
    Entity("BossAVolley09", BossAVolley09),     Entity("BossAVolley10", BossAVolley10),
    Entity("BossASpread01", BossASpread01),     Entity("BossASpread02", BossASpread02),
    Entity("BossASpread03", BossASpread03),     Entity("BossASpread04", BossASpread04),
    Entity("BossASpiral01", BossASpiral01),     Entity("BossASpiral02", BossASpiral02),
    Entity("BossASpiral03", BossASpiral03),     Entity("BossASpiral04", BossASpiral04),
    Entity("BossASpiral05", BossASpiral05),     Entity("BossASpiral06", BossASpiral06),
};

const EntityArray kBossArrays[] = {
    Entity("BossDamageBursts", BossDamageBursts),
    Entity("BossAClearBursts", BossAClearBursts),
    Entity("BossAClearBlasts", BossAClearBlasts),
    Entity("BossAPartMarkers1", BossAPartMarkers1),
    Entity("BossAPartMarkers2", BossAPartMarkers2),
    Entity("BossAShots01", BossAShots01),
    Entity("BossAShots02", BossAShots02),
    Entity("BossAShots03", BossAShots03),
    Entity("BossAShots04", BossAShots04),
    Entity("BossAShots05", BossAShots05),
    Entity("BossAShots06", BossAShots06),
    Entity("BossAGunShots01", BossAGunShots01),
    Entity("BossADrops01", BossADrops01),
    Entity("BossADrops02", BossADrops02),
    Entity("BossACurtain01", BossACurtain01),
    Entity("BossACurtain02", BossACurtain02),
    Entity("BossARain01", BossARain01),
    Entity("BossARain02", BossARain02),
    Entity("BossARain03", BossARain03),
    Entity("BossARain04", BossARain04),
    Entity("BossABarrage", BossABarrage),
    Entity("BossAPods01", BossAPods01),
    Entity("BossAPods02", BossAPods02),
    Entity("BossAPods03", BossAPods03),
};

}  // namespace

std::span<const EntityArray> StageAObjectArrays() {
    return kObjectArrays;
}
std::span<const EntityArray> StageABossArrays() {
    return kBossArrays;
}

int BossAAttackClock;
int BossASpiralCounters[kBossASpiralStreams];
int BossAFlameFrame;
int BossAFlameCycle;
BossRecord BossARecord;
BossRecord BossWarningPicture;

void ResetStageAEntities() {
    ResetEntityArrays(kObjectArrays);
    FallingObjectFlameFrame = 0;
}

void ResetStageABoss() {
    BossAAttackClock = 0;
    for (int& counter : BossASpiralCounters) counter = 0;
    BossAFlameFrame = 0;
    BossAFlameCycle = 0;
    BossARecord.x = kParkedX;
    BossARecord.y = kParkedY;
    BossARecord.spare1 = BossARecord.spare2 = 0.0f;
    BossARecord.clock = 0.0f;
    BossARecord.health = kBossAHealth;
    BossARecord.destructionTimer = 0.0f;
    BossARecord.dead = 0;
    BossARecord.flashShown = 0;
    BossARecord.hitFlash = 0;

    BossWarningPicture.x = kParkedX;
    BossWarningPicture.y = kParkedY;
    BossWarningPicture.spare1 = BossWarningPicture.spare2 = 0.0f;
    BossWarningPicture.dead = BossWarningPicture.flashShown = BossWarningPicture.hitFlash = 0;

    ResetEntityArrays(kBossArrays);
}
