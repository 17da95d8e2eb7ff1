#pragma once

#include "round.h"

#include <vector>

// Returns the values of a script, cycling; counts reseeds. With {0.0f} every draw takes the
// first number left in the pool, so a deal is 1..10, 1..10, 25, 50, 75, 100.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : m_values(std::move(values)) {}
    void reseed() override { ++reseeds; }
    float next() override { return m_values[m_next++ % m_values.size()]; }
    int reseeds = 0;

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};
