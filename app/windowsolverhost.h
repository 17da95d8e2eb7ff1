#pragma once

#include "answer_list.h"
#include "solver_host.h"

class QLabel;
class QListWidget;
class QPushButton;

// The answer list shown in a list box: appending redraws the list at once, so that answers
// appear while the search is still running.
class ListBoxAnswers final : public solver::AnswerSink {
public:
    explicit ListBoxAnswers(QListWidget* list) : m_list(list) {}
    int count() const override;
    std::string entry(int index) const override;
    void append(const std::string& text) override;
    // A scan of the list from the first entry to the last.
    bool contains(std::string_view text) const override;

private:
    QListWidget* m_list;
};

// Runs a search in the main window: progress in the status label, captions on the answer
// button, answers in the list box, and the window's events handled at every pump.
class WindowSolverHost final : public solver::SolverHost {
public:
    WindowSolverHost(QLabel* status, QPushButton* answerButton, QListWidget* list);
    void pumpEvents() override;
    void setProgressText(std::string_view text) override;
    void setAnswerCaption(std::string_view caption) override;
    solver::AnswerSink& answers() override { return m_answers; }

private:
    QLabel* m_status;
    QPushButton* m_answerButton;
    ListBoxAnswers m_answers;
};
