#include "game/enemies/enemy_kinds.h"

#include "build_config.h"
#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/enemies/enemy_bullets.h"
#include "game/enemies/enemy_kind_rules.h"
#include "game/enemies/enemy_looks.h"
#include "game/enemies/enemy_pools.h"
#include "platform/system.h"

namespace {

// Every x below is written for the 800x600 field; the 640x480 program's field stands kShift further left.
constexpr float kShift = build::kFieldShiftX;
constexpr float kBottom = build::kMoverBottom;

// The corner lanes the swoopers and wave flyers cross between.
constexpr float kLaneLeft = 90.0f - kShift;
constexpr float kLaneRight = 620.0f - kShift;
constexpr float kLaneTop = -90.0f;

// ---- Swoopers ---------------------------------------------------------------------------------------------

constexpr float kSwooperSpawnY = 60.0f;
constexpr int kSwooperSideSpread = 80;
constexpr int kSwooperSideBase = 70;
constexpr int kSwooperFallSpread = 80;
constexpr int kSwooperFallBase = 80;
constexpr float kSwooperParkX = 355.0f - kShift;
// A marker left inside this region when its swooper leaves stays as it is; else it goes to rest.
constexpr int kSwooperLockLeft = static_cast<int>(150.0f - kShift);
constexpr int kSwooperLockRight = static_cast<int>(620.0f - kShift);
constexpr int kSwooperLockTop = -70;
constexpr int kSwooperLockBottom = static_cast<int>(kBottom);
constexpr int kMoverMarkerRestX = static_cast<int>(370.0f - kShift);

constexpr SpriteLook kSwooperLooks[] = {{&PicSZAK21, 90, 90}, {&PicSZAK22, 90, 90}};
constexpr float kSwooperMarkerOffset = 15.0f;

template <auto& Records, auto& Markers>
void SpawnSwoopers(float x) {
    for (int i = 0; i < kSwooperCount; ++i) {
        EnemyRecord& r = Records[i];
        if (!ArmFreeRecord(r)) continue;
        r.x = x;
        r.y = kSwooperSpawnY;
        r.vx = static_cast<float>(crt::rand() % kSwooperSideSpread + kSwooperSideBase);
        r.vy = static_cast<float>(crt::rand() % kSwooperFallSpread + kSwooperFallBase);
        ResetMarker(Markers[i], kMarkerRestX, kMarkerRestY);
    }
}

bool InLane(const EnemyRecord& r) {
    return !(r.x < kLaneLeft || r.x > kLaneRight || r.y < kLaneTop || r.y > kBottom);
}

template <auto& Records, auto& Markers>
void MoveSwoopers(int sign) {
    for (int i = 0; i < kSwooperCount; ++i) {
        EnemyRecord& r = Records[i];
        if (r.active != 0) {
            r.y += r.vy * FrameTime;
            if (sign > 0) {
                r.x += r.vx * FrameTime;
            } else {
                r.x -= r.vx * FrameTime;
            }
        }
        if (InLane(r)) continue;
        FreeRecord(r, kSwooperParkX, kParkedY);
        LockRecord& m = Markers[i];
        const bool markerInside = m.x >= kSwooperLockLeft && m.x <= kSwooperLockRight &&
                                  m.y >= kSwooperLockTop && m.y <= kSwooperLockBottom;
        if (!markerInside) ResetMarker(m, kMoverMarkerRestX, kMarkerRestY);
    }
}

// ---- Wave flyers ------------------------------------------------------------------------------------------

constexpr int kFlyerCycle = 500;    // a timer past this starts over at 0
constexpr int kFlyerSpacing = 100;  // slot k comes at 100 (k + 1)
constexpr float kFlyerSpawnY = 20.0f;
constexpr float kFlyerSpeed = 200.0f;

template <auto& Records>
void SpawnWaveFlyer(int slot, float x, float vx) {
    if (slot < 0 || slot >= kWaveFlyerCount) return;
    EnemyRecordPhased& r = Records[slot];
    if (!ArmFreeRecord(r)) return;
    r.x = x;
    r.y = kFlyerSpawnY;
    r.vx = vx;
    r.vy = kFlyerSpeed;
}

// Each slot's timer counts frames; a slot is due when its own timer reaches its moment.
template <auto& Records, int Count>
void TickSlots(int cycle, int spacing, void (*spawn)(int)) {
    for (int k = 0; k < Count; ++k) {
        Records[k].spawnTimer += 1;
        if (Records[k].spawnTimer > cycle) Records[k].spawnTimer = 0;
    }
    for (int k = 0; k < Count; ++k) {
        if (Records[k].spawnTimer == spacing * (k + 1)) spawn(k);
    }
}

template <auto& Records>
void MoveWaveFlyers() {
    for (EnemyRecordPhased& r : Records) {
        if (r.active != 0) {
            r.y += r.vy * FrameTime;
            r.x += r.vx * FrameTime;
        }
        if (r.x < kLaneLeft || r.x > kLaneRight || r.y < kLaneTop || r.y > kBottom) {
            FreeRecord(r, kParkedX, kParkedY);
        }
    }
}

// ---- Formation shooters -----------------------------------------------------------------------------------

constexpr int kFormationCycle = 150;
constexpr int kFormationSpacing = 30;
constexpr float kFormationLeft = 80.0f - kShift;
constexpr float kFormationRight = 620.0f - kShift;
constexpr float kFormationTopEntry = 100.0f;
constexpr float kFormationLowEntry = 240.0f;
constexpr float kFormationClimbOut = -100.0f;
constexpr float kFormationRun = 220.0f;
constexpr float kFormationPhaseRestart = 101.0f;

// The course by phase (inclusive ranges): a sideways run, then ever steeper while firing, then straight.
struct CourseRow {
    float lo;
    float hi;
    float vy;
    bool stopsRun;  // vx becomes 0 (the straight part); the run's start sets vx to the run speed
    bool startsRun;
    bool fires;
};
constexpr CourseRow kCourse[] = {
    {0, 10, 0, false, true, false},     {11, 20, 110, false, false, true},
    {21, 30, 210, false, false, false}, {31, 40, 310, false, false, false},
    {41, 100, 410, true, false, false},
};

struct FormationSet {
    float entryX;
    float entryY;
    int side;      // +1 runs right, -1 left
    int vertical;  // +1 dives, -1 climbs
    float phaseRate;
    void (*fire)(int);
};

template <auto& Records>
void SpawnFormationShooter(int slot, const FormationSet& set) {
    if (slot < 0 || slot >= kFormationShooterCount) return;
    EnemyRecordPhased& r = Records[slot];
    if (!ArmFreeRecord(r)) return;
    r.phase = 0.0f;
    r.vx = 0.0f;
    r.vy = 0.0f;
    r.x = set.entryX;
    r.y = set.entryY;
}

void SteerFormationShooter(EnemyRecordPhased& r, const FormationSet& set, int slot) {
    r.y += r.vy * FrameTime;
    r.x += r.vx * FrameTime;
    r.phase += set.phaseRate * FrameTime;
    for (const CourseRow& row : kCourse) {
        if (r.phase < row.lo || r.phase > row.hi) continue;
        if (row.startsRun) r.vx = static_cast<float>(set.side) * kFormationRun;
        if (row.stopsRun) r.vx = 0.0f;
        r.vy = static_cast<float>(set.vertical) * row.vy;
        if (row.fires) set.fire(slot);
    }
    if (r.phase >= kFormationPhaseRestart) r.phase = 0.0f;
}

template <auto& Records>
void MoveFormationShooters(const FormationSet& set) {
    for (int k = 0; k < kFormationShooterCount; ++k) {
        EnemyRecordPhased& r = Records[k];
        if (r.active != 0) SteerFormationShooter(r, set, k);
        const bool outVertically = set.vertical > 0 ? r.y > kBottom : r.y < kFormationClimbOut;
        const bool outSideways = set.side > 0 ? r.x > kFormationRight : r.x < kFormationLeft;
        if (outVertically || outSideways) FreeRecord(r, kParkedX, kParkedY);
    }
}

const FormationSet kFormationSets[] = {
    {kFormationLeft, kFormationTopEntry, 1, 1, 30.0f, FireFormationShot1},
    {kFormationRight, kFormationTopEntry, -1, 1, 25.0f, FireFormationShot2},
    {kFormationLeft, kFormationLowEntry, 1, -1, 30.0f, FireFormationShot3},
    {kFormationRight, kFormationLowEntry, -1, -1, 30.0f, FireFormationShot4},
};

// The 100x100 cell of the strip by phase: 4 in the run down to 0 in the straight part. At a shared end
// both cells are drawn; past 100 none.
constexpr int kFormationCell = 100;
struct CellRange {
    float lo;
    float hi;
    int cell;
};
constexpr CellRange kFormationCells[] = {{0, 10, 4}, {10, 20, 3}, {20, 30, 2}, {30, 40, 1}, {40, 100, 0}};
constexpr KindDraw kFormationDraw{.explosion = &kFormationExplosion};

template <auto& Records>
void DrawFormationShooters(const int& picture) {
    DrawKind(Records, kFormationDraw, nullptr, [&picture](EnemyRecordPhased& r) {
        const int x = DrawInt(r.x);
        const int y = DrawInt(r.y);
        for (const CellRange& c : kFormationCells) {
            if (r.phase < c.lo || r.phase > c.hi) continue;
            const int left = c.cell * kFormationCell;
            elDraw::Draw(x, y, picture, left, 0, left + kFormationCell, kFormationCell);
        }
    });
}

// ---- Spinners ---------------------------------------------------------------------------------------------

constexpr float kSpinnerParkX = 360.0f - kShift;
constexpr int kSpinnerLockLeft = static_cast<int>(110.0f - kShift);
constexpr int kSpinnerLockRight = static_cast<int>(620.0f - kShift);
constexpr int kSpinnerSize = 79;
constexpr int kSpinStep = 7;
constexpr int kFullCircle = 360;
constexpr KindDraw kSpinnerDraw{.explosion = &kScatterExplosion, .markerOffset = 10.0f};

template <auto& Records, auto& Markers>
void MoveSpinners(int sign) {
    for (int i = 0; i < kSpinnerCount; ++i) {
        EnemyRecordSpin& r = Records[i];
        if (r.active != 0) {
            if (sign > 0) {
                r.x += r.vx * FrameTime;
            } else {
                r.x -= r.vx * FrameTime;
            }
            r.y += r.vy * FrameTime;
        }
        if (r.y > kBottom) {
            FreeRecord(r, kSpinnerParkX, kParkedY);
        } else if (r.x < kLaneLeft || r.x > kLaneRight) {
            FreeRecord(r, kSpinnerParkX, kParkedY);
            LockRecord& m = Markers[i];
            if (m.x < kSpinnerLockLeft || m.x > kSpinnerLockRight) {
                ResetMarker(m, kMoverMarkerRestX, kMarkerRestY);
            }
        }
    }
}

// The spinner turns 7 degrees a frame; the angle starts over at 0 once it reaches a full circle.
template <auto& Records, auto& Markers>
void DrawSpinners() {
    DrawKind(Records, kSpinnerDraw, &Markers, [](EnemyRecordSpin& r) {
        const int x = DrawInt(r.x);
        const int y = DrawInt(r.y);
        elDraw::DrawRotated(x, y, x + kSpinnerSize, y + kSpinnerSize, r.spinAngle, PicSZAK6, 0, 0,
                            kSpinnerSize, kSpinnerSize);
        r.spinAngle += kSpinStep;
        if (r.spinAngle >= kFullCircle) r.spinAngle = 0;
    });
}

// ---- Divers and carriers ----------------------------------------------------------------------------------

constexpr float kDiverLeft = 100.0f - kShift;
constexpr SpriteLook kDiverLook{&PicSZAK12, 80, 80, 0, 0, &PicZFIRE2, 2, {{12, -42}, {48, -42}}};
constexpr SpriteLook kCarrierLook{&PicSZAK52, 200, 160};
constexpr KindDraw kCarrierDraw{.explosion = &kCarrierExplosion, .drawsParked = true, .look = &kCarrierLook};

template <auto& Records>
void MoveCarrier() {
    for (EnemyRecord& r : Records) {
        if (r.active != 0) {
            r.x += r.vx * FrameTime;
            r.y += r.vy * FrameTime;
        }
        if (r.y > kBottom) FreeRecord(r, kParkedX, kParkedY);
    }
}

}  // namespace

void SpawnSwoopers1() {
    SpawnSwoopers<Swoopers1, SwooperMarkers1>(kLaneLeft);
}
void SpawnSwoopers2() {
    SpawnSwoopers<Swoopers2, SwooperMarkers2>(kLaneRight);
}
void MoveSwoopers1() {
    MoveSwoopers<Swoopers1, SwooperMarkers1>(1);
}
void MoveSwoopers2() {
    MoveSwoopers<Swoopers2, SwooperMarkers2>(-1);
}
void DrawSwoopers1() {
    DrawKind(
        Swoopers1,
        {.explosion = &kScatterExplosion, .markerOffset = kSwooperMarkerOffset, .look = &kSwooperLooks[0]},
        &SwooperMarkers1);
}
void DrawSwoopers2() {
    DrawKind(
        Swoopers2,
        {.explosion = &kScatterExplosion, .markerOffset = kSwooperMarkerOffset, .look = &kSwooperLooks[1]},
        &SwooperMarkers2);
}

void TickWaveFlyers1() {
    TickSlots<WaveFlyers1, kWaveFlyerCount>(kFlyerCycle, kFlyerSpacing, SpawnWaveFlyer1);
}
void TickWaveFlyers2() {
    TickSlots<WaveFlyers2, kWaveFlyerCount>(kFlyerCycle, kFlyerSpacing, SpawnWaveFlyer2);
}
void SpawnWaveFlyer1(int slot) {
    SpawnWaveFlyer<WaveFlyers1>(slot, kLaneLeft, kFlyerSpeed);
}
void SpawnWaveFlyer2(int slot) {
    SpawnWaveFlyer<WaveFlyers2>(slot, kLaneRight, -kFlyerSpeed);
}
void MoveWaveFlyers1() {
    MoveWaveFlyers<WaveFlyers1>();
}
void MoveWaveFlyers2() {
    MoveWaveFlyers<WaveFlyers2>();
}
void DrawWaveFlyers1() {
    DrawKind(WaveFlyers1, {.explosion = &kScatterExplosion, .look = &kSwooperLooks[0]});
}
void DrawWaveFlyers2() {
    DrawKind(WaveFlyers2, {.explosion = &kScatterExplosion, .look = &kSwooperLooks[1]});
}

void TickFormationShooters1() {
    TickSlots<FormationShooters1, kFormationShooterCount>(kFormationCycle, kFormationSpacing,
                                                          SpawnFormationShooter1);
}
void TickFormationShooters2() {
    TickSlots<FormationShooters2, kFormationShooterCount>(kFormationCycle, kFormationSpacing,
                                                          SpawnFormationShooter2);
}
void TickFormationShooters3() {
    TickSlots<FormationShooters3, kFormationShooterCount>(kFormationCycle, kFormationSpacing,
                                                          SpawnFormationShooter3);
}
void TickFormationShooters4() {
    TickSlots<FormationShooters4, kFormationShooterCount>(kFormationCycle, kFormationSpacing,
                                                          SpawnFormationShooter4);
}
void SpawnFormationShooter1(int slot) {
    SpawnFormationShooter<FormationShooters1>(slot, kFormationSets[0]);
}
void SpawnFormationShooter2(int slot) {
    SpawnFormationShooter<FormationShooters2>(slot, kFormationSets[1]);
}
void SpawnFormationShooter3(int slot) {
    SpawnFormationShooter<FormationShooters3>(slot, kFormationSets[2]);
}
void SpawnFormationShooter4(int slot) {
    SpawnFormationShooter<FormationShooters4>(slot, kFormationSets[3]);
}
void MoveFormationShooters1() {
    MoveFormationShooters<FormationShooters1>(kFormationSets[0]);
}
void MoveFormationShooters2() {
    MoveFormationShooters<FormationShooters2>(kFormationSets[1]);
}
void MoveFormationShooters3() {
    MoveFormationShooters<FormationShooters3>(kFormationSets[2]);
}
void MoveFormationShooters4() {
    MoveFormationShooters<FormationShooters4>(kFormationSets[3]);
}
void DrawFormationShooters1() {
    DrawFormationShooters<FormationShooters1>(PicSZAK30);
}
void DrawFormationShooters2() {
    DrawFormationShooters<FormationShooters2>(PicSZAK31);
}
void DrawFormationShooters3() {
    DrawFormationShooters<FormationShooters3>(PicSZAK32);
}
void DrawFormationShooters4() {
    DrawFormationShooters<FormationShooters4>(PicSZAK33);
}

void MoveSpinners1() {
    MoveSpinners<Spinners1, LockMarkers03>(1);
}
void MoveSpinners2() {
    MoveSpinners<Spinners2, LockMarkers04>(-1);
}
void DrawSpinners1() {
    DrawSpinners<Spinners1, LockMarkers03>();
}
void DrawSpinners2() {
    DrawSpinners<Spinners2, LockMarkers04>();
}

void MoveDivers() {
    for (EnemyRecord& r : Divers) {
        if (r.active != 0) r.y += r.vy * FrameTime;
        if (r.y > kBottom || r.x < kDiverLeft) FreeRecord(r, kParkedX, kParkedY);
    }
}
void DrawDivers() {
    DrawKind(Divers, {.explosion = &kClusterExplosion, .look = &kDiverLook, .flameFrame = &DiverFlameFrame});
}

void MoveCarrier1() {
    MoveCarrier<Carrier1>();
}
void MoveCarrier2() {
    MoveCarrier<Carrier2>();
}
void DrawCarrier1() {
    DrawKind(Carrier1, kCarrierDraw);
}
void DrawCarrier2() {
    DrawKind(Carrier2, kCarrierDraw);
}
