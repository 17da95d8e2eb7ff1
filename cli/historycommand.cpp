#include "commands.h"

#include "historystore.h"
#include "historytext.h"
#include "jsonstring.h"
#include "programversion.h"

#include <QCoreApplication>
#include <charconv>
#include <iomanip>
#include <optional>
#include <ostream>

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

template <typename T> std::string jsonOptional(const std::optional<T>& value) {
    return value ? std::to_string(*value) : "null";
}

std::string averageText(const std::optional<double>& average, const char* unknown) {
    return average ? text(QString::number(*average, 'f', 2)) : unknown;
}

void printJson(const std::vector<RoundRecord>& rounds, const HistoryTotals& t, std::ostream& out) {
    out << "{\"rounds\": [";
    for (std::size_t i = 0; i < rounds.size(); ++i) {
        const RoundRecord& r = rounds[i];
        out << (i > 0 ? ", " : "") << "{\"id\": " << r.id
            << ", \"played_at\": " << JsonString(text(playedIsoText(r))) << ", \"numbers\": [";
        for (std::size_t k = 0; k < r.numbers.size(); ++k)
            out << (k > 0 ? ", " : "") << r.numbers[k];
        out << "], \"target\": " << r.target << ", \"round_seconds\": " << r.roundSeconds
            << ", \"seconds_used\": " << r.secondsUsed << ", \"best\": " << jsonOptional(r.best)
            << ", \"distance\": " << jsonOptional(r.distance) << ", \"points\": " << r.points
            << ", \"exact_answers\": " << jsonOptional(r.exactCount)
            << ", \"nearest\": " << jsonOptional(r.nearest)
            << ", \"set_by_hand\": " << (r.manual ? "true" : "false") << "}";
    }
    out << "], \"totals\": {\"rounds\": " << t.rounds << ", \"exact_hits\": " << t.exactHits
        << ", \"average_distance\": " << averageText(t.averageDistance, "null")
        << ", \"points\": " << t.points << ", \"best_streak\": " << t.bestStreak
        << ", \"best_day_points\": " << t.bestDay << "}}\n";
}

void printText(const std::vector<RoundRecord>& rounds, const HistoryTotals& t, std::ostream& out) {
    const auto optional = [](const auto& value) { return text(optionalText(value, "-")); };
    out << std::left << std::setw(18) << "Played" << std::setw(20) << "Numbers" << std::right
        << std::setw(6) << "Target" << std::setw(7) << "Best" << std::setw(6) << "Off"
        << std::setw(8) << "Points" << std::setw(7) << "Exact" << std::setw(9) << "Nearest"
        << std::setw(9) << "Seconds"
        << "  By hand\n";
    for (const RoundRecord& r : rounds) {
        out << std::left << std::setw(18) << text(playedText(r)) << std::setw(20)
            << text(numbersText(r)) << std::right << std::setw(6) << r.target << std::setw(7)
            << optional(r.best) << std::setw(6) << optional(r.distance) << std::setw(8) << r.points
            << std::setw(7) << optional(r.exactCount) << std::setw(9) << optional(r.nearest)
            << std::setw(9) << std::to_string(r.secondsUsed) + "/" + std::to_string(r.roundSeconds)
            << (r.manual ? "  yes" : "") << '\n';
    }
    out << "\nRounds played:    " << t.rounds << "\nExact hits:       " << t.exactHits
        << "\nAverage distance: " << averageText(t.averageDistance, "-")
        << "\nPoints:           " << t.points << "\nBest streak:      " << t.bestStreak
        << "\nBest day:         " << t.bestDay << " points\n";
}

} // namespace

int runHistory(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // Errors name the argument with ::quoted; a plain quoted(std::string) would find
    // std::quoted through <iomanip>.
    bool json = false;
    int limit = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
            continue;
        }
        if (args[i] != "--limit") {
            err << "tallyrun-cli history: unknown argument " << ::quoted(args[i]) << "\n";
            return 2;
        }
        const std::string n = i + 1 < args.size() ? args[++i] : std::string();
        const auto res = std::from_chars(n.data(), n.data() + n.size(), limit);
        if (n.empty() || res.ec != std::errc() || res.ptr != n.data() + n.size() || limit < 0) {
            err << "tallyrun-cli history: --limit takes a whole number of 0 or more, not "
                << ::quoted(n) << "\n";
            return 2;
        }
    }

    // The SQLite driver is a plugin, which Qt loads only for a running application.
    static int argc = 1;
    static char name[] = "tallyrun-cli";
    static char* argv[] = {name, nullptr};
    std::optional<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app.emplace(argc, argv);
    // The game's data folder is named after the game.
    QCoreApplication::setApplicationName(QString::fromUtf8(tallyrun::kApplicationName));

    HistoryStore store({}, {.createMissing = false});
    const QString notice = store.takeNotice();
    if (!notice.isEmpty())
        err << "tallyrun-cli history: " << ::quoted(text(notice)) << "\n";
    if (!store.usable() && store.status() != HistoryStore::Status::Ok &&
        store.status() != HistoryStore::Status::SetAside)
        return 1;
    const std::vector<RoundRecord> rounds = store.rounds(limit);
    const HistoryTotals totals = store.totals();
    if (json)
        printJson(rounds, totals, out);
    else
        printText(rounds, totals, out);
    return 0;
}
