#pragma once

#include "answer_list.h"
#include "solver_host.h"

#include <QElapsedTimer>
#include <QSet>
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// The answer list shown in a list box. Appended answers wait until show() puts them in the list
// in one batch; count, entry and contains see them at once.
class ListBoxAnswers final : public solver::AnswerSink {
public:
    explicit ListBoxAnswers(QListWidget* list);
    int count() const override;
    std::string entry(int index) const override;
    void append(const std::string& text) override;
    bool contains(std::string_view text) const override;
    void show();

private:
    void index() const;

    QListWidget* m_list;
    QStringList m_pending;
    // Every text of the list and of m_pending; rebuilt when the list was changed elsewhere.
    mutable QSet<QString> m_texts;
};

// Runs a search in the main window: progress in the status label, captions on the answer
// button, answers in the list box. The window's events are handled at every pump; the label
// and the list change at most once per frame, and a caption change shows everything pending.
class WindowSolverHost final : public solver::SolverHost {
public:
    static constexpr int kFrameMs = 16;

    WindowSolverHost(QLabel* status, QPushButton* answerButton, QListWidget* list);
    void pumpEvents() override;
    void setProgressText(std::string_view text) override;
    void setAnswerCaption(std::string_view caption) override;
    solver::AnswerSink& answers() override { return m_answers; }

private:
    void show();

    QLabel* m_status;
    QPushButton* m_answerButton;
    ListBoxAnswers m_answers;
    QString m_progress;
    QElapsedTimer m_shown;
};
