#pragma once

#include <string_view>

namespace solver {

class AnswerSink;

// What a search needs of the window that runs it. Every call comes on the calling thread.
class SolverHost {
public:
    virtual ~SolverHost() = default;
    // Handles pending window events; a nested stop click calls Solver::requestStop().
    virtual void pumpEvents() = 0;
    // The progress and result line: "Searching... N" while running, the report at the end.
    virtual void setProgressText(std::string_view text) = 0;
    // The list that receives the answers; it keeps its entries across searches.
    virtual AnswerSink& answers() = 0;
};

} // namespace solver
