// Every enemy bullet lives in a pool: one global array of one record type, described by a BulletPool row.
// The rows differ only in numbers (pictures, offsets, speeds, bounds, hit windows, timers); the routines
// below are written once and read the row. A pool's own routines (DrawPellets07, FireBossASpread01 ...)
// are one-line calls of these.
//
// A record is in use while its active flag is 1. Records are armed in place, never allocated.
#pragma once

#include "game/core/records.h"

// The group argument that means "every group of the pool".
inline constexpr int kAllGroups = -1;

// The number of records of a pool's array, for its row.
template <auto& Records>
inline constexpr int kCountOf = static_cast<int>(sizeof(Records) / sizeof(Records[0]));

// An angle of the tables, in the radians the records hold.
constexpr double Degrees(double degrees) {
    return degrees * 0.017453292519943295;
}

// ---- Drawing -------------------------------------------------------------------------------------------

enum class Blit : unsigned char {
    kAdditive,  // elDraw::DrawAdditive of the cell at (x + offsetX, y + offsetY)
    kKeyed,     // elDraw::Draw, colour-keyed, at (x + offsetX, y + offsetY)
    kRotated,   // elDraw::DrawRotated of the cell into (x + offsetX, y + offsetY)-(x + boxRight, y +
                // boxBottom)
};

// The whole-degree angle a rotated draw passes, from the heading's degrees (heading x 180 / pi).
enum class Angle : unsigned char {
    k270MinusDegrees,  // 270 - the degrees truncated toward zero
    kCarrier,          // 360 - the degrees - 90, in floating point, then truncated
    kDegrees,          // the degrees truncated
    kNegatedDegrees,   // minus the truncated degrees
};

struct PoolLook {
    const int* picture = nullptr;  // the picture slot global
    Blit blit = Blit::kAdditive;
    int cellWidth = 16;
    int cellHeight = 16;
    // Animation frames: cells side by side, frame f at f x cellWidth; 1 draws cell 0 and never animates.
    int frames = 1;
    int offsetX = 0;
    int offsetY = 0;
    int boxRight = 30;
    int boxBottom = 30;
    Angle angle = Angle::k270MinusDegrees;
    bool everyRecord = false;  // draw inactive records too (they lie off the screen)
    int repeat = 1;            // blits of each record per draw
    // A fixed cell for each member of a group, by its left edge (replaces the animation).
    const int* memberCellX = nullptr;
    // A picture slot global for each member of a group (replaces `picture` for drawing).
    const int* const* memberPicture = nullptr;
    // Rotated draws only: take the angle from this pool's record of the same group instead.
    const EnemyShot60* headingOf = nullptr;
    bool storeDegrees = false;  // write the whole degrees into the record (EnemyShot)
};

// ---- Motion, bounds and hits --------------------------------------------------------------------------

enum class Motion : unsigned char {
    kHeading,          // y += sin(heading) speed dt, x += cos(heading) speed dt
    kHeadingBackward,  // the same, subtracted
    kVelocity,         // y += vy dt, x += sideSign vx dt
    kCurve,            // curving fan: heading motion with a per-frame turn and a growing drift
    kPhaseSteps,       // whole-pixel steps chosen by windows on a phase clock
};

// One row of a phase-step table: while lo <= phase <= hi the particle steps (dx, dy) pixels a frame.
struct PhaseStep {
    float lo;
    float hi;
    int dx;
    int dy;
};

struct PoolMove {
    Motion motion = Motion::kHeading;
    // Velocity records: the sign vx is applied with (0: x does not move), and speeds written each move.
    int sideSign = 0;
    bool setsFall = false;
    float fall = 0.0f;  // vy := fall before the step
    bool setsSide = false;
    float side = 0.0f;  // vx := side before the step
    // Sideways drift of each member of a group, px/s, applied `driftRepeat` times a frame to every
    // record, free ones included.
    const float* drift = nullptr;
    int driftRepeat = 1;
    // Drift phase of a heading record (uses the record's ramp): while the ramp is at most its limit the
    // record also slides rampSide x half its speed sideways and a tenth of its speed down.
    int rampSide = 0;
    // Curving fans: moveSign -1 moves against the heading; turn per frame; drift constant per member.
    int moveSign = 1;
    float turn = 0.0f;
    const float* curveDrift = nullptr;
    // Phase steps: phase rate per second, the rows, and the sign of every x step.
    float phaseRate = 0.0f;
    const PhaseStep* steps = nullptr;
    int stepCount = 0;
    int stepSign = 1;
};

inline constexpr unsigned kEdgeLeft = 1u;
inline constexpr unsigned kEdgeTop = 2u;
inline constexpr unsigned kEdgeRight = 4u;
inline constexpr unsigned kEdgeBottom = 8u;
inline constexpr unsigned kAllEdges = kEdgeLeft | kEdgeTop | kEdgeRight | kEdgeBottom;

// Out when x + left < 0, y + top < 0, x > right or y > bottom (each strict), for the edges tested.
struct PoolBounds {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
    unsigned edges = kAllEdges;
};

enum class Retire : unsigned char {
    kPark,          // an active record out of bounds is parked, and every record on ClearEnemyShots
    kParkActive,    // as kPark, but ClearEnemyShots parks only the active records
    kGroupInPlace,  // when a group's first record is out, the group's records are freed where they are
    kCurveGroup,    // as kGroupInPlace, every record also back to phase 0, no drift, the start heading
    kPhaseBottom,   // an active record below the bottom edge is freed with phase 0 where it is
};

// The ship is hit when left <= x - ship x <= right and top <= y - ship y <= bottom.
struct HitWindow {
    float left = 0.0f;
    float right = 0.0f;
    float top = 0.0f;
    float bottom = 0.0f;
};

// ---- Arming ---------------------------------------------------------------------------------------------

enum class Aim : unsigned char {
    kNone,          // velocity records, or a heading left as it is
    kPlayer,        // at the ship plus (aimX, aimY), with the fan offset and extra angle
    kFixedHeading,  // record index x fanStep radians
    kStartHeading,  // PoolMove's curve start: startHeading, with phase and drift cleared
};

enum class Speed : unsigned char {
    kNone,      // left as it is
    kConstant,  // value
    kByIndex,   // speeds[member]
    kRandom,    // rand() % randomModulo + randomBase
};

// Which records an arming call places.
enum class Place : unsigned char {
    kRecord,   // the armed record's x and y
    kGroupY,   // the armed record's x; the y of every member of its group
    kGroupX,   // the x of every member of its group; the armed record's y
    kGroupXY,  // x and y of every member of its group
};

// Where a pool's source stands: a kind's record (by slot) or a boss. Fire routines read the position only,
// active or not, so a parked source arms its bullets below the screen.
using SourceAt = FloatPoint (*)(int slot);

// The record of a kind paired with the pool's slot; a slot outside the kind stands at the parked place.
template <auto& Records>
FloatPoint SlotOf(int slot) {
    constexpr int kCount = static_cast<int>(sizeof(Records) / sizeof(Records[0]));
    if (slot < 0 || slot >= kCount) return FloatPoint{kParkedX, kParkedY};
    return FloatPoint{Records[slot].x, Records[slot].y};
}

// A single source (a boss, or a kind of one record), whatever the slot.
template <auto& Record>
FloatPoint PositionOf(int) {
    if constexpr (requires { Record.x; }) {
        return FloatPoint{Record.x, Record.y};
    } else {
        return FloatPoint{Record[0].x, Record[0].y};
    }
}

struct PoolFire {
    SourceAt source = nullptr;
    float offsetX = 0.0f;
    float offsetY = 0.0f;
    const float* memberX = nullptr;  // per-member offsets, used instead of offsetX / offsetY
    const float* memberY = nullptr;
    Place place = Place::kRecord;
    Aim aim = Aim::kNone;
    float aimX = 0.0f;
    float aimY = 0.0f;
    // Fan offset: (member, or pool index with fanFromPoolStart) x fanStep - fanBase, plus extraAngle.
    double fanStep = 0.0;
    double fanBase = 0.0;
    bool fanFromPoolStart = false;
    double extraAngle = 0.0;
    float startHeading = 0.0f;
    Speed speed = Speed::kNone;
    float value = 0.0f;
    const float* speeds = nullptr;
    int randomModulo = 1;
    int randomBase = 0;
    bool rewriteGroupSpeeds = false;  // each arming writes the index speeds of the whole group
    // Velocity records: the speed rule gives vy; vx is sideSpeed, or vxFromVy x vy when that is not 0.
    float sideSpeed = 0.0f;
    int vxFromVy = 0;
    bool writesVelocity = false;
    bool resetsRamp = false;
    int strength = 0;  // phase-step particles
};

// Per-record volley timers (count += 1, wrapTo at wrap, fire at the group's trigger), or one shared
// counter (count += 1, wrapTo at wrap, record k fires when the counter is period x (k + firstMultiple)).
struct PoolTimer {
    int wrap = 0;
    int wrapTo = 0;
    const int* triggers = nullptr;
    int* counter = nullptr;
    int period = 0;
    int firstMultiple = 0;
};

template <typename Record>
struct BulletPool {
    Record* records = nullptr;
    int count = 0;
    int groupSize = 1;
    PoolLook look = {};
    PoolMove move = {};
    PoolBounds bounds = {};
    Retire retire = Retire::kPark;
    bool honoursClear = false;
    HitWindow hit = {};
    bool hitsEveryRecord = false;  // hit-test free records too
    bool hitParks = false;         // a record that hits the ship is parked
    PoolFire fire = {};
    PoolTimer timer = {};
};

// Draws the pool's records (one group, or all) with its own look or with another.
template <typename Record>
void DrawPool(const BulletPool<Record>& pool, int group = kAllGroups);
template <typename Record>
void DrawPoolLook(const BulletPool<Record>& pool, const PoolLook& look, int group = kAllGroups);
// Moves the records, frees those that leave and tests each against the ship.
template <typename Record>
void MovePool(const BulletPool<Record>& pool, int group = kAllGroups);
// Arms every free record of the group (or of every group).
template <typename Record>
void FirePool(const BulletPool<Record>& pool, int group = kAllGroups);
// Arms record `index` if it is free; `first` is the first record of its group, which the record's place
// in the group counts from. A record outside the group that starts at `first` is not armed.
template <typename Record>
void ArmPoolRecord(const BulletPool<Record>& pool, int index, int first);
// Advances the per-record volley timers, or the shared counter, and arms what is due.
template <typename Record>
void TickPoolTimers(const BulletPool<Record>& pool);
template <typename Record>
void TickPoolCounter(const BulletPool<Record>& pool);

// The aim rule every aimed bullet shares: heading toward (dx, dy) plus an offset in radians; straight
// down (plus the offset) when dx is exactly 0, turned by pi when dx < 0 or when dx = 0 and dy <= 0.
float AimHeading(float dx, float dy, double offset);
// The whole degrees of a heading, truncated toward zero through the saturating conversion.
int HeadingDegrees(float heading);
