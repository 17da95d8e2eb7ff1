#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace solver {

struct NearestResult {
    std::int32_t value = 0;
    std::int64_t distance = 0; // |value - target|, at least 1
    std::string expression;    // written as the answer list shows it, e.g. "(100+6)x3"
};

// The values nearest to target that the exhaustive search reaches, that is, the values v for
// which SearchAnswers(RoundNumbers, v) lists an answer: the nearest below or above, or both
// (below first) when they are equally near. Each comes with the answer for v that uses the
// fewest numbers (the first listed among equally short ones). Empty when the search reaches the
// target itself, and when one of RoundNumbers[0..5] is missing or below 1.
// Runs searches of its own (a few milliseconds), so any thread may call it, beside a running
// Solver too.
std::vector<NearestResult> NearestResults(std::span<const std::int32_t> RoundNumbers,
                                          std::int32_t target);

} // namespace solver
