#include "commands.h"

#include "answerlist.h"
#include "jsonstring.h"
#include "nearest.h"
#include "solver.h"
#include "solverhost.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>

namespace {

// No window: nothing to hand over at a check point; the last progress text is the report.
class TerminalHost : public solver::SolverHost {
public:
    void checkPoint() override {}
    void setProgressText(std::string_view text) override { progress.assign(text); }
    solver::AnswerSink& answers() override { return list; }

    std::string progress;
    solver::AnswerList list;
};

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

} // namespace

int runSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    std::vector<std::int64_t> values;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9')) {
            err << "tallyrun-cli solve: unknown option " << quoted(arg) << "\n";
            return 2;
        }
        const std::optional<std::int64_t> value = parseWhole(arg);
        if (!value) {
            err << "tallyrun-cli solve: " << quoted(arg) << " is not a whole number\n";
            return 2;
        }
        values.push_back(*value);
    }
    if (values.size() != 7) {
        err << "tallyrun-cli solve: expected six numbers and a target, got " << values.size()
            << " values\n";
        return 2;
    }
    for (std::size_t i = 0; i < 6; ++i) {
        if (values[i] < 1 || values[i] > 1000) {
            err << "tallyrun-cli solve: number " << values[i] << " is outside 1..1000\n";
            return 2;
        }
    }
    if (values[6] < 1 || values[6] > 32767) {
        err << "tallyrun-cli solve: target " << values[6] << " is outside 1..32767\n";
        return 2;
    }

    std::vector<std::int32_t> numbers(values.begin(), values.begin() + 6);
    std::sort(numbers.begin(), numbers.end(), std::greater<>());
    const auto target = static_cast<std::int32_t>(values[6]);

    TerminalHost host;
    solver::Solver search(host);
    search.SearchAnswers(numbers, target);

    const std::vector<std::string>& answers = host.list.entries();
    std::vector<solver::NearestResult> nearest;
    if (answers.empty())
        nearest = solver::NearestResults(numbers, target);
    if (json) {
        out << "{\"answers\": [";
        for (std::size_t i = 0; i < answers.size(); ++i) {
            if (i > 0)
                out << ", ";
            out << JsonString(answers[i]);
        }
        out << "], \"combinations\": " << search.combinationCount() << ", \"report\": ";
        out << JsonString(host.progress) << ", \"nearest\": [";
        for (std::size_t i = 0; i < nearest.size(); ++i) {
            out << (i > 0 ? ", " : "") << "{\"value\": " << nearest[i].value
                << ", \"distance\": " << nearest[i].distance
                << ", \"expression\": " << JsonString(nearest[i].expression) << "}";
        }
        out << "]}\n";
    } else {
        for (const std::string& answer : answers)
            out << answer << '\n';
        out << host.progress << '\n';
        for (const solver::NearestResult& result : nearest) {
            out << "Nearest: " << result.value << " (" << result.distance << " away)\n"
                << result.expression << '\n';
        }
    }
    return 0;
}
