#include "commands.h"

#include "expression.h"
#include "jsonstring.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Digits, brackets, blanks and the four operators ("*" or "×", "/" or "÷") are all a line may
// hold; blanks are dropped. Returns false, naming the first other character, otherwise.
bool normaliseLine(std::string_view text, std::string& line, std::string& bad) {
    line.clear();
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with(checker::kTimesSign)) {
            line += '*';
            i += checker::kTimesSign.size();
            continue;
        }
        if (rest.starts_with(checker::kDivideSign)) {
            line += '/';
            i += checker::kDivideSign.size();
            continue;
        }
        const char c = text[i];
        if ((c >= '0' && c <= '9') || c == '(' || c == ')' || c == '+' || c == '-' || c == '*' ||
            c == '/') {
            line += c;
        } else if (c != ' ') {
            // Report a whole UTF-8 sequence, not one byte of it.
            std::size_t length = 1;
            while (i + length < text.size() && (text[i + length] & 0xC0) == 0x80)
                ++length;
            bad.assign(text.substr(i, length));
            return false;
        }
        ++i;
    }
    return true;
}

// A digit right after ")" would run on into the bracket's value: the keypad never writes one.
bool numberAfterBracket(std::string_view line) {
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i - 1] == ')' && line[i] >= '0' && line[i] <= '9')
            return true;
    }
    return false;
}

// What a line that cannot be worked out reports in a terminal; nullptr for a value.
const char* failureOf(std::string_view result) {
    if (result == checker::kNonIntegerResult)
        return "not a whole number";
    if (result == checker::kDivideByZeroResult)
        return "division by zero";
    if (result == checker::kOutOfRangeResult)
        return "number too large";
    if (result == checker::kBracketsResult)
        return "brackets out of order";
    return nullptr;
}

} // namespace

int runEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    std::string text;
    bool haveText = false;
    bool optionsEnded = false; // after "--" every word belongs to LINE
    for (const std::string& arg : args) {
        if (!optionsEnded && arg.starts_with("--")) {
            if (arg == "--") {
                optionsEnded = true;
            } else if (arg == "--json") {
                json = true;
            } else {
                err << "tallyrun-cli evaluate: unknown option " << quoted(arg) << "\n";
                return 2;
            }
            continue;
        }
        // "6 × 75 - 1" may arrive as several words.
        if (haveText)
            text += ' ';
        text += arg;
        haveText = true;
    }
    std::string line;
    std::string bad;
    if (!normaliseLine(text, line, bad)) {
        err << "tallyrun-cli evaluate: " << quoted(bad)
            << " is not allowed; use digits, brackets and + - * / (or × ÷)\n";
        return 2;
    }
    if (line.empty()) {
        err << "tallyrun-cli evaluate: missing LINE, for example: tallyrun-cli evaluate '6*75-1'\n";
        return 2;
    }
    if (line.size() > kLongestLine) {
        err << "tallyrun-cli evaluate: LINE is longer than " << kLongestLine << " characters\n";
        return 2;
    }
    if (numberAfterBracket(line)) {
        err << "tallyrun-cli evaluate: a number cannot follow ')'; put an operator between\n";
        return 2;
    }
    const std::string result = checker::Evaluate(line);
    const char* failure = failureOf(result);
    if (json) {
        out << "{\"result\": " << JsonString(result);
        if (failure)
            out << ", \"error\": " << JsonString(failure);
        out << "}\n";
    }
    if (result.empty()) {
        // The keypad ignores "=" on such a line.
        err << "tallyrun-cli evaluate: nothing to work out, the line holds no operator\n";
        return 1;
    }
    if (failure) {
        err << "tallyrun-cli evaluate: " << failure << "\n";
        return 1;
    }
    if (!json)
        out << result << '\n';
    return 0;
}
