#include "windowsolverhost.h"

#include "roundflow.h"

#include <QLabel>
#include <QListWidget>

WindowSolverHost::WindowSolverHost(const RoundFlow& round, QLabel* status, QListWidget* list,
                                   std::function<void()> onCheckPoint, QObject* parent)
    : QObject(parent), m_round(round), m_status(status), m_list(list),
      m_thread(new SearchThread(std::move(onCheckPoint), this)) {
    // One line of one font per answer: rows need not be measured one by one.
    m_list->setUniformItemSizes(true);
    m_thread->setObjectName(QStringLiteral("answerSearch"));
    connect(m_thread, &SearchThread::handedOver, this, &WindowSolverHost::show,
            Qt::QueuedConnection);
    connect(m_thread, &SearchThread::searchEnded, this, &WindowSolverHost::ended,
            Qt::QueuedConnection);
}

void WindowSolverHost::search(int ticket, const solver::Solver::Numbers& numbers,
                              std::int32_t target) {
    if (ticket != m_listTicket) {
        m_list->clear();
        m_listTicket = ticket;
    }
    m_status->setText(tr("Searching..."));
    m_thread->search(ticket, numbers, target);
}

QString WindowSolverHost::progressText(const SearchProgress& progress) {
    const QString found = tr("%n answers found.", "the report's second line", progress.answers);
    switch (progress.stage) {
    case SearchProgress::Stage::NotYet:
        break;
    case SearchProgress::Stage::Searching:
        return tr("Searching... %1").arg(progress.combinations);
    case SearchProgress::Stage::Finished:
        return tr("Searched %n combinations: ", "the report's first line", progress.combinations) +
               QLatin1Char('\n') + found;
    case SearchProgress::Stage::Stopped:
        return tr("Search Stopped at combination %1").arg(progress.combinations) +
               QLatin1Char('\n') + found;
    }
    return {};
}

void WindowSolverHost::show(int ticket, const SearchProgress& progress,
                            const QStringList& answers) {
    if (!m_round.isCurrent(ticket))
        return;
    m_list->addItems(answers);
    if (progress.stage != SearchProgress::Stage::NotYet)
        m_status->setText(progressText(progress));
}

void WindowSolverHost::ended(int ticket, bool finished, const RoundAnalysis& analysis) {
    if (!m_round.isCurrent(ticket))
        return;
    for (const solver::NearestResult& nearest : analysis.nearest) {
        m_list->addItem(tr("Nearest: %1 (%2 away)").arg(nearest.value).arg(nearest.distance));
        m_list->addItem(QString::fromStdString(nearest.expression));
    }
    emit searchEnded(ticket, finished, analysis);
}
