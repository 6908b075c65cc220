#include "game/enemies/small_enemies.h"

#include <cmath>
#include <span>

#include "build_config.h"
#include "engine/draw_position.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/trace_hook.h"
#include "game/enemies/enemy_kind_rules.h"
#include "game/enemies/enemy_looks.h"
#include "game/enemies/enemy_pools.h"
#include "platform/system.h"

namespace {

// Spawn: a random x over the field, just above its top, a random fall and sideways speed.
constexpr int kSpawnWidth = 320;
constexpr float kSpawnLeft = 200.0f - build::kFieldShiftX;
constexpr float kSpawnY = -80.0f;
constexpr int kFallSpread = 70;
constexpr int kFallBase = 70;
constexpr int kSideSpread = 20;
constexpr int kSideBase = 20;

// A slot is out once its 80-pixel box has left the screen.
constexpr float kBoxSize = 80.0f;
constexpr float kRight = build::kMoverRight;
constexpr float kBottom = build::kMoverBottom;

// Following the ship sideways; weaving; circling one degree a frame at a fixed speed.
constexpr float kFollowSpeed = 50.0f;
constexpr float kWeaveRate = 10.0f;
constexpr float kWeaveTurn = 20.0f;
constexpr float kWeaveEnd = 40.0f;
constexpr float kWeaveRestart = 41.0f;
constexpr float kCircleSpeed = 170.0f;
constexpr float kOneDegree = 0.01745329238474369f;
constexpr float kFullTurn = 6.2831854820251465f;

// A speed table row: while lo <= phase <= hi the pattern takes these speeds.
struct SpeedRow {
    float lo;
    float hi;
    float vy;
    float vx;
};

// Patterns 3 and 4 fall at a fixed speed and only change sideways.
constexpr SpeedRow kDriftRows[] = {
    {0, 20, 0, 10},    {21, 40, 0, 15},    {41, 60, 0, 20},    {61, 80, 0, 30},    {81, 100, 0, 40},
    {101, 120, 0, 70}, {121, 140, 0, 120}, {141, 160, 0, 160}, {161, 380, 0, 180},
};
constexpr SpeedRow kSwerveRows[] = {
    {0, 10, 220, 0},    {11, 20, 220, 40},  {21, 30, 220, 110}, {31, 40, 220, 160}, {41, 50, 220, 210},
    {51, 60, 220, 255}, {61, 70, 220, 310}, {71, 80, 220, 240}, {81, 90, 220, 180}, {91, 200, 0, 90},
};
constexpr SpeedRow kLoopRows[] = {
    {0, 10, 320, 0},       {11, 20, 280, 40},     {21, 30, 260, 110},     {31, 40, 240, 160},
    {41, 50, 220, 180},    {51, 60, 220, 200},    {61, 70, 220, 220},     {71, 80, 220, 200},
    {81, 90, 120, 180},    {91, 100, 0, 90},      {101, 110, -90, 0},     {111, 120, -130, -30},
    {121, 130, -160, -60}, {131, 140, -190, -90}, {141, 150, -220, -180}, {151, 260, -220, -240},
};

enum class Motion : unsigned char { kFall, kFollowShip, kWeave, kPhased, kCircle };

struct Pattern {
    Motion motion;
    int sign = 1;            // which way x moves (circles: which way they turn)
    float fixedFall = 0.0f;  // a fall speed used instead of vy (0: vy)
    float phaseRate = 0.0f;
    std::span<const SpeedRow> rows = {};
    bool setsFall = false;
    float phaseEnd = 0.0f;  // the phase goes back to 0 at or past this
};

constexpr Pattern kPatterns[kSmallEnemyPatterns] = {
    {Motion::kFall},
    {Motion::kFollowShip},
    {Motion::kWeave},
    {Motion::kPhased, 1, 120.0f, 10.0f, kDriftRows, false, 381.0f},
    {Motion::kPhased, -1, 120.0f, 10.0f, kDriftRows, false, 381.0f},
    {Motion::kPhased, 1, 0.0f, 40.0f, kSwerveRows, true, 201.0f},
    {Motion::kPhased, -1, 0.0f, 40.0f, kSwerveRows, true, 201.0f},
    {Motion::kPhased, 1, 0.0f, 80.0f, kLoopRows, true, 261.0f},
    {Motion::kPhased, -1, 0.0f, 80.0f, kLoopRows, true, 261.0f},
    {Motion::kCircle, 1},
    {Motion::kCircle, -1},
};

// Looks 0 to 6.
constexpr SpriteLook kLooks[kSmallEnemyLooks] = {
    {&PicSZAK1, 60, 60, 5, 10},
    {&PicSZAK10, 70, 80, 0, 0, &PicZFIRE1, 1, {{25, -40}}},
    {&PicSZAK9, 80, 80, 0, 0, &PicZFIRE2, 2, {{5, -54}, {55, -54}}},
    {&PicSZAK6, 80, 80, 0, 0, &PicZFIRE2, 2, {{17, -38}, {43, -38}}},
    {&PicSZAK8, 80, 80, 0, 0, &PicZFIRE2, 2, {{12, -42}, {48, -42}}},
    {&PicSZAK6_1, 80, 80, 0, 0, nullptr, 0, {}, Turn::kHeadingLess90},
    {&PicSZAK6_2, 80, 80, 0, 0, nullptr, 0, {}, Turn::kHeadingPlus270},
};

constexpr KindDraw kSmallEnemyDraw{.explosion = &kSmallExplosions[0], .framesPerRun = kLongExplosionFrames};

bool IsSlot(int slot) {
    return slot >= 0 && slot < kSmallEnemyCount;
}

// The plans of the stage that last ran its slots, so that a trace can name a spawn's pattern and look.
constinit std::span<const SmallEnemySlotPlan> gTracePlans = {};

void TraceSpawn(int slot, const SmallEnemy& e) {
    if (GameTrace == nullptr) return;
    const bool planned = slot < static_cast<int>(gTracePlans.size());
    TraceRecord(TraceKind::kSpawn, &e, planned ? gTracePlans[slot].pattern : -1,
                planned ? gTracePlans[slot].look : -1, e.x, e.y);
}

void ApplyRows(SmallEnemy& e, const Pattern& p) {
    for (const SpeedRow& row : p.rows) {
        if (e.phase < row.lo || e.phase > row.hi) continue;
        if (p.setsFall) e.vy = row.vy;
        e.vx = row.vx;
    }
}

void Weave(SmallEnemy& e, float dt) {
    e.y += e.vy * dt;
    e.phase += kWeaveRate * dt;
    if (e.phase >= 0.0f && e.phase <= kWeaveTurn) e.x += e.vx * dt;
    if (e.phase >= kWeaveTurn && e.phase <= kWeaveEnd) e.x -= e.vx * dt;
    if (e.phase >= kWeaveRestart) e.phase = 0.0f;
}

// One degree a call whatever the frame time; a full turn starts over at one degree.
void Circle(SmallEnemy& e, int sign, float dt) {
    const float down = std::sin(e.heading) * e.speed;
    const float across = std::cos(e.heading) * e.speed;
    if (sign > 0) {
        e.y += down * dt;
        e.x -= across * dt;
    } else {
        e.y -= down * dt;
        e.x += across * dt;
    }
    e.speed = kCircleSpeed;
    if (sign > 0) {
        e.heading += kOneDegree;
        if (e.heading >= kFullTurn) e.heading = kOneDegree;
    } else {
        e.heading -= kOneDegree;
        if (e.heading <= -kFullTurn) e.heading = -kOneDegree;
    }
}

void ApplyPattern(SmallEnemy& e, const Pattern& p) {
    const float dt = FrameTime;
    switch (p.motion) {
        case Motion::kFall:
            e.y += e.vy * dt;
            break;
        case Motion::kFollowShip:
            e.y += e.vy * dt;
            e.x += e.vx * dt;
            if (PlayerPosition.x < e.x) e.vx = -kFollowSpeed;
            if (e.x < PlayerPosition.x) e.vx = kFollowSpeed;
            break;
        case Motion::kWeave:
            Weave(e, dt);
            break;
        case Motion::kPhased:
            e.y += (p.fixedFall != 0.0f ? p.fixedFall : e.vy) * dt;
            if (p.sign > 0) {
                e.x += e.vx * dt;
            } else {
                e.x -= e.vx * dt;
            }
            e.phase += p.phaseRate * dt;
            ApplyRows(e, p);
            if (e.phase >= p.phaseEnd) e.phase = 0.0f;
            break;
        case Motion::kCircle:
            Circle(e, p.sign, dt);
            break;
    }
}

bool OffScreen(const SmallEnemy& e) {
    return e.x + kBoxSize < 0.0f || e.x > kRight || e.y + kBoxSize < 0.0f || e.y > kBottom;
}

}  // namespace

void SpawnSmallEnemy(int slot) {
    if (!IsSlot(slot)) return;
    SmallEnemy& e = SmallEnemies[slot];
    if (!ArmFreeRecord(e)) return;
    e.x = static_cast<float>(crt::rand() % kSpawnWidth) + kSpawnLeft;
    e.y = kSpawnY;
    e.explosionStyle = crt::rand() % kSmallExplosionVariants;
    e.vy = static_cast<float>(crt::rand() % kFallSpread + kFallBase);
    e.vx = static_cast<float>(crt::rand() % kSideSpread + kSideBase);
    e.flameFrame = 0;
    e.phase = 0.0f;
    e.heading = 0.0f;
    TraceSpawn(slot, e);
}

void MoveSmallEnemy(int slot, int pattern) {
    if (!IsSlot(slot) || pattern < 0 || pattern >= kSmallEnemyPatterns) return;
    SmallEnemy& e = SmallEnemies[slot];
    if (e.active != 0) ApplyPattern(e, kPatterns[pattern]);
    if (!OffScreen(e)) return;
    if (e.active != 0) TraceRecord(TraceKind::kLeave, &e, pattern, 0, e.x, e.y);
    FreeRecord(e, kParkedX, kParkedY);
}

void DrawSmallEnemy(int slot, int look) {
    if (!IsSlot(slot) || look < 0 || look >= kSmallEnemyLooks) return;
    SmallEnemy& e = SmallEnemies[slot];
    const int style =
        e.explosionStyle >= 0 && e.explosionStyle < kSmallExplosionVariants ? e.explosionStyle : 0;
    KindDraw draw = kSmallEnemyDraw;
    draw.explosion = &kSmallExplosions[style];
    const SpriteLook& sprite = kLooks[look];
    DrawKindRecord(e, draw, nullptr, [&sprite](SmallEnemy& r) {
        DrawSpriteLook(sprite, DrawInt(r.x), DrawInt(r.y), r.flameFrame, r.heading);
        if (sprite.flameCount > 0) r.flameFrame = NextFlameFrame(r.flameFrame);
    });
}

void RunSmallEnemySlots(std::span<const SmallEnemySlotPlan> plans) {
    gTracePlans = plans;
    for (int slot = 0; slot < static_cast<int>(plans.size()); ++slot) {
        MoveSmallEnemy(slot, plans[slot].pattern);
        DrawSmallEnemy(slot, plans[slot].look);
    }
}
