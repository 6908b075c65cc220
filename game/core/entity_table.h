// A table entry per entity array: its name, record kind, place and length, and how the stage reset
// writes its records. Each subsystem lists its own arrays; the reset walks those lists.
#pragma once

#include <cstddef>
#include <span>

#include "game/core/records.h"

enum class RecordKind : int {
    kEnemyShot,
    kEnemyShot60,
    kEnemyShot60Timed,
    kEnemyShot56,
    kEnemyShot56Ramp,
    kAimedPellet,
    kCurveFanBullet,
    kEnemyDrop,
    kMainShot,
    kPhaseShot,
    kExplosionParticle,
    kLockRecord,
    kEnemyRecord,
    kEnemyRecordSpin,
    kEnemyRecordPhased,
    kSmallEnemy,
    kBossBurst,
    kHomingSalvo,
    kBlastFragment,
    kSpiralShot,
    kSpecialEffect,
};

// Start frames: the kind's own (rand() % 7 or % 10, or 0), frame 0, or rand() % 7 or % 10.
inline constexpr int kKindFrame = -1;
inline constexpr int kFrameZero = 0;
inline constexpr int kFrameSpread7 = 7;
inline constexpr int kFrameSpread10 = 10;

// Reset flags.
inline constexpr unsigned kKeepSpare3 = 1u;  // EnemyShot56: leave the third spare as it is
inline constexpr unsigned kKeepPhase = 2u;   // EnemyRecordPhased: leave the phase clock as it is

struct ResetRule {
    int frameModulo = kKindFrame;  // kKindFrame, kFrameZero, or the modulo of the random start frame
    float heading = kStartHeading;
    float parkedY = kParkedY;  // float-position enemy records only
    unsigned flags = 0;
};

struct EntityArray {
    const char* name;
    RecordKind kind;
    void* records;
    int count;
    ResetRule rule;
};

constexpr RecordKind KindOf(EnemyShot*) {
    return RecordKind::kEnemyShot;
}
constexpr RecordKind KindOf(EnemyShot60*) {
    return RecordKind::kEnemyShot60;
}
constexpr RecordKind KindOf(EnemyShot60Timed*) {
    return RecordKind::kEnemyShot60Timed;
}
constexpr RecordKind KindOf(EnemyShot56*) {
    return RecordKind::kEnemyShot56;
}
constexpr RecordKind KindOf(EnemyShot56Ramp*) {
    return RecordKind::kEnemyShot56Ramp;
}
constexpr RecordKind KindOf(AimedPellet*) {
    return RecordKind::kAimedPellet;
}
constexpr RecordKind KindOf(CurveFanBullet*) {
    return RecordKind::kCurveFanBullet;
}
constexpr RecordKind KindOf(EnemyDrop*) {
    return RecordKind::kEnemyDrop;
}
constexpr RecordKind KindOf(MainShot*) {
    return RecordKind::kMainShot;
}
constexpr RecordKind KindOf(PhaseShot*) {
    return RecordKind::kPhaseShot;
}
constexpr RecordKind KindOf(ExplosionParticle*) {
    return RecordKind::kExplosionParticle;
}
constexpr RecordKind KindOf(LockRecord*) {
    return RecordKind::kLockRecord;
}
constexpr RecordKind KindOf(EnemyRecord*) {
    return RecordKind::kEnemyRecord;
}
constexpr RecordKind KindOf(EnemyRecordSpin*) {
    return RecordKind::kEnemyRecordSpin;
}
constexpr RecordKind KindOf(EnemyRecordPhased*) {
    return RecordKind::kEnemyRecordPhased;
}
constexpr RecordKind KindOf(SmallEnemy*) {
    return RecordKind::kSmallEnemy;
}
constexpr RecordKind KindOf(BossBurst*) {
    return RecordKind::kBossBurst;
}
constexpr RecordKind KindOf(HomingSalvo*) {
    return RecordKind::kHomingSalvo;
}
constexpr RecordKind KindOf(BlastFragment*) {
    return RecordKind::kBlastFragment;
}
constexpr RecordKind KindOf(SpiralShot*) {
    return RecordKind::kSpiralShot;
}
constexpr RecordKind KindOf(SpecialEffect*) {
    return RecordKind::kSpecialEffect;
}

// One table entry for a global array; its length comes from the array itself.
template <typename T, std::size_t N>
constexpr EntityArray Entity(const char* name, T (&records)[N], ResetRule rule = {}) {
    return EntityArray{name, KindOf(records), records, static_cast<int>(N), rule};
}

// Gives every record of the array the start values of its kind, record by record in array order, with
// the start frames drawn from the C runtime's generator.
void ResetEntityArray(const EntityArray& array);
void ResetEntityArrays(std::span<const EntityArray> arrays);
