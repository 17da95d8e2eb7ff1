#pragma once

#include "answerlist.h"
#include "solverhost.h"

#include <functional>
#include <string>

// Records what a search shows; onCheck runs at every check point.
class RecordingHost : public solver::SolverHost {
public:
    void checkPoint() override {
        ++checks;
        if (onCheck)
            onCheck(checks);
    }
    void setProgressText(std::string_view text) override { progress.assign(text); }
    solver::AnswerSink& answers() override { return list; }

    int checks = 0;
    std::function<void(int)> onCheck;
    std::string progress;
    solver::AnswerList list;
};
