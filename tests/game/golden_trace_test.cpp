// The golden runs' recorder and comparer: how events fold into lines, how records are named, and what a
// mismatch reports.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/core/trace_hook.h"
#include "game/stage_a/stage_a_entities.h"
#include "support/golden_compare.h"
#include "support/golden_trace.h"

namespace {

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class GoldenTraceTest : public ::testing::Test {
protected:
    void SetUp() override { SceneNumber = kSceneStageA; }
    void TearDown() override { SceneNumber = 0; }

    void Frames(GoldenTrace& trace, int n) {
        for (int i = 0; i < n; ++i) trace.EndFrame();
    }
};

TEST_F(GoldenTraceTest, ARowRunOnFollowingFramesIsOneStreakAndAGapStartsAnother) {
    std::string text;
    {
        GoldenTrace trace;
        for (int frame = 1; frame <= 5; ++frame) {
            if (frame != 4) TraceRow(TraceKind::kWaveRow, "waves", 3, 4, static_cast<float>(frame) * 0.5f);
            trace.EndFrame();
        }
        text = trace.Finish();
    }
    EXPECT_EQ(GameTrace, nullptr) << "the trace takes its hook away";
    EXPECT_NE(text.find("000001 wave waves row 3 to 000003 (3 calls) clock 0.500..1.500\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("000005 wave waves row 3 to 000005 (1 calls) clock 2.500..2.500\n"),
              std::string::npos);
    EXPECT_NE(text.find("reached wave waves: 3 (1 of 4)\n"), std::string::npos);
}

TEST_F(GoldenTraceTest, StreaksPastTheListedOnesAreOnlyCountedAndReachedRowsAreGivenAsRanges) {
    GoldenTrace trace;
    const int streaks = GoldenTrace::kStreakLines + 3;
    for (int s = 0; s < streaks; ++s) {
        TraceRow(TraceKind::kAttackRow, "boss", 7, 8, 1.0f);
        for (int row : {0, 1, 2, 5}) TraceRow(TraceKind::kPathRow, "boss", row, 6, 1.0f);
        Frames(trace, 2);
    }
    const std::string text = trace.Finish();
    EXPECT_EQ(Count(text, "attack boss row 7 to"), GoldenTrace::kStreakLines);
    EXPECT_NE(text.find("more attack boss row 7: " + std::to_string(streaks) + " streaks, " +
                        std::to_string(streaks) + " calls"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("reached path boss: 0-2,5 (4 of 6)\n"), std::string::npos);
}

TEST_F(GoldenTraceTest, ArmsAreNamedByTheirArrayAndGroupListedTwiceThenTotalled) {
    GoldenTrace trace;
    TraceArm(&BossASpread01[3], 1, 10.03f, 20.5f);
    trace.EndFrame();
    TraceArm(&BossASpread01[4], 1, 11.0f, 21.0f);
    TraceArm(&BossASpread01[5], 1, 12.0f, 22.0f);
    int local = 0;
    TraceArm(&local, 0, 0.0f, 0.0f);
    const std::string text = trace.Finish();
    EXPECT_EQ(trace.unnamedRecords(), 1);
    EXPECT_NE(text.find("000001 arm BossASpread01 g1 #1 at 10.0000,20.5000\n"), std::string::npos) << text;
    EXPECT_NE(text.find("000002 arm BossASpread01 g1 #2 at 11.0000,21.0000\n"), std::string::npos);
    EXPECT_EQ(Count(text, "arm BossASpread01 g1 #"), GoldenTrace::kArmLines);
    // Sums in sixteenths: 160 + 176 + 192 and 328 + 336 + 352.
    EXPECT_NE(text.find("total arm BossASpread01 g1: 3, first 000001 at 10.0000,20.5000, last 000002 at "
                        "12.0000,22.0000, sum 528,1016\n"),
              std::string::npos);
    EXPECT_NE(text.find("arm ? g0"), std::string::npos);
}

TEST_F(GoldenTraceTest, SceneChangesAndTheHashAreWrittenAtTheirFrames) {
    GoldenTrace trace;
    Frames(trace, 2);
    SceneNumber = kSceneStageB;
    Score = 1234;
    Frames(trace, GoldenTrace::kHashEvery);
    const std::string text = trace.Finish();
    Score = 0;
    EXPECT_NE(text.find("000001 scene none -> stageA score 0"), std::string::npos) << text;
    EXPECT_NE(text.find("000003 scene stageA -> stageB score 1234"), std::string::npos);
    EXPECT_NE(text.find("000300 hash "), std::string::npos);
    EXPECT_NE(text.find("000302 end score 1234"), std::string::npos);
}

TEST(GoldenSixteenths, PlacesRoundToTheNearestSixteenthAndOddValuesReadPlainly) {
    EXPECT_EQ(Sixteenths(1.03f), "1.0000");
    EXPECT_EQ(Sixteenths(1.04f), "1.0625");
    EXPECT_EQ(Sixteenths(-458.0f), "-458.0000");
    EXPECT_EQ(Sixteenths(std::nanf("")), "nan");
    EXPECT_EQ(Sixteenths(3.0e9f), "far");
}

TEST(GoldenCompare, TheFirstDifferingLineIsReportedWithItsFrameAndBothTexts) {
    EXPECT_EQ(FirstDifference("# a\n000010 x\n", "# a\n000010 x\n"), "");
    const std::string d = FirstDifference("# a\n000010 x\n000300 hash 1\n", "# a\n000010 x\n000300 hash 2\n");
    EXPECT_NE(d.find("line 3, frame 300"), std::string::npos) << d;
    EXPECT_NE(d.find("expected: 000300 hash 1"), std::string::npos);
    EXPECT_NE(d.find("actual:   000300 hash 2"), std::string::npos);
}

TEST(GoldenCompare, AShorterOrLongerRunAndLinesWithoutAFrameAreReported) {
    const std::string shorter = FirstDifference("000001 a\n000002 b\n", "000001 a\n");
    EXPECT_NE(shorter.find("line 2, frame 2"), std::string::npos) << shorter;
    EXPECT_NE(shorter.find("(the run's trace ends here)"), std::string::npos);
    const std::string longer = FirstDifference("000001 a\n", "000001 a\ntotal x: 3\n");
    EXPECT_NE(longer.find("frame none (total line)"), std::string::npos) << longer;
    EXPECT_NE(longer.find("(the recorded trace ends here)"), std::string::npos);
}

}  // namespace
