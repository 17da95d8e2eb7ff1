#pragma once

#include "answer_list.h"
#include "solver.h"
#include "solver_host.h"

#include <functional>
#include <string>
#include <vector>

// Records what a search shows; onPump runs at every pump, as a nested click would.
class RecordingHost : public solver::SolverHost {
public:
    void pumpEvents() override {
        ++pumps;
        events.push_back("pump");
        if (onPump)
            onPump(pumps);
    }
    void setProgressText(std::string_view text) override {
        progress.assign(text);
        events.push_back(progress);
    }
    void setAnswerCaption(std::string_view caption) override { captions.emplace_back(caption); }
    solver::AnswerSink& answers() override { return list; }

    int pumps = 0;
    std::function<void(int)> onPump;
    std::string progress;
    std::vector<std::string> events;
    std::vector<std::string> captions;
    solver::AnswerList list;
};
