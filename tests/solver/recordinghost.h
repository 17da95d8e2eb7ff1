#pragma once

#include "answerlist.h"
#include "solverhost.h"

#include <functional>
#include <string>

// Records what a search shows; onPump runs at every pump, as a nested click would.
class RecordingHost : public solver::SolverHost {
public:
    void pumpEvents() override {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    void setProgressText(std::string_view text) override { progress.assign(text); }
    solver::AnswerSink& answers() override { return list; }

    int pumps = 0;
    std::function<void(int)> onPump;
    std::string progress;
    solver::AnswerList list;
};
