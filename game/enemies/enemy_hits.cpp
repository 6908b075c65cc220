#include "game/enemies/enemy_hits.h"

#include "game/enemies/enemy_pools.h"

namespace {

template <typename Record, int N>
void MarkHit(Record (&records)[N], int index) {
    if (index < 0 || index >= N) return;
    records[index].hit = 1;
}

}  // namespace

void MarkSmallEnemyHit(int index) {
    MarkHit(SmallEnemies, index);
}
void MarkSpinnerHit1(int index) {
    MarkHit(Spinners1, index);
}
void MarkSpinnerHit2(int index) {
    MarkHit(Spinners2, index);
}
void MarkDiverHit(int index) {
    MarkHit(Divers, index);
}
void MarkCarrierHit1(int index) {
    MarkHit(Carrier1, index);
}
void MarkCarrierHit2(int index) {
    MarkHit(Carrier2, index);
}
void MarkSwooperHit1(int index) {
    MarkHit(Swoopers1, index);
}
void MarkSwooperHit2(int index) {
    MarkHit(Swoopers2, index);
}
void MarkWaveFlyerHit1(int index) {
    MarkHit(WaveFlyers1, index);
}
void MarkWaveFlyerHit2(int index) {
    MarkHit(WaveFlyers2, index);
}
void MarkFormationShooterHit1(int index) {
    MarkHit(FormationShooters1, index);
}
void MarkFormationShooterHit2(int index) {
    MarkHit(FormationShooters2, index);
}
void MarkFormationShooterHit3(int index) {
    MarkHit(FormationShooters3, index);
}
void MarkFormationShooterHit4(int index) {
    MarkHit(FormationShooters4, index);
}
void MarkEnemyHit01(int index) {
    MarkHit(EnemySet01, index);
}
void MarkEnemyHit02(int index) {
    MarkHit(EnemySet02, index);
}
void MarkEnemyHit03(int index) {
    MarkHit(EnemySet03, index);
}
void MarkEnemyHit04(int index) {
    MarkHit(EnemySet04, index);
}
void MarkEnemyHit05(int index) {
    MarkHit(EnemySet05, index);
}
void MarkEnemyHit06(int index) {
    MarkHit(EnemySet06, index);
}
void MarkEnemyHit07(int index) {
    MarkHit(EnemySet07, index);
}
void MarkEnemyHit08(int index) {
    MarkHit(EnemySet08, index);
}

void FlashBigEnemy2() {
    BigEnemy2.hitFlash = 1;
}
void FlashBigEnemy3() {
    BigEnemy3.hitFlash = 1;
}
void FlashBigEnemy4() {
    BigEnemy4.hitFlash = 1;
}
void FlashBigEnemy5() {
    BigEnemy5.hitFlash = 1;
}
void FlashBigEnemy6() {
    BigEnemy6.hitFlash = 1;
}
