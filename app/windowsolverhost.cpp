#include "windowsolverhost.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ListBoxAnswers::ListBoxAnswers(QListWidget* list) : m_list(list) {
    // One line of one font per answer: rows need not be measured one by one.
    m_list->setUniformItemSizes(true);
}

int ListBoxAnswers::count() const {
    return m_list->count() + static_cast<int>(m_pending.size());
}

std::string ListBoxAnswers::entry(int index) const {
    const int shown = m_list->count();
    return (index < shown ? m_list->item(index)->text() : m_pending.at(index - shown))
        .toStdString();
}

void ListBoxAnswers::index() const {
    if (m_texts.size() == count())
        return;
    m_texts.clear();
    for (int i = 0; i < m_list->count(); ++i)
        m_texts.insert(m_list->item(i)->text());
    for (const QString& pending : m_pending)
        m_texts.insert(pending);
}

bool ListBoxAnswers::contains(std::string_view text) const {
    index();
    return m_texts.contains(toQString(text));
}

void ListBoxAnswers::append(const std::string& text) {
    index();
    m_pending.append(QString::fromStdString(text));
    m_texts.insert(m_pending.back());
}

bool ListBoxAnswers::show() {
    if (m_pending.isEmpty())
        return false;
    m_list->addItems(m_pending);
    m_pending.clear();
    return true;
}

WindowSolverHost::WindowSolverHost(QLabel* status, QListWidget* list)
    : m_status(status), m_answers(list) {}

void WindowSolverHost::pumpEvents() {
    if (!m_shown.isValid() || m_shown.elapsed() >= kFrameMs)
        showAll();
    QCoreApplication::processEvents();
}

void WindowSolverHost::setProgressText(std::string_view text) {
    m_progress = toQString(text);
}

void WindowSolverHost::showAll() {
    bool shown = m_answers.show();
    if (!m_progress.isNull()) {
        m_status->setText(m_progress);
        m_progress = QString();
        shown = true;
    }
    // A frame starts with a change, so the first progress of a search shows at once.
    if (shown)
        m_shown.restart();
}
