#include "game/stage_a/stage_a_hits.h"

#include <span>

#include "game/stage_a/stage_a_entities.h"

namespace {

void MarkHit(std::span<EnemyRecord> records, int index) {
    if (index < 0 || index >= static_cast<int>(records.size())) return;
    records[static_cast<std::size_t>(index)].hit = 1;
}

}  // namespace

void MarkFallingObjectHit(int index) {
    MarkHit(FallingObjects, index);
}
void MarkDriftObjectAHit(int index) {
    MarkHit(DriftObjectsA, index);
}
void MarkDriftObjectBHit(int index) {
    MarkHit(DriftObjectsB, index);
}
void MarkBossHit1() {
    BossARecord.hitFlash = 1;
}
