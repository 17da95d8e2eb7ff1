#pragma once

#include <string_view>

namespace solver {

class AnswerSink;

// What a search needs of whoever runs it. Every call comes on the thread that runs the search.
class SolverHost {
public:
    virtual ~SolverHost() = default;
    // A point at which the search may stop: the host may hand over the progress and the answers
    // so far, and calls Solver::requestStop() here to stop the search.
    virtual void checkPoint() = 0;
    // The progress and result line: "Searching... N" while running, the report at the end.
    virtual void setProgressText(std::string_view text) = 0;
    // The list that receives the answers; it keeps its entries across searches.
    virtual AnswerSink& answers() = 0;
};

} // namespace solver
