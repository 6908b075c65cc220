// The 640x480 program's enemies: the field stands 80 pixels further left, the right and bottom edges are
// 640 (540 for the narrow pools) and 480.
#include <gtest/gtest.h>

#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/enemies/enemy_bullets.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_pools.h"
#include "game/enemies/small_enemies.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_a/stage_a_objects.h"
#include "platform/headless.h"
#include "support/fresh_process.h"

namespace {

class Enemies640 : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        InitNewGame();
        ResetGameStateA();
        ResetGameStateB();
        FrameTime = 0.0f;
        PlayerPosition = {290.0f, 400.0f};
        PlayerAlive = 1;
    }
};

template <typename R>
R& Place(R& r, float x, float y) {
    r.x = x;
    r.y = y;
    r.active = 1;
    r.hit = 0;
    return r;
}

// Whether a record placed at (x, y) is still active after `move`.
template <typename R>
bool StaysAt(R& r, void (*move)(), float x, float y) {
    Place(r, x, y);
    move();
    return r.active != 0;
}

TEST_F(Enemies640, SmallEnemiesSpawnOverTheShiftedFieldAndLeaveAt640And480) {
    for (int i = 0; i < 300; ++i) {
        SmallEnemies[0].active = 0;
        SpawnSmallEnemy(0);
        EXPECT_GE(SmallEnemies[0].x, 120.0f);
        EXPECT_LE(SmallEnemies[0].x, 439.0f);
    }
    auto staysAt = [](float x, float y) {
        Place(SmallEnemies[1], x, y);
        MoveSmallEnemy(1, 0);
        return SmallEnemies[1].active != 0;
    };
    EXPECT_TRUE(staysAt(640.0f, 480.0f));
    EXPECT_FALSE(staysAt(640.01f, 100.0f));
    EXPECT_FALSE(staysAt(300.0f, 480.01f));
    EXPECT_TRUE(staysAt(-80.0f, -80.0f));
}

TEST_F(Enemies640, PoolsUseTheRightEdges640And540AndTheBottomEdge480) {
    auto shot = [](EnemyShot60& s, float x, float y) -> EnemyShot60& {
        s = {};
        s.x = x;
        s.y = y;
        s.active = 1;
        return s;
    };
    shot(SmallEnemyShots[0], 640.0f, 480.0f);
    MoveSmallEnemyShot(0);
    EXPECT_EQ(SmallEnemyShots[0].active, 1);
    shot(SmallEnemyShots[0], 640.01f, 300.0f);
    MoveSmallEnemyShot(0);
    EXPECT_EQ(SmallEnemyShots[0].active, 0);
    shot(SmallEnemyShots[0], 300.0f, 480.01f);
    MoveSmallEnemyShot(0);
    EXPECT_EQ(SmallEnemyShots[0].active, 0);

    shot(FormationShots1[0], 540.0f, 300.0f);
    MoveFormationShots1();
    EXPECT_EQ(FormationShots1[0].active, 1);
    shot(FormationShots1[0], 540.01f, 300.0f);
    MoveFormationShots1();
    EXPECT_EQ(FormationShots1[0].active, 0);
    shot(SpinShots02[4], 540.01f, 300.0f);
    MoveSpinShots02();
    EXPECT_EQ(SpinShots02[4].active, 0);

    EnemyDrop& pellet = Pellets28[2];
    pellet = {};
    pellet.y = 480.0f;
    pellet.active = 1;
    MovePellets28();
    EXPECT_EQ(pellet.active, 1);
    pellet.y = 480.01f;
    MovePellets28();
    EXPECT_EQ(pellet.active, 0);

    EnemyShot& missile = CarrierMissiles4[0];
    missile = {};
    missile.x = 640.0f;
    missile.y = 480.0f;
    missile.active = 1;
    MoveCarrierMissiles4();
    EXPECT_EQ(missile.active, 1);
    missile.x = 640.01f;
    MoveCarrierMissiles4();
    EXPECT_EQ(missile.active, 0);

    shot(SpinShotsA[0], 640.0f, 480.0f);
    MoveSpinShotsA();
    EXPECT_EQ(SpinShotsA[0].active, 1);
    shot(SpinShotsA[0], 300.0f, 480.01f);
    MoveSpinShotsA();
    EXPECT_EQ(SpinShotsA[0].active, 0);
    EnemyDrop& glow = GlowShots[0];
    glow = {};
    glow.y = 480.01f;
    glow.active = 1;
    MoveGlowShots();
    EXPECT_EQ(glow.active, 0);
    CurveFanBullet& lead = CurveShotsLeft[0];
    lead = {};
    lead.x = 640.5f;
    lead.active = 1;
    MoveCurveShotsLeft();
    EXPECT_EQ(lead.active, 0);
}

TEST_F(Enemies640, SwoopersAndWaveFlyersCrossTheShiftedLanes) {
    SpawnSwoopers1();
    SpawnSwoopers2();
    EXPECT_EQ(Swoopers1[0].x, 10.0f);
    EXPECT_EQ(Swoopers2[1].x, 540.0f);
    EXPECT_EQ(SwooperMarkers1[0].x, 290);
    EXPECT_TRUE(StaysAt(Swoopers1[0], MoveSwoopers1, 10.0f, 480.0f));
    EXPECT_TRUE(StaysAt(Swoopers1[0], MoveSwoopers1, 540.0f, 300.0f));
    EXPECT_FALSE(StaysAt(Swoopers1[0], MoveSwoopers1, 9.9f, 300.0f));
    EXPECT_EQ(Swoopers1[0].x, 275.0f);
    EXPECT_FALSE(StaysAt(Swoopers1[0], MoveSwoopers1, 300.0f, 480.1f));
    SwooperMarkers1[1] = {70, 480, 1, 0};
    EXPECT_FALSE(StaysAt(Swoopers1[1], MoveSwoopers1, 540.5f, 300.0f));
    EXPECT_EQ(SwooperMarkers1[1].locked, 1);
    SwooperMarkers1[1] = {69, 300, 1, 0};
    EXPECT_FALSE(StaysAt(Swoopers1[1], MoveSwoopers1, 540.5f, 300.0f));
    EXPECT_EQ(SwooperMarkers1[1].x, 290);
    EXPECT_EQ(SwooperMarkers1[1].locked, 0);

    SpawnWaveFlyer1(0);
    SpawnWaveFlyer2(0);
    EXPECT_EQ(WaveFlyers1[0].x, 10.0f);
    EXPECT_EQ(WaveFlyers2[0].x, 540.0f);
    EXPECT_FALSE(StaysAt(WaveFlyers1[1], MoveWaveFlyers1, 540.5f, 300.0f));
    EXPECT_FALSE(StaysAt(WaveFlyers1[1], MoveWaveFlyers1, 300.0f, 480.5f));
}

TEST_F(Enemies640, FormationShootersEnterAt0And540AndLeaveAtTheShiftedSides) {
    SpawnFormationShooter1(0);
    SpawnFormationShooter4(0);
    EXPECT_EQ(FormationShooters1[0].x, 0.0f);
    EXPECT_EQ(FormationShooters4[0].x, 540.0f);
    EXPECT_EQ(FormationShooters4[0].y, 240.0f);
    EXPECT_TRUE(StaysAt(FormationShooters1[1], MoveFormationShooters1, 540.0f, 480.0f));
    EXPECT_FALSE(StaysAt(FormationShooters1[1], MoveFormationShooters1, 540.5f, 300.0f));
    EXPECT_FALSE(StaysAt(FormationShooters1[1], MoveFormationShooters1, 300.0f, 480.5f));
    EXPECT_TRUE(StaysAt(FormationShooters2[1], MoveFormationShooters2, 0.0f, 300.0f));
    EXPECT_FALSE(StaysAt(FormationShooters2[1], MoveFormationShooters2, -0.5f, 300.0f));
}

TEST_F(Enemies640, SpinnersDiversCarriersAndFallingObjectsUseTheShiftedBounds) {
    EXPECT_TRUE(StaysAt(Spinners1[0], MoveSpinners1, 10.0f, 480.0f));
    EXPECT_FALSE(StaysAt(Spinners1[0], MoveSpinners1, 540.5f, 300.0f));
    EXPECT_EQ(Spinners1[0].x, 280.0f);
    LockMarkers03[1] = {30, 0, 1, 0};
    EXPECT_FALSE(StaysAt(Spinners1[1], MoveSpinners1, 9.5f, 300.0f));
    EXPECT_EQ(LockMarkers03[1].locked, 1);
    LockMarkers03[1] = {541, 0, 1, 0};
    EXPECT_FALSE(StaysAt(Spinners1[1], MoveSpinners1, 9.5f, 300.0f));
    EXPECT_EQ(LockMarkers03[1].x, 290);
    EXPECT_FALSE(StaysAt(Spinners2[2], MoveSpinners2, 300.0f, 480.5f));

    EXPECT_TRUE(StaysAt(Divers[0], MoveDivers, 20.0f, 480.0f));
    EXPECT_FALSE(StaysAt(Divers[0], MoveDivers, 19.5f, 300.0f));
    EXPECT_FALSE(StaysAt(Carrier1[0], MoveCarrier1, 300.0f, 480.5f));
    EXPECT_FALSE(StaysAt(FallingObjects[2], MoveFallingObjects, 300.0f, 480.5f));
    EXPECT_TRUE(StaysAt(DriftObjectsB[2], MoveDriftObjectsB, 300.0f, 480.0f));
}

}  // namespace
