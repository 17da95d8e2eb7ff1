#pragma once

#include "searchthread.h"

#include <QObject>

class QLabel;
class QListWidget;
class RoundFlow;

// The one writer of the main window's answer list and of its search status line. It runs the
// round's searches on a SearchThread and shows what they hand over; anything from a search
// whose round has since been replaced ("PLAY AGAIN", a round set by hand) is dropped. A search
// that ran to its end without an answer leaves the nearest values in the list, each as a line
// "Nearest: 951 (1 away)" followed by its expression.
class WindowSolverHost final : public QObject {
    Q_OBJECT

public:
    // `onCheckPoint`: see SearchThread.
    WindowSolverHost(const RoundFlow& round, QLabel* status, QListWidget* list,
                     std::function<void()> onCheckPoint = {}, QObject* parent = nullptr);

    // The status line for a search's progress: "Searching... N" while it runs, then its report
    // (the solver's report line, word for word in English).
    static QString progressText(const SearchProgress& progress);

    // Shows "Searching..." and searches numbers for target. The list starts empty for the first
    // search of a round and keeps its entries when the same round is searched again.
    void search(int ticket, const solver::Solver::Numbers& numbers, std::int32_t target);
    // The running search stops at its next check point and reports where it stopped.
    void stop() { m_thread->stop(); }
    // Stops the search and waits for its thread; for closing the window.
    void shutDown() { m_thread->shutDown(); }

signals:
    // A search of the round on show has returned; its report is on show.
    void searchEnded(int ticket, bool finished, const RoundAnalysis& analysis);

private:
    void show(int ticket, const SearchProgress& progress, const QStringList& answers);
    void ended(int ticket, bool finished, const RoundAnalysis& analysis);

    const RoundFlow& m_round;
    QLabel* m_status;
    QListWidget* m_list;
    int m_listTicket = -1; // the round whose answers the list holds
    SearchThread* m_thread;
};
