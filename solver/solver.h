#pragma once

#include "combine.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace solver {

class SolverHost;

// How one value of a search was made: a bare number (op 0) or value[left] op value[right],
// indices below 4096 into the same pool of values and recipes. Packed in one word, as the search
// writes one for every intermediate value; texts are rendered from recipes only for answers.
class Recipe {
public:
    constexpr Recipe() = default;
    constexpr Recipe(int left, int right, int op, bool swapped)
        : m_bits(std::uint32_t(left) | std::uint32_t(right) << 12 | std::uint32_t(op) << 24 |
                 std::uint32_t(swapped) << 27) {}
    constexpr int left() const { return int(m_bits & 0xFFF); }
    constexpr int right() const { return int(m_bits >> 12 & 0xFFF); }
    constexpr int op() const { return int(m_bits >> 24 & 7); }
    // The right operand is written first.
    constexpr bool swapped() const { return (m_bits >> 27 & 1) != 0; }

private:
    std::uint32_t m_bits = 0;
};

// Appends the text of entry `index` of a pool: its decimal digits for a bare number, else the
// bracketed texts of its operands joined by the operator.
void AppendStepText(const std::int32_t* values, const Recipe* recipes, int index, std::string& out);

// The exhaustive search over a fixed family of expression shapes of six numbers. One object
// serves a whole run, one search at a time, all on one thread.
class Solver {
public:
    using Numbers = std::array<std::int32_t, 6>;
    enum class Outcome {
        Finished, // the walk ran to its end
        Stopped,  // requestStop() came at a check point
    };

    // Levels 0..5 of a chain over six numbers hold at most 1 + 4 + 16 + 64 + 256 + 1024 values.
    static constexpr int kChainCapacity = 1365;
    static_assert(kChainCapacity + 6 <= 4096, "chain indices must fit a recipe");

    explicit Solver(SolverHost& host);
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    // Searches RoundNumbers[0..5] (positive, in descending order; missing ones count as 0) for
    // every expression equal to target and adds each to the host's list, counting combinations
    // from 0, then writes the report line.
    Outcome SearchAnswers(std::span<const std::int32_t> RoundNumbers, std::int32_t target);
    // From the host's check point: the search returns at its next check.
    void requestStop() { m_searchGoOn = false; }
    // Combinations tried by the current or the last search.
    std::int32_t combinationCount() const { return m_combinationCount; }

private:
    void SearchPairs(int first, const Numbers& RoundNumbers, std::int32_t target);
    void SplitOthers(int k, const Numbers& arranged, std::int32_t target);
    void PermuteOthers(int k, const Numbers& arranged, std::int32_t target);
    void TryChain(const Numbers& ordering, std::int32_t target);
    void TryTrees(const Numbers& ordering, std::int32_t target);
    void TryPairOfPairs(const Numbers& twoPairs, std::int32_t target);
    // Empties the chain cache; done for every pair.
    void ResetChain();
    void ShowProgress();
    void Report(const std::int32_t* values, const Recipe* recipes, int left, int right, int op);

    SolverHost& m_host;
    bool m_searchGoOn = true;
    std::int32_t m_combinationCount = 0;

    std::int16_t m_pickDepth = -1;
    Numbers m_arranged{};
    Numbers m_twoPairs{};
    Numbers m_ordering{};
    std::array<std::int16_t, 4> m_picked{};

    // Chain cache: entries 0..m_chainSize-1, level after level, each with the recipe of its
    // text; the six bare numbers of the current ordering follow at kChainCapacity. The last
    // level of a chain is never extended or read back, so it is only tested against the target
    // and not kept once earlier levels hold more than two entries.
    std::array<std::int32_t, kChainCapacity + 6> m_chainValues{};
    std::array<Recipe, kChainCapacity + 6> m_chainRecipes{};
    int m_chainSize = 1;
    std::array<std::int16_t, 6> m_levelEnd{};
    Numbers m_prevOrdering{};
};

} // namespace solver
