#include "roundflow.h"
#include "scriptedrandom.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using Phase = RoundFlow::Phase;
using Outcome = RoundFlow::SearchOutcome;

// Picks the first six numbers and starts the round; with `rollOut` the target rolls to its end
// and the clock runs.
void startRound(RoundFlow& round, bool rollOut = true) {
    for (int i : {0, 1, 2, 3, 4, 5})
        round.pick(i);
    round.start();
    while (rollOut && round.roll()) {
    }
}

class RoundFlowTest : public testing::Test {
protected:
    GameSettings settings;
    ScriptedRandom random{{0.0f}};
    RoundFlow round{settings, random};
};

TEST(RoundMusic, StartsWhenThirtyTicksRemain) {
    // round length, sounds off, the clock counts at which the music starts
    const std::tuple<int, bool, std::vector<int>> rows[] = {
        {30, false, {0}}, {45, false, {15}}, {60, false, {30}},
        {30, true, {}},   {25, false, {}}, // the test is an equality: shorter rounds stay silent
    };
    for (const auto& [seconds, noSounds, musicAt] : rows) {
        SCOPED_TRACE(testing::Message() << seconds << " s, sounds off " << noSounds);
        GameSettings settings;
        settings.RoundSeconds = static_cast<std::int16_t>(seconds);
        settings.NoSounds = noSounds;
        ScriptedRandom random{{0.0f}};
        RoundFlow round{settings, random};
        startRound(round);
        std::vector<int> started;
        RoundFlow::Tick t;
        for (int tick = 1; round.phase() == Phase::Running; ++tick) {
            t = round.tick();
            if (t.startMusic)
                started.push_back(tick - 1);
            EXPECT_EQ(t.timeUp, tick == seconds);
        }
        EXPECT_EQ(started, musicAt);
        EXPECT_EQ(t.shown, seconds) << "the clock keeps the full count";
        EXPECT_EQ(round.clockCount(), 0);
    }
}

TEST_F(RoundFlowTest, PhasesOfARound) {
    EXPECT_FALSE(round.start());
    EXPECT_FALSE(round.target());
    settings.LowestTarget = settings.HighestTarget = 523;
    startRound(round);
    EXPECT_EQ(round.phase(), Phase::Running);
    EXPECT_EQ(round.target(), 523);
    EXPECT_EQ(round.pick(6), -1);
    for (int i = 0; i < 10; ++i)
        round.tick();
    EXPECT_TRUE(round.stop());
    EXPECT_EQ(round.phase(), Phase::Over);
    EXPECT_EQ(round.clockCount(), 10) << "STOP leaves the clock where it stood";
    EXPECT_EQ(round.clockShown(), 10);
    EXPECT_FALSE(round.tick().timeUp);

    EXPECT_TRUE(round.playAgain());
    EXPECT_EQ(round.phase(), Phase::Picking);
    EXPECT_EQ(round.clockShown(), 0);
    EXPECT_FALSE(round.target());
    EXPECT_EQ(round.deal().RoundNumbers(), std::vector<std::int32_t>{0});
}

TEST(RoundFlowRoll, TheTargetRollsThroughFiftyDrawnValues) {
    GameSettings settings; // 101 to 999
    ScriptedRandom values{{0.0f, 0.5f, 0.9999f}};
    RoundFlow rolling{settings, values};
    startRound(rolling, false);
    EXPECT_FALSE(rolling.target());
    std::vector<std::int32_t> shown;
    while (rolling.roll()) {
        EXPECT_EQ(rolling.phase(), Phase::Rolling);
        EXPECT_FALSE(rolling.stop());
        shown.push_back(*rolling.target());
    }
    ASSERT_EQ(shown.size(), 50u);
    EXPECT_EQ((std::vector<std::int32_t>(shown.begin(), shown.begin() + 4)),
              (std::vector<std::int32_t>{101, 550, 999, 101}));
    EXPECT_EQ(rolling.target(), shown.back());
    EXPECT_EQ(rolling.phase(), Phase::Running);
    EXPECT_FALSE(rolling.roll());
}

// What the search's events do in each phase they can reach.
TEST(RoundFlowSearch, EventsByPhase) {
    enum class From { Over, Searching, Stopping, Stopped, Finished, Rolling, Closed };
    using Event = std::function<bool(RoundFlow&)>;
    const Event search = [](RoundFlow& r) { return r.startSearch().has_value(); };
    const Event stop = [](RoundFlow& r) { return r.requestStop(); };
    const Event playAgain = [](RoundFlow& r) { return r.playAgain(); };
    const Event setUp = [](RoundFlow& r) {
        return r.startManualSearch({1, 1, 25, 50, 75, 100}, 626).has_value();
    };
    struct Row {
        const char* name;
        From from;
        const Event& event;
        bool accepted;
        Phase after;
        bool replacesRound; // the last search's ticket is no longer current, its end unseen
    };
    // clang-format off
    const Row rows[] = {
        {"SearchWhenOver", From::Over, search, true, Phase::Searching, false},
        {"NoSecondSearchWhileOneRuns", From::Searching, search, false, Phase::Searching, false},
        {"NoSecondSearchWhileAStoppedOneUnwinds", From::Stopping, search, false, Phase::Stopping,
         false},
        {"SearchAgainAfterAStop", From::Stopped, search, true, Phase::Searching, false},
        {"NoSearchAgainOnceFinished", From::Finished, search, false, Phase::Searched, false},
        {"StopOnce", From::Stopping, stop, false, Phase::Stopping, false},
        {"PlayAgainWhileAStoppedSearchUnwinds", From::Stopping, playAgain, true, Phase::Picking,
         true},
        {"NoPlayAgainWhileSearching", From::Searching, playAgain, false, Phase::Searching, false},
        {"SetUpOverARunningSearch", From::Searching, setUp, true, Phase::Searching, true},
        {"SetUpAfterASearch", From::Finished, setUp, true, Phase::Searching, true},
        {"NoSetUpWhileTheTargetRolls", From::Rolling, setUp, false, Phase::Rolling, false},
        {"NothingAfterClosing", From::Closed, search, false, Phase::Closed, false},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameSettings settings;
        ScriptedRandom random{{0.0f}};
        RoundFlow round{settings, random};
        startRound(round, row.from != From::Rolling);
        round.stop();
        int ticket = -1;
        if (row.from != From::Over && row.from != From::Closed && row.from != From::Rolling)
            ticket = *round.startSearch();
        if (row.from == From::Stopping || row.from == From::Stopped)
            round.requestStop();
        if (row.from == From::Stopped || row.from == From::Finished)
            round.searchEnded(ticket, row.from == From::Finished);
        if (row.from == From::Closed)
            round.close();

        EXPECT_EQ(row.event(round), row.accepted);
        EXPECT_EQ(round.phase(), row.after);
        if (ticket >= 0 && row.replacesRound) {
            EXPECT_FALSE(round.isCurrent(ticket));
            round.searchEnded(ticket, true); // the replaced round's search returns late
            EXPECT_EQ(round.phase(), row.after);
        }
    }
}

TEST_F(RoundFlowTest, ARoundSetByHandTakesOverAndIsSearchedOnce) {
    startRound(round);
    for (int i = 0; i < 7; ++i)
        round.tick();
    const std::optional<int> ticket = round.startManualSearch({1, 1, 25, 50, 75, 100}, 626);
    ASSERT_TRUE(ticket);
    EXPECT_EQ(round.phase(), Phase::Searching);
    EXPECT_EQ(round.deal().RoundNumbers(), (std::vector<std::int32_t>{100, 75, 50, 25, 1, 1, 0}));
    EXPECT_EQ(round.target(), 626);
    EXPECT_EQ(round.clockShown(), 7);

    round.requestStop();
    round.searchEnded(*ticket, false);
    EXPECT_EQ(round.phase(), Phase::Searched);
    EXPECT_EQ(round.searchOutcome(), Outcome::Stopped);
    EXPECT_FALSE(round.startSearch()) << "a stopped manual search is not run again";
    EXPECT_TRUE(round.playAgain());
    EXPECT_FALSE(round.manual());
}

TEST_F(RoundFlowTest, ClosingEndsTheRoll) {
    startRound(round, false);
    round.close();
    EXPECT_FALSE(round.roll());
    EXPECT_EQ(round.phase(), Phase::Closed);
    EXPECT_FALSE(round.target());
    EXPECT_FALSE(round.playAgain());
    EXPECT_FALSE(round.canSetUp());
}

} // namespace
