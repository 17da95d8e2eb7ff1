#include "answerlist.h"
#include "combine.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

struct CombineCase {
    const char* name;
    int a;
    int b;
    int op;
    const char* currentText;
    const char* bText;
    int value;
    const char* text; // currentText afterwards
};

class CombineTest : public testing::TestWithParam<CombineCase> {};

TEST_P(CombineTest, ValueAndText) {
    const CombineCase& c = GetParam();
    std::string text = c.currentText;
    EXPECT_EQ(solver::Combine(c.a, c.b, c.op, text, c.bText), c.value);
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CombineTest,
    testing::Values(
        CombineCase{"Add", 3, 4, 1, "3", "", 7, "(3+4)"},
        CombineCase{"SubtractLargerLeft", 50, 3, 2, "50", "", 47, "(50-3)"},
        CombineCase{"SubtractSwapsSmallerLeft", 7, 50, 2, "(3+4)", "", 43, "(50-(3+4))"},
        CombineCase{"SubtractSwapsTexts", 3, 50, 2, "3", "(25+25)", 47, "((25+25)-3)"},
        CombineCase{"SubtractEqualGivesNothing", 5, 5, 2, "5", "", 0, "5"},
        CombineCase{"Multiply", 6, 7, 3, "6", "", 42, "(6x7)"},
        CombineCase{"MultiplyByOneGivesNothing", 7, 1, 3, "7", "", 0, "7"},
        CombineCase{"DivideExact", 100, 4, 4, "100", "", 25, "(100/4)"},
        CombineCase{"DivideSwapsSmallerLeft", 4, 100, 4, "4", "", 25, "(100/4)"},
        CombineCase{"DivideEqual", 6, 6, 4, "6", "", 1, "(6/6)"},
        CombineCase{"DivideByOneGivesNothing", 7, 1, 4, "7", "", 0, "7"},
        CombineCase{"DivideOneIntoGivesNothing", 1, 7, 4, "1", "", 0, "1"},
        CombineCase{"DivideInexactGivesNothing", 7, 3, 4, "7", "", 0, "7"},
        CombineCase{"DivideByZeroGivesNothing", 5, 0, 4, "5", "", 0, "5"},
        CombineCase{"ZeroLeftGivesNothing", 0, 5, 1, "", "", 0, ""},
        CombineCase{"UnknownOperationGivesNothing", 3, 4, 5, "3", "", 0, "3"},
        CombineCase{"LargestProductThatFits", 46340, 46340, 3, "46340", "", 2147395600,
                    "(46340x46340)"},
        CombineCase{"ProductBeyond32BitsGivesNothing", 50000, 50000, 3, "50000", "", 0, "50000"},
        CombineCase{"SumBeyond32BitsGivesNothing", INT_MAX, 1, 1, "x", "", 0, "x"}),
    [](const testing::TestParamInfo<CombineCase>& info) { return info.param.name; });

struct AddAnswerCase {
    const char* name;
    std::vector<std::string> added;
    std::vector<std::string> listed;
};

class AddAnswerTest : public testing::TestWithParam<AddAnswerCase> {};

TEST_P(AddAnswerTest, Entries) {
    solver::AnswerList list;
    for (const std::string& text : GetParam().added)
        solver::AddAnswer(list, text);
    EXPECT_EQ(list.entries(), GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AddAnswerTest,
    testing::Values(AddAnswerCase{"StripsOuterBrackets", {"((100+6)x3)"}, {"(100+6)x3"}},
                    AddAnswerCase{"KeepsTextWithoutClosingBracket", {"7"}, {"7"}},
                    AddAnswerCase{"DropsRepeat", {"(100+75)", "(100+75)"}, {"100+75"}},
                    AddAnswerCase{"KeepsOtherOrderAndGrouping",
                                  {"((4+3)x25)", "((3+4)x25)", "(25x(4+3))", "((4+3)x25)"},
                                  {"(4+3)x25", "(3+4)x25", "25x(4+3)"}},
                    AddAnswerCase{
                        "KeepsOrderOfArrival", {"(50-(4+3))", "(100+75)"}, {"50-(4+3)", "100+75"}}),
    [](const testing::TestParamInfo<AddAnswerCase>& info) { return info.param.name; });

} // namespace
