#include "commands.h"

#include <cstdint>
#include <cstdio>
#include <ostream>

namespace {

// Code points a terminal would act on or not show: line and paragraph separators, bidi
// controls, zero-width characters and the byte order mark.
bool invisible(std::uint32_t c) {
    return (c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

// Length of the well-formed UTF-8 sequence at text[i] and its code point; 0 when ill-formed.
std::size_t decode(std::string_view text, std::size_t i, std::uint32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    std::size_t length = b < 0x80                 ? 1
                         : b >= 0xC2 && b <= 0xDF ? 2
                         : b >= 0xE0 && b <= 0xEF ? 3
                         : b >= 0xF0 && b <= 0xF4 ? 4
                                                  : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    c = length == 1 ? b : b & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        c = c << 6 | (byte(i + k) & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string quoted(std::string_view text) {
    std::string out = "'";
    char escaped[16];
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size(); ++shown) {
        if (shown == kLongestQuote)
            return out + "'...";
        std::uint32_t c = 0;
        const std::size_t length = decode(text, i, c);
        if (length == 0) {
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(text[i]));
            out += escaped;
            ++i;
            continue;
        }
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\\' || c == '\'') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned>(c));
            out += escaped;
        } else if ((c >= 0x80 && c <= 0x9F) || invisible(c)) {
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out + '\'';
}

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "tallyrun-cli: missing command; use solve, evaluate or history, or --help\n";
        return 2;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "solve")
        return runSolve(rest, out, err);
    if (args[0] == "evaluate")
        return runEvaluate(rest, out, err);
    if (args[0] == "history")
        return runHistory(rest, out, err);
    err << "tallyrun-cli: unknown command " << quoted(args[0])
        << "; use solve, evaluate or history, or --help\n";
    return 2;
}
