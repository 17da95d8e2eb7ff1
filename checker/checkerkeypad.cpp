#include "checkerkeypad.h"

#include "expression.h"

#include <algorithm>

namespace checker {

namespace {

bool isNumberKey(int key) {
    return key >= 0 && key < kNumberKeyCount;
}
bool isOperatorKey(int key) {
    return key >= KeyAdd && key <= KeyDivide;
}

// Leading blanks, an optional sign and the digits that follow; 0 when there are none.
long leadingNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return 0;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        ++i;
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < 1'000'000'000)
            value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

} // namespace

// The number keys start without captions; the others, from KeyOpen on, show their signs.
CheckerKeypad::CheckerKeypad()
    : m_captions{{{},
                  {},
                  {},
                  {},
                  {},
                  {},
                  "(",
                  ")",
                  "+",
                  "-",
                  std::string(kTimesSign),
                  std::string(kDivideSign),
                  "="}} {
    m_enabled.fill(true);
    m_enabled[KeyClose] = false;
    m_enabled[KeyEquals] = false;
}

void CheckerKeypad::setNumberCaption(int index, std::string caption) {
    if (isNumberKey(index))
        m_captions[index] = std::move(caption);
}

void CheckerKeypad::appendTargetText(std::string_view text) {
    m_targetCaption += text;
}

int CheckerKeypad::target() const {
    const std::size_t from = kTargetCaption.size() - 1;
    if (m_targetCaption.size() <= from)
        return 0;
    return static_cast<int>(leadingNumber(std::string_view(m_targetCaption).substr(from)));
}

bool CheckerKeypad::isKeyEnabled(int key) const {
    // A line that already shows its value (all numbers used, target missed) takes no key
    // but back and reset.
    return m_enabled.at(key) && !lineEvaluated();
}

void CheckerKeypad::pressKey(int key) {
    if (key < 0 || key >= kKeyCount || !isKeyEnabled(key))
        return;
    if (isNumberKey(key))
        pressNumber(key);
    else if (key == KeyOpen)
        pressOpen();
    else if (key == KeyClose)
        pressClose();
    else if (isOperatorKey(key))
        pressOperator(key);
    else
        pressEquals();
}

void CheckerKeypad::pressNumber(int key) {
    // Digits never run on into the number, the bracket or the carried value before them.
    if (isNumberKey(m_lastKey) || m_lastKey == KeyClose || m_lastKey == KeyEquals)
        return;
    m_display += m_captions[key];
    setKeyEnabled(key, false);
    m_lastKey = static_cast<std::int16_t>(key);
    Add_ID(m_lastKey);
    setKeyEnabled(KeyEquals, bracketsBalance());
}

void CheckerKeypad::pressOpen() {
    if (m_lastKey != KeyOpen && !isOperatorKey(m_lastKey) && m_lastKey != kNoKey)
        return;
    m_display += '(';
    setKeyEnabled(KeyClose, true);
    setKeyEnabled(KeyEquals, false);
    m_lastKey = KeyOpen;
    Add_ID(KeyOpen);
}

void CheckerKeypad::pressClose() {
    const bool accepted = isNumberKey(m_lastKey) || m_lastKey == KeyClose;
    if (accepted) {
        m_display += ')';
        m_lastKey = KeyClose;
        Add_ID(KeyClose);
    }
    if (bracketsBalance()) {
        setKeyEnabled(KeyClose, false);
        setKeyEnabled(KeyEquals, true);
    } else {
        setKeyEnabled(KeyEquals, false);
    }
}

void CheckerKeypad::pressOperator(int key) {
    if (!isNumberKey(m_lastKey) && m_lastKey != KeyClose && m_lastKey != KeyEquals)
        return;
    m_display += m_captions[key];
    m_lastKey = static_cast<std::int16_t>(key);
    Add_ID(m_lastKey);
    setKeyEnabled(KeyEquals, false);
}

void CheckerKeypad::pressEquals() {
    const std::string r = Evaluate(m_display);
    if (r.empty())
        return;
    if (isStopResult(r)) {
        m_display += " = " + r;
        finishAttempt(Outcome::Stopped);
        return;
    }
    if (leadingNumber(r) == target()) {
        m_display += " = " + r + '\n' + std::string(kCorrectText);
        finishAttempt(Outcome::Correct);
        return;
    }
    const bool numbersLeft = std::any_of(m_enabled.begin(), m_enabled.begin() + kNumberKeyCount,
                                         [](bool on) { return on; });
    m_display += " = " + r;
    if (numbersLeft)
        m_display += '\n' + r;
    m_lastKey = KeyEquals;
    Add_ID(KeyEquals);
}

void CheckerKeypad::finishAttempt(Outcome outcome) {
    m_outcome = outcome;
    m_enabled.fill(false);
    m_lastKey = KeyEquals;
    Add_ID(KeyEquals);
    m_backEnabled = false;
}

void CheckerKeypad::pressBack() {
    if (!m_backEnabled || historyEmpty())
        return;
    const int key = m_keyHistory.back();
    if (key == KeyEquals) {
        // Drop " = ", the value and any line after it.
        const std::size_t equals = m_display.rfind('=');
        m_display.resize(equals == std::string::npos || equals == 0 ? 0 : equals - 1);
    } else {
        const std::size_t length = std::min(m_captions[key].size(), m_display.size());
        m_display.resize(m_display.size() - length);
    }
    Remove_ID();
    if (historyEmpty()) {
        m_lastKey = kNoKey;
        m_backEnabled = false;
    }
}

void CheckerKeypad::pressReset() {
    m_enabled.fill(true);
    m_enabled[KeyEquals] = false;
    m_display.clear();
    m_lastKey = kNoKey;
    m_keyHistory.assign(1, 0);
    m_backEnabled = false;
    m_outcome = Outcome::Open;
}

void CheckerKeypad::Add_ID(std::int16_t key) {
    m_keyHistory.push_back(key);
    m_backEnabled = !historyEmpty();
}

void CheckerKeypad::Remove_ID() {
    if (historyEmpty())
        return;
    const int key = m_keyHistory.back();
    if (isNumberKey(key)) {
        setKeyEnabled(key, true);
        setKeyEnabled(KeyEquals, false);
    } else if (isOperatorKey(key)) {
        setKeyEnabled(KeyEquals, true);
    } else if (key == KeyOpen) {
        setKeyEnabled(KeyEquals, false);
    } else if (key == KeyClose) {
        setKeyEnabled(KeyEquals, false);
        setKeyEnabled(KeyClose, true);
    }
    m_keyHistory.pop_back();
    m_lastKey = m_keyHistory.back();
    m_backEnabled = !historyEmpty();
    if (bracketsBalance()) {
        setKeyEnabled(KeyClose, false);
    } else {
        setKeyEnabled(KeyClose, true);
        setKeyEnabled(KeyEquals, false);
    }
}

std::optional<std::int32_t> CheckerKeypad::result() const {
    // The value stands after the last " = "; a stop result has none.
    const std::size_t equals = m_display.rfind(" = ");
    if (m_lastKey != KeyEquals || m_outcome == Outcome::Stopped || equals == std::string::npos)
        return std::nullopt;
    return static_cast<std::int32_t>(leadingNumber(std::string_view(m_display).substr(equals + 3)));
}

bool CheckerKeypad::bracketsBalance() const {
    return std::count(m_display.begin(), m_display.end(), '(') ==
           std::count(m_display.begin(), m_display.end(), ')');
}

bool CheckerKeypad::lineEvaluated() const {
    return currentLine(m_display).find('=') != std::string_view::npos;
}

} // namespace checker
