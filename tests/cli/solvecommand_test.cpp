#include "commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct CommandRun {
    int code;
    std::string out;
    std::string err;
};

CommandRun Solve(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runSolve(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(SolveCommand, ListsAnswersThenReport) {
    const CommandRun r = Solve({"3", "25", "100", "6", "75", "50", "952"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "(((100+6)x(75x3))-50)/25");
    EXPECT_EQ(lines[8], "Searched 610200 combinations: ");
    EXPECT_EQ(lines[9], "8 answers found.");
}

TEST(SolveCommand, JsonCarriesAnswersCountAndReport) {
    const CommandRun r = Solve({"100", "75", "50", "25", "6", "3", "952", "--json"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.rfind("{\"answers\": [\"(((100+6)x(75x3))-50)/25\", ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("], \"combinations\": 610200, \"report\": \"Searched 610200 "
                         "combinations: \\n8 answers found.\"}\n"),
              std::string::npos)
        << r.out;
}

struct BadInput {
    const char* name;
    std::vector<std::string> args;
};

class SolveCommandRejects : public testing::TestWithParam<BadInput> {};

TEST_P(SolveCommandRejects, OneLineOnErrorAndCodeTwo) {
    const CommandRun r = Solve(GetParam().args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SolveCommandRejects,
    testing::Values(BadInput{"NoArguments", {}},
                    BadInput{"FiveNumbers", {"1", "2", "3", "4", "5", "100"}},
                    BadInput{"SevenNumbers", {"1", "2", "3", "4", "5", "6", "7", "100"}},
                    BadInput{"NotANumber", {"1", "2", "x", "4", "5", "6", "100"}},
                    BadInput{"Fraction", {"1", "2", "3.5", "4", "5", "6", "100"}},
                    BadInput{"NumberZero", {"0", "2", "3", "4", "5", "6", "100"}},
                    BadInput{"NumberAboveRange", {"1001", "2", "3", "4", "5", "6", "100"}},
                    BadInput{"NegativeNumber", {"-5", "2", "3", "4", "5", "6", "100"}},
                    BadInput{"TargetZero", {"1", "2", "3", "4", "5", "6", "0"}},
                    BadInput{"TargetAboveRange", {"1", "2", "3", "4", "5", "6", "32768"}},
                    BadInput{"HugeNumber", {"1", "2", "3", "4", "5", "6", "99999999999999999999"}},
                    BadInput{"UnknownFlag", {"1", "2", "3", "4", "5", "6", "100", "--fast"}}),
    [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

} // namespace
