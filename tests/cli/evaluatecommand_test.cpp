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
                    Row{"Json", {"--json", "100*75*5"}, "{\"result\": \"-28036\"}\n"},
                    Row{"JsonEscapesTheLineFeed",
                        {"10/(5-5)", "--json"},
                        "{\"result\": \"\\nDivision by zero! please press reset\"}\n"},
                    Row{"LineAfterOptionsEnd", {"--json", "--", "-3+10"}, "{\"result\": \"7\"}\n"}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

// Every refusal of the terminal tool, whichever command: one line on standard error, nothing
// a terminal would act on.
struct BadRow {
    const char* name;
    std::vector<std::string> args;
    int code;
    const char* errStart;
    const char* out;
    friend void PrintTo(const BadRow& row, std::ostream* os) { *os << row.name; }
};

class TerminalErrorTest : public testing::TestWithParam<BadRow> {};

TEST_P(TerminalErrorTest, FailsWithOneLine) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommand(GetParam().args, out, err), GetParam().code);
    EXPECT_EQ(out.str(), GetParam().out);
    const std::string line = err.str();
    EXPECT_TRUE(line.starts_with(GetParam().errStart)) << line;
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        EXPECT_TRUE(c >= 0x20 && c != 0x7F && c != 0xFF) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Input, TerminalErrorTest,
    testing::Values(
        BadRow{"NoCommand", {}, 2, "tallyrun-cli: missing command", ""},
        BadRow{"UnknownCommand", {"play"}, 2, "tallyrun-cli: unknown command 'play';", ""},
        BadRow{"EscapeSequenceInCommand",
               {"\x1b[2J\nx"},
               2,
               "tallyrun-cli: unknown command '\\x1b[2J\\nx';",
               ""},
        BadRow{"CarriageReturnInNumber",
               {"solve", "1", "2", "3\r", "4", "5", "6", "100"},
               2,
               "tallyrun-cli solve: '3\\r' is not a whole number",
               ""},
        BadRow{"BidiOverrideInOption",
               {"solve", "--\u202Ex"},
               2,
               "tallyrun-cli solve: unknown option '--\\u202ex'",
               ""},
        BadRow{"Letter", {"evaluate", "6x75"}, 2, "tallyrun-cli evaluate: 'x' is not allowed", ""},
        BadRow{"OtherMinusSign",
               {"evaluate", "3−5"},
               2,
               "tallyrun-cli evaluate: '−' is not allowed",
               ""},
        BadRow{"LineFeed", {"evaluate", "1+2\n3"}, 2, "tallyrun-cli evaluate: '\\n' is not", ""},
        BadRow{"NotUtf8", {"evaluate", "1+\xff"}, 2, "tallyrun-cli evaluate: '\\xff' is not", ""},
        BadRow{"Missing", {"evaluate"}, 2, "tallyrun-cli evaluate: missing LINE", ""},
        BadRow{"OptionAfterOptionsEnd",
               {"evaluate", "--", "--json"},
               2,
               "tallyrun-cli evaluate: 'j' is not allowed",
               ""},
        BadRow{"OnlyBlanks", {"evaluate", "  ", "--json"}, 2, "tallyrun-cli evaluate: missing", ""},
        BadRow{"UnknownOption",
               {"evaluate", "--xml", "1+1"},
               2,
               "tallyrun-cli evaluate: unknown option '--xml'",
               ""},
        BadRow{"TooLong",
               {"evaluate", std::string(kLongestLine, '1') + "+1"},
               2,
               "tallyrun-cli evaluate: LINE is longer than 10000 characters",
               ""},
        BadRow{"NumberAlone", {"evaluate", "25"}, 1, "tallyrun-cli evaluate: nothing to", ""},
        BadRow{"BracketsAlone", {"evaluate", "((("}, 1, "tallyrun-cli evaluate: nothing to", ""},
        BadRow{"SignAlone", {"evaluate", "-"}, 1, "tallyrun-cli evaluate: nothing to", ""},
        BadRow{"NothingToWorkOutAsJson",
               {"evaluate", "--json", "5"},
               1,
               "tallyrun-cli evaluate: nothing to",
               "{\"result\": \"\"}\n"}),
    [](const testing::TestParamInfo<BadRow>& info) { return std::string(info.param.name); });

} // namespace
