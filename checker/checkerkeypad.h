#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace checker {

// Key indices of the keypad: 0..5 the six numbers, then the brackets, the operators and "=".
enum Key : int {
    KeyOpen = 6,
    KeyClose = 7,
    KeyAdd = 8,
    KeySubtract = 9,
    KeyMultiply = 10,
    KeyDivide = 11,
    KeyEquals = 12,
};
inline constexpr int kKeyCount = 13;
inline constexpr int kNumberKeyCount = 6;
inline constexpr std::int16_t kNoKey = 15;

// How the attempt on the keypad stands: still open, ended on the target, or ended by a stop
// result (waiting for reset).
enum class Outcome { Open, Correct, Stopped };

inline constexpr std::string_view kTargetCaption = "Target = ";
inline constexpr std::string_view kCorrectText = "CORRECT - WELL DONE!";

// The checker's keypad without a window: the display text, which keys are enabled and the
// history that the back key walks. Every press of a disabled key is ignored, as a disabled
// button would ignore it.
class CheckerKeypad {
public:
    CheckerKeypad();

    // Opening: the caption of number key 0..5, and text put after "Target = ".
    void setNumberCaption(int index, std::string caption);
    void appendTargetText(std::string_view text);

    void pressKey(int key);
    void pressBack();
    void pressReset();

    const std::string& display() const { return m_display; }
    const std::string& caption(int key) const { return m_captions.at(key); }
    const std::string& targetCaption() const { return m_targetCaption; }
    // The number after "Target = " (0 when there is none).
    int target() const;
    // A key that would be ignored now reads as disabled.
    bool isKeyEnabled(int key) const;
    bool isBackEnabled() const { return m_backEnabled; }
    Outcome outcome() const { return m_outcome; }
    // The whole number that the last "=" gave, while "=" is the last key accepted (an
    // intermediate line, a miss or the target); nothing otherwise.
    std::optional<std::int32_t> result() const;

    // Index of the last accepted key, kNoKey when there is none.
    std::int16_t LastKey() const { return m_lastKey; }
    // Accepted keys in order, after a placeholder entry 0 that is never a key.
    const std::vector<std::int16_t>& KeyHistory() const { return m_keyHistory; }

private:
    void Add_ID(std::int16_t key);
    void Remove_ID();
    void pressNumber(int key);
    void pressOpen();
    void pressClose();
    void pressOperator(int key);
    void pressEquals();
    void finishAttempt(Outcome outcome);
    void setKeyEnabled(int key, bool on) { m_enabled.at(key) = on; }
    bool bracketsBalance() const;
    bool historyEmpty() const { return m_keyHistory.size() <= 1; }
    bool lineEvaluated() const;

    std::array<std::string, kKeyCount> m_captions;
    std::array<bool, kKeyCount> m_enabled{};
    bool m_backEnabled = false;
    Outcome m_outcome = Outcome::Open;
    std::string m_display;
    std::string m_targetCaption{kTargetCaption};
    std::int16_t m_lastKey = kNoKey;
    std::vector<std::int16_t> m_keyHistory{0};
};

} // namespace checker
