#include "manualboard.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(ManualBoard, ASeventhChoiceIsIgnoredAndReleasingOneFreesAPlace) {
    ManualBoard board;
    for (int i : {0, 1, 2, 3, 4, 5})
        EXPECT_TRUE(board.click(i));
    EXPECT_FALSE(board.click(6));
    EXPECT_FALSE(board.chosen(6));
    EXPECT_EQ(board.chosenCount(), 6);

    EXPECT_TRUE(board.click(3));
    EXPECT_FALSE(board.chosen(3));
    EXPECT_EQ(board.chosenCount(), 5);
    EXPECT_TRUE(board.click(23));
    EXPECT_EQ(board.chosenNumbers(), (std::array<std::int32_t, 6>{1, 2, 3, 5, 6, 100}));
    EXPECT_FALSE(board.click(24));
    EXPECT_FALSE(board.click(-1));
}

TEST(ManualBoard, ArrowKeysWalkTheRowsAndLineUpAcrossThem) {
    // name, from, dx, dy, to
    const std::tuple<const char*, int, int, int, int> rows[] = {
        {"right off a row's end goes on reading", 9, 1, 0, 10},
        {"left at the first stays", 0, -1, 0, 0},
        {"right at the last stays", 23, 1, 0, 23},
        {"down from the first row", 3, 0, 1, 13},
        {"down onto 25", 11, 0, 1, 20},
        {"down onto 100", 19, 0, 1, 23},
        {"down from the large row stays", 22, 0, 1, 22},
        {"up from 25", 20, 0, -1, 11},
        {"up from 100", 23, 0, -1, 18},
    };
    for (const auto& [name, from, dx, dy, to] : rows)
        EXPECT_EQ(ManualBoard::neighbour(from, dx, dy), to) << name;
}

TEST(ManualTarget, ReadsWholeNumbersFrom101To32767) {
    using enum TargetCheck;
    // text, check, the value of an accepted text
    const std::tuple<const char*, TargetCheck, std::int32_t> rows[] = {
        {"", Empty, 0},          {"101", Accepted, 101},
        {"100", TooLow, 0},      {"-500", TooLow, 0},
        {"0150", Accepted, 150}, {"32767", Accepted, 32767},
        {"32768", Unusable, 0},  {"99999999999999999999", Unusable, 0},
        {"12a", Unusable, 0},    {" 500", Unusable, 0},
        {"-", Unusable, 0},      {"\u0665\u0660\u0660", Unusable, 0}, // Arabic-Indic 500
    };
    for (const auto& [text, check, value] : rows) {
        EXPECT_EQ(CheckTarget(text), check) << text;
        if (check == Accepted) {
            EXPECT_EQ(TargetValue(text), value) << text;
        }
    }
}

TEST(ManualTarget, KeysPassingToTheBoxAreDigitsBackspaceAndTab) {
    for (const char32_t c : {U'0', U'9', char32_t{8}, char32_t{9}})
        EXPECT_TRUE(TargetKeyPasses(c)) << int(c);
    for (const char32_t c : {U'/', U':', U'-', U' ', char32_t{10}, U'\u0665'})
        EXPECT_FALSE(TargetKeyPasses(c)) << int(c);
}

} // namespace
