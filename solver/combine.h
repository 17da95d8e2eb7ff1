#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace solver {

enum Operation : int { OpAdd = 1, OpSubtract = 2, OpMultiply = 3, OpDivide = 4 };

// '+', '-', 'x' or '/' for op 1..4.
char OperatorChar(int op);

struct StepValue {
    std::int32_t value = 0; // 0: the step gives no value
    bool swapped = false;   // b is the larger operand and is written first
};

// The value of `a op b` under the game's rules: subtraction and division put the larger operand
// first, multiplying or dividing by 1 and subtracting equal numbers give no value, a division
// must be exact, and a result that does not fit 32 bits gives no value. a = 0 gives no value.
inline StepValue CombineValue(std::int32_t a, std::int32_t b, int op) noexcept {
    const auto fits = [](std::int64_t v) { return v <= INT32_MAX && v >= INT32_MIN; };
    if (a == 0)
        return {};
    const std::int64_t A = a;
    const std::int64_t B = b;
    switch (op) {
    case OpAdd:
        return fits(A + B) ? StepValue{std::int32_t(A + B), false} : StepValue{};
    case OpSubtract:
        if (A == B)
            return {};
        return A > B ? (fits(A - B) ? StepValue{std::int32_t(A - B), false} : StepValue{})
                     : (fits(B - A) ? StepValue{std::int32_t(B - A), true} : StepValue{});
    case OpMultiply:
        if (a == 1 || b == 1)
            return {};
        return fits(A * B) ? StepValue{std::int32_t(A * B), false} : StepValue{};
    case OpDivide:
        if (b == 0)
            return {};
        if (a > 0 && b > 0) {
            // For positive operands only one of the two exact-division tests can succeed.
            if (a >= b)
                return (a % b == 0 && b != 1) ? StepValue{a / b, false} : StepValue{};
            return (b % a == 0 && a != 1) ? StepValue{b / a, true} : StepValue{};
        }
        if (A % B == 0)
            return (b != 1 && fits(A / B)) ? StepValue{std::int32_t(A / B), false} : StepValue{};
        if (B % A == 0 && a != 1 && fits(B / A))
            return {std::int32_t(B / A), true};
        return {};
    default:
        return {};
    }
}

// The combination step with its text. currentText holds the text of a on entry; on a non-zero
// result it becomes "(" A op B ")" with the larger operand first, where B is bText, or the
// decimal digits of b when bText is empty. On 0 it is left unchanged.
std::int32_t Combine(std::int32_t a, std::int32_t b, int op, std::string& currentText,
                     std::string_view bText = {});

} // namespace solver
