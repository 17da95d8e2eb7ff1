#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

// Uniform random numbers in [0, 1) for the deal and the target draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds the generator afresh (the game seeds from the clock).
    virtual void reseed() = 0;
    virtual float next() = 0;
};

// The game's generator, reseeded from the system clock.
class ClockRandom final : public RandomSource {
public:
    void reseed() override;
    float next() override;

private:
    std::mt19937 m_engine{std::random_device{}()};
};

// A fixed-seed generator: reseed() restarts the same sequence. For tests and benchmarks.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : m_seed(seed), m_engine(seed) {}
    void reseed() override { m_engine.seed(m_seed); }
    float next() override;

private:
    std::uint32_t m_seed;
    std::mt19937 m_engine;
};

constexpr int kPickCount = 24;  // pick buttons: 0..9 and 10..19 small, 20..23 large
constexpr int kSlotCount = 6;   // number slots
constexpr int kFirstLarge = 20; // index of the first large-number button

// The hidden numbers of the 24 pick buttons: each small row a permutation of 1..10, the
// large row a permutation of 25, 50, 75, 100.
std::array<std::int32_t, kPickCount> ScrambleNos(RandomSource& random);

// Sorts in place, descending.
void BubbleSort(std::vector<std::int32_t>& numbers);

// Rolls the target 50 times; `roll` is called with each value in turn. Returns the last value,
// which lies in lowest..highest when lowest <= highest.
std::int16_t DrawTarget(std::int16_t highest, std::int16_t lowest, RandomSource& random,
                        const std::function<void(std::int16_t)>& roll);

// One round's numbers: the pick buttons' hidden numbers, which are used, what the six slots
// show, and `RoundNumbers` ({0} after a deal; after k picks 0 then the picks; after the sixth
// pick the seven elements sorted descending, so 0..5 hold the numbers and 6 holds 0).
class RoundDeal {
public:
    void deal(RandomSource& random);
    // Installs a hand-made round (any six numbers) as the sixth pick would leave it.
    void setNumbers(const std::array<std::int32_t, kSlotCount>& numbers);

    // Picks button `index`. Returns the slot it filled, or -1 when the button was already
    // used, the index is out of range or all six slots are full.
    int pick(int index);

    bool complete() const { return m_roundNumbers.size() == kSlotCount + 1; }
    bool used(int index) const { return m_used.at(static_cast<std::size_t>(index)); }
    std::int32_t tag(int index) const { return m_tags.at(static_cast<std::size_t>(index)); }
    // 0 for an empty slot.
    std::int32_t slot(int i) const { return m_slots.at(static_cast<std::size_t>(i)); }
    const std::vector<std::int32_t>& RoundNumbers() const { return m_roundNumbers; }

private:
    std::vector<std::int32_t> m_roundNumbers{0};
    std::array<std::int32_t, kPickCount> m_tags{};
    std::array<bool, kPickCount> m_used{};
    std::array<std::int32_t, kSlotCount> m_slots{};
};
