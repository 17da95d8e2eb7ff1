#include "nearest.h"

#include "combine.h"
#include "listhost.h"
#include "solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace solver {

namespace {

constexpr int kAllNumbers = 63; // a set of the six positions, one bit each

// Calls f with x op y for every op that gives a value.
template <typename F> void ForEachStep(std::int32_t x, std::int32_t y, F&& f) {
    for (int op = OpAdd; op <= OpDivide; ++op) {
        const std::int32_t v = CombineValue(x, y, op).value;
        if (v != 0)
            f(v);
    }
}

// Every value the game's rules make of the six numbers and of each part of them. The search's
// shapes reach only some of these, so they are candidates that the search itself confirms.
class RuleValues {
public:
    explicit RuleValues(const Solver::Numbers& numbers) : m_numbers(numbers) {
        for (int i = 0; i < 6; ++i)
            m_values[1 << i] = {numbers[i]};
        for (int set = 1; set < kAllNumbers; ++set) {
            const int size = std::popcount(unsigned(set));
            if (size < 2 || size > kKeptSize)
                continue;
            std::vector<std::int32_t>& values = m_values[set];
            ForEachSplitValue(set, [&](std::int32_t v) { values.push_back(v); });
            std::sort(values.begin(), values.end());
            values.erase(std::unique(values.begin(), values.end()), values.end());
        }
    }

    // The largest value of two or more numbers below `below` and the smallest above `above`;
    // 0 where there is none.
    std::array<std::int32_t, 2> Bracket(std::int64_t below, std::int64_t above) const {
        std::int32_t under = 0;
        std::int32_t over = 0;
        const auto take = [&](std::int32_t v) {
            if (v < below && v > under)
                under = v;
            if (v > above && (over == 0 || v < over))
                over = v;
        };
        for (int set = 1; set < kAllNumbers; ++set) {
            if (std::popcount(unsigned(set)) < 2)
                continue;
            const std::vector<std::int32_t>& values = m_values[set];
            const auto first = std::lower_bound(values.begin(), values.end(), below);
            if (first != values.begin())
                take(*(first - 1));
            const auto last = std::upper_bound(values.begin(), values.end(), above);
            if (last != values.end())
                take(*last);
        }
        for (int i = 0; i < 6; ++i) {
            ForEachSplitValue(kAllNumbers ^ (1 << i), [&](std::int32_t v) {
                take(v);
                ForEachStep(v, m_numbers[i], take);
            });
        }
        // The five-number parts are empty here: their splits were walked just above.
        ForEachSplitValue(kAllNumbers, take);
        return {under, over};
    }

private:
    // Sets of up to four numbers keep their values; larger ones, many times more, are walked
    // afresh, which costs less than sorting them.
    static constexpr int kKeptSize = 4;

    // Calls f with x op y for every split of `set` into two parts (each split once), every
    // value x of one part, y of the other and op that gives a value.
    template <typename F> void ForEachSplitValue(int set, F&& f) const {
        const int lowest = set & -set;
        for (int part = (set - 1) & set; part > 0; part = (part - 1) & set) {
            if ((part & lowest) == 0)
                continue;
            for (const std::int32_t x : m_values[part]) {
                for (const std::int32_t y : m_values[set ^ part])
                    ForEachStep(x, y, f);
            }
        }
    }

    Solver::Numbers m_numbers;
    std::array<std::vector<std::int32_t>, kAllNumbers> m_values; // ascending, no repeats
};

int NumbersUsed(std::string_view text) {
    int count = 0;
    bool inNumber = false;
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        count += digit && !inNumber;
        inNumber = digit;
    }
    return count;
}

} // namespace

std::vector<NearestResult> NearestResults(std::span<const std::int32_t> RoundNumbers,
                                          std::int32_t target) {
    Solver::Numbers numbers{};
    if (RoundNumbers.size() < numbers.size())
        return {};
    std::copy_n(RoundNumbers.begin(), numbers.size(), numbers.begin());
    if (std::any_of(numbers.begin(), numbers.end(), [](std::int32_t n) { return n < 1; }))
        return {};

    const RuleValues rules(numbers);
    ListHost host;
    Solver search(host);
    std::vector<NearestResult> nearest;
    // Candidates from the target outwards; values the search does not confirm are passed over.
    std::int64_t below = std::int64_t(target) + 1;
    std::int64_t above = std::int64_t(target) - 1;
    for (;;) {
        const auto [under, over] = rules.Bracket(below, above);
        if (under == 0 && over == 0)
            return nearest;
        const auto distanceOf = [&](std::int32_t v) {
            return v == 0 ? std::numeric_limits<std::int64_t>::max()
                          : (v < target ? std::int64_t(target) - v : std::int64_t(v) - target);
        };
        const std::int64_t distance = std::min(distanceOf(under), distanceOf(over));
        for (const std::int32_t value : {under, over == under ? 0 : over}) {
            if (distanceOf(value) != distance)
                continue;
            host.list.clear();
            search.SearchAnswers(numbers, value);
            const std::vector<std::string>& answers = host.list.entries();
            if (answers.empty()) {
                if (value <= target)
                    below = value;
                if (value >= target)
                    above = value;
                continue;
            }
            if (distance == 0)
                return {};
            const auto shortest = std::min_element(answers.begin(), answers.end(),
                                                   [](const std::string& a, const std::string& b) {
                                                       return NumbersUsed(a) < NumbersUsed(b);
                                                   });
            nearest.push_back({value, distance, *shortest});
        }
        if (!nearest.empty())
            return nearest;
    }
}

} // namespace solver
