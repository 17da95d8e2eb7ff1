#include "checkerkeypad.h"
#include "expression.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

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

// Back and reset among the keys pressed.
enum : int { Back = -1, Reset = -2 };

void press(CheckerKeypad& keypad, const std::vector<int>& keys) {
    for (int key : keys) {
        if (key == Back)
            keypad.pressBack();
        else if (key == Reset)
            keypad.pressReset();
        else
            keypad.pressKey(key);
    }
}

std::string enabledKeys(const CheckerKeypad& keypad) {
    std::string flags;
    for (int k = 0; k < kKeyCount; ++k)
        flags += keypad.isKeyEnabled(k) ? '1' : '0';
    return flags;
}

constexpr const char* kResetKeys = "1111111111110";
constexpr const char* kNoKeys = "0000000000000";

TEST(CheckerKeypadTest, AStoppedAttemptLeavesOnlyResetAndResetWorks) {
    // name, the keys before "=", the line they leave, the stop result
    // clang-format off
    const std::tuple<const char*, std::vector<int>, const char*, std::string_view> rows[] = {
        {"NonInteger", {N75, KeyDivide, N10}, "75÷10", kNonIntegerResult},
        {"StrayCloseThenMultiply", {Reset, N3, KeyClose, KeyAdd, KeyOpen, N10, KeyMultiply, N6},
         "3)+(10×6", kBracketsResult},
    };
    // clang-format on
    for (const auto& [name, keys, line, result] : rows) {
        SCOPED_TRACE(name);
        CheckerKeypad keypad = roundKeypad();
        press(keypad, keys);
        keypad.pressKey(KeyEquals);
        const std::string stopped = line + std::string(" = ") + std::string(result);
        EXPECT_EQ(keypad.display(), stopped);
        EXPECT_EQ(enabledKeys(keypad), kNoKeys);
        EXPECT_FALSE(keypad.isBackEnabled());
        EXPECT_EQ(keypad.result(), std::nullopt); // no value to check
        keypad.pressBack();
        EXPECT_EQ(keypad.display(), stopped);

        keypad.pressReset();
        EXPECT_EQ(keypad.display(), "");
        EXPECT_EQ(enabledKeys(keypad), kResetKeys);
        EXPECT_FALSE(keypad.isBackEnabled());
        EXPECT_EQ(keypad.LastKey(), kNoKey);
        EXPECT_EQ(keypad.KeyHistory().size(), 1u);
        keypad.pressKey(KeyMultiply); // an operator first is ignored
        EXPECT_FALSE(keypad.isBackEnabled());
    }
}

TEST(CheckerKeypadTest, KeysLeaveTheDisplayAndTheKeys) {
    const std::vector<int> miss{N75, KeyAdd, N50, KeyAdd,      N10, KeyAdd,
                                N6,  KeyAdd, N3,  KeySubtract, N1,  KeyEquals};
    const auto afterMiss = [&miss](std::vector<int> more) {
        std::vector<int> keys = miss;
        keys.insert(keys.end(), more.begin(), more.end());
        return keys;
    };
    // name, the keys pressed, the display, "1" per enabled key 0..12
    // clang-format off
    const std::tuple<const char*, std::vector<int>, const char*, const char*> rows[] = {
        {"Opening", {}, "", "1111111011110"},
        {"RefusedCloseBalancedEnablesEquals", {Reset, N3, KeyAdd, KeyClose}, "3+", "1111011011111"},
        {"EqualsAfterRefusedCloseEvaluates", {Reset, N3, KeyAdd, KeyClose, KeyEquals}, "3+ = 3\n3",
         "1111011011111"},
        {"MissWithAllNumbersUsedTakesNoKey", afterMiss({KeyAdd, KeyEquals, KeyClose}),
         "75+50+10+6+3-1 = 143", kNoKeys},
        {"BackAfterMissGivesTheKeysBack", afterMiss({Back}), "75+50+10+6+3-1", "0000001011111"},
        {"SecondBackFreesTheLastNumber", afterMiss({Back, Back}), "75+50+10+6+3-", "0000011011110"},
        {"KeysOutOfTurnIgnored", {KeyMultiply, KeyClose, KeyEquals, N6, N75, KeyOpen, KeyMultiply,
         KeyMultiply, N75}, "6×75", "0110111011111"},
        {"StrayCloseUnbalances", {Reset, N3, KeyClose}, "3)", "1111011111110"},
        {"NumberAfterCloseRefused", {KeyOpen, N6, KeyAdd, N3, KeyClose, N1}, "(6+3)", "1110011011111"},
        {"NumberAfterEqualsRefused", {N6, KeyMultiply, N75, KeyEquals, N3}, "6×75 = 450\n450",
         "0110111011111"},
        {"OpenAfterOpen", {KeyOpen, KeyOpen, N6}, "((6", "1110111111110"},
        {"CloseAfterClose", {KeyOpen, KeyOpen, N6, KeyClose, KeyClose}, "((6))", "1110111011111"},
        {"BackOverAnOperatorEnablesEquals", {N6, KeyAdd, Back}, "6", "1110111011111"},
        {"BackOverClose", {KeyOpen, N6, KeyMultiply, N3, KeyClose, Back}, "(6×3", "1110011111110"},
        {"BackOverANumberInBrackets", {KeyOpen, N6, KeyMultiply, N3, Back}, "(6×", "1110111111110"},
        {"BackOverAnOperatorInBrackets", {KeyOpen, N6, KeyMultiply, Back}, "(6", "1110111111110"},
        {"BackToTheStart", {KeyOpen, N6, Back, Back}, "", "1111111011110"},
    };
    // clang-format on
    for (const auto& [name, keys, display, enabled] : rows) {
        SCOPED_TRACE(name);
        CheckerKeypad keypad = roundKeypad();
        press(keypad, keys);
        EXPECT_EQ(keypad.display(), display);
        EXPECT_EQ(enabledKeys(keypad), enabled);
        EXPECT_EQ(keypad.isBackEnabled(), *display != 0);
        const auto& history = keypad.KeyHistory();
        EXPECT_EQ(keypad.LastKey(), history.size() > 1 ? history.back() : kNoKey);
    }
}

} // namespace
