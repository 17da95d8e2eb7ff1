#include "answerlist.h"
#include "nearest.h"
#include "round.h"
#include "solver.h"
#include "solverhost.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace {

// A search without a window: the check points and texts cost nothing, answers go to a list.
class QuietHost : public solver::SolverHost {
public:
    void checkPoint() override {}
    void setProgressText(std::string_view) override {}
    solver::AnswerSink& answers() override { return list; }
    solver::AnswerList list;
};

struct Round {
    solver::Solver::Numbers numbers;
    int target;
};

// Dealt by the game's own deal: six random pick buttons of a seeded deal, sorted as the
// window sorts them, and a target rolled from the default range 101..999.
std::vector<Round> DealRounds(int count) {
    std::vector<Round> rounds;
    std::mt19937 picks(1977);
    for (int i = 0; i < count; ++i) {
        SeededRandom random(static_cast<std::uint32_t>(1000 + i));
        RoundDeal deal;
        deal.deal(random);
        while (!deal.complete())
            deal.pick(static_cast<int>(picks() % kPickCount));
        Round round{};
        std::copy_n(deal.RoundNumbers().begin(), 6, round.numbers.begin());
        round.target = DrawTarget(999, 101, random, {});
        rounds.push_back(round);
    }
    return rounds;
}

void RunSearch(solver::Solver& search, QuietHost& host, const Round& round) {
    host.list.clear();
    search.SearchAnswers(round.numbers, round.target);
    benchmark::DoNotOptimize(search.combinationCount());
}

void BM_Search952(benchmark::State& state) {
    QuietHost host;
    solver::Solver search(host);
    const Round round{{100, 75, 50, 25, 6, 3}, 952};
    for (auto _ : state)
        RunSearch(search, host, round);
    state.counters["answers"] = host.list.count();
}
BENCHMARK(BM_Search952)->Unit(benchmark::kMicrosecond);

// One full search per iteration, taking the twenty dealt rounds in turn.
void BM_SearchDealtRounds(benchmark::State& state) {
    QuietHost host;
    solver::Solver search(host);
    const std::vector<Round> rounds = DealRounds(20);
    std::size_t next = 0;
    for (auto _ : state) {
        RunSearch(search, host, rounds[next]);
        next = (next + 1) % rounds.size();
    }
}
BENCHMARK(BM_SearchDealtRounds)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// The nearest values of a round without an exact answer: its values under the game's rules,
// then a search for each value that is asked about.
void BM_Nearest(benchmark::State& state, const Round& round) {
    std::size_t found = 0;
    for (auto _ : state) {
        found = solver::NearestResults(round.numbers, round.target).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["nearest"] = double(found);
}
BENCHMARK_CAPTURE(BM_Nearest, SmallNumbers999, Round{{3, 3, 2, 2, 1, 1}, 999})
    ->Unit(benchmark::kMicrosecond);
// 851 is made by the game's rules but by none of the search's shapes: the target itself is
// asked about before 850 and 852.
BENCHMARK_CAPTURE(BM_Nearest, TargetOutsideTheShapes851, Round{{100, 75, 25, 6, 3, 2}, 851})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
