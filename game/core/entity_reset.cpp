#include "game/core/entity_table.h"
#include "platform/system.h"

namespace {

int StartFrame(int modulo) {
    return modulo > 0 ? crt::rand() % modulo : 0;
}

int FrameModulo(const ResetRule& rule, int kindDefault) {
    return rule.frameModulo == kKindFrame ? kindDefault : rule.frameModulo;
}

template <typename T>
T* RecordsOf(const EntityArray& array) {
    return static_cast<T*>(array.records);
}

void ResetShots(const EntityArray& a) {
    const int modulo = FrameModulo(a.rule, kFrameSpread7);
    EnemyShot* r = RecordsOf<EnemyShot>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = StartFrame(modulo);
        r[i].timer = 0;
        r[i].degrees = 0;
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        r[i].spareX = r[i].spareY = 0.0f;
        r[i].dx = r[i].dy = 0.0f;
        r[i].fireX = r[i].fireY = 0.0f;
        r[i].heading = a.rule.heading;
        r[i].speed = 0.0f;
        r[i].active = 0;
    }
}

void ResetShots60(const EntityArray& a) {
    const int modulo = FrameModulo(a.rule, kFrameSpread10);
    EnemyShot60* r = RecordsOf<EnemyShot60>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = StartFrame(modulo);
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        r[i].spareX = r[i].spareY = 0.0f;
        r[i].dx = r[i].dy = 0.0f;
        r[i].fireX = r[i].fireY = 0.0f;
        r[i].heading = a.rule.heading;
        r[i].speed = 0.0f;
        r[i].active = 0;
    }
}

void ResetShots60Timed(const EntityArray& a) {
    const int modulo = FrameModulo(a.rule, kFrameSpread7);
    EnemyShot60Timed* r = RecordsOf<EnemyShot60Timed>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = StartFrame(modulo);
        r[i].timer = 0;
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        r[i].spareX = r[i].spareY = 0.0f;
        r[i].dx = r[i].dy = 0.0f;
        r[i].fireX = r[i].fireY = 0.0f;
        r[i].heading = a.rule.heading;
        r[i].speed = 0.0f;
        r[i].active = 0;
    }
}

void ResetShots56(const EntityArray& a) {
    const int modulo = FrameModulo(a.rule, kFrameSpread10);
    EnemyShot56* r = RecordsOf<EnemyShot56>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = StartFrame(modulo);
        r[i].timer = 0;
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        r[i].spare1 = r[i].spare2 = 0.0f;
        if ((a.rule.flags & kKeepSpare3) == 0) r[i].spare3 = 0.0f;
        r[i].dx = r[i].dy = 0.0f;
        r[i].fireX = r[i].fireY = 0.0f;
        r[i].heading = a.rule.heading;
        r[i].speed = 0.0f;
        r[i].active = 0;
    }
}

void ResetShots56Ramp(const EntityArray& a) {
    const int modulo = FrameModulo(a.rule, kFrameSpread10);
    EnemyShot56Ramp* r = RecordsOf<EnemyShot56Ramp>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = StartFrame(modulo);
        r[i].timer = 0;
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        r[i].spareX = r[i].spareY = 0.0f;
        r[i].dx = r[i].dy = 0.0f;
        r[i].fireX = r[i].fireY = 0.0f;
        r[i].heading = a.rule.heading;
        r[i].speed = 0.0f;
        r[i].ramp = 0.0f;
        r[i].active = 0;
    }
}

void ResetAimedPellets(const EntityArray& a) {
    const int modulo = FrameModulo(a.rule, kFrameZero);
    AimedPellet* r = RecordsOf<AimedPellet>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = StartFrame(modulo);
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        r[i].spare1 = r[i].spare2 = 0.0f;
        r[i].spareInt = 0;
        r[i].active = 0;
        for (float& s : r[i].spare4) s = 0.0f;
        r[i].heading = a.rule.heading;
        r[i].speed = 0.0f;
    }
}

void ResetCurveFans(const EntityArray& a) {
    const int modulo = FrameModulo(a.rule, kFrameSpread10);
    CurveFanBullet* r = RecordsOf<CurveFanBullet>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = StartFrame(modulo);
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        for (float& s : r[i].spare1) s = 0.0f;
        r[i].driftX = r[i].driftY = 0.0f;
        r[i].heading = a.rule.heading;
        r[i].speed = 0.0f;
        r[i].phase = 0.0f;
        r[i].active = 0;
    }
}

void ResetDrops(const EntityArray& a) {
    const int modulo = FrameModulo(a.rule, kFrameSpread10);
    EnemyDrop* r = RecordsOf<EnemyDrop>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = StartFrame(modulo);
        r[i].timer = 0;
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        r[i].vx = r[i].vy = 0.0f;
        r[i].spare = 0.0f;
        r[i].active = 0;
    }
}

void ResetMainShots(const EntityArray& a) {
    MainShot* r = RecordsOf<MainShot>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].x = kParkedIntX;
        r[i].y = kParkedIntY;
        r[i].active = 0;
    }
}

void ResetPhaseShots(const EntityArray& a) {
    PhaseShot* r = RecordsOf<PhaseShot>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].x = kParkedIntX;
        r[i].y = kParkedIntY;
        r[i].phase = 0.0f;
        r[i].active = 0;
    }
}

void ResetParticles(const EntityArray& a) {
    ExplosionParticle* r = RecordsOf<ExplosionParticle>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].x = kParticleParkedX;
        r[i].y = kParticleParkedY;
        r[i].active = 0;
    }
}

void ResetLocks(const EntityArray& a) {
    LockRecord* r = RecordsOf<LockRecord>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].x = kParkedIntX;
        r[i].y = kParkedIntY;
        r[i].locked = 0;
        r[i].spare = 0;
    }
}

void ResetEnemies(const EntityArray& a) {
    EnemyRecord* r = RecordsOf<EnemyRecord>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].runCounter = r[i].spare = r[i].explosionFrame = 0;
        r[i].x = kParkedX;
        r[i].y = a.rule.parkedY;
        r[i].vx = r[i].vy = 0.0f;
        r[i].busy = r[i].active = r[i].hit = 0;
    }
}

void ResetSpinEnemies(const EntityArray& a) {
    EnemyRecordSpin* r = RecordsOf<EnemyRecordSpin>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].runCounter = r[i].explosionFrame = 0;
        r[i].x = kParkedX;
        r[i].y = a.rule.parkedY;
        r[i].vx = r[i].vy = 0.0f;
        r[i].busy = r[i].active = r[i].hit = 0;
    }
}

void ResetPhasedEnemies(const EntityArray& a) {
    EnemyRecordPhased* r = RecordsOf<EnemyRecordPhased>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].runCounter = r[i].explosionFrame = r[i].spawnTimer = r[i].spare1 = 0;
        if ((a.rule.flags & kKeepPhase) == 0) r[i].phase = 0.0f;
        r[i].x = kParkedX;
        r[i].y = a.rule.parkedY;
        r[i].vx = r[i].vy = 0.0f;
        r[i].busy = r[i].active = r[i].hit = 0;
    }
}

constexpr int kExplosionStyles = 4;

void ResetSmallEnemies(const EntityArray& a) {
    SmallEnemy* r = RecordsOf<SmallEnemy>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].runCounter = r[i].frame = r[i].flameFrame = 0;
        r[i].explosionStyle = crt::rand() % kExplosionStyles;
        r[i].x = kParkedX;
        r[i].y = a.rule.parkedY;
        r[i].vx = r[i].vy = 0.0f;
        r[i].phase = 0.0f;
        r[i].busy = r[i].active = r[i].hit = 0;
    }
}

void ResetBursts(const EntityArray& a) {
    BossBurst* r = RecordsOf<BossBurst>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = 0;
        r[i].x = kParkedX;
        r[i].y = kParkedY;
    }
}

void ResetSalvos(const EntityArray& a) {
    HomingSalvo* r = RecordsOf<HomingSalvo>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].frame = 0;
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        r[i].active = 0;
        r[i].dx = r[i].dy = 0.0f;
        r[i].launchX = r[i].launchY = 0.0f;
        r[i].heading = a.rule.heading;
        r[i].speed = 0.0f;
        r[i].timer = 0.0f;
    }
}

void ResetFragments(const EntityArray& a) {
    BlastFragment* r = RecordsOf<BlastFragment>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].timer = 0.0f;
        r[i].x = kParkedX;
        r[i].y = kParkedY;
        r[i].startX = r[i].startY = 0.0f;
        r[i].heading = a.rule.heading;
        r[i].launched = 0;
        r[i].frameCounter = 0;
    }
}

void ResetSpiralShots(const EntityArray& a) {
    SpiralShot* r = RecordsOf<SpiralShot>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].x = kParkedIntX;
        r[i].y = kParkedIntY;
        r[i].active = 0;
        r[i].heading = a.rule.heading;
    }
}

void ResetSpecialEffects(const EntityArray& a) {
    SpecialEffect* r = RecordsOf<SpecialEffect>(a);
    for (int i = 0; i < a.count; ++i) {
        r[i].x = kParkedIntX;
        r[i].y = kParkedIntY;
        r[i].frame = 0;
        r[i].active = 0;
    }
}

}  // namespace

void ResetEntityArray(const EntityArray& array) {
    switch (array.kind) {
        case RecordKind::kEnemyShot:
            ResetShots(array);
            break;
        case RecordKind::kEnemyShot60:
            ResetShots60(array);
            break;
        case RecordKind::kEnemyShot60Timed:
            ResetShots60Timed(array);
            break;
        case RecordKind::kEnemyShot56:
            ResetShots56(array);
            break;
        case RecordKind::kEnemyShot56Ramp:
            ResetShots56Ramp(array);
            break;
        case RecordKind::kAimedPellet:
            ResetAimedPellets(array);
            break;
        case RecordKind::kCurveFanBullet:
            ResetCurveFans(array);
            break;
        case RecordKind::kEnemyDrop:
            ResetDrops(array);
            break;
        case RecordKind::kMainShot:
            ResetMainShots(array);
            break;
        case RecordKind::kPhaseShot:
            ResetPhaseShots(array);
            break;
        case RecordKind::kExplosionParticle:
            ResetParticles(array);
            break;
        case RecordKind::kLockRecord:
            ResetLocks(array);
            break;
        case RecordKind::kEnemyRecord:
            ResetEnemies(array);
            break;
        case RecordKind::kEnemyRecordSpin:
            ResetSpinEnemies(array);
            break;
        case RecordKind::kEnemyRecordPhased:
            ResetPhasedEnemies(array);
            break;
        case RecordKind::kSmallEnemy:
            ResetSmallEnemies(array);
            break;
        case RecordKind::kBossBurst:
            ResetBursts(array);
            break;
        case RecordKind::kHomingSalvo:
            ResetSalvos(array);
            break;
        case RecordKind::kBlastFragment:
            ResetFragments(array);
            break;
        case RecordKind::kSpiralShot:
            ResetSpiralShots(array);
            break;
        case RecordKind::kSpecialEffect:
            ResetSpecialEffects(array);
            break;
    }
}

void ResetEntityArrays(std::span<const EntityArray> arrays) {
    for (const EntityArray& array : arrays) ResetEntityArray(array);
}
