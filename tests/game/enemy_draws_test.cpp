// The ordinary enemy kinds' draws: live sprites, explosion styles and their timing, lock-on markers.
#include "enemy_fixture.h"
#include "game/core/picture_slots.h"
#include "game/core/resets.h"
#include "game/enemies/enemy_hits.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_pools.h"

namespace {

using EnemyDrawTest = EnemyTest;

template <typename R>
R& Place(R& r, float x, float y) {
    r.x = x;
    r.y = y;
    r.vx = 0.0f;
    r.vy = 0.0f;
    r.active = 1;
    r.hit = 0;
    r.runCounter = 0;
    return r;
}

// Draw calls until the record is parked (or `limit`).
template <typename R>
int FramesToPark(R& r, void (*draw)(), int limit = 100) {
    int frames = 0;
    while (r.active != 0 && frames < limit) {
        draw();
        ++frames;
    }
    return frames;
}

TEST_F(EnemyDrawTest, KindExplosionsRunTwiceEightFramesWithABomEachRun) {
    struct Case {
        const char* kind;
        void (*draw)();
        EnemyRecord* record;
    };
    const Case cases[] = {{"swooper", DrawSwoopers2, &Swoopers2[1]},
                          {"diver", DrawDivers, &Divers[2]},
                          {"carrier", DrawCarrier1, &Carrier1[0]}};
    for (const Case& c : cases) {
        headless::ClearSoundCalls();
        EnemyRecord& r = Place(*c.record, 300.0f, 200.0f);
        r.hit = 1;
        r.busy = 0;
        EXPECT_EQ(FramesToPark(r, c.draw), 16) << c.kind;
        EXPECT_EQ(Plays(SoundBom), 2) << c.kind;
        EXPECT_EQ(r.x, -500.0f);
        EXPECT_EQ(r.y, 2550.0f);
        EXPECT_EQ(r.hit, 0);
        EXPECT_EQ(r.explosionFrame, 0);
        EXPECT_EQ(r.runCounter, 0);
    }
    Place(WaveFlyers1[3], 300.0f, 200.0f).hit = 1;
    EXPECT_EQ(FramesToPark(WaveFlyers1[3], DrawWaveFlyers1), 16);
    Place(FormationShooters4[0], 300.0f, 200.0f).hit = 1;
    EXPECT_EQ(FramesToPark(FormationShooters4[0], DrawFormationShooters4), 16);
    Place(Spinners1[2], 300.0f, 200.0f).hit = 1;
    EXPECT_EQ(FramesToPark(Spinners1[2], DrawSpinners1), 16);
}

TEST_F(EnemyDrawTest, AHitWhileExplodingContinuesAndAHitAsItLeavesPlaysNothing) {
    EnemyRecord& r = Place(Swoopers1[0], 300.0f, 200.0f);
    r.hit = 1;
    for (int i = 0; i < 5; ++i) DrawSwoopers1();
    MarkSwooperHit1(0);
    EXPECT_EQ(r.explosionFrame, 5);
    EXPECT_EQ(FramesToPark(r, DrawSwoopers1), 11);
    // Hit in the frame it leaves: its mover parks it first.
    headless::ClearSoundCalls();
    Place(Swoopers1[1], 300.0f, 599.5f).vy = 100.0f;
    MarkSwooperHit1(1);
    MoveSwoopers1();
    elDraw::ClearBackBuffer();
    DrawSwoopers1();
    EXPECT_EQ(LitPixels(), 0);
    EXPECT_EQ(Plays(SoundBom), 0);
    EXPECT_EQ(Swoopers1[1].hit, 1);
    SpawnSwoopers1();
    EXPECT_EQ(Swoopers1[1].hit, 0);
}

// The explosion cells at frame 3 of a record at (300, 200).
void Cell(int picture, int size, int x, int y, int blit) {
    const int left = size * 3;
    if (blit == 0) elDraw::Draw(x, y, picture, left, 0, left + size, size);
    if (blit == 1) elDraw::DrawAdditive(x, y, picture, left, 0, left + size, size);
    if (blit == 2) elDraw::DrawHalfTransparent(x, y, picture, left, 0, left + size, size);
}

TEST_F(EnemyDrawTest, ScatterIsAFireballWithSixPiecesOfDebrisAndItsPlainFormOneCell) {
    auto explosion = [] {
        EnemyRecord& r = Place(Swoopers1[0], 300.0f, 200.0f);
        r.hit = 1;
        r.explosionFrame = 3;
        DrawSwoopers1();
    };
    const int f = 3;
    const auto scatter = Drawn([f] {
        Cell(PicZBAK2B, 80, 300, 200, 1);
        const int debris[][2] = {{-4, -6}, {1, 7}, {7, -1}, {-6, 3}, {7, 6}, {5, -8}};
        for (const auto& d : debris) Cell(PicZBAK6B, 40, 300 + d[0] * f + 20, 200 + d[1] * f + 20, 1);
    });
    EXPECT_TRUE(Drawn(explosion) == scatter);
    BlendEffects = 0;
    EXPECT_TRUE(Drawn(explosion) == Drawn([] { Cell(PicZBAK2B, 80, 300, 200, 0); }));
    BlendEffects = 2;
    EXPECT_TRUE(Drawn(explosion) == Drawn([] {}));
}

TEST_F(EnemyDrawTest, DiversExplodeInAClusterAndFormationsInTheirOwnLayout) {
    const int f = 3;
    auto diver = [] {
        EnemyRecord& r = Place(Divers[0], 300.0f, 200.0f);
        r.hit = 1;
        r.explosionFrame = 3;
        DrawDivers();
    };
    auto cluster = [f](int add, int half) {
        Cell(PicZBAK2B, 80, 300 + 6 * f + 20, 200 - f + 20, add);
        Cell(PicZBAK2B, 80, 300 + 6 * f + 20, 200 + 6 * f + 20, half);
        Cell(PicZBAK2B, 80, 300 - 6 * f + 20, 200 + 4 * f + 20, add);
        Cell(PicZBAK2B, 80, 300 + 2 * f + 20, 200 - 6 * f + 20, half);
        Cell(PicZBAK2B, 80, 300, 200, add);
        Cell(PicZBAK2B, 80, 300 - 6 * f + 20, 200 - 6 * f + 20, add);
    };
    EXPECT_TRUE(Drawn(diver) == Drawn([&] { cluster(1, 2); }));
    BlendEffects = 0;
    EXPECT_TRUE(Drawn(diver) == Drawn([&] { cluster(0, 0); }));

    BlendEffects = 1;
    auto formation = [] {
        EnemyRecordPhased& r = Place(FormationShooters2[1], 300.0f, 200.0f);
        r.vx = -220.0f;
        r.vy = 310.0f;
        r.hit = 1;
        r.explosionFrame = 3;
        DrawFormationShooters2();
    };
    EXPECT_TRUE(Drawn(formation) == Drawn([f] {
                    Cell(PicZBAK2B, 80, 300 - 6 * f + 20, 200 + f + 20, 1);
                    Cell(PicZBAK2B, 80, 300 - 6 * f + 20, 200 - 6 * f + 20, 2);
                    Cell(PicZBAK2B, 80, 300 + 6 * f + 20, 200 - 4 * f + 20, 1);
                    Cell(PicZBAK2B, 80, 300 - 2 * f + 20, 200 + 6 * f + 20, 2);
                    Cell(PicZBAK2B, 80, 300, 200, 1);
                    Cell(PicZBAK2B, 80, 300 + 6 * f + 20, 200 + 6 * f + 20, 1);
                }));
    EXPECT_EQ(FormationShooters2[1].vx, 0.0f);  // blended, it stops
    EXPECT_EQ(FormationShooters2[1].vy, 0.0f);
    BlendEffects = 0;
    EXPECT_TRUE(Drawn(formation) == Drawn([] { Cell(PicZBAK2B, 80, 300, 200, 0); }));
    EXPECT_EQ(FormationShooters2[1].vx, -220.0f);  // plain, it flies on
    EXPECT_EQ(FormationShooters2[1].vy, 310.0f);
}

TEST_F(EnemyDrawTest, CarriersShowWhileParkedAndExplodeKeyedWhateverTheBlend) {
    EnemyRecord& c = Place(Carrier2[0], 250.0f, 150.0f);
    c.active = 0;
    EXPECT_TRUE(Drawn(DrawCarrier2) == Drawn([] { elDraw::Draw(250, 150, PicSZAK52, 0, 0, 200, 160); }));
    const auto carrierExplosion = Drawn([] {
        const int places[][2] = {{0, 0}, {60, 0}, {120, 0}, {30, 40}, {90, 40}, {0, 80}, {60, 80}, {120, 80}};
        for (int k = 0; k < 8; ++k) {
            Cell(k % 2 == 0 ? PicZBAK2B : PicZBAK3B, 80, 250 + places[k][0], 150 + places[k][1], 0);
        }
    });
    for (int blend : {1, 0, 2}) {
        BlendEffects = blend;
        c.active = 1;
        c.hit = 1;
        c.explosionFrame = 3;
        EXPECT_TRUE(Drawn(DrawCarrier2) == carrierExplosion) << blend;
    }
    // A parked, hit carrier draws nothing at all.
    c.active = 0;
    EXPECT_EQ(Drawn(DrawCarrier2), Drawn([] {}));
}

TEST_F(EnemyDrawTest, FormationCellsFollowThePhaseWithBothAtASharedEndAndNoneAbove100) {
    auto shooter = [](float phase) {
        return Drawn([phase] {
            Place(FormationShooters1[0], 300.0f, 200.0f).phase = phase;
            DrawFormationShooters1();
        });
    };
    auto cells = [](std::initializer_list<int> which) {
        return Drawn([which] {
            for (int cell : which) elDraw::Draw(300, 200, PicSZAK30, cell * 100, 0, cell * 100 + 100, 100);
        });
    };
    EXPECT_TRUE(shooter(5.0f) == cells({4}));
    EXPECT_TRUE(shooter(10.0f) == cells({4, 3}));
    EXPECT_TRUE(shooter(35.0f) == cells({1}));
    EXPECT_TRUE(shooter(40.0f) == cells({1, 0}));
    EXPECT_TRUE(shooter(100.0f) == cells({0}));
    EXPECT_TRUE(shooter(100.5f) == cells({}));
}

TEST_F(EnemyDrawTest, ALockedMarkerFollowsItsActiveRecordAndRestsAfterTheExplosion) {
    Place(Swoopers2[0], 300.0f, 200.0f);
    SwooperMarkers2[0] = {10, 10, 1, 0};
    DrawSwoopers2();
    EXPECT_EQ(SwooperMarkers2[0].x, 315);
    EXPECT_EQ(SwooperMarkers2[0].y, 215);
    // The marker is drawn over the swooper.
    EXPECT_TRUE(Drawn(DrawSwoopers2) == Drawn([] {
                    elDraw::Draw(300, 200, PicSZAK22, 0, 0, 90, 90);
                    elDraw::Draw(315, 215, PicROCK1, 0, 0, 60, 60);
                }));
    // Unlocked, or its record inactive: no marker.
    SwooperMarkers2[0].locked = 0;
    EXPECT_TRUE(Drawn(DrawSwoopers2) == Drawn([] { elDraw::Draw(300, 200, PicSZAK22, 0, 0, 90, 90); }));
    SwooperMarkers2[0] = {10, 10, 1, 0};
    Swoopers2[0].active = 0;
    EXPECT_TRUE(Drawn(DrawSwoopers2) == Drawn([] {}));
    EXPECT_EQ(SwooperMarkers2[0].x, 10);
    // Spinners carry theirs 10 pixels in; the explosion's end puts it back at rest, unlocked.
    EnemyRecordSpin& s = Place(Spinners2[1], 300.7f, 200.2f);
    LockMarkers04[1] = {0, 0, 1, 0};
    DrawSpinners2();
    EXPECT_EQ(LockMarkers04[1].x, 310);
    EXPECT_EQ(LockMarkers04[1].y, 210);
    MarkSpinnerHit2(1);
    for (int i = 0; i < 15; ++i) DrawSpinners2();
    EXPECT_EQ(LockMarkers04[1].locked, 1);
    DrawSpinners2();
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(LockMarkers04[1].x, 290);
    EXPECT_EQ(LockMarkers04[1].y, 0);
    EXPECT_EQ(LockMarkers04[1].locked, 0);
}

TEST_F(EnemyDrawTest, TheSpinAngleTurnsSevenDegreesAFrameAndStartsOverAtAFullCircle) {
    EnemyRecordSpin& s = Place(Spinners1[0], 300.0f, 200.0f);
    s.spinAngle = 100;
    EXPECT_TRUE(Drawn(DrawSpinners1) ==
                Drawn([] { elDraw::DrawRotated(300, 200, 379, 279, 100, PicSZAK6, 0, 0, 79, 79); }));
    EXPECT_EQ(s.spinAngle, 107);
    s.spinAngle = 357;
    DrawSpinners1();
    EXPECT_EQ(s.spinAngle, 0);
    s.spinAngle = 352;
    DrawSpinners1();
    EXPECT_EQ(s.spinAngle, 359);
    // Only a drawn spinner turns.
    s.active = 0;
    DrawSpinners1();
    EXPECT_EQ(s.spinAngle, 359);
}

TEST_F(EnemyDrawTest, DiversWearTwoFlamesOnOneCounterForTheKind) {
    Place(Divers[0], 300.0f, 200.0f);
    Place(Divers[1], 400.0f, 200.0f);
    DiverFlameFrame = 7;
    EXPECT_TRUE(Drawn(DrawDivers) == Drawn([] {
                    for (int x : {300, 400}) {
                        elDraw::Draw(x + 12, 158, PicZFIRE2, 140, 0, 160, 70);
                        elDraw::Draw(x + 48, 158, PicZFIRE2, 140, 0, 160, 70);
                        elDraw::Draw(x, 200, PicSZAK12, 0, 0, 80, 80);
                    }
                }));
    EXPECT_EQ(DiverFlameFrame, 8);  // one step a frame, however many divers
    DiverFlameFrame = 19;
    DrawDivers();
    EXPECT_EQ(DiverFlameFrame, 0);
    Divers[0].active = Divers[1].active = 0;
    DrawDivers();
    EXPECT_EQ(DiverFlameFrame, 0);
    DiverFlameFrame = 12;
    ResetGameStateA();
    EXPECT_EQ(DiverFlameFrame, 0);
}

TEST_F(EnemyDrawTest, LiveSpritesOfTheCornerKinds) {
    Place(WaveFlyers1[0], 300.0f, 200.0f);
    Place(Swoopers1[1], 250.0f, 100.0f);
    EXPECT_TRUE(Drawn([] {
                    DrawWaveFlyers1();
                    DrawSwoopers1();
                }) == Drawn([] {
                    elDraw::Draw(300, 200, PicSZAK21, 0, 0, 90, 90);
                    elDraw::Draw(250, 100, PicSZAK21, 0, 0, 90, 90);
                }));
}

}  // namespace
