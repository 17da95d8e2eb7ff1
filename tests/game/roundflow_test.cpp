#include "roundflow.h"
#include "scriptedrandom.h"

#include <gtest/gtest.h>

namespace {

using Phase = RoundFlow::Phase;
using Outcome = RoundFlow::SearchOutcome;

class RoundFlowTest : public testing::Test {
protected:
    // Picks six numbers and rolls the target, 523, to the end: the clock runs.
    void running() {
        settings.LowestTarget = settings.HighestTarget = 523;
        for (int i : {23, 22, 7, 5, 2, 1})
            round.pick(i);
        ASSERT_EQ(round.phase(), Phase::Ready);
        ASSERT_TRUE(round.start());
        while (round.roll()) {
        }
    }

    GameSettings settings;
    ScriptedRandom random{{0.0f}};
    RoundFlow round{settings, random};
};

TEST(RoundMusic, StartsWhenThirtyTicksRemain) {
    struct Row {
        const char* name;
        int seconds;
        bool noSounds;
        std::vector<int> musicAt; // clock counts at which the music starts
    };
    const Row rows[] = {
        {"Thirty", 30, false, {0}},    {"FortyFive", 45, false, {15}}, {"Sixty", 60, false, {30}},
        {"TwentyFive", 25, false, {}}, // the test is an equality: shorter rounds stay silent
        {"SoundsOff", 30, true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameSettings settings;
        settings.RoundSeconds = static_cast<std::int16_t>(row.seconds);
        settings.NoSounds = row.noSounds;
        ScriptedRandom random{{0.0f}};
        RoundFlow round{settings, random};
        for (int i : {0, 1, 2, 3, 4, 5})
            round.pick(i);
        round.start();
        while (round.roll()) {
        }
        std::vector<int> musicAt;
        RoundFlow::Tick t;
        for (int tick = 1; round.phase() == Phase::Running; ++tick) {
            t = round.tick();
            if (t.startMusic)
                musicAt.push_back(tick - 1);
            EXPECT_EQ(t.timeUp, tick == row.seconds);
        }
        EXPECT_EQ(musicAt, row.musicAt);
        EXPECT_EQ(t.shown, row.seconds) << "the clock keeps the full count";
        EXPECT_EQ(round.clockCount(), 0);
    }
}

TEST_F(RoundFlowTest, PhasesOfARound) {
    EXPECT_EQ(round.phase(), Phase::Picking);
    EXPECT_FALSE(round.start());
    EXPECT_FALSE(round.target());
    running();
    EXPECT_EQ(round.phase(), Phase::Running);
    EXPECT_EQ(round.target(), 523);
    EXPECT_EQ(round.pick(0), -1);
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

TEST_F(RoundFlowTest, TheTargetRollsThroughFiftyDrawnValues) {
    settings.LowestTarget = 101;
    settings.HighestTarget = 999;
    ScriptedRandom values{{0.0f, 0.5f, 0.9999f}};
    RoundFlow rolling{settings, values};
    for (int i : {0, 1, 2, 3, 4, 5})
        rolling.pick(i);
    ASSERT_TRUE(rolling.start());
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
    enum class Event { Search, Stop, PlayAgain, SetUp };
    struct Row {
        const char* name;
        From from;
        Event event;
        bool accepted;
        Phase after;
        bool replacesRound; // the last search's ticket is no longer current, its end unseen
    };
    const Row rows[] = {
        {"SearchWhenOver", From::Over, Event::Search, true, Phase::Searching, false},
        {"NoSecondSearchWhileOneRuns", From::Searching, Event::Search, false, Phase::Searching,
         false},
        {"NoSecondSearchWhileAStoppedOneUnwinds", From::Stopping, Event::Search, false,
         Phase::Stopping, false},
        {"SearchAgainAfterAStop", From::Stopped, Event::Search, true, Phase::Searching, false},
        {"NoSearchAgainOnceFinished", From::Finished, Event::Search, false, Phase::Searched, false},
        {"StopOnce", From::Stopping, Event::Stop, false, Phase::Stopping, false},
        {"PlayAgainWhileAStoppedSearchUnwinds", From::Stopping, Event::PlayAgain, true,
         Phase::Picking, true},
        {"NoPlayAgainWhileSearching", From::Searching, Event::PlayAgain, false, Phase::Searching,
         false},
        {"SetUpOverARunningSearch", From::Searching, Event::SetUp, true, Phase::Searching, true},
        {"SetUpAfterASearch", From::Finished, Event::SetUp, true, Phase::Searching, true},
        {"NoSetUpWhileTheTargetRolls", From::Rolling, Event::SetUp, false, Phase::Rolling, false},
        {"NothingAfterClosing", From::Closed, Event::Search, false, Phase::Closed, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameSettings settings;
        ScriptedRandom random{{0.0f}};
        RoundFlow round{settings, random};
        for (int i : {0, 1, 2, 3, 4, 5})
            round.pick(i);
        round.start();
        int ticket = -1;
        if (row.from != From::Rolling) {
            while (round.roll()) {
            }
            round.stop();
            if (row.from != From::Over && row.from != From::Closed)
                ticket = *round.startSearch();
            if (row.from == From::Stopping || row.from == From::Stopped)
                round.requestStop();
            if (row.from == From::Stopped || row.from == From::Finished)
                round.searchEnded(ticket, row.from == From::Finished);
        }
        if (row.from == From::Closed)
            round.close();

        bool accepted = false;
        switch (row.event) {
        case Event::Search:
            accepted = round.startSearch().has_value();
            break;
        case Event::Stop:
            accepted = round.requestStop();
            break;
        case Event::PlayAgain:
            accepted = round.playAgain();
            break;
        case Event::SetUp:
            accepted = round.startManualSearch({1, 1, 25, 50, 75, 100}, 626).has_value();
            break;
        }
        EXPECT_EQ(accepted, row.accepted);
        EXPECT_EQ(round.phase(), row.after);
        if (ticket >= 0 && row.replacesRound) {
            EXPECT_FALSE(round.isCurrent(ticket));
            round.searchEnded(ticket, true); // the replaced round's search returns late
            EXPECT_EQ(round.phase(), row.after);
        }
    }
}

TEST_F(RoundFlowTest, ARoundSetByHandTakesOverAndIsSearchedOnce) {
    running();
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
    for (int i : {0, 1, 2, 3, 4, 5})
        round.pick(i);
    round.start();
    round.close();
    EXPECT_FALSE(round.roll());
    EXPECT_EQ(round.phase(), Phase::Closed);
    EXPECT_FALSE(round.target());
    EXPECT_FALSE(round.playAgain());
    EXPECT_FALSE(round.canSetUp());
}

} // namespace
