#include "checkerkeypad.h"
#include "expression.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace checker;

// Number keys of a round with 75 50 10 6 3 1 and target 449.
enum : int { N75 = 0, N50, N10, N6, N3, N1 };

CheckerKeypad roundKeypad(const char* target = "449") {
    CheckerKeypad keypad;
    const char* numbers[] = {"75", "50", "10", "6", "3", "1"};
    for (int i = 0; i < kNumberKeyCount; ++i)
        keypad.setNumberCaption(i, numbers[i]);
    keypad.appendTargetText(target);
    return keypad;
}

void press(CheckerKeypad& keypad, const std::vector<int>& keys) {
    for (int key : keys)
        keypad.pressKey(key);
}

std::string enabledKeys(const CheckerKeypad& keypad) {
    std::string flags;
    for (int k = 0; k < kKeyCount; ++k)
        flags += keypad.isKeyEnabled(k) ? '1' : '0';
    return flags;
}

constexpr const char* kResetKeys = "1111111111110";
constexpr const char* kNoKeys = "0000000000000";

TEST(CheckerKeypadTest, KeysOutOfTurnAreIgnored) {
    CheckerKeypad keypad = roundKeypad();
    press(keypad, {KeyMultiply, KeyClose, KeyEquals});
    EXPECT_EQ(keypad.display(), "");
    EXPECT_FALSE(keypad.isBackEnabled());
    press(keypad, {N6, N75, KeyOpen});
    EXPECT_EQ(keypad.display(), "6");
    EXPECT_TRUE(keypad.isKeyEnabled(N75));
    press(keypad, {KeyMultiply, KeyMultiply, N75});
    EXPECT_EQ(keypad.display(), "6×75");
    EXPECT_EQ(keypad.KeyHistory(), (std::vector<std::int16_t>{0, N6, KeyMultiply, N75}));
}

TEST(CheckerKeypadTest, EqualsWaitsForBalancedBrackets) {
    CheckerKeypad keypad = roundKeypad();
    press(keypad, {KeyOpen, N6});
    EXPECT_FALSE(keypad.isKeyEnabled(KeyEquals));
    EXPECT_TRUE(keypad.isKeyEnabled(KeyClose));
    press(keypad, {KeyClose});
    EXPECT_TRUE(keypad.isKeyEnabled(KeyEquals));
    EXPECT_FALSE(keypad.isKeyEnabled(KeyClose));

    // A ")" without "(" after a number is taken and unbalances the counts.
    CheckerKeypad stray = roundKeypad();
    stray.pressReset();
    press(stray, {N3, KeyClose});
    EXPECT_EQ(stray.display(), "3)");
    EXPECT_FALSE(stray.isKeyEnabled(KeyEquals));
}

TEST(CheckerKeypadTest, StrayCloseThenMultiplyEndsWithAMessage) {
    CheckerKeypad keypad = roundKeypad();
    keypad.pressReset();
    press(keypad, {N3, KeyClose, KeyAdd, KeyOpen, N10, KeyMultiply, N6});
    ASSERT_TRUE(keypad.isKeyEnabled(KeyEquals));
    keypad.pressKey(KeyEquals);
    EXPECT_EQ(keypad.display(), "3)+(10×6 = " + std::string(kBracketsResult));
    EXPECT_EQ(enabledKeys(keypad), kNoKeys);
}

struct StopRow {
    const char* name;
    std::vector<int> keys;
    const char* line;
    std::string_view result;
    friend void PrintTo(const StopRow& row, std::ostream* os) { *os << row.name; }
};

class StoppedAttemptTest : public testing::TestWithParam<StopRow> {};

TEST_P(StoppedAttemptTest, LeavesOnlyResetAndResetWorks) {
    CheckerKeypad keypad = roundKeypad();
    press(keypad, GetParam().keys);
    keypad.pressKey(KeyEquals);
    const std::string stopped =
        GetParam().line + std::string(" = ") + std::string(GetParam().result);
    EXPECT_EQ(keypad.display(), stopped);
    EXPECT_EQ(enabledKeys(keypad), kNoKeys);
    EXPECT_FALSE(keypad.isBackEnabled());
    keypad.pressBack();
    EXPECT_EQ(keypad.display(), stopped);

    keypad.pressReset();
    EXPECT_EQ(keypad.display(), "");
    EXPECT_EQ(enabledKeys(keypad), kResetKeys);
    EXPECT_FALSE(keypad.isBackEnabled());
    EXPECT_EQ(keypad.LastKey(), kNoKey);
    EXPECT_EQ(keypad.KeyHistory().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, StoppedAttemptTest,
    testing::Values(StopRow{"NonInteger", {N75, KeyDivide, N10}, "75÷10", kNonIntegerResult},
                    StopRow{"DivisionByZeroInBracket",
                            {N75, KeyDivide, KeyOpen, N10, KeySubtract, N6, KeySubtract, N3,
                             KeySubtract, N1, KeyClose},
                            "75÷(10-6-3-1)",
                            kDivideByZeroResult},
                    StopRow{"DigitsRunOverLargestValue",
                            {KeyOpen, N75, KeyMultiply, N50, KeyMultiply, N10, KeyClose, N6},
                            "(75×50×10)6",
                            kOutOfRangeResult}),
    [](const testing::TestParamInfo<StopRow>& info) { return std::string(info.param.name); });

// Back and reset among the keys of a row.
enum : int { Back = -1, Reset = -2 };

struct KeyRow {
    const char* name;
    std::vector<int> keys;
    const char* display;
    const char* enabled; // "1" per enabled key 0..12
    bool backOn;
    friend void PrintTo(const KeyRow& row, std::ostream* os) { *os << row.name; }
};

class KeyRuleTest : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyRuleTest, LeavesTheDisplayAndTheKeys) {
    CheckerKeypad keypad = roundKeypad();
    for (int key : GetParam().keys) {
        if (key == Back)
            keypad.pressBack();
        else if (key == Reset)
            keypad.pressReset();
        else
            keypad.pressKey(key);
    }
    EXPECT_EQ(keypad.display(), GetParam().display);
    EXPECT_EQ(enabledKeys(keypad), GetParam().enabled);
    EXPECT_EQ(keypad.isBackEnabled(), GetParam().backOn);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyRuleTest,
    testing::Values(KeyRow{"RefusedCloseBalancedEnablesEquals",
                           {Reset, N3, KeyAdd, KeyClose},
                           "3+",
                           "1111011011111",
                           true},
                    KeyRow{"EqualsAfterRefusedCloseEvaluates",
                           {Reset, N3, KeyAdd, KeyClose, KeyEquals},
                           "3+ = 3\n3",
                           "1111011011111",
                           true},
                    KeyRow{"MissWithAllNumbersUsedTakesNoKey",
                           {N75, KeyAdd, N50, KeyAdd, N10, KeyAdd, N6, KeyAdd, N3, KeySubtract, N1,
                            KeyEquals, KeyAdd, KeyEquals, KeyClose},
                           "75+50+10+6+3-1 = 143",
                           kNoKeys,
                           true},
                    KeyRow{"BackAfterMissGivesTheKeysBack",
                           {N75, KeyAdd, N50, KeyAdd, N10, KeyAdd, N6, KeyAdd, N3, KeySubtract, N1,
                            KeyEquals, Back},
                           "75+50+10+6+3-1",
                           "0000001011111",
                           true},
                    KeyRow{"SecondBackFreesTheLastNumber",
                           {N75, KeyAdd, N50, KeyAdd, N10, KeyAdd, N6, KeyAdd, N3, KeySubtract, N1,
                            KeyEquals, Back, Back},
                           "75+50+10+6+3-",
                           "0000011011110",
                           true}),
    [](const testing::TestParamInfo<KeyRow>& info) { return std::string(info.param.name); });

TEST(CheckerKeypadTest, BackWalksTheHistory) {
    CheckerKeypad keypad = roundKeypad();
    press(keypad, {KeyOpen, N6, KeyMultiply, N3, KeyClose});
    ASSERT_EQ(keypad.display(), "(6×3)");

    struct Step {
        const char* display;
        std::int16_t lastKey;
        bool closeOn;
        bool equalsOn;
    };
    const Step steps[] = {{"(6×3", N3, true, false},
                          {"(6×", KeyMultiply, true, false},
                          {"(6", N6, true, false},
                          {"(", KeyOpen, true, false},
                          {"", kNoKey, false, false}};
    for (const Step& step : steps) {
        keypad.pressBack();
        EXPECT_EQ(keypad.display(), step.display);
        EXPECT_EQ(keypad.LastKey(), step.lastKey) << step.display;
        EXPECT_EQ(keypad.isKeyEnabled(KeyClose), step.closeOn) << step.display;
        EXPECT_EQ(keypad.isKeyEnabled(KeyEquals), step.equalsOn) << step.display;
    }
    EXPECT_FALSE(keypad.isBackEnabled());
    EXPECT_TRUE(keypad.isKeyEnabled(N6));
    EXPECT_TRUE(keypad.isKeyEnabled(N3));
}

} // namespace
