#include "expression.h"

#include <cstdint>
#include <vector>

namespace checker {

namespace {

bool isOperatorChar(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/';
}

enum class Status { Value, NoneInteger, DivideByZero, OutOfRange };

struct Worked {
    Status status = Status::Value;
    std::string text;
};

struct Piece {
    bool inRange = true;
    int value = 0;
};

// An optional "-" sign, then the leading decimal digits; no digits count as 0.
Piece readPiece(std::string_view piece) {
    std::size_t i = 0;
    const bool negative = !piece.empty() && piece[0] == '-';
    if (negative)
        i = 1;
    int magnitude = 0;
    for (; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (piece[i] - '0');
        if (magnitude > 32768)
            return {false, 0};
    }
    const int value = negative ? -magnitude : magnitude;
    if (value > 32767)
        return {false, 0};
    return {true, value};
}

int wrap16(int value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

Worked workOut(std::string_view t) {
    std::vector<std::size_t> operators;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (isOperatorAt(t, i))
            operators.push_back(i);
    }
    if (operators.empty()) {
        if (!readPiece(t).inRange)
            return {Status::OutOfRange, {}};
        return {Status::Value, std::string(t)};
    }

    const Piece first = readPiece(t.substr(0, operators[0]));
    if (!first.inRange)
        return {Status::OutOfRange, {}};
    int acc = first.value;
    for (std::size_t k = 0; k < operators.size(); ++k) {
        const std::size_t begin = operators[k] + 1;
        const std::size_t end = k + 1 < operators.size() ? operators[k + 1] : t.size();
        const Piece next = readPiece(t.substr(begin, end - begin));
        if (!next.inRange)
            return {Status::OutOfRange, {}};
        const int v = next.value;
        switch (t[operators[k]]) {
        case '+':
            acc = wrap16(acc + v);
            break;
        case '-':
            acc = wrap16(acc - v);
            break;
        case '*':
            acc = wrap16(acc * v);
            break;
        default:
            if (v == 0)
                return {Status::DivideByZero, {}};
            if (acc % v != 0)
                return {Status::NoneInteger, {}};
            acc = wrap16(acc / v);
            break;
        }
    }
    return {Status::Value, std::to_string(acc)};
}

std::string_view stopResult(Status status) {
    switch (status) {
    case Status::NoneInteger:
        return kNonIntegerResult;
    case Status::DivideByZero:
        return kDivideByZeroResult;
    case Status::OutOfRange:
        return kOutOfRangeResult;
    case Status::Value:
        break;
    }
    return {};
}

// Builds the result beside the text: GCC 12 reports a false overlap (-Wrestrict) inside
// std::string::replace when the replacement is a literal.
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
        out.append(text, start, at - start).append(to);
        start = at + from.size();
    }
    out.append(text, start);
    text = std::move(out);
}

bool holdsOperator(std::string_view t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (isOperatorAt(t, i))
            return true;
    }
    return false;
}

} // namespace

bool isOperatorAt(std::string_view t, std::size_t i) {
    if (i >= t.size() || !isOperatorChar(t[i]))
        return false;
    if (t[i] != '-')
        return true;
    return i > 0 && !isOperatorChar(t[i - 1]) && t[i - 1] != '(';
}

std::string Add_brackets(std::string_view t) {
    std::size_t p = t.find('*');
    if (p == std::string_view::npos)
        p = t.find('/');
    if (p == std::string_view::npos)
        return std::string(t);

    std::string b(t);
    std::size_t open = 0;
    for (std::size_t i = p; i-- > 0;) {
        if (isOperatorAt(t, i)) {
            open = i + 1;
            break;
        }
    }
    b.insert(open, 1, '(');

    std::size_t close = b.size();
    for (std::size_t i = p + 2; i < b.size(); ++i) {
        if (isOperatorAt(b, i)) {
            close = i;
            break;
        }
    }
    b.insert(close, 1, ')');
    return b;
}

std::string work_it_out(std::string_view t) {
    Worked w = workOut(t);
    switch (w.status) {
    case Status::Value:
        return std::move(w.text);
    case Status::NoneInteger:
        return std::string(kNoneInteger);
    case Status::DivideByZero:
        return std::string(kDivideByZero);
    case Status::OutOfRange:
        return std::string(kOutOfRange);
    }
    return {};
}

std::string_view currentLine(std::string_view display) {
    const std::size_t feed = display.rfind('\n');
    return feed == std::string_view::npos ? display : display.substr(feed + 1);
}

std::string Evaluate(std::string_view display) {
    std::string line(currentLine(display));
    replaceAll(line, kTimesSign, "*");
    replaceAll(line, kDivideSign, "/");
    if (!holdsOperator(line))
        return {};
    for (;;) {
        const std::size_t p = line.find(')');
        const std::size_t j = p == std::string::npos ? p : line.rfind('(', p);
        if (j != std::string::npos) {
            const std::size_t innerLength = p - j - 1;
            const std::string inner = line.substr(j + 1, innerLength);
            const std::string b = Add_brackets(inner);
            if (b == inner) {
                const Worked r = workOut(inner);
                if (r.status != Status::Value)
                    return std::string(stopResult(r.status));
                if (r.text != inner)
                    line.replace(j + 1, innerLength, r.text);
                else
                    line.replace(j, innerLength + 2, r.text);
            } else if (b == "(" + inner + ")") {
                const Worked r = workOut(inner);
                if (r.status != Status::Value)
                    return std::string(stopResult(r.status));
                line.replace(j, innerLength + 2, r.text);
            } else {
                line.replace(j + 1, innerLength, b);
            }
            continue;
        }
        std::string b = Add_brackets(line);
        if (b != line) {
            // A ")" with no "(" before it ends the bracket work. When the "(" just inserted
            // lands after that ")", the same multiplication would be grouped again for ever.
            if (p != std::string::npos && b.rfind('(', b.find(')')) == std::string::npos)
                return std::string(kBracketsResult);
            line = std::move(b);
            continue;
        }
        const Worked r = workOut(line);
        if (r.status != Status::Value)
            return std::string(stopResult(r.status));
        // A line left without operators ("(4+3)5" became "75") is read as its number.
        return std::to_string(readPiece(r.text).value);
    }
}

bool isStopResult(std::string_view result) {
    return result.find(kPressReset) != std::string_view::npos;
}

} // namespace checker
