// Rounds searched in a window: the progress line and the list are updated live and the
// window's events are handled at every pump, as in the game. Run it offscreen (the default)
// and on a real display (QT_QPA_PLATFORM=xcb under xvfb-run). Reports the time of a whole
// search and the longest stretch between two pumps.
#include "answerlist.h"
#include "solver.h"
#include "windowsolverhost.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdint>

namespace {

using Clock = std::chrono::steady_clock;

// Passes everything on to the window's host and measures the gaps between pumps.
class TimedHost : public solver::SolverHost {
public:
    explicit TimedHost(solver::SolverHost& inner) : m_inner(inner) {}
    void pumpEvents() override {
        const Clock::time_point now = Clock::now();
        maxGap = std::max(maxGap, now - m_last);
        m_last = now;
        ++pumps;
        m_inner.pumpEvents();
    }
    void setProgressText(std::string_view text) override { m_inner.setProgressText(text); }
    solver::AnswerSink& answers() override { return m_inner.answers(); }
    void restart() { m_last = Clock::now(); }

    Clock::duration maxGap{};
    long pumps = 0;

private:
    solver::SolverHost& m_inner;
    Clock::time_point m_last = Clock::now();
};

struct Round {
    solver::Solver::Numbers numbers;
    std::int32_t target;
};

void WindowSearch(benchmark::State& state, const Round& round) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* status = new QLabel(QStringLiteral("Searching..."));
    auto* list = new QListWidget;
    layout->addWidget(status);
    layout->addWidget(list);
    window.resize(800, 600);
    window.show();
    QCoreApplication::processEvents();

    WindowSolverHost windowHost(status, list);
    TimedHost host(windowHost);
    solver::Solver search(host);
    for (auto _ : state) {
        list->clear();
        host.restart();
        search.SearchAnswers(round.numbers, round.target);
        windowHost.showAll();
        // The last stretch runs from the final pump to the report.
        host.pumpEvents();
    }
    state.counters["max_pump_gap_ms"] =
        std::chrono::duration<double, std::milli>(host.maxGap).count();
    state.counters["pumps_per_search"] =
        static_cast<double>(host.pumps) / static_cast<double>(state.iterations());
    state.counters["answers"] = list->count();
}
BENCHMARK_CAPTURE(WindowSearch, 952, Round{{100, 75, 50, 25, 6, 3}, 952})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// 833 answers: the list's cost per answer shows here.
BENCHMARK_CAPTURE(WindowSearch, 150_833_answers, Round{{10, 9, 8, 7, 6, 5}, 150})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
