#include "commandrun.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// The whole output starts with `start` and ends with `end`.
TEST(SolveCommand, PrintsAnswersReportAndNearestAsTextOrJson) {
    const std::tuple<const char*, std::vector<std::string>, const char*, const char*> rows[] = {
        {"AnswersThenReport",
         {"3", "25", "100", "6", "75", "50", "952"},
         "(((100+6)x(75x3))-50)/25\n",
         "\nSearched 610200 combinations: \n8 answers found.\n"},
        {"Json",
         {"100", "75", "50", "25", "6", "3", "952", "--json"},
         "{\"answers\": [\"(((100+6)x(75x3))-50)/25\", ",
         "\"], \"combinations\": 610200, \"report\": \"Searched 610200 combinations: \\n8 answers "
         "found.\", \"nearest\": []}\n"},
        // ((2+6)x(100-3))+75 makes 851, but no shape of the search does: never 0 away.
        {"NearestBelowAndAbove",
         {"100", "75", "25", "6", "3", "2", "851"},
         "Searched 599428 combinations: \n0 answers found.\nNearest: 850 (1 away)\n((100+2)x25)/3\n"
         "Nearest: 852 (1 away)\n((75-(100/25))x6)x2\n",
         ""},
        {"NearestAsJson",
         {"3", "3", "2", "2", "1", "1", "999", "--json"},
         "{\"answers\": [], \"combinations\": 158976, \"report\": \"Searched 158976 combinations: "
         "\\n0 answers found.\", \"nearest\": [{\"value\": 81, \"distance\": 918, \"expression\": "
         "\"((2+1)x3)x((2+1)x3)\"}]}\n",
         ""},
    };
    for (const auto& [name, args, start, end] : rows) {
        const CommandRun r = run(runSolve, args);
        EXPECT_EQ(std::tuple(r.code, r.err), std::tuple(0, "")) << name;
        EXPECT_TRUE(r.out.starts_with(start) && r.out.ends_with(end)) << name << ": " << r.out;
    }
    // The largest number and the largest target are taken; one more is refused (TerminalErrors).
    EXPECT_EQ(run(runSolve, {"1000", "2", "3", "4", "5", "6", "32767"}).code, 0);
}

} // namespace
