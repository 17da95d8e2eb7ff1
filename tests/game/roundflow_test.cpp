#include "roundflow.h"
#include "scriptedrandom.h"

#include <gtest/gtest.h>

namespace {

using Phase = RoundFlow::Phase;
using Outcome = RoundFlow::SearchOutcome;

class RoundFlowTest : public testing::Test {
protected:
    // Picks six numbers and starts the round with the target 523.
    void running() {
        for (int i : {23, 22, 7, 5, 2, 1})
            round.pick(i);
        ASSERT_EQ(round.phase(), Phase::Ready);
        ASSERT_TRUE(round.start());
        round.rolled(523);
        round.rollDone();
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
        round.rollDone();
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
    EXPECT_EQ(round.deal().RoundNumbers, std::vector<std::int32_t>{0});
}

TEST_F(RoundFlowTest, AStoppedSearchCanRunAgainAFinishedOneCannot) {
    running();
    round.stop();
    const int first = *round.startSearch();
    EXPECT_FALSE(round.startSearch()) << "not re-entrant";
    EXPECT_TRUE(round.requestStop());
    EXPECT_EQ(round.phase(), Phase::Stopping);
    round.searchEnded(first, false);
    EXPECT_EQ(round.searchOutcome(), Outcome::Stopped);
    const std::optional<int> second = round.startSearch();
    ASSERT_TRUE(second);
    round.searchEnded(*second, true);
    EXPECT_EQ(round.phase(), Phase::Searched);
    EXPECT_EQ(round.searchOutcome(), Outcome::Finished);
    EXPECT_FALSE(round.startSearch());
}

TEST_F(RoundFlowTest, PlayAgainWhileAStopUnwindsLeavesTheNewRoundAlone) {
    running();
    round.stop();
    const int ticket = *round.startSearch();
    round.requestStop();
    EXPECT_TRUE(round.playAgain());
    EXPECT_TRUE(round.searchRunning());
    round.searchEnded(ticket, false);
    EXPECT_EQ(round.phase(), Phase::Picking);
    EXPECT_EQ(round.searchOutcome(), Outcome::None);
    EXPECT_FALSE(round.searchRunning());
}

TEST_F(RoundFlowTest, ARoundSetByHandTakesOverAndIsSearchedOnce) {
    for (int i : {0, 1, 2, 3, 4, 5})
        round.pick(i);
    round.start();
    EXPECT_FALSE(round.canSetUp()) << "not while the target rolls";
    round.rollDone();
    for (int i = 0; i < 7; ++i)
        round.tick();
    const std::optional<int> ticket = round.startManualSearch({1, 1, 25, 50, 75, 100}, 626);
    ASSERT_TRUE(ticket);
    EXPECT_EQ(round.phase(), Phase::Searching);
    EXPECT_EQ(round.deal().RoundNumbers, (std::vector<std::int32_t>{100, 75, 50, 25, 1, 1, 0}));
    EXPECT_EQ(round.target(), 626);
    EXPECT_EQ(round.clockShown(), 7);
    EXPECT_FALSE(round.canSetUp()) << "the solver is not re-entrant";
    EXPECT_FALSE(round.startManualSearch({2, 2, 3, 3, 4, 4}, 200));

    round.requestStop();
    round.searchEnded(*ticket, false);
    EXPECT_EQ(round.phase(), Phase::Searched);
    EXPECT_FALSE(round.startSearch()) << "a stopped manual search is not run again";
    EXPECT_TRUE(round.canSetUp());
    EXPECT_TRUE(round.playAgain());
    EXPECT_FALSE(round.manual());
}

TEST_F(RoundFlowTest, ClosingEndsTheRollAndEveryLaterEvent) {
    for (int i : {0, 1, 2, 3, 4, 5})
        round.pick(i);
    round.start();
    round.close();
    round.rolled(300);
    round.rollDone();
    EXPECT_EQ(round.phase(), Phase::Closed);
    EXPECT_FALSE(round.target());
    EXPECT_FALSE(round.playAgain());
    EXPECT_FALSE(round.startSearch());
    EXPECT_FALSE(round.canSetUp());
}

} // namespace
