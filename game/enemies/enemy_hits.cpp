#include "game/enemies/enemy_hits.h"

#include <span>

#include "game/enemies/enemy_pools.h"

namespace {

template <typename Record>
void MarkHit(std::span<Record> records, int index) {
    if (index < 0 || index >= static_cast<int>(records.size())) return;
    records[static_cast<std::size_t>(index)].hit = 1;
}

}  // namespace

void MarkSmallEnemyHit(int index) { MarkHit(std::span(SmallEnemies), index); }
void MarkSpinnerHit1(int index) { MarkHit(std::span(Spinners1), index); }
void MarkSpinnerHit2(int index) { MarkHit(std::span(Spinners2), index); }
void MarkDiverHit(int index) { MarkHit(std::span(Divers), index); }
void MarkCarrierHit1(int index) { MarkHit(std::span(Carrier1), index); }
void MarkCarrierHit2(int index) { MarkHit(std::span(Carrier2), index); }
void MarkSwooperHit1(int index) { MarkHit(std::span(Swoopers1), index); }
void MarkSwooperHit2(int index) { MarkHit(std::span(Swoopers2), index); }
void MarkWaveFlyerHit1(int index) { MarkHit(std::span(WaveFlyers1), index); }
void MarkWaveFlyerHit2(int index) { MarkHit(std::span(WaveFlyers2), index); }
void MarkFormationShooterHit1(int index) { MarkHit(std::span(FormationShooters1), index); }
void MarkFormationShooterHit2(int index) { MarkHit(std::span(FormationShooters2), index); }
void MarkFormationShooterHit3(int index) { MarkHit(std::span(FormationShooters3), index); }
void MarkFormationShooterHit4(int index) { MarkHit(std::span(FormationShooters4), index); }
void MarkEnemyHit01(int index) { MarkHit(std::span(EnemySet01), index); }
void MarkEnemyHit02(int index) { MarkHit(std::span(EnemySet02), index); }
void MarkEnemyHit03(int index) { MarkHit(std::span(EnemySet03), index); }
void MarkEnemyHit04(int index) { MarkHit(std::span(EnemySet04), index); }
void MarkEnemyHit05(int index) { MarkHit(std::span(EnemySet05), index); }
void MarkEnemyHit06(int index) { MarkHit(std::span(EnemySet06), index); }
void MarkEnemyHit07(int index) { MarkHit(std::span(EnemySet07), index); }
void MarkEnemyHit08(int index) { MarkHit(std::span(EnemySet08), index); }

void FlashBigEnemy2() { BigEnemy2.hitFlash = 1; }
void FlashBigEnemy3() { BigEnemy3.hitFlash = 1; }
void FlashBigEnemy4() { BigEnemy4.hitFlash = 1; }
void FlashBigEnemy5() { BigEnemy5.hitFlash = 1; }
void FlashBigEnemy6() { BigEnemy6.hitFlash = 1; }
