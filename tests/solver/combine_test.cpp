#include "answerlist.h"
#include "combine.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(Combine, ValueAndText) {
    struct Row {
        const char* name;
        int a;
        int b;
        int op;
        const char* currentText;
        const char* bText;
        int value;
        const char* text; // currentText afterwards
    };
    const Row rows[] = {
        {"Add", 3, 4, 1, "3", "", 7, "(3+4)"},
        {"SubtractLargerLeft", 50, 3, 2, "50", "", 47, "(50-3)"},
        {"SubtractSwapsSmallerLeft", 7, 50, 2, "(3+4)", "", 43, "(50-(3+4))"},
        {"SubtractSwapsTexts", 3, 50, 2, "3", "(25+25)", 47, "((25+25)-3)"},
        {"SubtractEqualGivesNothing", 5, 5, 2, "5", "", 0, "5"},
        {"Multiply", 6, 7, 3, "6", "", 42, "(6x7)"},
        {"MultiplyByOneGivesNothing", 7, 1, 3, "7", "", 0, "7"},
        {"DivideExact", 100, 4, 4, "100", "", 25, "(100/4)"},
        {"DivideSwapsSmallerLeft", 4, 100, 4, "4", "", 25, "(100/4)"},
        {"DivideEqual", 6, 6, 4, "6", "", 1, "(6/6)"},
        {"DivideByOneGivesNothing", 7, 1, 4, "7", "", 0, "7"},
        {"DivideOneIntoGivesNothing", 1, 7, 4, "1", "", 0, "1"},
        {"DivideInexactGivesNothing", 7, 3, 4, "7", "", 0, "7"},
        {"DivideByZeroGivesNothing", 5, 0, 4, "5", "", 0, "5"},
        {"ZeroLeftGivesNothing", 0, 5, 1, "", "", 0, ""},
        {"UnknownOperationGivesNothing", 3, 4, 5, "3", "", 0, "3"},
        {"LargestProductThatFits", 46340, 46340, 3, "46340", "", 2147395600, "(46340x46340)"},
        {"ProductBeyond32BitsGivesNothing", 50000, 50000, 3, "50000", "", 0, "50000"},
        {"SumBeyond32BitsGivesNothing", INT_MAX, 1, 1, "x", "", 0, "x"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string text = row.currentText;
        EXPECT_EQ(solver::Combine(row.a, row.b, row.op, text, row.bText), row.value);
        EXPECT_EQ(text, row.text);
    }
}

TEST(AddAnswer, Entries) {
    // name, the texts added, the entries listed
    const std::tuple<const char*, std::vector<std::string>, std::vector<std::string>> rows[] = {
        {"StripsOuterBrackets", {"((100+6)x3)"}, {"(100+6)x3"}},
        {"KeepsTextWithoutClosingBracket", {"7"}, {"7"}},
        {"DropsRepeat", {"(100+75)", "(100+75)"}, {"100+75"}},
        {"KeepsOtherOrderAndGrouping",
         {"((4+3)x25)", "((3+4)x25)", "(25x(4+3))", "((4+3)x25)"},
         {"(4+3)x25", "(3+4)x25", "25x(4+3)"}},
        {"KeepsOrderOfArrival", {"(50-(4+3))", "(100+75)"}, {"50-(4+3)", "100+75"}},
    };
    for (const auto& [name, added, listed] : rows) {
        solver::AnswerList list;
        for (const std::string& text : added)
            solver::AddAnswer(list, text);
        EXPECT_EQ(list.entries(), listed) << name;
    }
}

} // namespace
