// Each scripted run against its recorded trace under tests/golden/<screen width>/. A mismatch names the
// first differing line with its frame, what the file expects and what the run did. QV_GOLDEN_UPDATE=1
// (tests/golden/update.sh) writes the files instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
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

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The rows of "reached <table>: 0-5,7 (7 of 9)" lines into `rows`, and each table's size into `sizes`.
void AddReached(const std::string& text, std::map<std::string, std::set<int>>& rows,
                std::map<std::string, int>& sizes) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("reached ", 0) != 0) continue;
        const std::size_t colon = line.find(": ");
        const std::size_t open = line.rfind(" (");
        const std::size_t of = line.rfind(" of ");
        if (colon == std::string::npos || open == std::string::npos || of == std::string::npos) continue;
        const std::string table = line.substr(8, colon - 8);
        sizes[table] = std::stoi(line.substr(of + 4));
        std::istringstream ranges(line.substr(colon + 2, open - colon - 2));
        for (std::string range; std::getline(ranges, range, ',');) {
            const std::size_t dash = range.find('-');
            const int first = std::stoi(range.substr(0, dash));
            const int last = dash == std::string::npos ? first : std::stoi(range.substr(dash + 1));
            for (int row = first; row <= last; ++row) rows[table].insert(row);
        }
    }
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

// Every table that reports its rows, as its traces name it.
constexpr const char* kTables[] = {
    "wave stageA waves",    "wave stageB prelude",  "wave stageB mid",      "wave stageB carrier1",
    "wave stageB carrier2", "attack bossA attacks", "attack bossB attacks", "attack bossB difficulty3",
    "attack bossC attacks", "path bossA",           "path bossB",           "path bossC",
    "body bossA",           "body bossB",           "body bossC",           "burst bossA",
    "burst bossB",          "burst bossC",
};

// Together the recorded runs reach every row of every schedule, path and band table they met.
TEST(GoldenCoverage, EveryRowOfEveryTableRunsInSomeRecordedRun) {
    if (Updating()) GTEST_SKIP() << "the traces are being rewritten";
    std::map<std::string, std::set<int>> rows;
    std::map<std::string, int> sizes;
    for (const GoldenRunSpec& run : GoldenRuns()) AddReached(ReadFile(TracePath(run)), rows, sizes);
    ASSERT_FALSE(sizes.empty()) << "no recorded traces in " << QV_GOLDEN_DIR;
    for (const char* table : kTables) EXPECT_EQ(sizes.count(table), 1u) << table << " is in no recorded run";
    for (const auto& [table, size] : sizes) {
        std::string missing;
        for (int row = 0; row < size; ++row) {
            if (rows[table].count(row) != 0) continue;
            missing += ' ';
            missing += std::to_string(row);
        }
        EXPECT_TRUE(missing.empty()) << table << " rows never reached:" << missing;
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenRunTest, ::testing::ValuesIn(GoldenRuns()),
                         [](const ::testing::TestParamInfo<GoldenRunSpec>& info) { return info.param.name; });

}  // namespace
