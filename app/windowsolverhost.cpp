#include "windowsolverhost.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int ListBoxAnswers::count() const {
    return m_list->count();
}

std::string ListBoxAnswers::entry(int index) const {
    return m_list->item(index)->text().toStdString();
}

bool ListBoxAnswers::contains(std::string_view text) const {
    const QString wanted = toQString(text);
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->text() == wanted)
            return true;
    return false;
}

void ListBoxAnswers::append(const std::string& text) {
    m_list->addItem(QString::fromStdString(text));
    m_list->repaint();
}

WindowSolverHost::WindowSolverHost(QLabel* status, QListWidget* list)
    : m_status(status), m_answers(list) {}

void WindowSolverHost::pumpEvents() {
    QCoreApplication::processEvents();
}

void WindowSolverHost::setProgressText(std::string_view text) {
    m_status->setText(toQString(text));
}
