#pragma once

#include <string>
#include <string_view>

// The checker's arithmetic on a line of text as the keypad writes it: numbers, "(", ")", the
// operators "+", "-", "×" (U+00D7) or "*", "÷" (U+00F7) or "/". Values are 16-bit signed and
// wrap in two's complement. A "-" at the start of a text, or right after an operator or "(",
// is the sign of the number that follows (results written back into a line can be negative).
namespace checker {

// What work_it_out returns instead of a number.
inline constexpr std::string_view kNoneInteger = "None Integer";
inline constexpr std::string_view kDivideByZero = "Divide By Zero";
inline constexpr std::string_view kOutOfRange = "Out Of Range";

// What Evaluate returns when the line cannot be worked out. Each starts with a line feed and
// ends with kPressReset.
inline constexpr std::string_view kPressReset = "please press reset";
inline constexpr std::string_view kNonIntegerResult = "\nNon-Integer! please press reset";
inline constexpr std::string_view kDivideByZeroResult = "\nDivision by zero! please press reset";
inline constexpr std::string_view kOutOfRangeResult = "\nNumber too large! please press reset";
inline constexpr std::string_view kBracketsResult = "\nBrackets out of order! please press reset";

inline constexpr std::string_view kTimesSign = "\u00D7";
inline constexpr std::string_view kDivideSign = "\u00F7";

// True for one of the four operator characters standing as an operator at t[i], not as a sign.
bool isOperatorAt(std::string_view t, std::size_t i);

// Groups the first "*" (or, when there is none, the first "/") with its two neighbouring
// numbers in brackets; returns t unchanged when it holds neither.
std::string Add_brackets(std::string_view t);

// Works out a bracket-free text strictly from left to right. A piece counts by its leading
// digits (0 when it has none). Returns kNoneInteger, kDivideByZero or kOutOfRange (a piece
// beyond -32768..32767) instead of a number. A text without operators comes back unchanged
// unless its number is out of range.
std::string work_it_out(std::string_view t);

// The text after the last line feed.
std::string_view currentLine(std::string_view display);

// Evaluates the current line of a display text: empty when the line holds no operator, one of
// the k...Result texts when it cannot be worked out, otherwise the value as decimal text.
// Brackets first (innermost, leftmost), then multiplications, then divisions, then additions
// and subtractions, each left to right.
std::string Evaluate(std::string_view display);

// True for the Evaluate results that end an attempt (the keypad then waits for reset).
bool isStopResult(std::string_view result);

} // namespace checker
