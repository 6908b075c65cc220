// Boss C's bullet lines: the aimed lines of the side guns and the fast lines, two of them drifting.
#include <array>
#include <set>

#include "game/stage_c/boss_c_lines.h"
#include "stage_c_fixture.h"

namespace {

using ShotLineTest = StageCTest;

struct Line {
    EnemyShot60* records;
    int count;
};

// The thirty lines by number.
std::array<Line, 31> Lines() {
    return {
        Line{nullptr, 0},        Line{BossShotLine01, 5}, Line{BossShotLine02, 5}, Line{BossShotLine03, 5},
        Line{BossShotLine04, 5}, Line{BossShotLine05, 5}, Line{BossShotLine06, 5}, Line{BossShotLine07, 5},
        Line{BossShotLine08, 5}, Line{BossShotLine09, 5}, Line{BossShotLine10, 5}, Line{BossShotLine11, 5},
        Line{BossShotLine12, 5}, Line{BossShotLine13, 5}, Line{BossShotLine14, 5}, Line{BossShotLine15, 5},
        Line{BossShotLine16, 5}, Line{BossShotLine17, 5}, Line{BossShotLine18, 5}, Line{BossShotLine19, 5},
        Line{BossShotLine20, 5}, Line{BossShotLine21, 5}, Line{BossShotLine22, 5}, Line{BossShotLine23, 5},
        Line{BossShotLine24, 5}, Line{BossShotLine25, 5}, Line{BossShotLine26, 5}, Line{BossShotLine27, 5},
        Line{BossShotLine28, 5}, Line{BossShotLine29, 8}, Line{BossShotLine30, 8}};
}

constexpr void (*kMoves[31])() = {nullptr,
                                  MoveBossShotLine01,
                                  MoveBossShotLine02,
                                  MoveBossShotLine03,
                                  MoveBossShotLine04,
                                  MoveBossShotLine05,
                                  MoveBossShotLine06,
                                  MoveBossShotLine07,
                                  MoveBossShotLine08,
                                  MoveBossShotLine09,
                                  MoveBossShotLine10,
                                  MoveBossShotLine11,
                                  MoveBossShotLine12,
                                  MoveBossShotLine13,
                                  MoveBossShotLine14,
                                  MoveBossShotLine15,
                                  MoveBossShotLine16,
                                  MoveBossShotLine17,
                                  MoveBossShotLine18,
                                  MoveBossShotLine19,
                                  MoveBossShotLine20,
                                  MoveBossShotLine21,
                                  MoveBossShotLine22,
                                  MoveBossShotLine23,
                                  MoveBossShotLine24,
                                  MoveBossShotLine25,
                                  MoveBossShotLine26,
                                  MoveBossShotLine27,
                                  MoveBossShotLine28,
                                  MoveBossShotLine29,
                                  MoveBossShotLine30};

bool OutOfField(const EnemyShot60& r) {
    return r.x + 30.0f < 0.0f || r.x > 800.0f || r.y + 30.0f < 0.0f || r.y > 600.0f;
}

// Twice the area of the triangle (gun, a, b): 0 when the three lie on one line.
float Skew(FloatPoint gun, const EnemyShot60& a, const EnemyShot60& b) {
    return (a.x - gun.x) * (b.y - gun.y) - (a.y - gun.y) * (b.x - gun.x);
}

TEST_F(ShotLineTest, ALineIsRefiredOnlyOnceItsSlowestBulletHasLeftAndThenAllAreFreedInPlace) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    PlayerPosition = {450.0f, 520.0f};
    FireBossShotLine06();
    ASSERT_EQ(CountActive(BossShotLine06), 5);
    EXPECT_EQ(BossShotLine06[0].speed, 170.0f);
    EXPECT_EQ(BossShotLine06[4].speed, 270.0f);
    while (!OutOfField(BossShotLine06[4])) MoveBossShotLine06();
    ASSERT_FALSE(OutOfField(BossShotLine06[0]));
    const EnemyShot60 fast = BossShotLine06[4];
    FireBossShotLine06();
    EXPECT_EQ(BossShotLine06[4].x, fast.x);  // nothing was free: no new line
    EXPECT_EQ(CountActive(BossShotLine06), 5);
    while (BossShotLine06[0].active != 0) MoveBossShotLine06();
    EXPECT_EQ(CountActive(BossShotLine06), 0);
    for (const EnemyShot60& r : BossShotLine06) {
        EXPECT_TRUE(OutOfField(r));
        EXPECT_NE(r.y, kParkedY);  // freed where they were
    }
    const EnemyShot60 freed = BossShotLine06[2];
    MoveBossShotLine06();
    EXPECT_EQ(BossShotLine06[2].x, freed.x);
    elDraw::ClearBackBuffer();
    DrawBossShotLine06();
    EXPECT_EQ(LitPixels(0, 0, 800, 600), 0);
    FireBossShotLine06();
    EXPECT_EQ(CountActive(BossShotLine06), 5);
    EXPECT_EQ(BossShotLine06[2].x, 180.0f + 85.0f);
}

TEST_F(ShotLineTest, StraightBelowTheGunOrAboveIt) {
    PlaceBoss(180.0f, 100.0f, 500.0f);  // left gun (265, 200), aim point ship + 15
    PlayerPosition = {250.0f, 400.0f};
    FireBossShotLine06();
    FireBossShotLine03();
    FireBossShotLine09();
    EXPECT_FLOAT_EQ(BossShotLine06[0].heading, kPi / 2.0f);
    EXPECT_FLOAT_EQ(BossShotLine03[0].heading, kPi);
    EXPECT_FLOAT_EQ(BossShotLine09[0].heading, 0.0f);
    for (EnemyShot60* line : {BossShotLine03, BossShotLine06, BossShotLine09}) {
        for (int k = 0; k < 5; ++k) line[k].active = 0;
    }
    for (const float shipY : {185.0f, 100.0f}) {  // level with the gun, then above it
        PlayerPosition = {250.0f, shipY};
        FireBossShotLine06();
        FireBossShotLine03();
        EXPECT_FLOAT_EQ(BossShotLine06[0].heading, kPi / 2.0f + kPi);
        EXPECT_FLOAT_EQ(BossShotLine03[0].heading, 2.0f * kPi);
        for (int k = 0; k < 5; ++k) BossShotLine06[k].active = BossShotLine03[k].active = 0;
    }
    // The right gun's lines turn the other way round.
    PlayerPosition = {490.0f, 400.0f};  // right gun (505, 200)
    FireBossShotLine15();
    FireBossShotLine21();
    EXPECT_FLOAT_EQ(BossShotLine15[0].heading, 0.0f);
    EXPECT_FLOAT_EQ(BossShotLine21[0].heading, kPi);
}

TEST_F(ShotLineTest, TheSideGunsFireInTheirThreeWindowsAndTheOuterLinesOnlyInTheLast) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    auto lines = Lines();
    std::set<int> firedAt[31];
    for (int n = 1; n <= 4900; ++n) {
        for (int k = 1; k <= 30; ++k) {
            for (int i = 0; i < lines[k].count; ++i) lines[k].records[i].active = 0;
        }
        RunAttackRows(StageCAttackRows(), n);
        for (int k = 1; k <= 30; ++k) {
            if (lines[k].records[0].active != 0) firedAt[k].insert(n);
        }
    }
    auto window = [](std::initializer_list<std::pair<int, int>> ranges) {
        std::set<int> out;
        for (auto [lo, hi] : ranges) {
            for (int n = lo; n <= hi; ++n) out.insert(n);
        }
        return out;
    };
    const std::set<int> aimed = window({{250, 280}, {510, 540}, {1200, 1250}});
    for (int k : {3, 4, 5, 6, 7, 8, 15, 16, 17, 18, 19, 20}) EXPECT_EQ(firedAt[k], aimed) << k;
    EXPECT_EQ(firedAt[9], window({{1200, 1250}}));
    EXPECT_EQ(firedAt[21], window({{1200, 1250}}));
    for (int k : {1, 2, 10, 11, 12, 13, 14, 22, 23, 24}) EXPECT_TRUE(firedAt[k].empty()) << k;
    EXPECT_EQ(firedAt[29], window({{100, 200}, {950, 1200}}));
    EXPECT_EQ(firedAt[30], firedAt[29]);
    EXPECT_EQ(firedAt[25], window({{160, 200}, {380, 500}, {1050, 1200}}));
    EXPECT_EQ(firedAt[26], firedAt[25]);
    EXPECT_EQ(firedAt[27], window({{300, 500}, {1000, 1200}}));
    EXPECT_EQ(firedAt[28], firedAt[27]);
}

TEST_F(ShotLineTest, EveryRecordIsHitTestedAtItsWindowsEdgesActiveOrNotButNeverArmedLinesStayHarmless) {
    auto lines = Lines();
    PlayerPosition = {300.0f, 400.0f};
    for (int k = 1; k <= 30; ++k) {
        EnemyShot60* r = lines[k].records;
        const int last = lines[k].count - 1;
        r[0].x = 300.0f;  // record 0 in the field keeps the line from being freed
        r[0].y = 300.0f;
        r[0].speed = 0.0f;
        for (const bool active : {true, false}) {
            r[last].active = active ? 1 : 0;
            r[last].speed = 0.0f;
            r[last].ramp = 300.0f;
            for (const FloatPoint at : {FloatPoint{300.0f, 410.0f}, FloatPoint{330.0f, 430.0f}}) {
                r[last].x = at.x;
                r[last].y = at.y;
                PlayerAlive = 1;
                kMoves[k]();
                EXPECT_EQ(PlayerAlive, 0) << k << ' ' << at.x << ' ' << at.y;
            }
            for (const FloatPoint at : {FloatPoint{299.9f, 410.0f}, FloatPoint{330.1f, 420.0f},
                                        FloatPoint{310.0f, 409.9f}, FloatPoint{310.0f, 430.1f}}) {
                r[last].x = at.x;
                r[last].y = at.y;
                PlayerAlive = 1;
                kMoves[k]();
                EXPECT_EQ(PlayerAlive, 1) << k << ' ' << at.x << ' ' << at.y;
            }
        }
    }
    // Untouched, the lines nothing arms lie parked, off every window.
    ResetGameStateA();
    ResetGameStateB();
    for (const float x : {220.0f, 400.0f, 520.0f}) {
        PlayerPosition = {x, 540.0f};
        for (int k : {1, 2, 10, 11, 12, 13, 14, 22, 23, 24}) {
            PlayerAlive = 1;
            kMoves[k]();
            EXPECT_EQ(PlayerAlive, 1);
            EXPECT_EQ(CountActive(lines[k].records, 5), 0);
        }
    }
    // The clear flag is not theirs.
    PlaceBoss(180.0f, 100.0f, 500.0f);
    FireBossShotLine25();
    ClearEnemyShots = 1;
    MoveBossShotLine25();
    EXPECT_EQ(CountActive(BossShotLine25), 5);
}

TEST_F(ShotLineTest, FastLinesRunStraightAtTheAimPoint) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    PlayerPosition = {420.0f, 520.0f};
    FireBossShotLine27();  // gun (255, 240)
    EXPECT_EQ(BossShotLine27[4].speed, 340.0f);
    for (int f = 0; f < 40; ++f) MoveBossShotLine27();
    const FloatPoint gun{255.0f, 240.0f};
    EnemyShot60 aim{};
    aim.x = 435.0f;
    aim.y = 535.0f;
    for (const EnemyShot60& r : BossShotLine27) EXPECT_NEAR(Skew(gun, r, aim), 0.0f, 30.0f);
    EXPECT_GT(BossShotLine27[4].y, BossShotLine27[0].y);
}

TEST_F(ShotLineTest, TheDriftingLinesSwingApartOnOneLineThroughTheGunAndLeaveWithRecordZero) {
    PlaceBoss(180.0f, 100.0f, 500.0f);
    PlayerPosition = {370.0f, 520.0f};  // between the guns at (285, 200) and (485, 200)
    BossShotLine29[3].ramp = 123.0f;
    FireBossShotLine29();
    FireBossShotLine30();
    for (const EnemyShot60& r : BossShotLine29) EXPECT_EQ(r.ramp, 0.0f);
    const FloatPoint left{285.0f, 200.0f};
    const FloatPoint right{485.0f, 200.0f};
    for (int f = 0; f < 30; ++f) {
        MoveBossShotLine29();
        MoveBossShotLine30();
    }
    // Swung out: left of where the heading alone would have taken it, and the other line right.
    const float t = 30.0f * FrameTime;
    for (int k = 0; k < 8; ++k) {
        const EnemyShot60& a = BossShotLine29[k];
        const EnemyShot60& b = BossShotLine30[k];
        EXPECT_LT(a.x, left.x + std::cos(a.heading) * a.speed * t - 0.4f * a.speed * t) << k;
        EXPECT_GT(b.x, right.x + std::cos(b.heading) * b.speed * t + 0.4f * b.speed * t) << k;
    }
    // Every bullet's way from the gun is its speed times one vector: one line through the gun, the
    // slowest nearest to it, through the drift and after.
    int frames = 30;
    while (BossShotLine29[0].active != 0 && frames < 1000) {
        for (int k = 1; k < 8; ++k) {
            const EnemyShot60& a = BossShotLine29[k - 1];
            const EnemyShot60& b = BossShotLine29[k];
            const float reach =
                std::hypot(a.x - left.x, a.y - left.y) * std::hypot(b.x - left.x, b.y - left.y);
            EXPECT_LE(std::abs(Skew(left, a, b)), 1e-4f * reach + 1.0f) << frames;
            EXPECT_LT(std::hypot(a.x - left.x, a.y - left.y), std::hypot(b.x - left.x, b.y - left.y));
        }
        MoveBossShotLine29();
        MoveBossShotLine30();
        ++frames;
    }
    for (const EnemyShot60& r : BossShotLine29) EXPECT_TRUE(OutOfField(r));
    EXPECT_EQ(BossShotLine29[5].ramp, 300.0f);
}

TEST_F(ShotLineTest, ALongFrameEndsTheDriftWithoutAPartialStep) {
    EnemyShot60& r = BossShotLine30[0];
    r = EnemyShot60{};
    r.active = 1;
    r.x = 300.0f;
    r.y = 300.0f;
    r.heading = 0.0f;
    r.speed = 100.0f;
    r.ramp = 290.0f;
    FrameTime = 0.1f;  // the ramp jumps to 316
    MoveBossShotLine30();
    EXPECT_EQ(r.ramp, 300.0f);
    EXPECT_FLOAT_EQ(r.x, 310.0f);  // the heading's step only
    EXPECT_FLOAT_EQ(r.y, 300.0f);
    r.ramp = 250.0f;
    MoveBossShotLine30();  // 276: a drift step, half the speed sideways and a tenth down
    EXPECT_FLOAT_EQ(r.x, 310.0f + 5.0f + 10.0f);
    EXPECT_FLOAT_EQ(r.y, 301.0f);
}

}  // namespace
