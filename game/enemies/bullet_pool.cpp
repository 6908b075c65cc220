#include "game/enemies/bullet_pool.h"

#include <cmath>
#include <type_traits>

#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/trace_hook.h"
#include "platform/system.h"

namespace {

constexpr float kPi = 3.1415927410125732f;
constexpr float kHalfPi = 1.5707963705062866f;
constexpr double kDegreesPerRadian = 57.29577951308232;
// The drift phase of a ramped heading record: the ramp grows 260 a second up to 300.
constexpr float kRampRate = 260.0f;
constexpr float kRampLimit = 300.0f;
constexpr float kRampSideShare = 0.5f;
constexpr float kRampFallDivisor = 10.0f;
// The curve clock of a curving fan: 20 a second; it turns while the clock is at most 17, then holds 18.
constexpr float kCurveRate = 20.0f;
constexpr float kCurveTurnEnd = 17.0f;
constexpr float kCurveHold = 18.0f;

template <typename R>
concept HasTimer = requires(R r) {
    r.timer;
};
template <typename R>
concept HasAim = requires(R r) {
    r.dx;
    r.fireX;
};
template <typename R>
concept HasHeading = requires(R r) {
    r.heading;
    r.speed;
};
template <typename R>
concept HasVelocity = requires(R r) {
    r.vx;
    r.vy;
};
template <typename R>
concept HasRamp = requires(R r) {
    r.ramp;
};
template <typename R>
concept HasDegrees = requires(R r) {
    r.degrees;
};
template <typename R>
concept HasFrame = requires(R r) {
    r.frame;
};
template <typename R>
inline constexpr bool kIsCurve = std::is_same_v<R, CurveFanBullet>;
template <typename R>
inline constexpr bool kIsPhase = std::is_same_v<R, PhaseShot>;

struct Range {
    int begin;
    int end;
};

template <typename R>
Range GroupRange(const BulletPool<R>& pool, int group) {
    if (group == kAllGroups) return {0, pool.count};
    const int size = pool.groupSize > 0 ? pool.groupSize : 1;
    if (group < 0 || group >= (pool.count + size - 1) / size) return {0, 0};
    const int begin = group * size;
    const int end = begin + size < pool.count ? begin + size : pool.count;
    return {begin, end};
}

template <typename R>
int GroupFirst(const BulletPool<R>& pool, int index) {
    const int size = pool.groupSize > 0 ? pool.groupSize : 1;
    return index - index % size;
}

// The group that an arming call names by its first record: `first` and the records after it, up to the
// group size.
template <typename R>
Range GroupFrom(const BulletPool<R>& pool, int first) {
    const int size = pool.groupSize > 0 ? pool.groupSize : 1;
    return {first, first + size < pool.count ? first + size : pool.count};
}

template <typename R>
float RecordX(const R& r) {
    if constexpr (kIsPhase<R>) {
        return static_cast<float>(r.x);
    } else {
        return r.x;
    }
}
template <typename R>
float RecordY(const R& r) {
    if constexpr (kIsPhase<R>) {
        return static_cast<float>(r.y);
    } else {
        return r.y;
    }
}
template <typename R>
int PixelX(const R& r) {
    if constexpr (kIsPhase<R>) {
        return r.x;
    } else {
        return DrawInt(r.x);
    }
}
template <typename R>
int PixelY(const R& r) {
    if constexpr (kIsPhase<R>) {
        return r.y;
    } else {
        return DrawInt(r.y);
    }
}

template <typename R>
void Park(R& r) {
    r.active = 0;
    if constexpr (!kIsPhase<R>) {
        r.x = kParkedX;
        r.y = kParkedY;
    }
}

bool OutOfBounds(const PoolBounds& b, float x, float y) {
    return ((b.edges & kEdgeLeft) != 0 && x + b.left < 0.0f) ||
           ((b.edges & kEdgeTop) != 0 && y + b.top < 0.0f) || ((b.edges & kEdgeRight) != 0 && x > b.right) ||
           ((b.edges & kEdgeBottom) != 0 && y > b.bottom);
}

int RotationAngle(Angle rule, float heading) {
    switch (rule) {
        case Angle::k270MinusDegrees:
            return 270 - HeadingDegrees(heading);
        case Angle::kCarrier:
            return DrawInt(360.0 - static_cast<double>(heading) * kDegreesPerRadian - 90.0);
        case Angle::kDegrees:
            return HeadingDegrees(heading);
        case Angle::kNegatedDegrees:
            return -HeadingDegrees(heading);
    }
    return 0;
}

// ---- Drawing ---------------------------------------------------------------------------------------------

template <typename R>
void DrawRecord(const BulletPool<R>& pool, const PoolLook& look, R& r, int index) {
    const int x = PixelX(r);
    const int y = PixelY(r);
    const int picture =
        look.memberPicture != nullptr ? *look.memberPicture[index - GroupFirst(pool, index)] : *look.picture;
    if (look.blit == Blit::kRotated) {
        float heading = 0.0f;
        if (look.headingOf != nullptr) {
            heading = look.headingOf[index / (pool.groupSize > 0 ? pool.groupSize : 1)].heading;
        } else if constexpr (HasHeading<R>) {
            heading = r.heading;
        }
        const int angle = RotationAngle(look.angle, heading);
        for (int k = 0; k < look.repeat; ++k) {
            elDraw::DrawRotated(x + look.offsetX, y + look.offsetY, x + look.boxRight, y + look.boxBottom,
                                angle, picture, 0, 0, look.cellWidth, look.cellHeight);
        }
        if constexpr (HasDegrees<R>) {
            if (look.storeDegrees) r.degrees = HeadingDegrees(heading);
        }
        return;
    }
    int cellLeft = 0;
    if (look.memberCellX != nullptr) {
        cellLeft = look.memberCellX[index - GroupFirst(pool, index)];
    } else if constexpr (HasFrame<R>) {
        if (look.frames > 1) {
            const int frame = r.frame >= 0 && r.frame < look.frames ? r.frame : 0;
            cellLeft = frame * look.cellWidth;
        }
    }
    const int dx = x + look.offsetX;
    const int dy = y + look.offsetY;
    for (int k = 0; k < look.repeat; ++k) {
        if (look.blit == Blit::kAdditive) {
            elDraw::DrawAdditive(dx, dy, picture, cellLeft, 0, cellLeft + look.cellWidth, look.cellHeight);
        } else {
            elDraw::Draw(dx, dy, picture, cellLeft, 0, cellLeft + look.cellWidth, look.cellHeight);
        }
    }
    if constexpr (HasFrame<R>) {
        // A frame past the strip (a start frame meant for a longer one) shows cell 0 and starts over.
        if (look.memberCellX == nullptr && look.frames > 1) {
            r.frame = r.frame >= 0 && r.frame + 1 < look.frames ? r.frame + 1 : 0;
        }
    }
}

// ---- Motion ----------------------------------------------------------------------------------------------

template <typename R>
void Drift(const PoolMove& move, R& r, int member) {
    if constexpr (!kIsPhase<R>) {
        const float speed = move.drift[member];
        for (int k = 0; k < move.driftRepeat; ++k) r.x += speed * FrameTime;
    }
}

template <typename R>
void Step(const PoolMove& move, R& r, int member) {
    const float dt = FrameTime;
    if constexpr (kIsPhase<R>) {
        r.phase += move.phaseRate * dt;
        for (int k = 0; k < move.stepCount; ++k) {
            const PhaseStep& row = move.steps[k];
            if (r.phase < row.lo || r.phase > row.hi) continue;
            r.x += move.stepSign * row.dx;
            r.y += row.dy;
        }
    } else if constexpr (kIsCurve<R>) {
        const float sign = static_cast<float>(move.moveSign);
        r.y += sign * (std::sin(r.heading) * r.speed * dt);
        r.x += sign * (std::cos(r.heading) * r.speed * dt);
        r.phase += kCurveRate * dt;
        if (r.phase >= 0.0f && r.phase <= kCurveTurnEnd) r.heading += move.turn;
        if (r.phase >= kCurveTurnEnd) r.phase = kCurveHold;
        r.y -= r.driftY * dt;
        r.driftY = move.curveDrift[member];
        r.x += sign * (r.driftX * dt);
        r.driftX = move.curveDrift[member];
    } else if (move.motion == Motion::kVelocity) {
        if constexpr (HasVelocity<R>) {
            if (move.setsFall) r.vy = move.fall;
            if (move.setsSide) r.vx = move.side;
            r.y += r.vy * dt;
            if (move.sideSign < 0) r.x -= r.vx * dt;
            if (move.sideSign > 0) r.x += r.vx * dt;
        }
    } else if constexpr (HasHeading<R>) {
        if constexpr (HasRamp<R>) {
            if (move.rampSide != 0) {
                r.ramp += kRampRate * dt;
                if (r.ramp <= kRampLimit) {
                    r.x += static_cast<float>(move.rampSide) * (kRampSideShare * r.speed * dt);
                    r.y += r.speed * dt / kRampFallDivisor;
                }
                if (r.ramp > kRampLimit) r.ramp = kRampLimit;
            }
        }
        const float stepY = std::sin(r.heading) * r.speed * dt;
        const float stepX = std::cos(r.heading) * r.speed * dt;
        if (move.motion == Motion::kHeadingBackward) {
            r.y -= stepY;
            r.x -= stepX;
        } else {
            r.y += stepY;
            r.x += stepX;
        }
    }
}

template <typename R>
void ResetCurve(const BulletPool<R>& pool, R& r) {
    if constexpr (kIsCurve<R>) {
        r.active = 0;
        r.phase = 0.0f;
        r.heading = pool.fire.startHeading;
        r.driftX = 0.0f;
        r.driftY = 0.0f;
    }
}

template <typename R>
void RetireRecord(const BulletPool<R>& pool, R& r, int first) {
    const bool clear = pool.honoursClear && ClearEnemyShots == 1;
    switch (pool.retire) {
        case Retire::kPark:
            if (clear || (r.active != 0 && OutOfBounds(pool.bounds, RecordX(r), RecordY(r)))) Park(r);
            break;
        case Retire::kParkActive:
            // Free records stay where their drift has taken them.
            if (r.active != 0 && (clear || OutOfBounds(pool.bounds, RecordX(r), RecordY(r)))) Park(r);
            break;
        case Retire::kGroupInPlace: {
            // A group cleared from the screen is parked whole: freed in place its records would stay
            // hittable where they were.
            const R& lead = pool.records[first];
            if (clear) {
                Park(r);
            } else if (OutOfBounds(pool.bounds, RecordX(lead), RecordY(lead))) {
                r.active = 0;
            }
            break;
        }
        case Retire::kCurveGroup: {
            const R& lead = pool.records[first];
            if (clear) {
                Park(r);
            } else if (OutOfBounds(pool.bounds, RecordX(lead), RecordY(lead))) {
                ResetCurve(pool, r);
            }
            break;
        }
        case Retire::kPhaseBottom:
            if constexpr (kIsPhase<R>) {
                if (r.active != 0 && OutOfBounds(pool.bounds, RecordX(r), RecordY(r))) {
                    r.active = 0;
                    r.phase = 0.0f;
                }
            }
            break;
    }
}

template <typename R>
void HitTest(const BulletPool<R>& pool, R& r) {
    if (PlayerAlive == 0) return;
    if (!pool.hitsEveryRecord && r.active == 0) return;
    const float dx = RecordX(r) - PlayerPosition.x;
    const float dy = RecordY(r) - PlayerPosition.y;
    const HitWindow& w = pool.hit;
    // Written so that a position that is not a number never hits.
    if (!(dx >= w.left && dx <= w.right && dy >= w.top && dy <= w.bottom)) return;
    PlayerAlive = 0;
    if (pool.hitParks) Park(r);
}

// ---- Arming ----------------------------------------------------------------------------------------------

float MemberOffset(const float* members, float single, int member) {
    return members != nullptr ? members[member] : single;
}

template <typename R>
void PlaceRecord(const BulletPool<R>& pool, R& r, FloatPoint src, int first, int member) {
    const PoolFire& f = pool.fire;
    const Range group = GroupFrom(pool, first);
    const bool groupX = f.place == Place::kGroupX || f.place == Place::kGroupXY;
    const bool groupY = f.place == Place::kGroupY || f.place == Place::kGroupXY;
    if constexpr (kIsPhase<R>) {
        r.x = DrawInt(src.x) + static_cast<int>(f.offsetX);
        r.y = DrawInt(src.y) + static_cast<int>(f.offsetY);
        r.strength = f.strength;
    } else {
        if (groupX) {
            for (int j = group.begin; j < group.end; ++j) {
                pool.records[j].x = src.x + MemberOffset(f.memberX, f.offsetX, j - group.begin);
            }
        } else {
            r.x = src.x + MemberOffset(f.memberX, f.offsetX, member);
        }
        if (groupY) {
            for (int j = group.begin; j < group.end; ++j) {
                pool.records[j].y = src.y + MemberOffset(f.memberY, f.offsetY, j - group.begin);
            }
        } else {
            r.y = src.y + MemberOffset(f.memberY, f.offsetY, member);
        }
    }
}

template <typename R>
float SpeedOf(const PoolFire& f, int member) {
    switch (f.speed) {
        case Speed::kConstant:
            return f.value;
        case Speed::kByIndex:
            return f.speeds[member];
        case Speed::kRandom:
            return static_cast<float>(crt::rand() % f.randomModulo + f.randomBase);
        case Speed::kNone:
            break;
    }
    return 0.0f;
}

template <typename R>
void WriteSpeed(const PoolFire& f, R& r, float speed) {
    if constexpr (HasHeading<R>) {
        r.speed = speed;
    } else if constexpr (HasVelocity<R>) {
        if (!f.writesVelocity) return;
        r.vy = speed;
        r.vx = f.vxFromVy != 0 ? static_cast<float>(f.vxFromVy) * speed : f.sideSpeed;
    }
}

template <typename R>
void SetSpeeds(const BulletPool<R>& pool, R& r, int first, int member) {
    const PoolFire& f = pool.fire;
    if (f.speed == Speed::kNone) {
        if constexpr (HasVelocity<R>) {
            if (f.writesVelocity) r.vx = f.sideSpeed;
        }
        return;
    }
    if (f.speed == Speed::kByIndex && f.rewriteGroupSpeeds) {
        const Range group = GroupFrom(pool, first);
        for (int j = group.begin; j < group.end; ++j)
            WriteSpeed(f, pool.records[j], f.speeds[j - group.begin]);
        return;
    }
    WriteSpeed(f, r, SpeedOf<R>(f, member));
}

template <typename R>
void SetHeading(const BulletPool<R>& pool, R& r, int index, int member) {
    if constexpr (HasHeading<R>) {
        const PoolFire& f = pool.fire;
        switch (f.aim) {
            case Aim::kPlayer: {
                const float dx = (PlayerPosition.x + f.aimX) - r.x;
                const float dy = (PlayerPosition.y + f.aimY) - r.y;
                if constexpr (HasAim<R>) {
                    r.dx = dx;
                    r.dy = dy;
                }
                const int fanIndex = f.fanFromPoolStart ? index : member;
                r.heading = AimHeading(dx, dy, fanIndex * f.fanStep - f.fanBase + f.extraAngle);
                break;
            }
            case Aim::kFixedHeading:
                r.heading = static_cast<float>(index * f.fanStep);
                break;
            case Aim::kStartHeading:
                r.heading = f.startHeading;
                if constexpr (kIsCurve<R>) {
                    r.phase = 0.0f;
                    r.driftX = 0.0f;
                    r.driftY = 0.0f;
                }
                break;
            case Aim::kNone:
                break;
        }
    }
}

}  // namespace

float AimHeading(float dx, float dy, double offset) {
    // The slope in single precision, its angle in double, rounded once.
    const float base = dx == 0.0f ? kHalfPi : static_cast<float>(std::atan(static_cast<double>(dy / dx)));
    float heading = static_cast<float>(static_cast<double>(base) + offset);
    if (dx < 0.0f || (dx == 0.0f && dy <= 0.0f)) heading += kPi;
    return heading;
}

int HeadingDegrees(float heading) {
    return DrawInt(static_cast<double>(heading) * kDegreesPerRadian);
}

template <typename R>
void DrawPoolLook(const BulletPool<R>& pool, const PoolLook& look, int group) {
    if (look.picture == nullptr) return;
    const Range range = GroupRange(pool, group);
    for (int i = range.begin; i < range.end; ++i) {
        R& r = pool.records[i];
        if (!look.everyRecord && r.active == 0) continue;
        DrawRecord(pool, look, r, i);
    }
}

template <typename R>
void DrawPool(const BulletPool<R>& pool, int group) {
    DrawPoolLook(pool, pool.look, group);
}

template <typename R>
void MovePool(const BulletPool<R>& pool, int group) {
    const Range range = GroupRange(pool, group);
    for (int i = range.begin; i < range.end; ++i) {
        R& r = pool.records[i];
        const int first = GroupFirst(pool, i);
        if (pool.move.drift != nullptr) Drift(pool.move, r, i - first);
        if (r.active != 0) Step(pool.move, r, i - first);
        RetireRecord(pool, r, first);
        HitTest(pool, r);
    }
}

template <typename R>
void ArmPoolRecord(const BulletPool<R>& pool, int index, int first) {
    if (index < 0 || index >= pool.count || first < 0 || first >= pool.count) return;
    R& r = pool.records[index];
    if (r.active != 0) return;
    const PoolFire& f = pool.fire;
    const int size = pool.groupSize > 0 ? pool.groupSize : 1;
    // The record's place in the group that starts at `first`; a record outside that group is not armed.
    const int member = index - first;
    if (member < 0 || member >= size) return;
    const FloatPoint src = f.source != nullptr ? f.source(index / size) : FloatPoint{kParkedX, kParkedY};
    r.active = 1;
    PlaceRecord(pool, r, src, first, member);
    if constexpr (HasAim<R>) {
        r.fireX = r.x;
        r.fireY = r.y;
    }
    SetSpeeds(pool, r, first, member);
    SetHeading(pool, r, index, member);
    if constexpr (HasRamp<R>) {
        if (f.resetsRamp) r.ramp = 0.0f;
    }
    TraceArm(&r, index / size, RecordX(r), RecordY(r));
}

template <typename R>
void FirePool(const BulletPool<R>& pool, int group) {
    const Range range = GroupRange(pool, group);
    for (int i = range.begin; i < range.end; ++i) {
        if (pool.records[i].active == 0) ArmPoolRecord(pool, i, GroupFirst(pool, i));
    }
}

template <typename R>
void TickPoolTimers(const BulletPool<R>& pool) {
    if constexpr (HasTimer<R>) {
        const PoolTimer& t = pool.timer;
        for (int i = 0; i < pool.count; ++i) {
            R& r = pool.records[i];
            r.timer += 1;
            if (r.timer >= t.wrap) r.timer = t.wrapTo;
        }
        if (t.triggers == nullptr) return;
        for (int i = 0; i < pool.count; ++i) {
            const int first = GroupFirst(pool, i);
            const int group = first / (pool.groupSize > 0 ? pool.groupSize : 1);
            if (pool.records[i].timer == t.triggers[group]) ArmPoolRecord(pool, i, first);
        }
    }
}

template <typename R>
void TickPoolCounter(const BulletPool<R>& pool) {
    const PoolTimer& t = pool.timer;
    if (t.counter == nullptr || t.period <= 0) return;
    int& counter = *t.counter;
    counter += 1;
    if (counter >= t.wrap) counter = t.wrapTo;
    if (counter % t.period != 0) return;
    const int index = counter / t.period - t.firstMultiple;
    if (index >= 0 && index < pool.count) ArmPoolRecord(pool, index, index);
}

#define QV_BULLET_POOL_INSTANCES(Record)                                                 \
    template void DrawPool<Record>(const BulletPool<Record>&, int);                      \
    template void DrawPoolLook<Record>(const BulletPool<Record>&, const PoolLook&, int); \
    template void MovePool<Record>(const BulletPool<Record>&, int);                      \
    template void FirePool<Record>(const BulletPool<Record>&, int);                      \
    template void ArmPoolRecord<Record>(const BulletPool<Record>&, int, int);            \
    template void TickPoolTimers<Record>(const BulletPool<Record>&);                     \
    template void TickPoolCounter<Record>(const BulletPool<Record>&);

QV_BULLET_POOL_INSTANCES(EnemyShot)
QV_BULLET_POOL_INSTANCES(EnemyShot60)
QV_BULLET_POOL_INSTANCES(EnemyShot60Timed)
QV_BULLET_POOL_INSTANCES(EnemyShot56)
QV_BULLET_POOL_INSTANCES(EnemyShot56Ramp)
QV_BULLET_POOL_INSTANCES(AimedPellet)
QV_BULLET_POOL_INSTANCES(CurveFanBullet)
QV_BULLET_POOL_INSTANCES(EnemyDrop)
QV_BULLET_POOL_INSTANCES(PhaseShot)
