#include "round.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>

namespace {

float uniform(std::mt19937& engine) {
    // 24 random bits give every float in [0, 1) that is a multiple of 2^-24.
    return static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f);
}

// Int(r * length + 1): a position 1..length in the pool.
std::size_t drawPosition(RandomSource& random, std::size_t length) {
    const auto k = static_cast<std::size_t>(random.next() * static_cast<float>(length) + 1.0f);
    return std::clamp<std::size_t>(k, 1, length);
}

// Deals one row of ten from the pool "1234567890", where "0" stands for 10.
void dealSmallRow(RandomSource& random, std::array<std::int32_t, kPickCount>& tags, int first) {
    std::string pool = "1234567890";
    for (int i = first; i < first + 9; ++i) {
        const std::size_t k = drawPosition(random, pool.size());
        tags[static_cast<std::size_t>(i)] = pool[k - 1] - '0';
        pool.erase(k - 1, 1);
    }
    tags[static_cast<std::size_t>(first + 9)] = pool[0] - '0';
    for (int i = first; i < first + 10; ++i)
        if (tags[static_cast<std::size_t>(i)] == 0)
            tags[static_cast<std::size_t>(i)] = 10;
}

} // namespace

void ClockRandom::reseed() {
    m_engine.seed(static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

float ClockRandom::next() {
    return uniform(m_engine);
}
float SeededRandom::next() {
    return uniform(m_engine);
}

std::array<std::int32_t, kPickCount> ScrambleNos(RandomSource& random) {
    std::array<std::int32_t, kPickCount> tags{};
    random.reseed();
    dealSmallRow(random, tags, 0);
    random.reseed();
    dealSmallRow(random, tags, 10);
    std::string pool = "1234";
    for (int i = kFirstLarge; i < kPickCount - 1; ++i) {
        const std::size_t k = drawPosition(random, pool.size());
        tags[static_cast<std::size_t>(i)] = (pool[k - 1] - '0') * 25;
        pool.erase(k - 1, 1);
    }
    tags[kPickCount - 1] = (pool[0] - '0') * 25;
    return tags;
}

void BubbleSort(std::vector<std::int32_t>& numbers) {
    for (std::size_t i = 0; i + 1 < numbers.size(); ++i)
        for (std::size_t j = i + 1; j < numbers.size(); ++j)
            if (numbers[i] < numbers[j])
                std::swap(numbers[i], numbers[j]);
}

std::int16_t DrawTarget(std::int16_t highest, std::int16_t lowest, RandomSource& random,
                        const std::function<void(std::int16_t)>& roll) {
    random.reseed();
    // The span is taken in 32 bits so that any stored pair of 16-bit limits works.
    const std::int32_t span = std::int32_t{highest} - lowest + 1;
    std::int16_t t = lowest;
    for (int i = 0; i < 50; ++i) {
        const double v = std::floor(static_cast<double>(span) * random.next() + lowest);
        t = static_cast<std::int16_t>(std::clamp(v, -32768.0, 32767.0));
        if (lowest <= highest)
            t = std::clamp(t, lowest, highest);
        if (roll)
            roll(t);
    }
    return t;
}

void RoundDeal::deal(RandomSource& random) {
    m_roundNumbers.assign(1, 0);
    m_tags = ScrambleNos(random);
    m_used.fill(false);
    m_slots.fill(0);
}

void RoundDeal::setNumbers(const std::array<std::int32_t, kSlotCount>& numbers) {
    m_roundNumbers.assign(numbers.begin(), numbers.end());
    m_roundNumbers.push_back(0);
    BubbleSort(m_roundNumbers);
    std::copy_n(m_roundNumbers.begin(), kSlotCount, m_slots.begin());
    m_used.fill(true);
}

int RoundDeal::pick(int index) {
    if (index < 0 || index >= kPickCount || m_used[static_cast<std::size_t>(index)] || complete())
        return -1;
    // Small numbers fill the slots from the right, large ones from the left.
    int slot = -1;
    if (index < kFirstLarge) {
        for (int i = kSlotCount - 1; i >= 0 && slot < 0; --i)
            if (m_slots[static_cast<std::size_t>(i)] == 0)
                slot = i;
    } else {
        for (int i = 0; i < kSlotCount && slot < 0; ++i)
            if (m_slots[static_cast<std::size_t>(i)] == 0)
                slot = i;
    }
    if (slot < 0)
        return -1;
    const std::int32_t number = m_tags[static_cast<std::size_t>(index)];
    m_slots[static_cast<std::size_t>(slot)] = number;
    m_used[static_cast<std::size_t>(index)] = true;
    m_roundNumbers.push_back(number);
    if (complete()) {
        BubbleSort(m_roundNumbers);
        std::copy_n(m_roundNumbers.begin(), kSlotCount, m_slots.begin());
    }
    return slot;
}
