#pragma once

#include "answerlist.h"
#include "solverhost.h"

#include <QElapsedTimer>
#include <QSet>
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;

// The answer list shown in a list box. Appended answers wait until show() puts them in the list
// in one batch; count, entry and contains see them at once.
class ListBoxAnswers final : public solver::AnswerSink {
public:
    explicit ListBoxAnswers(QListWidget* list);
    int count() const override;
    std::string entry(int index) const override;
    void append(const std::string& text) override;
    bool contains(std::string_view text) const override;
    // Puts the waiting answers in the list; false when none were waiting.
    bool show();

private:
    void index() const;

    QListWidget* m_list;
    QStringList m_pending;
    // Every text of the list and of m_pending; rebuilt when the list was changed elsewhere.
    mutable QSet<QString> m_texts;
};

// Runs a search in the main window: progress in the status label, answers in the list box.
// The window's events are handled at every pump; the label and the list change at most once
// per frame. When the search returns, showAll() shows what still waits for its frame.
class WindowSolverHost final : public solver::SolverHost {
public:
    static constexpr int kFrameMs = 16;

    WindowSolverHost(QLabel* status, QListWidget* list);
    void showAll();
    void pumpEvents() override;
    void setProgressText(std::string_view text) override;
    solver::AnswerSink& answers() override { return m_answers; }

private:
    QLabel* m_status;
    ListBoxAnswers m_answers;
    QString m_progress;
    QElapsedTimer m_shown;
};
