#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Each command takes its arguments (without the program and command names), writes its
// results to out and its one-line errors to err, and returns the process exit code
// (0 done, 1 nothing to work out or a line that cannot be worked out, 2 bad input).
int runSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The round history in the game's data folder ($TALLYRUN_DATA_DIR when set), newest first,
// then the totals; exit code 1 when the history cannot be read.
int runHistory(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The command named by args[0] with the rest of args; one line on err when there is none.
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// text in single quotes for an error line: control characters, invisible ones and bytes that
// are not UTF-8 written as escapes, so the line stays one line and the terminal only shows it.
// Only the first kLongestQuote characters are shown, then "...".
std::string quoted(std::string_view text);
inline constexpr std::size_t kLongestQuote = 80;

// Longest LINE that evaluate works out (characters after blanks are dropped).
inline constexpr std::size_t kLongestLine = 10000;
