#include "expression.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

using namespace checker;

struct Row {
    const char* name;
    const char* display;
    std::string_view expected;
};

void expectValues(std::initializer_list<Row> rows) {
    for (const Row& row : rows)
        EXPECT_EQ(Evaluate(row.display), row.expected) << row.name;
}

// Lines are written as the keypad writes them: "×" and "÷" signs, ASCII "-".
TEST(Evaluate, WorkedValues) {
    expectValues(
        {Row{"MultiplyBindsBeforeDivide", "8÷4×2", "1"}, Row{"DivisionsLeftToRight", "12÷4÷3", "1"},
         Row{"AddAndSubtractLeftToRight", "10-3+2", "9"},
         Row{"InexactDivision", "7÷2", kNonIntegerResult},
         Row{"InexactDivisionInBracket", "(7÷2)×2", kNonIntegerResult},
         Row{"BracketAlone", "(4+3)", "7"}, Row{"NumberAloneIsNoCalculation", "25", ""},
         Row{"NegativeResult", "3-5", "-2"}, Row{"NegativeBracketTimesNumber", "(3-5)×4", "-8"},
         Row{"BracketReplacedWhereItStands", "(5-2)×25-2", "73"},
         Row{"BracketThenMultiplyThenDivide", "6×(75-25)÷3+1", "101"},
         Row{"DigitsRunOnAfterBracket", "(4+3)5", "75"},
         Row{"MultiplicationWraps", "100×75×5", "-28036"},
         Row{"OnlyTheCurrentLineCounts", "6×75 = 450\n450-1", "449"}});
}

TEST(Evaluate, MendedValues) {
    expectValues({Row{"NegativeBracketAfterMultiply", "2×(3-5)", "-4"},
                  Row{"NegativeBracketAfterSubtract", "10-(3-5)", "12"},
                  Row{"NegativeBracketAfterDivide", "2÷(3-5)", "-1"},
                  Row{"NegativeBracketAfterAdd", "7+(3-5)", "5"},
                  Row{"NegativeOverTwoLeavesARemainder", "(1-8)÷2", kNonIntegerResult},
                  Row{"NegativeBracketAlone", "(1-8)", "-7"},
                  Row{"NegativeLineStartTimesNumber", "3-5 = -2\n-2×4", "-8"},
                  Row{"NegativeLineStartMinusBracket", "3-5 = -2\n-2-(1+2)", "-5"},
                  Row{"NegativeNumberAloneIsNoCalculation", "3-5 = -2\n-2", ""},
                  Row{"SmallestValueReadBack", "-32768-1", "32767"},
                  Row{"SmallestValueOverMinusOneWraps", "-32768÷(0-1)", "-32768"},
                  Row{"SubtractionWraps", "(0-30000)-5000", "30536"},
                  Row{"DivisionByZeroInBracket", "10÷(5-5)", kDivideByZeroResult},
                  Row{"ZeroOverZero", "(5-5)÷(5-5)", kDivideByZeroResult},
                  Row{"LeadingZeroRunsOn", "(5-5)3", "3"},
                  Row{"DigitRunAtLargestValue", "(1+2)2767", "32767"},
                  Row{"DigitRunOverLargestValue", "(1+2)2768", kOutOfRangeResult},
                  Row{"DigitRunInsideBracket", "((100×75)5)+1", kOutOfRangeResult},
                  Row{"StrayCloseBeforeMultiplyLoops", "3)+(4×5", kBracketsResult},
                  Row{"StrayCloseAfterMultiply", "3×4)+(5", "12"},
                  Row{"StrayCloseAfterMultiplyThenAdd", "7×8)+(9+6", "62"},
                  Row{"StrayCloseGroupedWithDigitsAfter", "3)5×2", "70"},
                  Row{"StrayCloseBeforeDivide", "(2+3)÷5)×2", kNonIntegerResult},
                  Row{"StrayCloseBeforeAddReadsDigits", "3)+(4+5", "8"},
                  Row{"UnclosedBracketReadsDigits", "(4+3", "3"}});
}

} // namespace
