#include "recordinghost.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Numbers = solver::Solver::Numbers;
using Outcome = solver::Solver::Outcome;

struct Round {
    const char* name;
    Numbers numbers;
    int target;
    int combinations;
    int answers;
    int checks;
    const char* first; // "" when nothing is found
    const char* last;
};

class SolverRound : public testing::TestWithParam<Round> {};

// Whole searches: the counts, the check points and the order of the answers pin the walk, its chain
// cache, its shapes and its counting.
TEST_P(SolverRound, ListsTheAnswersInWalkOrder) {
    const Round& r = GetParam();
    RecordingHost host;
    solver::Solver search(host);
    EXPECT_EQ(search.SearchAnswers(r.numbers, r.target), Outcome::Finished);
    EXPECT_EQ(search.combinationCount(), r.combinations);
    EXPECT_EQ(host.checks, r.checks);
    ASSERT_EQ(host.list.count(), r.answers);
    if (r.answers > 0) {
        EXPECT_EQ(host.list.entry(0), r.first);
        EXPECT_EQ(host.list.entry(r.answers - 1), r.last);
    }
    EXPECT_EQ(host.progress, "Searched " + std::to_string(r.combinations) + " combinations: \n" +
                                 std::to_string(r.answers) + " answers found.");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rounds, SolverRound, testing::Values(
    Round{"WorkedExample952", {100, 75, 50, 25, 6, 3}, 952, 610200, 8, 3397,
          "(((100+6)x(75x3))-50)/25", "(((75x6)/50)x(100+3))+25"},
    Round{"FirstChainLevelListedOnce", {100, 75, 50, 25, 10, 1}, 175, 398240, 143, 3029,
          "100+75", "(((10-1)x25)-100)+50"},
    Round{"NothingReachesTheTarget", {1, 1, 1, 1, 1, 1}, 999, 20160, 0, 2165, "", ""},
    // A stored target range can lie below 1; no value there is ever reached.
    Round{"TargetBelowOne", {10, 9, 8, 7, 6, 5}, -1, 443240, 0, 2975, "", ""},
    // 511 x 365 x 305 x 151 wraps to 13733 in 32 bits: no answer.
    Round{"ProductsBeyond32Bits", {511, 365, 305, 151, 2, 1}, 13733, 291416, 0, 2644, "", ""},
    // No pair is led by a number above 3: no pair-of-pairs shapes; orderings repeat.
    Round{"SmallNumbersOnly", {3, 3, 2, 2, 1, 1}, 24, 157776, 295, 1631,
          "((((3+3)x2)+1)-1)x2", "(((1+1)/2)+3)x(2x3)"},
    Round{"RepeatedFives", {75, 10, 9, 7, 5, 5}, 813, 535904, 99, 3189,
          "(75x10)+(9x7)", "((5+5)x75)+(7x9)"},
    Round{"RepeatedEights", {100, 10, 8, 8, 4, 1}, 427, 370844, 171, 2857,
          "((100+8)-1)+((8x4)x10)", "((8-1)+100)+((4x8)x10)"}),
    [](const testing::TestParamInfo<Round>& info) { return info.param.name; });
// clang-format on

TEST(SolverStop, StopKeepsTheListAndASecondSearchCountsFromZero) {
    RecordingHost host;
    solver::Solver search(host);
    host.onCheck = [&](int) {
        if (host.list.count() > 0)
            search.requestStop();
    };
    EXPECT_EQ(search.SearchAnswers(Numbers{100, 75, 50, 25, 6, 3}, 952), Outcome::Stopped);
    ASSERT_EQ(host.list.count(), 1);
    EXPECT_EQ(host.progress, "Search Stopped at combination " +
                                 std::to_string(search.combinationCount()) + "\n1 answers found.");

    host.onCheck = nullptr;
    EXPECT_EQ(search.SearchAnswers(Numbers{100, 75, 50, 25, 6, 3}, 952), Outcome::Finished);
    EXPECT_EQ(host.progress, "Searched 610200 combinations: \n8 answers found.");
}

} // namespace
