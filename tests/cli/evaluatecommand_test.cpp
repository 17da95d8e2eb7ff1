#include "commands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CommandRun {
    int code;
    std::string out;
    std::string err;
};

CommandRun evaluate(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runEvaluate(args, out, err);
    return {code, out.str(), err.str()};
}

struct Row {
    const char* name;
    std::vector<std::string> args;
    const char* out;
    friend void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
};

class EvaluateCommandTest : public testing::TestWithParam<Row> {};

TEST_P(EvaluateCommandTest, PrintsTheResult) {
    const CommandRun run = evaluate(GetParam().args);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EvaluateCommandTest,
    testing::Values(Row{"AsciiOperators", {"6*75-1"}, "449\n"},
                    Row{"KeypadSigns", {"6×75-1"}, "449\n"},
                    Row{"BlanksAndWords", {"6 ×", "75 - 1"}, "449\n"},
                    Row{"DivideSign", {"8÷4*2"}, "1\n"},
                    Row{"NonInteger", {"7/2"}, "\nNon-Integer! please press reset\n"},
                    Row{"NoOperator", {"25"}, "\n"},
                    Row{"Json", {"--json", "100*75*5"}, "{\"result\": \"-28036\"}\n"},
                    Row{"JsonEscapesTheLineFeed",
                        {"10/(5-5)", "--json"},
                        "{\"result\": \"\\nDivision by zero! please press reset\"}\n"},
                    Row{"LineAfterOptionsEnd", {"--json", "--", "-3+10"}, "{\"result\": \"7\"}\n"}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

struct BadRow {
    const char* name;
    std::vector<std::string> args;
    const char* errStart;
    friend void PrintTo(const BadRow& row, std::ostream* os) { *os << row.name; }
};

class EvaluateCommandBadInputTest : public testing::TestWithParam<BadRow> {};

TEST_P(EvaluateCommandBadInputTest, FailsWithOneLine) {
    const CommandRun run = evaluate(GetParam().args);
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with(GetParam().errStart)) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Input, EvaluateCommandBadInputTest,
    testing::Values(
        BadRow{"Letter", {"6x75"}, "tallyrun-cli evaluate: 'x' is not allowed"},
        BadRow{"EqualsSign", {"6*75=450"}, "tallyrun-cli evaluate: '=' is not allowed"},
        BadRow{"OtherMinusSign", {"3−5"}, "tallyrun-cli evaluate: '−' is not allowed"},
        BadRow{"LineFeed", {"1+2\n3"}, "tallyrun-cli evaluate: '\\n' is not allowed"},
        BadRow{"Missing", {}, "tallyrun-cli evaluate: missing LINE"},
        BadRow{
            "OptionAfterOptionsEnd", {"--", "--json"}, "tallyrun-cli evaluate: 'j' is not allowed"},
        BadRow{"OnlyBlanks", {"  ", "--json"}, "tallyrun-cli evaluate: missing LINE"},
        BadRow{"UnknownOption", {"--xml", "1+1"}, "tallyrun-cli evaluate: unknown option"}),
    [](const testing::TestParamInfo<BadRow>& info) { return std::string(info.param.name); });

} // namespace
