#include "manualboard.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::array<std::int32_t, 4> kLarge{25, 50, 75, 100};

bool inRange(int index) {
    return index >= 0 && index < ManualBoard::kLabelCount;
}

} // namespace

std::int32_t ManualBoard::number(int index) {
    if (!inRange(index))
        return 0;
    if (index < 2 * kRowLength)
        return index % kRowLength + 1;
    return kLarge[static_cast<std::size_t>(index - 2 * kRowLength)];
}

int ManualBoard::neighbour(int index, int dx, int dy) {
    if (!inRange(index))
        return index;
    if (dx != 0)
        return std::clamp(index + (dx < 0 ? -1 : 1), 0, kLabelCount - 1);
    // Across the board, a small label is 2 units wide and a large one 5: rows line up on
    // their middles.
    const int row = index / kRowLength;
    if (dy > 0 && row == 0)
        return index + kRowLength;
    if (dy > 0 && row == 1)
        return 2 * kRowLength + (2 * (index - kRowLength) + 1) / 5;
    if (dy < 0 && row == 1)
        return index - kRowLength;
    if (dy < 0 && row == 2)
        return kRowLength + (10 * (index - 2 * kRowLength) + 5) / 4;
    return index;
}

bool ManualBoard::click(int index) {
    if (!inRange(index))
        return false;
    bool& chosen = m_chosen[static_cast<std::size_t>(index)];
    if (chosen) {
        chosen = false;
        --m_count;
        return true;
    }
    if (m_count >= kChooseCount)
        return false;
    chosen = true;
    ++m_count;
    return true;
}

bool ManualBoard::chosen(int index) const {
    return inRange(index) && m_chosen[static_cast<std::size_t>(index)];
}

std::array<std::int32_t, ManualBoard::kChooseCount> ManualBoard::chosenNumbers() const {
    std::array<std::int32_t, kChooseCount> numbers{};
    std::size_t n = 0;
    for (int i = 0; i < kLabelCount && n < numbers.size(); ++i)
        if (m_chosen[static_cast<std::size_t>(i)])
            numbers[n++] = number(i);
    return numbers;
}

std::optional<std::int32_t> DigitsValue(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    std::int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int16_t>::max())
            return std::nullopt;
    }
    return value;
}

TargetCheck CheckTarget(std::string_view text) {
    if (text.empty())
        return TargetCheck::Empty;
    // A leading "-" makes a number below 101, as the box reads it.
    const bool negative = text.front() == '-';
    const std::optional<std::int32_t> value = DigitsValue(negative ? text.substr(1) : text);
    if (!value)
        return TargetCheck::Unusable;
    return !negative && *value >= kLowestManualTarget ? TargetCheck::Accepted : TargetCheck::TooLow;
}

std::int32_t TargetValue(std::string_view text) {
    return std::max(DigitsValue(text).value_or(0), kLowestManualTarget);
}

bool TargetKeyPasses(char32_t character) {
    return (character >= U'0' && character <= U'9') || character == 8 || character == 9;
}
