// Walks every entity array the subsystems list: spoils them, checks they are free and parked, and
// gathers their random start values.
#pragma once

#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "game/core/core_entities.h"
#include "game/core/entity_table.h"
#include "game/enemies/enemy_pools.h"
#include "game/enemies/lock_sets.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"

namespace entity_walk {

inline std::vector<std::span<const EntityArray>> AllTables() {
    return {PlayerEntityArrays(), SparkEntityArrays(),  SquadronKindArrays(),
            SquadronPoolArrays(), StageAObjectArrays(), StageABossArrays(),
            StageBBossArrays(),   StageCBossArrays(),   LockSetArrays()};
}

inline std::vector<const EntityArray*> AllArrays() {
    std::vector<const EntityArray*> all;
    for (auto table : AllTables()) {
        for (const EntityArray& a : table) all.push_back(&a);
    }
    return all;
}

inline const EntityArray* Find(const char* name) {
    for (const EntityArray* a : AllArrays()) {
        if (std::strcmp(a->name, name) == 0) return a;
    }
    return nullptr;
}

inline std::size_t RecordSize(RecordKind kind) {
    switch (kind) {
        case RecordKind::kEnemyShot:
            return sizeof(EnemyShot);
        case RecordKind::kEnemyShot60:
            return sizeof(EnemyShot60);
        case RecordKind::kEnemyShot60Timed:
            return sizeof(EnemyShot60Timed);
        case RecordKind::kEnemyShot56:
            return sizeof(EnemyShot56);
        case RecordKind::kEnemyShot56Ramp:
            return sizeof(EnemyShot56Ramp);
        case RecordKind::kAimedPellet:
            return sizeof(AimedPellet);
        case RecordKind::kCurveFanBullet:
            return sizeof(CurveFanBullet);
        case RecordKind::kEnemyDrop:
            return sizeof(EnemyDrop);
        case RecordKind::kMainShot:
            return sizeof(MainShot);
        case RecordKind::kPhaseShot:
            return sizeof(PhaseShot);
        case RecordKind::kExplosionParticle:
            return sizeof(ExplosionParticle);
        case RecordKind::kLockRecord:
            return sizeof(LockRecord);
        case RecordKind::kEnemyRecord:
            return sizeof(EnemyRecord);
        case RecordKind::kEnemyRecordSpin:
            return sizeof(EnemyRecordSpin);
        case RecordKind::kEnemyRecordPhased:
            return sizeof(EnemyRecordPhased);
        case RecordKind::kSmallEnemy:
            return sizeof(SmallEnemy);
        case RecordKind::kBossBurst:
            return sizeof(BossBurst);
        case RecordKind::kHomingSalvo:
            return sizeof(HomingSalvo);
        case RecordKind::kBlastFragment:
            return sizeof(BlastFragment);
        case RecordKind::kSpiralShot:
            return sizeof(SpiralShot);
        case RecordKind::kSpecialEffect:
            return sizeof(SpecialEffect);
    }
    return 0;
}

// Fills every byte of every listed array: active flags become non-zero, positions land on screen.
inline void SpoilAll(unsigned char pattern = 0x41) {
    for (const EntityArray* a : AllArrays()) {
        std::memset(a->records, pattern, RecordSize(a->kind) * static_cast<std::size_t>(a->count));
    }
}

// What one record of an array should hold after the stage reset; empty when it does.
struct RecordView {
    float fx = 0, fy = 0;  // float position
    int ix = 0, iy = 0;    // int position
    bool intPosition = false;
    bool particle = false;
    bool hasActive = true;
    int active = 0;
    bool hasFrame = false;
    int frame = 0;
};

template <typename T>
const T& At(const EntityArray& a, int i) {
    return static_cast<const T*>(a.records)[i];
}

inline RecordView View(const EntityArray& a, int i) {
    RecordView v;
    switch (a.kind) {
        case RecordKind::kEnemyShot: {
            const auto& r = At<EnemyShot>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active, true, r.frame};
            break;
        }
        case RecordKind::kEnemyShot60: {
            const auto& r = At<EnemyShot60>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active, true, r.frame};
            break;
        }
        case RecordKind::kEnemyShot60Timed: {
            const auto& r = At<EnemyShot60Timed>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active, true, r.frame};
            break;
        }
        case RecordKind::kEnemyShot56: {
            const auto& r = At<EnemyShot56>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active, true, r.frame};
            break;
        }
        case RecordKind::kEnemyShot56Ramp: {
            const auto& r = At<EnemyShot56Ramp>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active, true, r.frame};
            break;
        }
        case RecordKind::kAimedPellet: {
            const auto& r = At<AimedPellet>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active, true, r.frame};
            break;
        }
        case RecordKind::kCurveFanBullet: {
            const auto& r = At<CurveFanBullet>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active, true, r.frame};
            break;
        }
        case RecordKind::kEnemyDrop: {
            const auto& r = At<EnemyDrop>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active, true, r.frame};
            break;
        }
        case RecordKind::kMainShot: {
            const auto& r = At<MainShot>(a, i);
            v = {0, 0, r.x, r.y, true, false, true, r.active};
            break;
        }
        case RecordKind::kPhaseShot: {
            const auto& r = At<PhaseShot>(a, i);
            v = {0, 0, r.x, r.y, true, false, true, r.active};
            break;
        }
        case RecordKind::kExplosionParticle: {
            const auto& r = At<ExplosionParticle>(a, i);
            v = {r.x, r.y, 0, 0, false, true, true, r.active};
            break;
        }
        case RecordKind::kLockRecord: {
            const auto& r = At<LockRecord>(a, i);
            v = {0, 0, r.x, r.y, true, false, true, r.locked};
            break;
        }
        case RecordKind::kEnemyRecord: {
            const auto& r = At<EnemyRecord>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active | r.hit | r.busy};
            break;
        }
        case RecordKind::kEnemyRecordSpin: {
            const auto& r = At<EnemyRecordSpin>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active | r.hit | r.busy};
            break;
        }
        case RecordKind::kEnemyRecordPhased: {
            const auto& r = At<EnemyRecordPhased>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active | r.hit | r.busy};
            break;
        }
        case RecordKind::kSmallEnemy: {
            const auto& r = At<SmallEnemy>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active | r.hit | r.busy};
            break;
        }
        case RecordKind::kBossBurst: {
            const auto& r = At<BossBurst>(a, i);
            v = {r.x, r.y, 0, 0, false, false, false, 0, true, r.frame};
            break;
        }
        case RecordKind::kHomingSalvo: {
            const auto& r = At<HomingSalvo>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.active, true, r.frame};
            break;
        }
        case RecordKind::kBlastFragment: {
            const auto& r = At<BlastFragment>(a, i);
            v = {r.x, r.y, 0, 0, false, false, true, r.launched | r.frameCounter};
            break;
        }
        case RecordKind::kSpiralShot: {
            const auto& r = At<SpiralShot>(a, i);
            v = {0, 0, r.x, r.y, true, false, true, r.active};
            break;
        }
        case RecordKind::kSpecialEffect: {
            const auto& r = At<SpecialEffect>(a, i);
            v = {0, 0, r.x, r.y, true, false, true, r.active};
            break;
        }
    }
    return v;
}

// Describes the first record of the array that is not free and parked; empty when all are.
inline std::string FirstUnparked(const EntityArray& a) {
    for (int i = 0; i < a.count; ++i) {
        const RecordView v = View(a, i);
        bool ok = v.active == 0;
        if (v.intPosition) {
            ok = ok && v.ix == kParkedIntX && v.iy == kParkedIntY;
        } else if (v.particle) {
            ok = ok && v.fx == kParticleParkedX && v.fy == kParticleParkedY;
        } else {
            ok = ok && v.fx == kParkedX && (v.fy == kParkedY || v.fy == kParkedHighY);
        }
        if (!ok) return std::string(a.name) + "[" + std::to_string(i) + "]";
    }
    return {};
}

// Every random start frame of every array, in table order.
inline std::vector<int> AllFrames() {
    std::vector<int> frames;
    for (const EntityArray* a : AllArrays()) {
        for (int i = 0; i < a->count; ++i) {
            const RecordView v = View(*a, i);
            if (v.hasFrame) frames.push_back(v.frame);
        }
    }
    for (int i = 0; i < kSmallEnemyCount; ++i) frames.push_back(SmallEnemies[i].explosionStyle);
    return frames;
}

}  // namespace entity_walk
