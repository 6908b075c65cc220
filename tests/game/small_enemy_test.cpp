// The small-enemy wave: spawn, the eleven patterns, the looks and the explosion.
#include <cmath>
#include <cstring>

#include "enemy_fixture.h"
#include "game/core/picture_slots.h"
#include "game/enemies/enemy_hits.h"
#include "game/enemies/enemy_pools.h"
#include "game/enemies/small_enemies.h"
#include "platform/system.h"

namespace {

using SmallEnemyTest = EnemyTest;

constexpr float kDegree = 0.01745329238474369f;
constexpr float kFullTurn = 6.2831854820251465f;

SmallEnemy& Stand(int slot, float x, float y) {
    SmallEnemy& e = SmallEnemies[slot];
    e.x = x;
    e.y = y;
    e.vx = 0.0f;
    e.vy = 0.0f;
    e.phase = 0.0f;
    e.active = 1;
    e.hit = 0;
    return e;
}

bool SameRecord(const SmallEnemy& a, const SmallEnemy& b) {
    return std::memcmp(&a, &b, sizeof(SmallEnemy)) == 0;
}

// ---- Spawn and bounds -------------------------------------------------------------------------------------

TEST_F(SmallEnemyTest, SpawnArmsAFreeSlotAboveTheField) {
    for (int i = 0; i < 200; ++i) {
        SmallEnemy& e = SmallEnemies[2];
        e.active = 0;
        e.hit = 1;
        e.runCounter = 1;
        e.frame = 6;
        e.flameFrame = 9;
        e.phase = 30.0f;
        e.heading = 2.0f;
        e.speed = 170.0f;
        SpawnSmallEnemy(2);
        ASSERT_EQ(e.active, 1);
        EXPECT_EQ(e.hit, 0);
        EXPECT_EQ(e.runCounter, 0);
        EXPECT_EQ(e.frame, 0);
        EXPECT_EQ(e.flameFrame, 0);
        EXPECT_EQ(e.phase, 0.0f);
        EXPECT_EQ(e.heading, 0.0f);
        EXPECT_EQ(e.speed, 170.0f);  // left as it was
        EXPECT_EQ(e.y, -80.0f);
        EXPECT_GE(e.x, 200.0f);
        EXPECT_LE(e.x, 519.0f);
        EXPECT_GE(e.vy, 70.0f);
        EXPECT_LE(e.vy, 139.0f);
        EXPECT_GE(e.vx, 20.0f);
        EXPECT_LE(e.vx, 39.0f);
        EXPECT_GE(e.explosionStyle, 0);
        EXPECT_LE(e.explosionStyle, 3);
    }
}

TEST_F(SmallEnemyTest, ASpawnOnALiveOrExplodingSlotChangesNothingAndDrawsNoNumber) {
    for (int hit : {0, 1}) {
        SmallEnemy& e = Stand(3, 301.0f, 202.0f);
        e.hit = hit;
        e.frame = 4;
        const SmallEnemy before = e;
        crt::srand(11);
        const int expected = crt::rand();
        crt::srand(11);
        SpawnSmallEnemy(3);
        EXPECT_TRUE(SameRecord(e, before));
        EXPECT_EQ(crt::rand(), expected);
    }
}

TEST_F(SmallEnemyTest, ASlotAtTheTopEdgeIsInsideAndMovesOnTheNextMove) {
    SmallEnemies[4].active = 0;
    SpawnSmallEnemy(4);
    FrameTime = 0.0f;
    MoveSmallEnemy(4, 0);
    EXPECT_EQ(SmallEnemies[4].active, 1);
    FrameTime = kFrame;
    MoveSmallEnemy(4, 0);
    EXPECT_GT(SmallEnemies[4].y, -80.0f);
}

TEST_F(SmallEnemyTest, BoundsAreStrictOnEveryEdgeAndAParkedSlotStaysParked) {
    FrameTime = 0.0f;
    const float inside[][2] = {{-80.0f, 100.0f}, {800.0f, 100.0f}, {300.0f, -80.0f}, {300.0f, 600.0f}};
    for (const auto& p : inside) {
        Stand(5, p[0], p[1]);
        MoveSmallEnemy(5, 0);
        EXPECT_EQ(SmallEnemies[5].active, 1) << p[0] << "," << p[1];
    }
    const float outside[][2] = {{-80.01f, 100.0f}, {800.01f, 100.0f}, {300.0f, -80.01f}, {300.0f, 600.01f}};
    for (const auto& p : outside) {
        Stand(5, p[0], p[1]);
        MoveSmallEnemy(5, 0);
        EXPECT_EQ(SmallEnemies[5].active, 0) << p[0] << "," << p[1];
        EXPECT_EQ(SmallEnemies[5].x, -500.0f);
        EXPECT_EQ(SmallEnemies[5].y, 2550.0f);
    }
    MoveSmallEnemy(5, 3);  // a parked slot is not moved
    EXPECT_EQ(SmallEnemies[5].y, 2550.0f);
}

TEST_F(SmallEnemyTest, ArgumentsOutsideTheirTablesDoNothing) {
    const SmallEnemy before = SmallEnemies[0];
    SpawnSmallEnemy(-1);
    SpawnSmallEnemy(kSmallEnemyCount);
    MoveSmallEnemy(0, -1);
    MoveSmallEnemy(0, kSmallEnemyPatterns);
    MoveSmallEnemy(kSmallEnemyCount, 0);
    Stand(0, 300.0f, 200.0f);
    elDraw::ClearBackBuffer();
    DrawSmallEnemy(0, -1);
    DrawSmallEnemy(0, kSmallEnemyLooks);
    DrawSmallEnemy(-1, 0);
    EXPECT_EQ(LitPixels(), 0);
    SmallEnemies[0] = before;
}

// ---- Patterns ---------------------------------------------------------------------------------------------

TEST_F(SmallEnemyTest, PatternOneTurnsTowardTheShipAndKeepsItsSpeedDirectlyAbove) {
    FrameTime = 0.0f;
    SmallEnemy& e = Stand(0, 300.0f, 100.0f);
    e.vx = 33.0f;
    PlayerPosition.x = 300.0f;
    MoveSmallEnemy(0, 1);
    EXPECT_EQ(e.vx, 33.0f);
    PlayerPosition.x = 299.0f;
    MoveSmallEnemy(0, 1);
    EXPECT_EQ(e.vx, -50.0f);
    PlayerPosition.x = 301.0f;
    MoveSmallEnemy(0, 1);
    EXPECT_EQ(e.vx, 50.0f);
}

TEST_F(SmallEnemyTest, PatternTwoAtPhaseExactlyTwentyStepsBothWaysAndRestartsAfterForty) {
    FrameTime = 0.1f;
    SmallEnemy& e = Stand(1, 300.25f, 100.0f);
    e.vx = 30.0f;
    e.vy = 50.0f;
    e.phase = 19.0f;  // the step takes it to exactly 20
    MoveSmallEnemy(1, 2);
    EXPECT_EQ(e.phase, 20.0f);
    EXPECT_EQ(e.x, 300.25f);
    EXPECT_FLOAT_EQ(e.y, 105.0f);
    e.phase = 9.0f;  // right
    MoveSmallEnemy(1, 2);
    EXPECT_FLOAT_EQ(e.x, 303.25f);
    e.phase = 29.0f;  // left
    MoveSmallEnemy(1, 2);
    EXPECT_FLOAT_EQ(e.x, 300.25f);
    e.phase = 40.5f;  // 41.5: no sideways step, back to 0
    MoveSmallEnemy(1, 2);
    EXPECT_FLOAT_EQ(e.x, 300.25f);
    EXPECT_EQ(e.phase, 0.0f);
}

TEST_F(SmallEnemyTest, PatternsThreeAndFourFallAtAFixedSpeedAndDriftApart) {
    FrameTime = 0.1f;
    SmallEnemy& right = Stand(2, 300.0f, 100.0f);
    SmallEnemy& left = Stand(3, 300.0f, 100.0f);
    right.vx = left.vx = 999.0f;
    right.vy = left.vy = 5.0f;
    right.phase = left.phase = 19.5f;  // to 20.5, between two ranges
    MoveSmallEnemy(2, 3);
    MoveSmallEnemy(3, 4);
    EXPECT_FLOAT_EQ(right.y, 112.0f);  // 120 a second, not vy
    EXPECT_FLOAT_EQ(right.x, 399.9f);
    EXPECT_FLOAT_EQ(left.x, 200.1f);
    EXPECT_EQ(right.vx, 999.0f);  // 20.5 changes no speed
    MoveSmallEnemy(2, 3);         // 21.5
    EXPECT_EQ(right.vx, 15.0f);
    right.phase = 380.0f;  // 381: last range left behind, back to 0
    MoveSmallEnemy(2, 3);
    EXPECT_EQ(right.phase, 0.0f);
    EXPECT_EQ(right.vx, 15.0f);
}

TEST_F(SmallEnemyTest, PhasedPatternsTakeTheirTableRowsAfterTheMove) {
    struct Case {
        int pattern;
        float phase;  // before a 0.1 s frame
        float vy;
        float vx;
    };
    const Case cases[] = {{5, 0.0f, 220.0f, 0.0f},     {5, 47.0f, 220.0f, 255.0f},
                          {6, 87.0f, 0.0f, 90.0f},     {7, 2.0f, 320.0f, 0.0f},
                          {7, 97.0f, -90.0f, 0.0f},    {8, 144.0f, -220.0f, -240.0f},
                          {8, 127.0f, -190.0f, -90.0f}};
    FrameTime = 0.1f;
    for (const Case& c : cases) {
        SmallEnemy& e = Stand(6, 300.0f, 300.0f);
        e.phase = c.phase;
        MoveSmallEnemy(6, c.pattern);
        EXPECT_EQ(e.vy, c.vy) << c.pattern << " at " << c.phase;
        EXPECT_EQ(e.vx, c.vx) << c.pattern << " at " << c.phase;
    }
    SmallEnemy& e = Stand(6, 300.0f, 300.0f);
    e.phase = 256.0f;  // pattern 7: 264 is past its last range
    MoveSmallEnemy(6, 7);
    EXPECT_EQ(e.phase, 0.0f);
}

TEST_F(SmallEnemyTest, CirclingTurnsOneDegreeAFrameWhateverTheFrameTime) {
    for (float dt : {1.0f / 30.0f, 1.0f / 120.0f}) {
        FrameTime = dt;
        SmallEnemy& e = Stand(9, 450.0f, 100.0f);
        e.heading = 0.0f;
        e.speed = 0.0f;  // a first life: the record's speed is used on the first frame
        MoveSmallEnemy(9, 9);
        EXPECT_EQ(e.x, 450.0f);
        EXPECT_EQ(e.speed, 170.0f);
        EXPECT_EQ(e.heading, kDegree);
        for (int i = 1; i < 90; ++i) MoveSmallEnemy(9, 9);
        EXPECT_NEAR(e.heading, 90.0f * kDegree, 1e-4f);
        // Pattern 9 starts toward the left; pattern 10 mirrors it upward.
        EXPECT_EQ(e.active, 1);
        EXPECT_LT(e.x, 450.0f);
        EXPECT_GT(e.y, 100.0f);
    }
    FrameTime = kFrame;
    SmallEnemy& e = Stand(10, 300.0f, 300.0f);
    e.heading = 0.0f;
    e.speed = 170.0f;
    MoveSmallEnemy(10, 10);
    EXPECT_EQ(e.heading, -kDegree);
    EXPECT_GT(e.x, 300.0f);
    // A full turn starts over at one degree.
    e.heading = kFullTurn - 0.5f * kDegree;
    MoveSmallEnemy(10, 9);
    EXPECT_EQ(e.heading, kDegree);
    e.heading = -kFullTurn + 0.5f * kDegree;
    MoveSmallEnemy(10, 10);
    EXPECT_EQ(e.heading, -kDegree);
}

// ---- Explosion --------------------------------------------------------------------------------------------

// Frames until the slot is parked, moving it by `pattern` and drawing it each frame.
int ExplodeToTheEnd(int slot, int pattern, int look, int limit = 100) {
    int frames = 0;
    while (SmallEnemies[slot].active != 0 && frames < limit) {
        MoveSmallEnemy(slot, pattern);
        DrawSmallEnemy(slot, look);
        ++frames;
    }
    return frames;
}

TEST_F(SmallEnemyTest, AnExplosionRunsTwiceTenFramesWithTwoBomsThenParksEverything) {
    SmallEnemy& e = Stand(7, 300.0f, 200.0f);
    e.vx = 40.0f;
    e.vy = 90.0f;
    e.explosionStyle = 2;
    e.busy = 0;
    MarkSmallEnemyHit(7);
    MoveSmallEnemy(7, 0);
    DrawSmallEnemy(7, 0);
    EXPECT_EQ(e.vx, 0.0f);
    EXPECT_EQ(e.vy, 0.0f);
    EXPECT_EQ(e.frame, 1);
    EXPECT_EQ(Plays(SoundBom), 1);
    EXPECT_EQ(ExplodeToTheEnd(7, 0, 0), 19);
    EXPECT_EQ(e.y, 2550.0f);
    EXPECT_EQ(Plays(SoundBom), 2);
    EXPECT_EQ(e.x, -500.0f);
    EXPECT_EQ(e.active, 0);
    EXPECT_EQ(e.hit, 0);
    EXPECT_EQ(e.busy, 0);
    EXPECT_EQ(e.frame, 0);
    EXPECT_EQ(e.runCounter, 0);
}

TEST_F(SmallEnemyTest, PatternsThreeAndFourKeepFallingWhileTheOthersStandStill) {
    FrameTime = 0.1f;
    SmallEnemy& falling = Stand(3, 300.0f, 100.0f);
    SmallEnemy& loop = Stand(7, 400.0f, 100.0f);
    falling.hit = loop.hit = 1;
    loop.vy = 200.0f;
    for (int i = 0; i < 5; ++i) {
        MoveSmallEnemy(3, 3);
        DrawSmallEnemy(3, 3);
        MoveSmallEnemy(7, 7);
        DrawSmallEnemy(7, 1);
    }
    EXPECT_FLOAT_EQ(falling.y, 160.0f);  // 120 a second, five frames
    EXPECT_FLOAT_EQ(falling.x, 300.0f);
    EXPECT_FLOAT_EQ(loop.y, 120.0f);  // the first frame's vy, then cleared each frame
}

TEST_F(SmallEnemyTest, ABlendOfZeroDrawsPlainCellsAndAnyOtherValueNothingWithTheSameTimingAndSound) {
    for (int blend : {0, 2}) {
        headless::ClearSoundCalls();
        BlendEffects = blend;
        SmallEnemy& e = Stand(8, 300.0f, 200.0f);
        e.explosionStyle = 0;
        e.hit = 1;
        elDraw::ClearBackBuffer();
        MoveSmallEnemy(8, 0);
        DrawSmallEnemy(8, 0);
        if (blend == 0) {
            EXPECT_GT(LitPixels(), 0);
        } else {
            EXPECT_EQ(LitPixels(), 0);
        }
        EXPECT_EQ(ExplodeToTheEnd(8, 0, 0), 19) << blend;
        EXPECT_EQ(Plays(SoundBom), 2) << blend;
    }
}

TEST_F(SmallEnemyTest, AHitOnAnExplodingSlotContinuesTheExplosion) {
    SmallEnemy& e = Stand(9, 300.0f, 200.0f);
    e.hit = 1;
    for (int i = 0; i < 13; ++i) DrawSmallEnemy(9, 5);
    EXPECT_EQ(e.frame, 3);
    EXPECT_EQ(e.runCounter, 1);
    MarkSmallEnemyHit(9);
    DrawSmallEnemy(9, 5);
    EXPECT_EQ(e.frame, 4);
    EXPECT_EQ(ExplodeToTheEnd(9, 9, 5), 6);
    EXPECT_EQ(Plays(SoundBom), 2);
}

TEST_F(SmallEnemyTest, ASlotHitAsItLeavesPlaysNothingAndItsNextSpawnClearsTheFlag) {
    SmallEnemy& e = Stand(10, 300.0f, 599.0f);
    e.vy = 120.0f;
    MarkSmallEnemyHit(10);
    MoveSmallEnemy(10, 0);
    ASSERT_EQ(e.active, 0);
    elDraw::ClearBackBuffer();
    DrawSmallEnemy(10, 2);
    EXPECT_EQ(LitPixels(), 0);
    EXPECT_EQ(Plays(SoundBom), 0);
    EXPECT_EQ(e.hit, 1);
    EXPECT_EQ(e.y, 2550.0f);
    SpawnSmallEnemy(10);
    EXPECT_EQ(e.hit, 0);
    EXPECT_EQ(e.active, 1);
}

TEST_F(SmallEnemyTest, AnInactiveSlotDrawsNothing) {
    SmallEnemy& e = Stand(11, 300.0f, 200.0f);
    e.active = 0;
    e.flameFrame = 0;
    elDraw::ClearBackBuffer();
    DrawSmallEnemy(11, 4);
    EXPECT_EQ(LitPixels(), 0);
    EXPECT_EQ(e.flameFrame, 0);
}

// The cells of each explosion variant, placed as the variant's layout says, at frame 3 of a slot at
// (300.7, 200.2): its whole-pixel place is (300, 200).
enum Blend { kAdd, kHalf, kKey };
void Cell(Blend blend, int picture, int size, int x, int y, int f) {
    const int left = size * f;
    if (blend == kAdd) elDraw::DrawAdditive(x, y, picture, left, 0, left + size, size);
    if (blend == kHalf) elDraw::DrawHalfTransparent(x, y, picture, left, 0, left + size, size);
    if (blend == kKey) elDraw::Draw(x, y, picture, left, 0, left + size, size);
}
void ExpectedVariant(int variant, bool plain) {
    const int x = 300;
    const int y = 200;
    const int f = 3;
    auto b = [plain](Blend blend) { return plain ? kKey : blend; };
    if (variant <= 1) {
        Cell(b(kAdd), PicZBAK3B, 80, x, y, f);
        Cell(b(kHalf), PicZBAK3B, 80, x - 6 * f + 20, y - 6 * f + 20, f);
        Cell(b(kAdd), PicZBAK3B, 80, x + 6 * f + 20, y + 2 * f + 20, f);
        Cell(b(kAdd), PicZBAK3B, 80, x - 6 * f + 20, y + 6 * f + 20, f);
        Cell(b(kAdd), PicZBAK3B, 80, x + f + 20, y - 6 * f + 20, f);
    } else if (variant == 2) {
        Cell(b(kHalf), PicZBAK2B, 80, x, y, f);
        const int debris[][2] = {{-4, -6}, {1, 7}, {7, -1}, {-6, 3}, {-7, -6}, {5, -8}};
        for (const auto& d : debris) Cell(b(kAdd), PicZBAK6B, 40, x + d[0] * f + 20, y + d[1] * f + 20, f);
    } else {
        Cell(b(kAdd), PicZBAK2B, 80, x + 6 * f + 20, y - f + 20, f);
        Cell(b(kHalf), PicZBAK2B, 80, x + 6 * f + 20, y + 6 * f + 20, f);
        Cell(b(kAdd), PicZBAK2B, 80, x - 6 * f + 20, y + 4 * f + 20, f);
        Cell(b(kHalf), PicZBAK2B, 80, x + 2 * f + 20, y - 6 * f + 20, f);
        Cell(b(kAdd), PicZBAK2B, 80, x, y, f);
        Cell(b(kAdd), PicZBAK2B, 80, x - 6 * f + 20, y - 6 * f + 20, f);
    }
}

TEST_F(SmallEnemyTest, EachExplosionVariantDrawsItsOwnLayoutBlendedAndPlain) {
    for (int blend : {1, 0}) {
        BlendEffects = blend;
        for (int variant = 0; variant < 4; ++variant) {
            const auto drawn = Drawn([variant] {
                SmallEnemy& e = Stand(12, 300.7f, 200.2f);
                e.explosionStyle = variant;
                e.hit = 1;
                e.frame = 3;
                DrawSmallEnemy(12, 0);
            });
            const auto expected = Drawn([variant, blend] { ExpectedVariant(variant, blend == 0); });
            EXPECT_TRUE(drawn == expected) << "variant " << variant << " blend " << blend;
        }
    }
}

// ---- Looks ------------------------------------------------------------------------------------------------

TEST_F(SmallEnemyTest, FlamesAdvanceOnlyForLooksWithFlamesAndWrapAfterNineteen) {
    SmallEnemy& e = Stand(12, 300.0f, 200.0f);
    e.flameFrame = 18;
    DrawSmallEnemy(12, 1);
    EXPECT_EQ(e.flameFrame, 19);
    DrawSmallEnemy(12, 2);
    EXPECT_EQ(e.flameFrame, 0);
    for (int look : {0, 5, 6}) {
        DrawSmallEnemy(12, look);
        EXPECT_EQ(e.flameFrame, 0) << look;
    }
    // Flames sit above the body: look 2's at (x + 5, y - 54) and (x + 55, y - 54).
    elDraw::ClearBackBuffer();
    DrawSmallEnemy(12, 2);
    EXPECT_GT(LitPixels(305, 146, 325, 200), 0);
    EXPECT_GT(LitPixels(355, 146, 375, 200), 0);
    elDraw::ClearBackBuffer();
    DrawSmallEnemy(12, 0);  // look 0: no flames, body at (x + 5, y + 10)
    EXPECT_EQ(LitPixels(220, 100, 580, 210), 0);
}

TEST_F(SmallEnemyTest, TurnedLooksAreDrawnUprightFromMinus90To0AndTurnedOtherwise) {
    const int x = 300;
    const int y = 200;
    auto upright = [&](int picture) { return Drawn([&] { elDraw::Draw(x, y, picture, 0, 0, 80, 80); }); };
    auto turned = [&](int picture, int angle) {
        return Drawn([&] { elDraw::DrawRotated(x, y, x + 80, y + 80, angle, picture, 0, 0, 80, 80); });
    };
    auto look = [&](int which, float degrees) {
        return Drawn([&] {
            SmallEnemy& e = Stand(13, static_cast<float>(x), static_cast<float>(y));
            e.heading = degrees * kDegree;
            DrawSmallEnemy(13, which);
        });
    };
    // Look 5: the angle is the degrees less 90.
    EXPECT_TRUE(look(5, 0.5f) == upright(PicSZAK6_1));   // -90
    EXPECT_TRUE(look(5, 90.5f) == upright(PicSZAK6_1));  // 0
    EXPECT_TRUE(look(5, 135.5f) == turned(PicSZAK6_1, 45));
    EXPECT_TRUE(look(5, -30.5f) == turned(PicSZAK6_1, -120));
    // Look 6: the angle is 270 plus the degrees.
    EXPECT_TRUE(look(6, -300.5f) == upright(PicSZAK6_2));  // -30
    EXPECT_TRUE(look(6, -20.5f) == turned(PicSZAK6_2, 250));
    EXPECT_TRUE(look(6, -5.5f) == turned(PicSZAK6_2, 265));
}

}  // namespace
