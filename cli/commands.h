#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Each command takes its arguments (without the program and command names), writes its
// results to out and its one-line errors to err, and returns the process exit code
// (0 done, 2 bad input).
int runSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
