#include "searchthread.h"

SearchThread::SearchThread(std::function<void()> onCheckPoint, QObject* parent)
    : QThread(parent), m_onCheckPoint(std::move(onCheckPoint)) {}

SearchThread::~SearchThread() {
    shutDown();
}

void SearchThread::search(int ticket, const solver::Solver::Numbers& numbers, std::int32_t target) {
    const std::lock_guard lock(m_mutex);
    if (m_quit)
        return;
    m_request = Request{ticket, numbers, target, false};
    m_stop = true; // the running search, if any, makes way
    if (isRunning())
        m_wake.notify_one();
    else
        start();
}

void SearchThread::stop() {
    const std::lock_guard lock(m_mutex);
    if (m_request)
        m_request->stopped = true;
    m_stop = true;
}

void SearchThread::shutDown() {
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
        m_request.reset();
        m_stop = true;
        m_wake.notify_one();
    }
    wait();
}

void SearchThread::run() {
    for (;;) {
        Request request;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_request || m_quit; });
            if (m_quit)
                return;
            request = *m_request;
            m_request.reset();
            m_stop = request.stopped;
        }
        runSearch(request);
    }
}

void SearchThread::runSearch(const Request& request) {
    if (request.ticket != m_ticket) {
        m_answers.clear();
        m_ticket = request.ticket;
    }
    m_handed = m_answers.count();
    m_progress = {};
    // A search shorter than a frame hands over once, at its end.
    m_sinceHandOver.start();
    const bool finished = m_solver.SearchAnswers(request.numbers, request.target) ==
                          solver::Solver::Outcome::Finished;
    using Stage = SearchProgress::Stage;
    m_progress = {finished ? Stage::Finished : Stage::Stopped, m_solver.combinationCount(),
                  m_answers.count()};
    RoundAnalysis analysis;
    if (finished) {
        analysis.exactCount = m_answers.count();
        if (analysis.exactCount == 0)
            analysis.nearest = solver::NearestResults(request.numbers, request.target);
    }
    handOver();
    emit searchEnded(request.ticket, finished, analysis);
}

void SearchThread::setProgressText(std::string_view) {
    m_progress = {SearchProgress::Stage::Searching, m_solver.combinationCount(), 0};
}

void SearchThread::checkPoint() {
    if (m_onCheckPoint)
        m_onCheckPoint();
    if (m_stop.load(std::memory_order_relaxed))
        m_solver.requestStop();
    if (m_sinceHandOver.elapsed() >= kFrameMs)
        handOver();
}

void SearchThread::handOver() {
    QStringList found;
    const std::vector<std::string>& entries = m_answers.entries();
    found.reserve(static_cast<qsizetype>(entries.size()) - m_handed);
    for (std::size_t i = static_cast<std::size_t>(m_handed); i < entries.size(); ++i)
        found.append(QString::fromStdString(entries[i]));
    m_handed = static_cast<int>(entries.size());
    emit handedOver(m_ticket, m_progress, found);
    m_sinceHandOver.restart();
}
