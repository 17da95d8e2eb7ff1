#include "commandrun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(SolveCommand, ListsAnswersThenReportAsTextOrJson) {
    const CommandRun r = run(runSolve, {"3", "25", "100", "6", "75", "50", "952"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "(((100+6)x(75x3))-50)/25");
    EXPECT_EQ(lines[8], "Searched 610200 combinations: ");
    EXPECT_EQ(lines[9], "8 answers found.");

    const CommandRun json = run(runSolve, {"100", "75", "50", "25", "6", "3", "952", "--json"});
    EXPECT_EQ(json.code, 0);
    EXPECT_EQ(json.out.rfind("{\"answers\": [\"(((100+6)x(75x3))-50)/25\", ", 0), 0u) << json.out;
    EXPECT_NE(json.out.find("], \"combinations\": 610200, \"report\": \"Searched 610200 "
                            "combinations: \\n8 answers found.\"}\n"),
              std::string::npos)
        << json.out;
    // The largest number and the largest target are taken.
    EXPECT_EQ(run(runSolve, {"1000", "2", "3", "4", "5", "6", "32767"}).code, 0);
}

TEST(SolveCommand, RejectsBadInputWithOneLineAndCodeTwo) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
    };
    const Row rows[] = {
        {"FiveNumbers", {"1", "2", "3", "4", "5", "100"}},
        {"SevenNumbers", {"1", "2", "3", "4", "5", "6", "7", "100"}},
        {"NotANumber", {"1", "2", "x", "4", "5", "6", "100"}},
        {"Fraction", {"1", "2", "3.5", "4", "5", "6", "100"}},
        {"NumberZero", {"0", "2", "3", "4", "5", "6", "100"}},
        {"NumberAboveRange", {"1001", "2", "3", "4", "5", "6", "100"}},
        {"TargetZero", {"1", "2", "3", "4", "5", "6", "0"}},
        {"TargetAboveRange", {"1", "2", "3", "4", "5", "6", "32768"}},
        {"HugeNumber", {"1", "2", "3", "4", "5", "6", "99999999999999999999"}},
        {"UnknownFlag", {"1", "2", "3", "4", "5", "6", "100", "--fast"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandRun r = run(runSolve, row.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

} // namespace
