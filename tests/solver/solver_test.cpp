#include "answer_list.h"
#include "recording_host.h"
#include "reference_search.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Numbers = solver::Solver::Numbers;

struct SearchResult {
    std::vector<std::string> answers;
    std::string report;
    std::vector<std::string> captions;
    std::vector<std::string> events;
    int combinations = 0;
};

SearchResult Search(const Numbers& numbers, int target) {
    RecordingHost host;
    solver::Solver search(host);
    search.CombinationCount = 0;
    search.SearchAnswers(numbers, target);
    return {host.list.entries(), host.progress, host.captions, host.events,
            search.CombinationCount};
}

// The game's deal: two rows of 1..10 and a row 25, 50, 75, 100; six picked, largest first.
Numbers DealNumbers(std::mt19937& rng) {
    std::vector<int> piles;
    for (int row = 0; row < 2; ++row) {
        for (int n = 1; n <= 10; ++n)
            piles.push_back(n);
    }
    piles.insert(piles.end(), {25, 50, 75, 100});
    std::shuffle(piles.begin(), piles.end(), rng);
    Numbers numbers{};
    std::copy_n(piles.begin(), 6, numbers.begin());
    std::sort(numbers.begin(), numbers.end(), std::greater<>());
    return numbers;
}

// Exact value of an answer text, or nothing when a step breaks the game's rules.
class ExactValue {
public:
    static std::optional<std::int64_t> of(const std::string& answer) {
        const std::string text = "(" + answer + ")";
        ExactValue parser(text);
        const auto v = parser.operand();
        return parser.m_pos == parser.m_text.size() ? v : std::nullopt;
    }

private:
    explicit ExactValue(std::string_view text) : m_text(text) {}

    std::optional<std::int64_t> operand() {
        if (m_pos < m_text.size() && m_text[m_pos] == '(') {
            ++m_pos;
            const auto a = operand();
            const char op = m_pos < m_text.size() ? m_text[m_pos++] : '?';
            const auto b = operand();
            if (!a || !b || m_pos >= m_text.size() || m_text[m_pos++] != ')')
                return std::nullopt;
            switch (op) {
            case '+':
                return *a + *b;
            case '-':
                return *a > *b ? std::optional(*a - *b) : std::nullopt;
            case 'x':
                return *a * *b;
            case '/':
                return *b > 1 && *a % *b == 0 ? std::optional(*a / *b) : std::nullopt;
            default:
                return std::nullopt;
            }
        }
        std::int64_t v = 0;
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos])))
            v = v * 10 + (m_text[m_pos++] - '0');
        return m_pos > start ? std::optional(v) : std::nullopt;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

TEST(SolverSearch, WorkedExample952) {
    const SearchResult r = Search({100, 75, 50, 25, 6, 3}, 952);
    ASSERT_EQ(r.answers.size(), 8u);
    EXPECT_EQ(r.answers.front(), "(((100+6)x(75x3))-50)/25");
    EXPECT_EQ(r.combinations, 610200);
    EXPECT_EQ(r.report, "Searched 610200 combinations: \n8 answers found.");
    EXPECT_EQ(r.captions, (std::vector<std::string>{"Stop Search", "Search Finished"}));
}

TEST(SolverSearch, FirstChainLevelAnswerListedOnce) {
    const SearchResult r = Search({100, 75, 50, 25, 10, 1}, 175);
    ASSERT_FALSE(r.answers.empty());
    EXPECT_EQ(r.answers.front(), "100+75");
    EXPECT_EQ(std::count(r.answers.begin(), r.answers.end(), "100+75"), 1);
    const std::set<std::string> distinct(r.answers.begin(), r.answers.end());
    EXPECT_EQ(distinct.size(), r.answers.size());
}

TEST(SolverSearch, NoAnswerReportsZeroAndFinishes) {
    const SearchResult r = Search({1, 1, 1, 1, 1, 1}, 999);
    EXPECT_TRUE(r.answers.empty());
    EXPECT_EQ(r.report,
              "Searched " + std::to_string(r.combinations) + " combinations: \n0 answers found.");
    EXPECT_GT(r.combinations, 0);
    EXPECT_EQ(r.captions.back(), "Search Finished");
}

// 511 x 365 x 305 x 151 wraps to 13733 in 32 bits, the only way to that target with these.
TEST(SolverSearch, ProductsBeyond32BitsGiveNoAnswer) {
    const SearchResult r = Search({511, 365, 305, 151, 2, 1}, 13733);
    EXPECT_EQ(r.answers, std::vector<std::string>());
    EXPECT_EQ(r.report, "Searched 291416 combinations: \n0 answers found.");
}

// The solver renders texts lazily from recipes and tests finals without dividing; a plain walk
// that builds every text must list the same answers and show the same progress at every pump.
TEST(SolverSearch, MatchesPlainTextWalk) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> gameTarget(101, 999);
    std::uniform_int_distribution<int> wideNumber(1, 1000);
    std::uniform_int_distribution<int> smallTarget(1, 120);
    std::vector<std::pair<Numbers, int>> deals;
    for (int i = 0; i < 24; ++i)
        deals.emplace_back(DealNumbers(rng), gameTarget(rng));
    for (int i = 0; i < 6; ++i)
        deals.emplace_back(DealNumbers(rng), smallTarget(rng));
    for (int i = 0; i < 6; ++i) {
        Numbers n;
        for (int& v : n)
            v = wideNumber(rng);
        std::sort(n.begin(), n.end(), std::greater<>());
        deals.emplace_back(n, 1 + wideNumber(rng) * 32);
    }
    // Repeated numbers among the other four make some consecutive orderings equal.
    deals.emplace_back(Numbers{10, 5, 5, 5, 2, 2}, 100);
    deals.emplace_back(Numbers{9, 5, 5, 5, 5, 3}, 120);

    int answered = 0;
    for (const auto& [numbers, target] : deals) {
        SCOPED_TRACE(testing::PrintToString(numbers) + " target " + std::to_string(target));
        const ReferenceRun expected = RunReferenceSearch(numbers, target);
        solver::AnswerList expectedList;
        for (const std::string& text : expected.reports)
            solver::AddAnswer(expectedList, text);
        const SearchResult r = Search(numbers, target);
        EXPECT_EQ(r.answers, expectedList.entries());
        EXPECT_EQ(r.combinations, expected.combinations);
        std::vector<std::string> events(r.events.begin(), r.events.end() - 1); // drop the report
        EXPECT_EQ(events, expected.events);
        for (const std::string& answer : r.answers)
            EXPECT_EQ(ExactValue::of(answer), std::optional<std::int64_t>(target)) << answer;
        answered += r.answers.empty() ? 0 : 1;
    }
    EXPECT_GT(answered, 25);
}

// Records the orderings and pair-of-pairs inputs the walk hands out, without searching them.
class WalkProbe : public solver::Solver {
public:
    using Solver::Solver;
    void TryChain(const Numbers& ordering, std::int32_t) override { orderings.push_back(ordering); }
    void TryTrees(const Numbers&, std::int32_t) override {}
    void TryPairOfPairs(const Numbers& twoPairs, std::int32_t) override {
        twoPairs_.push_back(twoPairs);
    }
    std::vector<Numbers> orderings;
    std::vector<Numbers> twoPairs_;
};

TEST(SolverWalk, OrderingsOfTheOtherFour) {
    RecordingHost host;
    WalkProbe probe(host);
    probe.SearchAnswers(Numbers{9, 8, 7, 6, 5, 4}, 500);
    ASSERT_EQ(probe.orderings.size(), 15u * 24u);
    // The first pair (9, 8) with r0..r3 = 7 6 5 4.
    const std::vector<Numbers> first(probe.orderings.begin(), probe.orderings.begin() + 24);
    const std::vector<Numbers> expectedStart{
        {9, 8, 6, 5, 4, 7}, {9, 8, 6, 5, 7, 4}, {9, 8, 6, 4, 5, 7}, {9, 8, 6, 7, 5, 4},
        {9, 8, 6, 4, 7, 5}, {9, 8, 6, 7, 4, 5}, {9, 8, 5, 6, 4, 7}};
    EXPECT_EQ(std::vector<Numbers>(first.begin(), first.begin() + 7), expectedStart);
    for (int block = 0; block < 4; ++block) {
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(first[block * 6 + i][2 + block], 6) << "ordering " << block * 6 + i;
    }
    EXPECT_EQ(std::set<Numbers>(first.begin(), first.end()).size(), 24u);
    EXPECT_EQ(probe.PickDepth, -1);
    // The next pair is (9, 7).
    EXPECT_EQ(probe.orderings[24], (Numbers{9, 7, 6, 5, 4, 8}));
}

struct SkipCase {
    const char* name;
    Numbers numbers;
    std::size_t calls;
};

class PairOfPairsSkips : public testing::TestWithParam<SkipCase> {};

TEST_P(PairOfPairsSkips, CallsAndRule) {
    RecordingHost host;
    WalkProbe probe(host);
    probe.SearchAnswers(GetParam().numbers, 500);
    EXPECT_EQ(probe.twoPairs_.size(), GetParam().calls);
    for (const Numbers& b : probe.twoPairs_) {
        EXPECT_GT(b[0], 3);
        EXPECT_LT(b[2], b[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PairOfPairsSkips,
    testing::Values(SkipCase{"NoPairAboveThree", {3, 3, 2, 2, 1, 1}, 0},
                    SkipCase{"OnlyPairsOfTheFour", {4, 3, 2, 1, 1, 1}, 30},
                    // (10, x) never meets a second pair led by the other 10.
                    SkipCase{"EqualLargerNumbersNeverMeet", {10, 10, 5, 3, 2, 1}, 33}),
    [](const testing::TestParamInfo<SkipCase>& info) { return info.param.name; });

// After every chain, compares the cache with the same chain computed from an empty cache.
class ChainCheck : public solver::Solver {
public:
    ChainCheck(solver::SolverHost& host, solver::SolverHost& quiet) : Solver(host), fresh(quiet) {}
    void TryChain(const Numbers& ordering, std::int32_t target) override {
        Solver::TryChain(ordering, target);
        if (ChainSize == 1) {
            ++repeats;
            return;
        }
        fresh.ResetChain();
        fresh.TryChain(ordering, target);
        ASSERT_EQ(LevelEnd[4], fresh.LevelEnd[4]);
        for (int i = 0; i <= LevelEnd[4]; ++i) {
            ASSERT_EQ(ChainValues[i], fresh.ChainValues[i]) << "entry " << i;
            ASSERT_EQ(ChainText(i), fresh.ChainText(i)) << "entry " << i;
        }
        ++compared;
    }
    void TryTrees(const Numbers&, std::int32_t) override {}
    void TryPairOfPairs(const Numbers&, std::int32_t) override {}

    solver::Solver fresh;
    int compared = 0;
    int repeats = 0;
};

TEST(SolverChain, CacheMatchesRecomputedChains) {
    for (const Numbers& numbers : {Numbers{100, 75, 8, 6, 3, 2}, Numbers{10, 9, 5, 5, 5, 2}}) {
        RecordingHost host;
        RecordingHost quiet;
        ChainCheck check(host, quiet);
        check.SearchAnswers(numbers, 500);
        EXPECT_EQ(check.compared + check.repeats, 15 * 24);
        EXPECT_GT(check.compared, 300);
    }
}

TEST(SolverChain, RepeatedOrderingAddsNothingThenStartsAfresh) {
    RecordingHost host;
    RecordingHost quiet;
    ChainCheck check(host, quiet);
    check.SearchAnswers(Numbers{10, 9, 5, 5, 5, 2}, 500);
    // The pair (10, 9) leaves 5 5 5 2, two of whose orderings repeat their predecessor; the
    // chains after them start afresh (CacheMatchesRecomputedChains checks their values).
    EXPECT_EQ(check.repeats, 2);
}

// Stops the search at the first pump after the first chain starts.
class StopInFirstChain : public solver::Solver {
public:
    explicit StopInFirstChain(RecordingHost& host) : Solver(host) {
        host.onPump = [this](int) {
            if (armed)
                SearchGoOn = false;
        };
    }
    void TryChain(const Numbers& ordering, std::int32_t target) override {
        if (!stopped) {
            armed = true;
            stopped = true;
            countAtStop = CombinationCount;
            stoppedOrdering = ordering;
        }
        Solver::TryChain(ordering, target);
    }
    bool armed = false;
    bool stopped = false;
    int countAtStop = 0;
    Numbers stoppedOrdering{};
};

TEST(SolverStop, StopInFirstChainLevelEndsAfterOneTreeWalk) {
    for (const Numbers& numbers : {Numbers{3, 3, 2, 2, 1, 1}, Numbers{100, 75, 50, 25, 6, 3}}) {
        SCOPED_TRACE(testing::PrintToString(numbers));
        RecordingHost host;
        StopInFirstChain search(host);
        search.CombinationCount = 0;
        search.SearchAnswers(numbers, 952);

        RecordingHost quiet;
        solver::Solver oneWalk(quiet);
        oneWalk.TryTrees(search.stoppedOrdering, 952);
        ASSERT_GT(oneWalk.CombinationCount, 0);

        EXPECT_FALSE(search.SearchGoOn);
        EXPECT_EQ(search.CombinationCount, search.countAtStop + oneWalk.CombinationCount);
        EXPECT_EQ(host.progress, "Search Stopped at combination " +
                                     std::to_string(search.CombinationCount) + "\n" +
                                     std::to_string(host.list.count()) + " answers found.");
        EXPECT_EQ(host.captions.back(), "Show Answer(s)");
    }
}

TEST(SolverStop, RestartCountsFromZeroAndKeepsEarlierEntries) {
    RecordingHost host;
    solver::Solver search(host);
    host.onPump = [&](int) {
        if (host.list.count() > 0)
            search.SearchGoOn = false;
    };
    search.CombinationCount = 0;
    search.SearchAnswers(Numbers{100, 75, 50, 25, 6, 3}, 952);
    ASSERT_EQ(host.list.count(), 1);
    const int stoppedAt = search.CombinationCount;
    EXPECT_EQ(host.progress,
              "Search Stopped at combination " + std::to_string(stoppedAt) + "\n1 answers found.");
    EXPECT_EQ(host.captions.back(), "Show Answer(s)");

    host.onPump = nullptr;
    search.CombinationCount = 0;
    search.SearchAnswers(Numbers{100, 75, 50, 25, 6, 3}, 952);
    EXPECT_TRUE(search.SearchGoOn);
    EXPECT_EQ(host.progress, "Searched 610200 combinations: \n8 answers found.");
    EXPECT_EQ(host.list.entry(0), "(((100+6)x(75x3))-50)/25");
    EXPECT_EQ(host.captions.back(), "Search Finished");
}

// A second search started from a nested click would share the running search's state.
TEST(SolverStop, SearchStartedInsideARunningOneIsRefused) {
    RecordingHost host;
    solver::Solver search(host);
    int nestedCalls = 0;
    host.onPump = [&](int) {
        if (nestedCalls++ < 3)
            search.SearchAnswers(Numbers{1, 1, 1, 1, 1, 1}, 5);
    };
    search.CombinationCount = 0;
    search.SearchAnswers(Numbers{100, 75, 50, 25, 6, 3}, 952);
    EXPECT_EQ(nestedCalls, host.pumps);
    EXPECT_EQ(host.progress, "Searched 610200 combinations: \n8 answers found.");
    EXPECT_EQ(host.captions, (std::vector<std::string>{"Stop Search", "Search Finished"}));
    EXPECT_FALSE(search.isSearching());
}

TEST(SolverStop, EarlierEntriesCountInReport) {
    RecordingHost host;
    host.list.append("earlier answer");
    solver::Solver search(host);
    search.CombinationCount = 0;
    search.SearchAnswers(Numbers{1, 1, 1, 1, 1, 1}, 999);
    EXPECT_EQ(host.progress, "Searched " + std::to_string(search.CombinationCount) +
                                 " combinations: \n1 answers found.");
}

} // namespace
