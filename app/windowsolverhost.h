#pragma once

#include "answerlist.h"
#include "solverhost.h"

class QLabel;
class QListWidget;

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

// Runs a search in the main window: progress in the status label, answers in the list box,
// and the window's events handled at every pump.
class WindowSolverHost final : public solver::SolverHost {
public:
    WindowSolverHost(QLabel* status, QListWidget* list);
    void pumpEvents() override;
    void setProgressText(std::string_view text) override;
    solver::AnswerSink& answers() override { return m_answers; }

private:
    QLabel* m_status;
    ListBoxAnswers m_answers;
};
