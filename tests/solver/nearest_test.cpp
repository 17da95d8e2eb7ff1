#include "combine.h"
#include "nearest.h"
#include "recordinghost.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <random>
#include <set>
#include <tuple>

namespace {

using Numbers = solver::Solver::Numbers;

// Reads an answer text with the game's rules: every step must give a value, with the larger
// operand first, and take its numbers from what is left of the deal.
struct AnswerReader {
    std::string_view text;
    std::multiset<std::int32_t> unused;
    std::size_t at = 0;
    bool ok = true;

    std::int32_t Operand() {
        if (at < text.size() && text[at] == '(') {
            ++at;
            const std::int32_t v = Step();
            ok = ok && at < text.size() && text[at++] == ')';
            return v;
        }
        std::int32_t n = 0;
        const auto res = std::from_chars(text.data() + at, text.data() + text.size(), n);
        at = std::size_t(res.ptr - text.data());
        const auto it = unused.find(n);
        ok = ok && res.ec == std::errc() && it != unused.end();
        if (it != unused.end())
            unused.erase(it);
        return n;
    }
    std::int32_t Step() {
        const std::int32_t a = Operand();
        const char sign = at < text.size() ? text[at++] : '?';
        const std::int32_t b = Operand();
        const int op = int(std::string_view("+-x/").find(sign)) + 1;
        const solver::StepValue r = solver::CombineValue(a, b, op);
        ok = ok && r.value != 0 && !r.swapped;
        return r.value;
    }
};

// What the exact search lists for target, as a window would run it.
bool SearchReaches(const Numbers& numbers, std::int32_t target) {
    RecordingHost host;
    solver::Solver search(host);
    search.SearchAnswers(numbers, target);
    return host.list.count() > 0;
}

// Generated deals against the search itself, target by target outwards: the nearest values are
// exactly the ones nearest to target for which the search lists an answer.
TEST(NearestResults, AgreeWithTheSearchOnDealtRounds) {
    std::mt19937 random(2024);
    std::vector<std::int32_t> pile = {1, 1, 2, 2, 3, 3, 4,  4,  5,  5,  6,  6,
                                      7, 7, 8, 8, 9, 9, 10, 10, 25, 50, 75, 100};
    int withoutAnswer = 0;
    for (int round = 0; round < 150; ++round) {
        std::shuffle(pile.begin(), pile.end(), random);
        Numbers numbers{};
        std::copy_n(pile.begin(), 6, numbers.begin());
        std::sort(numbers.begin(), numbers.end(), std::greater<>());
        const auto target = std::int32_t(101 + random() % 899);
        SCOPED_TRACE(testing::PrintToString(numbers) + " -> " + std::to_string(target));
        const std::vector<solver::NearestResult> nearest = solver::NearestResults(numbers, target);
        if (SearchReaches(numbers, target)) {
            EXPECT_TRUE(nearest.empty());
            continue;
        }
        ++withoutAnswer;
        std::vector<std::int32_t> expected;
        std::int32_t distance = 1;
        for (; expected.empty(); ++distance) {
            for (const std::int32_t v : {target - distance, target + distance}) {
                if (SearchReaches(numbers, v))
                    expected.push_back(v);
            }
        }
        ASSERT_EQ(nearest.size(), expected.size());
        for (std::size_t i = 0; i < nearest.size(); ++i) {
            EXPECT_EQ(nearest[i].value, expected[i]);
            EXPECT_EQ(nearest[i].distance, distance - 1);
            AnswerReader reader{nearest[i].expression, {numbers.begin(), numbers.end()}};
            EXPECT_EQ(reader.Step(), nearest[i].value) << nearest[i].expression;
            EXPECT_TRUE(reader.ok && reader.at == reader.text.size()) << nearest[i].expression;
        }
    }
    EXPECT_GE(withoutAnswer, 8);
}

TEST(NearestResults, TheShortestExpressionAndNothingForANumberBelowOne) {
    // Only above; the search lists longer answers for 1 before 10-9.
    const std::vector<solver::NearestResult> nearest =
        solver::NearestResults(Numbers{10, 9, 8, 7, 6, 5}, 0);
    ASSERT_EQ(nearest.size(), 1u);
    EXPECT_EQ(std::tuple(nearest[0].value, nearest[0].distance, nearest[0].expression),
              std::tuple(1, 1, "10-9"));
    EXPECT_TRUE(solver::NearestResults(Numbers{100, 75, 50, 25, 6, 0}, 952).empty());
}

} // namespace
