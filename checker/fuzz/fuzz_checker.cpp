// libFuzzer target: Evaluate on arbitrary text, and the keypad driven by arbitrary key presses.
// Each checked property aborts when it fails, so that the fuzzer keeps the input.
#include "checkerkeypad.h"
#include "expression.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

// Empty, a stop result, or the plain decimal text of a 16-bit value.
bool isEvaluateResult(const std::string& r) {
    if (r.empty() || checker::isStopResult(r))
        return true;
    const bool negative = r[0] == '-';
    const std::string_view digits = std::string_view(r).substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 5 || (digits.size() > 1 && digits[0] == '0') ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const long value = std::stol(r);
    return value >= -32768 && value <= 32767 && !(negative && value == 0);
}

void checkKeypad(const checker::CheckerKeypad& keypad) {
    const auto& history = keypad.KeyHistory();
    require(!history.empty() && history[0] == 0, "history keeps its placeholder");
    const bool open = keypad.outcome() == checker::Outcome::Open;
    require(keypad.LastKey() == (history.size() > 1 ? history.back() : checker::kNoKey),
            "LastKey is the last history entry");
    if (!open) {
        for (int k = 0; k < checker::kKeyCount; ++k)
            require(!keypad.isKeyEnabled(k), "a finished attempt disables every key");
        require(!keypad.isBackEnabled(), "a finished attempt disables back");
        return;
    }
    require(keypad.isBackEnabled() == (history.size() > 1), "back follows the history");
    for (int k = 0; k < checker::kNumberKeyCount; ++k) {
        const bool used = std::find(history.begin() + 1, history.end(), k) != history.end();
        require(keypad.isKeyEnabled(k) == !used, "each number is used at most once");
    }
}

const char* const kPool[] = {"1", "2", "3",  "4",  "5",  "6",  "7",
                             "8", "9", "10", "25", "50", "75", "100"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    require(isEvaluateResult(checker::Evaluate(text)), "Evaluate gives a 16-bit value or a stop");

    if (size < 8)
        return 0;
    checker::CheckerKeypad keypad;
    for (int i = 0; i < checker::kNumberKeyCount; ++i)
        keypad.setNumberCaption(i, kPool[data[i] % std::size(kPool)]);
    keypad.appendTargetText(std::to_string(101 + (data[6] * 256 + data[7]) % 899));
    for (std::size_t i = 8; i < size; ++i) {
        const int action = data[i] % 16;
        if (action < checker::kKeyCount)
            keypad.pressKey(action);
        else if (action == 15)
            keypad.pressReset();
        else
            keypad.pressBack();
        checkKeypad(keypad);
        if (keypad.LastKey() == checker::KeyEquals && keypad.outcome() == checker::Outcome::Open) {
            const std::string_view line = checker::currentLine(keypad.display());
            if (line.find('=') == std::string_view::npos)
                require(isEvaluateResult(std::string(line)), "a new line starts with a value");
        }
    }
    return 0;
}
