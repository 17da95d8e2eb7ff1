#pragma once

#include "answerlist.h"
#include "solverhost.h"

#include <string>

namespace solver {

// A search without a window, run to its end: nothing happens at a check point, the answers go
// to a list in memory, and the last progress text, the report, is kept.
class ListHost : public SolverHost {
public:
    void checkPoint() override {}
    void setProgressText(std::string_view text) override { progress.assign(text); }
    AnswerSink& answers() override { return list; }

    std::string progress;
    AnswerList list;
};

} // namespace solver
