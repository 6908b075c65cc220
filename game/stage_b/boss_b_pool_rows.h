// What boss B's battery rows share: the boss as every muzzle's source, the field's edges, angles in
// the small look builders.
#pragma once

#include "build_config.h"
#include "game/enemies/bullet_pool.h"
#include "game/stage_b/stage_b_entities.h"

namespace boss_b_rows {

inline constexpr SourceAt kBoss = PositionOf<BossB>;
inline constexpr float kRight = build::kMoverRight;
inline constexpr float kBottom = build::kMoverBottom;

// Every record is drawn (free ones lie off the screen): additive animated cells, or fixed cells by member.
constexpr PoolLook Animated(const int* picture, int size, int frames, Blit blit = Blit::kAdditive) {
    return {.picture = picture,
            .blit = blit,
            .cellWidth = size,
            .cellHeight = size,
            .frames = frames,
            .everyRecord = true};
}
constexpr PoolLook Cells(const int* picture, int width, int height, const int* memberCellX,
                         Blit blit = Blit::kAdditive, int repeat = 1) {
    return {.picture = picture,
            .blit = blit,
            .cellWidth = width,
            .cellHeight = height,
            .everyRecord = true,
            .repeat = repeat,
            .memberCellX = memberCellX};
}

// A falling set: every record drifts sideways by its member's speed (when the set drifts), the active ones
// fall at one speed and are parked below the bottom edge (and on ClearEnemyShots where the set honours it).
template <auto& Records>
constexpr BulletPool<EnemyDrop> Falling(int groupSize, const PoolLook& look, float fall, const float* drift,
                                        const HitWindow& hit, const PoolFire& fire = {},
                                        const PoolTimer& timer = {}, bool clears = true) {
    return {.records = Records,
            .count = kCountOf<Records>,
            .groupSize = groupSize,
            .look = look,
            .move = {.motion = Motion::kVelocity, .setsFall = true, .fall = fall, .drift = drift},
            .bounds = {0.0f, 0.0f, 0.0f, kBottom, kEdgeBottom},
            .honoursClear = clears,
            .hit = hit,
            .fire = fire,
            .timer = timer};
}

// A muzzle at boss + (x, y) for the one armed record.
constexpr PoolFire Muzzle(float x, float y) {
    return {.source = kBoss, .offsetX = x, .offsetY = y};
}

}  // namespace boss_b_rows
