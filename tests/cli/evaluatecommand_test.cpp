#include "commandrun.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(EvaluateCommand, PrintsTheResult) {
    const std::tuple<const char*, std::vector<std::string>, const char*> rows[] = {
        {"AsciiOperators", {"6*75-1"}, "449\n"},
        {"KeypadSigns", {"6×75-1"}, "449\n"},
        {"BlanksAndWords", {"6 ×", "75 - 1"}, "449\n"},
        {"DivideSign", {"8÷4*2"}, "1\n"},
        {"Json", {"--json", "100*75*5"}, "{\"result\": \"-28036\"}\n"},
        {"LineAfterOptionsEnd", {"--json", "--", "-3+10"}, "{\"result\": \"7\"}\n"},
        {"LongestLine", {"1+" + std::string(kLongestLine - 2, '0')}, "1\n"},
    };
    for (const auto& [name, args, out] : rows) {
        const CommandRun r = run(runEvaluate, args);
        EXPECT_EQ(std::tuple(r.code, r.out, r.err), std::tuple(0, out, "")) << name;
    }
}

// Bad input to any command, and a failed evaluation.
TEST(TerminalErrors, FailWithOneLine) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string errStart; // after "tallyrun-cli"
        const char* out = "";
    };
    // clang-format off
    const Row rows[] = {
        {"NoCommand", {}, 2, ": missing command"},
        {"UnknownCommand", {"play"}, 2, ": unknown command 'play';"},
        {"EscapeSequenceInCommand", {"\x1b[2J\nx"}, 2, ": unknown command '\\x1b[2J\\nx';"},
        {"CarriageReturnInNumber", {"solve", "1", "2", "3\r", "4", "5", "6", "100"}, 2,
         " solve: '3\\r' is not a whole number"},
        {"BidiOverrideInOption", {"solve", "--\u202Ex"}, 2, " solve: unknown option '--\\u202ex'"},
        {"Letter", {"evaluate", "6x75"}, 2, " evaluate: 'x' is not allowed"},
        {"OtherMinusSign", {"evaluate", "3−5"}, 2, " evaluate: '−' is not allowed"},
        {"LineFeed", {"evaluate", "1+2\n3"}, 2, " evaluate: '\\n' is not"},
        {"NotUtf8", {"evaluate", "1+\xff"}, 2, " evaluate: '\\xff' is not"},
        {"Missing", {"evaluate"}, 2, " evaluate: missing LINE"},
        {"OptionAfterOptionsEnd", {"evaluate", "--", "--json"}, 2, " evaluate: 'j' is not allowed"},
        {"OnlyBlanks", {"evaluate", "  ", "--json"}, 2, " evaluate: missing"},
        {"UnknownOption", {"evaluate", "--xml", "1+1"}, 2, " evaluate: unknown option '--xml'"},
        {"TooLong", {"evaluate", std::string(kLongestLine - 1, '1') + "+1"}, 2,
         " evaluate: LINE is longer than 10000 characters"},
        {"LongArgumentQuotedInPart", {"evaluate", "--" + std::string(kLongestLine, 'x')}, 2,
         " evaluate: unknown option '--" + std::string(78, 'x') + "'...\n"},
        {"NumberAfterBracket", {"evaluate", "(75-25) 9"}, 2, " evaluate: a number cannot follow ')'"},
        {"DivisionByZero", {"evaluate", "6/0"}, 1, " evaluate: division by zero\n"},
        {"NotAWholeNumber", {"evaluate", "7/2"}, 1, " evaluate: not a whole number\n"},
        {"DivisionByZeroAsJson", {"evaluate", "10/(5-5)", "--json"}, 1, " evaluate: division by zero\n",
         "{\"result\": \"\\nDivision by zero! please press reset\", \"error\": \"division by zero\"}\n"},
        {"NumberAlone", {"evaluate", "25"}, 1, " evaluate: nothing to"},
        {"BracketsAlone", {"evaluate", "((("}, 1, " evaluate: nothing to"},
        {"NothingToWorkOutAsJson", {"evaluate", "--json", "5"}, 1, " evaluate: nothing to",
         "{\"result\": \"\"}\n"},
        {"FiveNumbers", {"solve", "1", "2", "3", "4", "5", "100"}, 2, " solve: expected six"},
        {"SevenNumbers", {"solve", "1", "2", "3", "4", "5", "6", "7", "100"}, 2, " solve: expected"},
        {"NotANumber", {"solve", "1", "2", "x", "4", "5", "6", "100"}, 2, " solve: 'x' is not"},
        {"Fraction", {"solve", "1", "2", "3.5", "4", "5", "6", "100"}, 2, " solve: '3.5' is"},
        {"NumberZero", {"solve", "0", "2", "3", "4", "5", "6", "100"}, 2, " solve: number 0 is"},
        {"Number1001", {"solve", "1001", "2", "3", "4", "5", "6", "100"}, 2, " solve: number 1001"},
        {"TargetZero", {"solve", "1", "2", "3", "4", "5", "6", "0"}, 2, " solve: target 0 is"},
        {"Target32768", {"solve", "1", "2", "3", "4", "5", "6", "32768"}, 2, " solve: target 32768"},
        {"HugeNumber", {"solve", "1", "2", "3", "4", "5", "6", "99999999999999999999"}, 2, " solve: '"},
        {"UnknownFlag", {"solve", "1", "2", "3", "4", "5", "6", "100", "--fast"}, 2, " solve: unknown"},
        {"LimitWithoutN", {"history", "--limit"}, 2, " history: --limit takes a whole number of 0"},
        {"NegativeLimit", {"history", "--limit", "-1"}, 2, " history: --limit takes"},
        {"UnknownHistoryOption", {"history", "--csv"}, 2, " history: unknown argument '--csv'"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandRun r = run(runCommand, row.args);
        EXPECT_EQ(r.code, row.code);
        EXPECT_EQ(r.out, row.out);
        EXPECT_TRUE(r.err.starts_with("tallyrun-cli" + row.errStart)) << r.err;
        ASSERT_FALSE(r.err.empty());
        EXPECT_LT(r.err.size(), 200u);
        // One line, and nothing in it that a terminal would act on.
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        for (std::size_t i = 0; i + 1 < r.err.size(); ++i) {
            const auto c = static_cast<unsigned char>(r.err[i]);
            EXPECT_TRUE(c >= 0x20 && c != 0x7F && c != 0xFF) << r.err;
        }
    }
}

} // namespace
