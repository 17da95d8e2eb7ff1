#include "historyfrm.h"
#include "historymodel.h"
#include "historystore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRounds = 10000;

// A history of ten thousand rounds, made once.
HistoryStore& bigHistory() {
    static QTemporaryDir dir;
    static HistoryStore store(dir.path());
    static const bool filled = [] {
        for (int i = 0; i < kRounds; ++i) {
            store.save({.playedAt = 1700000000 + i * 300,
                        .numbers = {100, 75, 50, 25, 6, 3},
                        .target = 101 + i % 899,
                        .roundSeconds = 45,
                        .secondsUsed = 30,
                        .best = 101 + i % 899 + i % 13,
                        .distance = i % 13,
                        .points = std::max(0, 10 - i % 13),
                        .exactCount = i % 40,
                        .nearest = 101 + i % 899,
                        .manual = i % 50 == 0});
        }
        return true;
    }();
    (void)filled;
    return store;
}

// Reading every round and handing it to the window's table, newest first.
void HistoryLoadIntoModel(benchmark::State& state) {
    HistoryStore& store = bigHistory();
    HistoryModel model;
    for (auto _ : state) {
        model.setRounds(store.rounds());
        model.sort(HistoryModel::Played, Qt::DescendingOrder);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(HistoryLoadIntoModel)->Unit(benchmark::kMillisecond);

void HistoryTotals(benchmark::State& state) {
    HistoryStore& store = bigHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.totals().points);
}
BENCHMARK(HistoryTotals)->Unit(benchmark::kMillisecond);

// The whole window: the rounds, the totals, the chart, the columns fitted.
void HistoryWindowOpen(benchmark::State& state) {
    HistoryStore& store = bigHistory();
    for (auto _ : state) {
        HistoryFrm window(store);
        benchmark::DoNotOptimize(window.model().rowCount());
    }
}
BENCHMARK(HistoryWindowOpen)->Unit(benchmark::kMillisecond);

// Sorting ten thousand rounds by another column, as a click on a caption does.
void HistorySortByPoints(benchmark::State& state) {
    HistoryModel model;
    model.setRounds(bigHistory().rounds());
    bool ascending = false;
    for (auto _ : state) {
        model.sort(HistoryModel::Points, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        ascending = !ascending;
    }
}
BENCHMARK(HistorySortByPoints)->Unit(benchmark::kMillisecond);

} // namespace
