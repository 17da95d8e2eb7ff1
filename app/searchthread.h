#pragma once

#include "answerlist.h"
#include "nearest.h"
#include "solver.h"
#include "solverhost.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// How far a search has come; the window puts it in words.
struct SearchProgress {
    enum class Stage { NotYet, Searching, Finished, Stopped };
    Stage stage = Stage::NotYet;
    std::int32_t combinations = 0; // tried so far
    int answers = 0;               // listed at the end (Finished, Stopped)
};

// What a search that ran to its end knows of its round.
struct RoundAnalysis {
    int exactCount = 0;                         // the answers listed
    std::vector<solver::NearestResult> nearest; // when there is none, the nearest values reached
};

// Runs the solver's searches on a thread of its own, one at a time. At its check points a
// search hands its progress and the answers found since the last hand-over to the window
// by a queued signal, at most once per frame, and reads the stop flag. Each search carries a
// ticket; the answers carry over to the next search with the same ticket, as a stopped search
// started again adds only answers not yet listed. A search that runs to its end without an
// answer looks for the nearest values on the same thread before it reports its end.
class SearchThread final : public QThread, private solver::SolverHost {
    Q_OBJECT

public:
    static constexpr int kFrameMs = 16;

    // `onCheckPoint`, when given, runs on the search's thread at every check point (for tests).
    explicit SearchThread(std::function<void()> onCheckPoint = {}, QObject* parent = nullptr);
    // Stops the running search and waits for the thread.
    ~SearchThread() override;

    // Searches numbers for target. A search still running stops at its next check point and
    // this one follows it; one asked for but not begun yet is replaced.
    void search(int ticket, const solver::Solver::Numbers& numbers, std::int32_t target);
    // The search running or asked for stops at its next check point and reports as stopped.
    void stop();
    // Stops as stop() does, then ends the thread and waits for it. Nothing runs afterwards.
    void shutDown();

signals:
    // The progress (the report once the search has returned) and the answers found since the
    // last hand-over.
    void handedOver(int ticket, const SearchProgress& progress, const QStringList& answers);
    // After the hand-over with the report; `analysis` is empty unless `finished`.
    void searchEnded(int ticket, bool finished, const RoundAnalysis& analysis);

protected:
    void run() override;

private:
    struct Request {
        int ticket = 0;
        solver::Solver::Numbers numbers{};
        std::int32_t target = 0;
        bool stopped = false; // stop() came before the search began
    };

    void checkPoint() override;
    // The window words the progress itself: the solver's English text is for the terminal.
    void setProgressText(std::string_view text) override;
    solver::AnswerSink& answers() override { return m_answers; }
    void runSearch(const Request& request);
    void handOver();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Request> m_request; // guarded by m_mutex
    bool m_quit = false;              // guarded by m_mutex
    // Set under m_mutex, read at the check points.
    std::atomic<bool> m_stop = false;

    // The search thread's own.
    const std::function<void()> m_onCheckPoint;
    solver::Solver m_solver{*this};
    solver::AnswerList m_answers;
    int m_ticket = -1;
    int m_handed = 0; // answers handed over so far
    SearchProgress m_progress;
    QElapsedTimer m_sinceHandOver;
};
