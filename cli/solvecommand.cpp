#include "commands.h"

#include "jsonstring.h"
#include "listhost.h"
#include "nearest.h"
#include "solver.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>

namespace {

// A whole number in decimal with an optional sign; values too long for 64 bits are refused.
std::optional<std::int64_t> parseWhole(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    std::int64_t value = 0;
    const auto res = std::from_chars(begin, end, value);
    if (begin == end || res.ec != std::errc() || res.ptr != end)
        return std::nullopt;
    return value;
}

// The round a command line asks for: six numbers and a target, or the one error line.
struct SolveRequest {
    bool json = false;
    std::vector<std::int32_t> numbers; // largest first
    std::int32_t target = 0;
};

std::optional<SolveRequest> parseSolve(const std::vector<std::string>& args, std::ostream& err) {
    SolveRequest request;
    std::vector<std::int64_t> values;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            request.json = true;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9')) {
            err << "tallyrun-cli solve: unknown option " << quoted(arg) << "\n";
            return std::nullopt;
        }
        const std::optional<std::int64_t> value = parseWhole(arg);
        if (!value) {
            err << "tallyrun-cli solve: " << quoted(arg) << " is not a whole number\n";
            return std::nullopt;
        }
        values.push_back(*value);
    }
    if (values.size() != 7) {
        err << "tallyrun-cli solve: expected six numbers and a target, got " << values.size()
            << " values\n";
        return std::nullopt;
    }
    for (std::size_t i = 0; i < 6; ++i) {
        if (values[i] < 1 || values[i] > 1000) {
            err << "tallyrun-cli solve: number " << values[i] << " is outside 1..1000\n";
            return std::nullopt;
        }
    }
    if (values[6] < 1 || values[6] > 32767) {
        err << "tallyrun-cli solve: target " << values[6] << " is outside 1..32767\n";
        return std::nullopt;
    }
    request.numbers.assign(values.begin(), values.begin() + 6);
    std::sort(request.numbers.begin(), request.numbers.end(), std::greater<>());
    request.target = static_cast<std::int32_t>(values[6]);
    return request;
}

void printJson(const std::vector<std::string>& answers, std::int32_t combinations,
               const std::string& report, const std::vector<solver::NearestResult>& nearest,
               std::ostream& out) {
    out << "{\"answers\": [";
    for (std::size_t i = 0; i < answers.size(); ++i)
        out << (i > 0 ? ", " : "") << JsonString(answers[i]);
    out << "], \"combinations\": " << combinations << ", \"report\": " << JsonString(report)
        << ", \"nearest\": [";
    for (std::size_t i = 0; i < nearest.size(); ++i) {
        out << (i > 0 ? ", " : "") << "{\"value\": " << nearest[i].value
            << ", \"distance\": " << nearest[i].distance
            << ", \"expression\": " << JsonString(nearest[i].expression) << "}";
    }
    out << "]}\n";
}

void printLines(const std::vector<std::string>& answers, const std::string& report,
                const std::vector<solver::NearestResult>& nearest, std::ostream& out) {
    for (const std::string& answer : answers)
        out << answer << '\n';
    out << report << '\n';
    for (const solver::NearestResult& result : nearest) {
        out << "Nearest: " << result.value << " (" << result.distance << " away)\n"
            << result.expression << '\n';
    }
}

} // namespace

int runSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<SolveRequest> request = parseSolve(args, err);
    if (!request)
        return 2;
    solver::ListHost host;
    solver::Solver search(host);
    search.SearchAnswers(request->numbers, request->target);
    const std::vector<std::string>& answers = host.list.entries();
    std::vector<solver::NearestResult> nearest;
    if (answers.empty())
        nearest = solver::NearestResults(request->numbers, request->target);
    if (request->json)
        printJson(answers, search.combinationCount(), host.progress, nearest, out);
    else
        printLines(answers, host.progress, nearest, out);
    return 0;
}
