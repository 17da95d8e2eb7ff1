#include "answer_list.h"
#include "solver.h"
#include "solver_host.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <vector>

namespace {

// A search without a window: the pumps and texts cost nothing, answers go to a list.
class QuietHost : public solver::SolverHost {
public:
    void pumpEvents() override {}
    void setProgressText(std::string_view) override {}
    void setAnswerCaption(std::string_view) override {}
    solver::AnswerSink& answers() override { return list; }
    solver::AnswerList list;
};

struct Round {
    solver::Solver::Numbers numbers;
    int target;
};

// Dealt as the game deals: two rows of 1..10 and a row 25, 50, 75, 100 shuffled, six picked,
// largest first, and a target of 101..999.
std::vector<Round> DealRounds(int count) {
    std::mt19937 rng(1977);
    std::uniform_int_distribution<int> target(101, 999);
    std::vector<Round> rounds;
    for (int i = 0; i < count; ++i) {
        std::vector<int> piles;
        for (int row = 0; row < 2; ++row) {
            for (int n = 1; n <= 10; ++n)
                piles.push_back(n);
        }
        piles.insert(piles.end(), {25, 50, 75, 100});
        std::shuffle(piles.begin(), piles.end(), rng);
        Round round{};
        std::copy_n(piles.begin(), 6, round.numbers.begin());
        std::sort(round.numbers.begin(), round.numbers.end(), std::greater<>());
        round.target = target(rng);
        rounds.push_back(round);
    }
    return rounds;
}

void RunSearch(solver::Solver& search, QuietHost& host, const Round& round) {
    host.list.clear();
    search.CombinationCount = 0;
    search.SearchAnswers(round.numbers, round.target);
    benchmark::DoNotOptimize(search.CombinationCount);
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

} // namespace

BENCHMARK_MAIN();
