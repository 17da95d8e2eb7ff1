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
    connect(m_thread, &SearchThread::handedOver, this, &WindowSolverHost::show,
            Qt::QueuedConnection);
    connect(
        m_thread, &SearchThread::searchEnded, this,
        [this](int ticket, bool finished) {
            if (m_round.isCurrent(ticket))
                emit searchEnded(ticket, finished);
        },
        Qt::QueuedConnection);
}

void WindowSolverHost::search(int ticket, const solver::Solver::Numbers& numbers,
                              std::int32_t target) {
    if (ticket != m_listTicket) {
        m_list->clear();
        m_listTicket = ticket;
    }
    m_status->setText(QStringLiteral("Searching..."));
    m_thread->search(ticket, numbers, target);
}

void WindowSolverHost::show(int ticket, const QString& progress, const QStringList& answers) {
    if (!m_round.isCurrent(ticket))
        return;
    m_list->addItems(answers);
    if (!progress.isEmpty())
        m_status->setText(progress);
}
