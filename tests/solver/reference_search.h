#pragma once

#include <array>
#include <string>
#include <vector>

// A plain walk of the search that builds every text as it goes, step by step as the game's
// rules read, to check the solver's lazily rendered texts and its pump points against.
struct ReferenceRun {
    std::vector<std::string> reports; // every text that reached the target, in order
    std::vector<std::string> events;  // "pump" or a progress text, in order
    int combinations = 0;
};

ReferenceRun RunReferenceSearch(const std::array<int, 6>& numbers, int target);
