// The ordinary enemy kinds' spawns, slot timers and movers.
#include <cstring>
#include <vector>

#include "enemy_fixture.h"
#include "game/enemies/enemy_bullets.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_pools.h"
#include "platform/system.h"

namespace {

using EnemyKindTest = EnemyTest;

template <typename R>
R& Place(R& r, float x, float y, float vx = 0.0f, float vy = 0.0f) {
    r.x = x;
    r.y = y;
    r.vx = vx;
    r.vy = vy;
    r.active = 1;
    r.hit = 0;
    return r;
}

// ---- Swoopers ---------------------------------------------------------------------------------------------

TEST_F(EnemyKindTest, SwoopersSpawnAtTheirCornersWithTheirMarkersAtRest) {
    SwooperMarkers1[0] = {10, 20, 1, 0};
    Place(Swoopers1[1], 300.0f, 300.0f);
    const EnemyRecord live = Swoopers1[1];
    SpawnSwoopers1();
    const EnemyRecord& s = Swoopers1[0];
    EXPECT_EQ(s.active, 1);
    EXPECT_EQ(s.x, 90.0f);
    EXPECT_EQ(s.y, 60.0f);
    EXPECT_GE(s.vx, 70.0f);
    EXPECT_LE(s.vx, 149.0f);
    EXPECT_GE(s.vy, 80.0f);
    EXPECT_LE(s.vy, 159.0f);
    EXPECT_EQ(SwooperMarkers1[0].x, 290);
    EXPECT_EQ(SwooperMarkers1[0].y, 0);
    EXPECT_EQ(SwooperMarkers1[0].locked, 0);
    EXPECT_EQ(std::memcmp(&Swoopers1[1], &live, sizeof live), 0);  // a live record is left alone
    SpawnSwoopers2();
    EXPECT_EQ(Swoopers2[0].x, 620.0f);
}

TEST_F(EnemyKindTest, ASwooperOnItsStartLineStaysInAndSet2FliesLeft) {
    FrameTime = 0.0f;
    Place(Swoopers1[0], 90.0f, 60.0f);
    MoveSwoopers1();
    EXPECT_EQ(Swoopers1[0].active, 1);
    Place(Swoopers1[0], 89.99f, 60.0f);
    MoveSwoopers1();
    EXPECT_EQ(Swoopers1[0].active, 0);
    EXPECT_EQ(Swoopers1[0].x, 355.0f);
    EXPECT_EQ(Swoopers1[0].y, 2550.0f);
    FrameTime = 0.5f;
    Place(Swoopers2[0], 620.0f, 60.0f, 100.0f, 80.0f);
    MoveSwoopers2();
    EXPECT_EQ(Swoopers2[0].x, 570.0f);
    EXPECT_EQ(Swoopers2[0].y, 100.0f);
}

TEST_F(EnemyKindTest, ALeavingSwooperKeepsAMarkerInsideTheLockRegionAndRestsOneOutside) {
    FrameTime = 0.0f;
    const LockRecord inside[] = {{150, -70, 1, 0}, {620, 600, 1, 0}};
    for (const LockRecord& m : inside) {
        SwooperMarkers1[1] = m;
        Place(Swoopers1[1], 300.0f, 601.0f);
        MoveSwoopers1();
        EXPECT_EQ(SwooperMarkers1[1].x, m.x);
        EXPECT_EQ(SwooperMarkers1[1].locked, 1);
    }
    const LockRecord outside[] = {{149, 100, 1, 0}, {621, 100, 1, 0}, {300, -71, 1, 0}, {300, 601, 1, 0}};
    for (const LockRecord& m : outside) {
        SwooperMarkers1[1] = m;
        Place(Swoopers1[1], 300.0f, 601.0f);
        MoveSwoopers1();
        EXPECT_EQ(SwooperMarkers1[1].x, 370);
        EXPECT_EQ(SwooperMarkers1[1].y, 0);
        EXPECT_EQ(SwooperMarkers1[1].locked, 0);
    }
    // A swooper still inside leaves its marker alone.
    SwooperMarkers1[1] = {5, 5, 1, 0};
    Place(Swoopers1[1], 300.0f, 300.0f);
    MoveSwoopers1();
    EXPECT_EQ(SwooperMarkers1[1].x, 5);
}

// ---- Wave flyers and formation slots ----------------------------------------------------------------------

// Frames (1-based) at which each slot of a five-slot set is spawned, over `frames` ticks.
template <typename Tick, typename R>
std::vector<std::vector<int>> SpawnFrames(Tick tick, R (&records)[5], int frames) {
    std::vector<std::vector<int>> at(5);
    for (int f = 1; f <= frames; ++f) {
        tick();
        for (int k = 0; k < 5; ++k) {
            if (records[k].active != 0) {
                at[k].push_back(f);
                records[k].active = 0;  // free it again at once
            }
        }
    }
    return at;
}

TEST_F(EnemyKindTest, WaveFlyerSlotsCome100FramesApartInA501FrameCycle) {
    const auto at = SpawnFrames(TickWaveFlyers1, WaveFlyers1, 1510);
    for (int k = 0; k < 5; ++k) {
        const int first = 100 * (k + 1);
        EXPECT_EQ(at[k], (std::vector<int>{first, first + 501, first + 1002})) << k;
    }
    const EnemyRecordPhased& r = WaveFlyers1[4];
    EXPECT_EQ(r.x, 90.0f);
    EXPECT_EQ(r.y, 20.0f);
    EXPECT_EQ(r.vx, 200.0f);
    EXPECT_EQ(r.vy, 200.0f);
    SpawnWaveFlyer2(2);
    EXPECT_EQ(WaveFlyers2[2].x, 620.0f);
    EXPECT_EQ(WaveFlyers2[2].vx, -200.0f);
}

TEST_F(EnemyKindTest, FormationSlotsCome30FramesApartInA151FrameCycle) {
    const auto at = SpawnFrames(TickFormationShooters3, FormationShooters3, 452);
    for (int k = 0; k < 5; ++k) {
        const int first = 30 * (k + 1);
        EXPECT_EQ(at[k], (std::vector<int>{first, first + 151, first + 302})) << k;
    }
    EXPECT_EQ(FormationShooters3[0].x, 80.0f);
    EXPECT_EQ(FormationShooters3[0].y, 240.0f);
    SpawnFormationShooter2(4);
    EXPECT_EQ(FormationShooters2[4].x, 620.0f);
    EXPECT_EQ(FormationShooters2[4].y, 100.0f);
    SpawnFormationShooter2(5);  // outside the set
    SpawnWaveFlyer1(-1);
}

TEST_F(EnemyKindTest, WaveFlyersLeaveTheirLanesIntoTheParkedPlace) {
    FrameTime = 0.0f;
    Place(WaveFlyers2[0], 620.0f, -90.0f);
    MoveWaveFlyers2();
    EXPECT_EQ(WaveFlyers2[0].active, 1);
    Place(WaveFlyers2[0], 620.01f, 100.0f);
    MoveWaveFlyers2();
    EXPECT_EQ(WaveFlyers2[0].active, 0);
    EXPECT_EQ(WaveFlyers2[0].x, -500.0f);
    EXPECT_EQ(WaveFlyers2[0].y, 2550.0f);
}

// ---- Formation course -------------------------------------------------------------------------------------

TEST_F(EnemyKindTest, AFormationShooterRunsSidewaysThenFiresWhileItBendsIntoADive) {
    FrameTime = 0.1f;
    SpawnFormationShooter1(0);
    EnemyRecordPhased& r = FormationShooters1[0];
    MoveFormationShooters1();  // phase 3
    EXPECT_EQ(r.vx, 220.0f);
    EXPECT_EQ(r.vy, 0.0f);
    r.phase = 11.0f;  // 14: bending and firing
    PlayerPosition = {370.0f, 520.0f};
    MoveFormationShooters1();
    EXPECT_EQ(r.vx, 220.0f);
    EXPECT_EQ(r.vy, 110.0f);
    EXPECT_EQ(FormationShots1[0].active, 1);
    EXPECT_EQ(FormationShots1[0].x, r.x + 42.0f);
    r.phase = 38.0f;  // 41: straight down
    MoveFormationShooters1();
    EXPECT_EQ(r.vx, 0.0f);
    EXPECT_EQ(r.vy, 410.0f);
    r.phase = 98.0f;  // 101: starts over
    MoveFormationShooters1();
    EXPECT_EQ(r.phase, 0.0f);
}

TEST_F(EnemyKindTest, LowerSetsClimbAndTheSecondSetsClockRunsSlower) {
    FrameTime = 0.1f;
    SpawnFormationShooter4(1);
    EnemyRecordPhased& climber = FormationShooters4[1];
    climber.phase = 20.0f;  // 23
    MoveFormationShooters4();
    EXPECT_EQ(climber.vy, -210.0f);
    climber.phase = 0.0f;
    MoveFormationShooters4();
    EXPECT_EQ(climber.vx, -220.0f);
    SpawnFormationShooter2(1);
    MoveFormationShooters2();
    EXPECT_FLOAT_EQ(FormationShooters2[1].phase, 2.5f);
    SpawnFormationShooter3(1);
    MoveFormationShooters3();
    EXPECT_FLOAT_EQ(FormationShooters3[1].phase, 3.0f);
}

TEST_F(EnemyKindTest, ALongFrameThatStepsOverARangeSkipsItsSpeeds) {
    SpawnFormationShooter1(2);
    EnemyRecordPhased& r = FormationShooters1[2];
    FrameTime = 0.1f;
    MoveFormationShooters1();  // phase 3, vy 0
    FrameTime = 0.9f;          // 3 + 27 = 30: the firing range is stepped over
    MoveFormationShooters1();
    EXPECT_EQ(r.vy, 210.0f);
    EXPECT_EQ(FormationShots1[2].active, 0);
}

TEST_F(EnemyKindTest, AShooterThatDivesOutIsFreedEvenWhileExploding) {
    FrameTime = 0.0f;
    Place(FormationShooters1[3], 300.0f, 600.5f).hit = 1;
    MoveFormationShooters1();
    EXPECT_EQ(FormationShooters1[3].active, 0);
    EXPECT_EQ(FormationShooters1[3].y, 2550.0f);
    Place(FormationShooters3[3], 300.0f, -100.5f);  // a climber leaves at the top
    MoveFormationShooters3();
    EXPECT_EQ(FormationShooters3[3].active, 0);
    Place(FormationShooters2[3], 79.5f, 300.0f);  // a set running left leaves at the left
    MoveFormationShooters2();
    EXPECT_EQ(FormationShooters2[3].active, 0);
    Place(FormationShooters1[3], 620.5f, 300.0f);
    MoveFormationShooters1();
    EXPECT_EQ(FormationShooters1[3].active, 0);
}

TEST_F(EnemyKindTest, AFiringShooterReArmsItsCompanionsFreeShots) {
    Place(FormationShooters1[0], 300.0f, 200.0f);
    FormationShooters1[0].phase = 12.0f;
    Place(FormationShooters1[1], 400.0f, 150.0f);  // a companion in its run
    FormationShooters1[2].x = -500.0f;             // one that has left
    FormationShooters1[2].y = 2550.0f;
    FormationShots1[3].active = 1;  // a shot in flight
    FormationShots1[3].x = 111.0f;
    FormationShots1[3].y = 222.0f;
    FrameTime = 0.0f;
    MoveFormationShooters1();
    EXPECT_EQ(FormationShots1[1].active, 1);
    EXPECT_EQ(FormationShots1[1].x, 442.0f);
    EXPECT_EQ(FormationShots1[1].y, 200.0f);
    EXPECT_EQ(FormationShots1[3].x, 111.0f);
    // A parked companion's shot is armed off the screen and freed by its next move.
    EXPECT_EQ(FormationShots1[2].active, 1);
    EXPECT_GT(FormationShots1[2].y, 600.0f);
    FrameTime = kFrame;
    MoveFormationShots1();
    EXPECT_EQ(FormationShots1[2].active, 0);
    EXPECT_EQ(FormationShots1[1].active, 1);
}

// ---- Spinners, divers, carriers ---------------------------------------------------------------------------

TEST_F(EnemyKindTest, ASpinnerLeavingAtTheBottomKeepsItsMarkerAndAtASideResetsOneOutsideItsRange) {
    FrameTime = 0.0f;
    LockMarkers03[0] = {50, 40, 1, 0};
    Place(Spinners1[0], 300.0f, 600.5f);
    MoveSpinners1();
    EXPECT_EQ(Spinners1[0].active, 0);
    EXPECT_EQ(Spinners1[0].x, 360.0f);
    EXPECT_EQ(Spinners1[0].y, 2550.0f);
    EXPECT_EQ(LockMarkers03[0].x, 50);
    EXPECT_EQ(LockMarkers03[0].locked, 1);
    Place(Spinners1[0], 89.5f, 300.0f);
    MoveSpinners1();
    EXPECT_EQ(LockMarkers03[0].x, 370);
    EXPECT_EQ(LockMarkers03[0].y, 0);
    EXPECT_EQ(LockMarkers03[0].locked, 0);
    for (int x : {110, 620}) {
        LockMarkers04[1] = {x, 40, 1, 0};
        Place(Spinners2[1], 620.5f, 300.0f);
        MoveSpinners2();
        EXPECT_EQ(Spinners2[1].active, 0);
        EXPECT_EQ(LockMarkers04[1].x, x);
        EXPECT_EQ(LockMarkers04[1].locked, 1);
    }
    FrameTime = 0.5f;
    Place(Spinners2[2], 300.0f, 100.0f, 40.0f, 60.0f);
    MoveSpinners2();
    EXPECT_EQ(Spinners2[2].x, 280.0f);
    EXPECT_EQ(Spinners2[2].y, 130.0f);
}

TEST_F(EnemyKindTest, DiversFallStraightAndLeaveAtTheBottomOrLeftOfTheirColumn) {
    FrameTime = 0.5f;
    Place(Divers[0], 300.0f, 100.0f, 50.0f, 80.0f);
    MoveDivers();
    EXPECT_EQ(Divers[0].x, 300.0f);
    EXPECT_EQ(Divers[0].y, 140.0f);
    FrameTime = 0.0f;
    Place(Divers[1], 100.0f, 100.0f);
    MoveDivers();
    EXPECT_EQ(Divers[1].active, 1);
    Place(Divers[1], 99.5f, 100.0f);
    MoveDivers();
    EXPECT_EQ(Divers[1].active, 0);
    EXPECT_EQ(Divers[1].y, 2550.0f);
}

TEST_F(EnemyKindTest, CarriersDriftAndLeaveOnlyAtTheBottom) {
    FrameTime = 0.5f;
    Place(Carrier2[0], 300.0f, 100.0f, -40.0f, 20.0f);
    MoveCarrier2();
    EXPECT_EQ(Carrier2[0].x, 280.0f);
    EXPECT_EQ(Carrier2[0].y, 110.0f);
    FrameTime = 0.0f;
    Place(Carrier1[0], -300.0f, 600.0f);
    MoveCarrier1();
    EXPECT_EQ(Carrier1[0].active, 1);
    Carrier1[0].y = 600.5f;
    MoveCarrier1();
    EXPECT_EQ(Carrier1[0].active, 0);
}

TEST_F(EnemyKindTest, ACarrierGroupOfFiveFiresInOneFrame) {
    Place(Carrier1[0], 300.0f, 100.0f);
    for (EnemyShot& s : CarrierMissiles1) s.timer = 39;
    CarrierMissiles1[7].active = 1;  // group 1 has one in flight; it is not due yet anyway
    TickCarrierMissiles1();
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(CarrierMissiles1[k].active, 1) << k;
        EXPECT_EQ(CarrierMissiles1[k].x, 385.0f);
    }
    EXPECT_EQ(CarrierMissiles1[5].active, 0);
    // The fan spreads the five from -24 to +24 degrees round the aim.
    const float spread = CarrierMissiles1[4].heading - CarrierMissiles1[0].heading;
    EXPECT_NEAR(spread, 0.8377580f, 1e-5f);
}

// A missile's fan angle counts from the first record it is given, wherever that lies in the pool.
TEST_F(EnemyKindTest, AMissilesFanAngleCountsFromTheFirstRecordItIsGiven) {
    Place(Carrier1[0], 300.0f, 100.0f);
    PlayerPosition = {200.0f, 500.0f};
    FireCarrierMissile1(6, 5);
    FireCarrierMissile1(7, 6);  // the second of a group that starts at 6
    FireCarrierMissile1(12, 10);
    ASSERT_EQ(CarrierMissiles1[7].active, 1);
    EXPECT_EQ(CarrierMissiles1[7].heading, CarrierMissiles1[6].heading);
    EXPECT_NEAR(CarrierMissiles1[12].heading - CarrierMissiles1[7].heading, 0.2094395f, 1e-5f);
    // A record before its first, or past the group that starts there, is not armed.
    FireCarrierMissile2(3, 4);
    FireCarrierMissile2(7, 4);
    EXPECT_EQ(CarrierMissiles2[3].active, 0);
    EXPECT_EQ(CarrierMissiles2[7].active, 0);
    FireCarrierMissile2(6, 4);
    EXPECT_EQ(CarrierMissiles2[6].active, 1);
}

}  // namespace
