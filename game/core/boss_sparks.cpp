#include "game/core/boss_sparks.h"

#include <span>

#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/picture_slots.h"
#include "game/core/trace_hook.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/system.h"

namespace {

constexpr int kSparkOffsetX = 23;
constexpr int kMainSparkOffsetY = -6;
constexpr int kSparkSize = 14;
// Sparks vanish below the boss: 320 pixels plus a random depth.
constexpr float kVanishDepth = 320.0f;
constexpr int kMainVanishSpread = 80;
constexpr int kBurstVanishSpread = 40;
constexpr int kDriftSpread = 5;
constexpr int kFallSpread = 20;
constexpr int kRiseSpread = 12;

void Arm(std::span<ExplosionParticle> group, int x, int y, int shot) {
    for (ExplosionParticle& p : group) {
        if (p.active != 0) continue;
        p.active = 1;
        p.x = static_cast<float>(x);
        p.y = static_cast<float>(y);
        TraceArm(&p, shot, p.x, p.y);
    }
}

// Every shot record of the pool, in flight or not, arms the free sparks of its own group.
template <typename Shot, int Shots, int Sparks>
void Spawn(const Shot (&shots)[Shots], ExplosionParticle (&sparks)[Sparks], int offsetY) {
    constexpr int kPerShot = Sparks / Shots;
    static_assert(kPerShot * Shots == Sparks);
    for (int i = 0; i < Shots; ++i) {
        Arm(std::span(sparks).subspan(static_cast<std::size_t>(i * kPerShot), kPerShot),
            shots[i].x + kSparkOffsetX, shots[i].y + offsetY, i);
    }
}

void SpawnMain(const MainShot (&shots)[kMainShotPoolCount],
               ExplosionParticle (&sparks)[kMainShotSparkCount]) {
    Spawn(shots, sparks, kMainSparkOffsetY);
}

void SpawnBurst(ExplosionParticle (&sparks)[kBurstSparkCount]) {
    Spawn(BurstShots, sparks, 0);
}

// Only sparks that reach onto the screen are drawn: the blit clips to the screen, so one wholly off it
// (every parked spark) would draw nothing. The test is on the float places: one at or past the right or
// bottom edge, at or below -kSparkSize on either axis, or not a number, has a whole-pixel place off the
// screen too.
void Draw(std::span<const ExplosionParticle> sparks) {
    const float right = static_cast<float>(elSystem::State.screenWidth);
    const float bottom = static_cast<float>(elSystem::State.screenHeight);
    constexpr float kLeast = -static_cast<float>(kSparkSize);
    for (const ExplosionParticle& p : sparks) {
        if (!(p.x < right && p.y < bottom && p.x > kLeast && p.y > kLeast)) continue;
        elDraw::DrawAdditive(DrawInt(p.x), DrawInt(p.y), PicHAHEN2, 0, 0, kSparkSize, kSparkSize);
    }
}

// The vanishing spread is a constant of each call, so its remainder needs no division.
template <int VanishSpread>
void Move(std::span<ExplosionParticle> sparks, const BossRecord& boss) {
    for (ExplosionParticle& p : sparks) {
        if (p.active != 0) {
            const int right = crt::rand() % kDriftSpread;
            const int left = crt::rand() % kDriftSpread;
            p.x += static_cast<float>(right - left);
            const int fall = crt::rand() % kFallSpread;
            const int rise = crt::rand() % kRiseSpread;
            p.y += static_cast<float>(fall - rise);
        }
        const float vanish = boss.y + kVanishDepth + static_cast<float>(crt::rand() % VanishSpread);
        if (p.y >= vanish) {
            p.active = 0;
            p.x = kParticleParkedX;
            p.y = kParticleParkedY;
        }
    }
}

}  // namespace

void SpawnBossSparksA1() {
    SpawnMain(MainShots1, BossSparksA1);
}
void SpawnBossSparksA2() {
    SpawnMain(MainShots2, BossSparksA2);
}
void SpawnBossSparksA3() {
    SpawnBurst(BossSparksA3);
}
void SpawnBossSparksA4() {
    SpawnMain(MainShots1, BossSparksA4);
}
void SpawnBossSparksA5() {
    SpawnMain(MainShots2, BossSparksA5);
}
void SpawnBossSparksA6() {
    SpawnBurst(BossSparksA6);
}
void SpawnBossSparksB1() {
    SpawnMain(MainShots1, BossSparksB1);
}
void SpawnBossSparksB2() {
    SpawnMain(MainShots2, BossSparksB2);
}
void SpawnBossSparksB3() {
    SpawnBurst(BossSparksB3);
}
void SpawnBossSparksC1() {
    SpawnMain(MainShots1, BossSparksC1);
}
void SpawnBossSparksC2() {
    SpawnMain(MainShots2, BossSparksC2);
}
void SpawnBossSparksC3() {
    SpawnBurst(BossSparksC3);
}
void SpawnBossSparksC4() {
    SpawnMain(MainShots1, BossSparksC4);
}
void SpawnBossSparksC5() {
    SpawnMain(MainShots2, BossSparksC5);
}
void SpawnBossSparksC6() {
    SpawnBurst(BossSparksC6);
}

void DrawBossSparksA1() {
    Draw(BossSparksA1);
}
void DrawBossSparksA2() {
    Draw(BossSparksA2);
}
void DrawBossSparksA3() {
    Draw(BossSparksA3);
}
void DrawBossSparksB1() {
    Draw(BossSparksB1);
}
void DrawBossSparksB2() {
    Draw(BossSparksB2);
}
void DrawBossSparksB3() {
    Draw(BossSparksB3);
}
void DrawBossSparksC1() {
    Draw(BossSparksC1);
}
void DrawBossSparksC2() {
    Draw(BossSparksC2);
}
void DrawBossSparksC3() {
    Draw(BossSparksC3);
}

void MoveBossSparksA1() {
    Move<kMainVanishSpread>(BossSparksA1, BossARecord);
}
void MoveBossSparksA2() {
    Move<kMainVanishSpread>(BossSparksA2, BossARecord);
}
void MoveBossSparksA3() {
    Move<kBurstVanishSpread>(BossSparksA3, BossARecord);
}
void MoveBossSparksB1() {
    Move<kMainVanishSpread>(BossSparksB1, BossB);
}
void MoveBossSparksB2() {
    Move<kMainVanishSpread>(BossSparksB2, BossB);
}
void MoveBossSparksB3() {
    Move<kBurstVanishSpread>(BossSparksB3, BossB);
}
void MoveBossSparksC1() {
    Move<kMainVanishSpread>(BossSparksC1, BossCRecord);
}
void MoveBossSparksC2() {
    Move<kMainVanishSpread>(BossSparksC2, BossCRecord);
}
void MoveBossSparksC3() {
    Move<kBurstVanishSpread>(BossSparksC3, BossCRecord);
}
