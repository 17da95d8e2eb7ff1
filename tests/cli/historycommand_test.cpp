#include "commandrun.h"
#include "historystore.h"
#include "sampleround.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class HistoryCommandTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "tallyrun_cli_tests";
        static char* argv[] = {name, nullptr};
        s_app = new QCoreApplication(argc, argv);
    }
    static void TearDownTestSuite() { delete s_app; }
    void SetUp() override { qputenv("TALLYRUN_DATA_DIR", dir.path().toLocal8Bit()); }

    void addRounds() {
        HistoryStore store(dir.path());
        // 2024-05-01 14:03 and 14:13 where they were played, two hours east of UTC.
        RoundRecord checked = sampleRound(1714564980, 950);
        checked.exactCount = 0;
        checked.nearest = 950;
        RoundRecord byHand = sampleRound(1714565580, {}, true);
        byHand.numbers = {10, 9, 8, 7, 6, 5};
        byHand.secondsUsed = 0;
        for (RoundRecord r : {checked, byHand}) {
            r.utcOffset = 7200;
            store.save(r);
        }
    }

    static inline QCoreApplication* s_app = nullptr;
    QTemporaryDir dir;
};

TEST_F(HistoryCommandTest, PrintsTheRoundsNewestFirstThenTheTotals) {
    // Without a history file: nothing to list, and no file made.
    EXPECT_EQ(run(runCommand, {"history"}).code, 0);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    addRounds();
    const CommandRun text = run(runCommand, {"history"});
    EXPECT_EQ(text.code, 0);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out,
              "Played            Numbers             Target   Best   Off  Points  Exact  Nearest  "
              "Seconds  By hand\n"
              "2024-05-01 14:13  10 9 8 7 6 5           952      -     -       0      -        -  "
              "   0/45  yes\n"
              "2024-05-01 14:03  100 75 50 25 6 3       952    950     2       7      0      950  "
              "  30/45\n\n"
              "Rounds played:    1\nExact hits:       0\nAverage distance: 2.00\n"
              "Points:           7\nBest streak:      0\nBest day:         7 points\n");

    const CommandRun json = run(runCommand, {"history", "--limit", "1", "--json"});
    EXPECT_EQ(json.code, 0);
    EXPECT_EQ(
        json.out,
        "{\"rounds\": [{\"id\": 2, \"played_at\": \"2024-05-01T14:13:00+02:00\", \"numbers\": "
        "[10, 9, 8, 7, 6, 5], \"target\": 952, \"round_seconds\": 45, \"seconds_used\": 0, "
        "\"best\": null, \"distance\": null, \"points\": 0, \"exact_answers\": null, "
        "\"nearest\": null, \"set_by_hand\": true}], \"totals\": {\"rounds\": 1, "
        "\"exact_hits\": 0, \"average_distance\": 2.00, \"points\": 7, \"best_streak\": 0, "
        "\"best_day_points\": 7}}\n");
}

TEST_F(HistoryCommandTest, AnUnreadableHistoryFailsWithOneLine) {
    QDir(dir.path()).mkdir(QStringLiteral("history.sqlite")); // a folder: cannot be opened
    const CommandRun r = run(runCommand, {"history"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("tallyrun-cli history: 'The round history ")) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
}

} // namespace
