// What a player waits for after clicking "Show Answer(s)" in the main window: from the click to
// the flush of the window's last paint, the window having sat idle before the click. Run it
// offscreen (the default) and on a real display (QT_QPA_PLATFORM=xcb under xvfb-run), where
// each flush is followed by a round trip to the X server. The source also builds against the
// window of earlier versions, for before-and-after figures.
#include "flushwatch.h"
#include "gamefrm.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using Phase = RoundFlow::Phase;
using Clock = std::chrono::steady_clock;

class Silence final : public SoundSink {
public:
    void load(const QString&) override {}
    void play() override {}
    void stop() override {}
};

// The first number left in a pool: the deal is 1..10, 1..10, 25, 50, 75, 100.
class FirstInPool final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return 0.0f; }
};

struct Round {
    std::vector<int> picks; // pick buttons of the deal 1..10, 1..10, 25, 50, 75, 100
    std::int16_t target;
};

void waitWhile(const GameFrm& window, Phase phase) {
    while (window.round().phase() == phase)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void ShowAnswers(benchmark::State& state, const Round& round) {
    QTemporaryDir dir;
    qputenv("TALLYRUN_DATA_DIR", dir.path().toLocal8Bit()); // the rounds played are recorded
    const SettingsStore store(dir.path());
    GameSettings settings;
    settings.LowestTarget = settings.HighestTarget = round.target;
    GameFrm::Services services;
    services.settings = &settings;
    services.store = &store;
    services.sound = std::make_unique<Silence>();
    services.random = std::make_unique<FirstInPool>();
    GameFrm window(std::move(services));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    FlushWatch watch;
    window.installEventFilter(&watch);
    auto* answer = window.findChild<QPushButton*>(QStringLiteral("cmdAnswer"));

    long answers = 0;
    long flushes = 0;
    for (auto _ : state) {
        if (window.round().phase() != Phase::Picking)
            window.Command1_Click(); // PLAY AGAIN
        for (int pick : round.picks)
            window.btnPick_Click(pick);
        window.Command1_Click(); // START
        waitWhile(window, Phase::Rolling);
        window.Command1_Click(); // STOP
        QTest::qWait(300);       // the player reads the board

        const long flushesBefore = watch.flushes;
        const Clock::time_point clicked = Clock::now();
        QTest::mouseClick(answer, Qt::LeftButton);
        waitWhile(window, Phase::Searching);
        // The last paints follow the report.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 100)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        state.SetIterationTime(std::chrono::duration<double>(watch.lastFlush - clicked).count());
        flushes += watch.flushes - flushesBefore;
        answers = window.findChild<QListWidget*>(QStringLiteral("List1"))->count();
    }
    state.counters["answers"] = static_cast<double>(answers);
    state.counters["flushes"] =
        static_cast<double>(flushes) / static_cast<double>(state.iterations());
}

BENCHMARK_CAPTURE(ShowAnswers, 952, Round{{23, 22, 21, 20, 5, 2}, 952})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(15);
// 10 9 8 7 6 5 -> 150: 833 answers.
BENCHMARK_CAPTURE(ShowAnswers, 150_833_answers, Round{{9, 8, 7, 6, 5, 4}, 150})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(15);
// 100 10 10 9 8 7 -> 110: 2,215 answers.
BENCHMARK_CAPTURE(ShowAnswers, 110_2215_answers, Round{{23, 9, 19, 8, 7, 6}, 110})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(15);

} // namespace
