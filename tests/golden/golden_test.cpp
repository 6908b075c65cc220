// Each scripted run against its recorded trace under tests/golden/<screen width>/. A mismatch names the
// first differing line with its frame, what the file expects and what the run did. QV_GOLDEN_UPDATE=1
// (tests/golden/update.sh) writes the files instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/golden_compare.h"
#include "support/golden_runs.h"

// Test names and failure messages show the run's name.
void PrintTo(const GoldenRunSpec& run, std::ostream* out) {
    *out << run.name;
}

namespace {

std::string TracePath(const GoldenRunSpec& run) {
    return std::string(QV_GOLDEN_DIR) + run.name + ".trace";
}

bool Updating() {
    const char* flag = std::getenv("QV_GOLDEN_UPDATE");
    return flag != nullptr && std::string(flag) == "1";
}

class GoldenRunTest : public ::testing::TestWithParam<GoldenRunSpec> {};

TEST_P(GoldenRunTest, MatchesItsRecordedTrace) {
    if (!QV_HAVE_DATA) GTEST_SKIP() << "this build has no generated data files";
    const GoldenRunSpec& run = GetParam();
    const GoldenResult result = PlayGoldenRun(run);
    EXPECT_TRUE(result.finished) << run.name << " did not reach its end within " << run.frameLimit
                                 << " frames";
    EXPECT_EQ(result.unnamedRecords, 0) << "armed records outside every listed entity array";
    const std::string path = TracePath(run);
    if (Updating()) {
        std::ofstream out(path, std::ios::binary);
        out << result.text;
        ASSERT_TRUE(out.good()) << "cannot write " << path;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << "no recorded trace " << path << " (tests/golden/update.sh writes it)";
    std::stringstream expected;
    expected << in.rdbuf();
    const std::string difference = FirstDifference(expected.str(), result.text);
    EXPECT_TRUE(difference.empty()) << path << ": " << difference;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenRunTest, ::testing::ValuesIn(GoldenRuns()),
                         [](const ::testing::TestParamInfo<GoldenRunSpec>& info) { return info.param.name; });

}  // namespace
