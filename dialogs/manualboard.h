#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The manual set-up's number board: 24 labels in three rows (1..10, 1..10, then 25, 50, 75,
// 100), of which at most six are chosen at a time.
class ManualBoard {
public:
    static constexpr int kLabelCount = 24;
    static constexpr int kChooseCount = 6;
    static constexpr int kRowLength = 10; // the small rows; the large row holds the last four

    // The number on label 0 <= index < kLabelCount.
    static std::int32_t number(int index);
    // The label reached from `index` by one arrow key: dx -1/+1 walks the board in reading
    // order, dy -1/+1 goes to the row above/below, to the label nearest the same place across.
    // Stays on `index` at the board's edges.
    static int neighbour(int index, int dx, int dy);

    // A chosen label is released; an unchosen one is chosen while fewer than six are. Returns
    // whether the label changed (a seventh choice or an index out of range changes nothing).
    bool click(int index);

    bool chosen(int index) const;
    int chosenCount() const { return m_count; }
    // The chosen numbers in board order; meaningful when chosenCount() == kChooseCount.
    std::array<std::int32_t, kChooseCount> chosenNumbers() const;

private:
    std::array<bool, kLabelCount> m_chosen{};
    int m_count = 0;
};

// How the target box's text reads when the focus leaves it or the round is handed over.
enum class TargetCheck {
    Accepted, // a whole number from 101 to 32767
    Empty,    // silently becomes "101"
    TooLow,   // a number below 101: a message, then "101"
    Unusable, // anything else (above 32767, blanks, other scripts' digits): a message, then "101"
};

inline constexpr std::int32_t kLowestManualTarget = 101;

// The value of a text made of the digits "0" to "9" alone, when it fits 16 bits.
std::optional<std::int32_t> DigitsValue(std::string_view text);

TargetCheck CheckTarget(std::string_view text);
// The value of an accepted text.
std::int32_t TargetValue(std::string_view text);

// Characters that reach the target box from the keyboard: digits, backspace and tab.
bool TargetKeyPasses(char32_t character);
