#include "combine.h"

namespace solver {

char OperatorChar(int op) {
    switch (op) {
    case OpAdd:
        return '+';
    case OpSubtract:
        return '-';
    case OpMultiply:
        return 'x';
    case OpDivide:
        return '/';
    default:
        return '?';
    }
}

std::int32_t Combine(std::int32_t a, std::int32_t b, int op, std::string& currentText,
                     std::string_view bText) {
    const StepValue r = CombineValue(a, b, op);
    if (r.value == 0)
        return 0;
    const std::string bDigits = bText.empty() ? std::to_string(b) : std::string();
    const std::string_view B = bText.empty() ? std::string_view(bDigits) : bText;
    std::string text;
    text.reserve(currentText.size() + B.size() + 3);
    text += '(';
    if (r.swapped) {
        text += B;
        text += OperatorChar(op);
        text += currentText;
    } else {
        text += currentText;
        text += OperatorChar(op);
        text += B;
    }
    text += ')';
    currentText = std::move(text);
    return r.value;
}

} // namespace solver
