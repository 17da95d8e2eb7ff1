#pragma once

#include "gamesettings.h"
#include "round.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The round's flow: the phase, the clock, the target and the answer search, with no window.
// The main window feeds it the player's clicks, the roll's steps, the clock's ticks and the
// searches' ends, then shows its state.
class RoundFlow {
public:
    enum class Phase {
        Picking,   // fewer than six numbers chosen
        Ready,     // six numbers chosen, the round can start
        Rolling,   // the target rolls through its values
        Running,   // the clock ticks
        Over,      // time up or stopped; the answers and the checker are offered
        Searching, // the solver runs
        Stopping,  // a stop was asked for; the search has not returned yet
        Searched,  // the search returned
        Closed,    // the window is closing; nothing starts any more
    };
    enum class SearchOutcome { None, Finished, Stopped };

    // What one clock tick asks of the window.
    struct Tick {
        bool startMusic = false; // thirty ticks remain (and sounds are on)
        bool timeUp = false;     // the round is over
        int shown = 0;           // the count the clock shows
    };

    // Both are read at every use, so that the settings dialog's changes apply at once.
    RoundFlow(const GameSettings& settings, RandomSource& random);

    Phase phase() const { return m_phase; }
    const RoundDeal& deal() const { return m_deal; }
    // Clock ticks so far in the current round; 0 between rounds.
    std::int16_t clockCount() const { return m_clockCount; }
    // What the clock shows: the count, or the full count once time is up.
    int clockShown() const { return m_clockShown; }
    // Nothing before the first roll of the round.
    std::optional<std::int32_t> target() const { return m_target; }
    SearchOutcome searchOutcome() const { return m_outcome; }

    // Returns the slot filled, or -1 when the pick does not count.
    int pick(int index);
    // Ready -> Rolling: draws the values the target rolls through. False in any other phase.
    bool start();
    // Rolling: the next value of the roll becomes the target, and true. Once every value has
    // been shown the round runs (Running), and false; false in any other phase as well.
    bool roll();
    // Running -> Over.
    bool stop();
    Tick tick();
    // Over, or Searched after a stop of a dealt round -> Searching. Not while a stopped search
    // unwinds (Stopping). Returns the ticket of the search, for isCurrent() and searchEnded().
    std::optional<int> startSearch();
    // Searching -> Stopping. The caller stops the search.
    bool requestStop();
    // Whether a search with `ticket` belongs to the round on show; "PLAY AGAIN" and a round set
    // by hand replace it.
    bool isCurrent(int ticket) const { return ticket == m_round; }
    // The ticket of the round on show, for work on it that is not its search.
    int ticket() const { return m_round; }
    // The search with `ticket` returned; ignored when its round has been replaced since.
    void searchEnded(int ticket, bool finished);
    // Whether a round set by hand may take over now: not while the target rolls or once the
    // window is closing.
    bool canSetUp() const;
    // A round set by hand (six numbers in any order, a target) -> Searching, from any phase
    // canSetUp() allows; it replaces the round on show, also one whose search still runs. The
    // clock keeps what it shows. Its search is not run a second time. Returns the ticket of its
    // search, or nothing when a set-up is not allowed.
    std::optional<int> startManualSearch(const std::array<std::int32_t, kSlotCount>& numbers,
                                         std::int32_t target);
    bool manual() const { return m_manual; }
    // Over, Stopping or Searched -> Picking, with newly dealt numbers.
    bool playAgain();
    void close() { m_phase = Phase::Closed; }

private:
    const GameSettings& m_settings;
    RandomSource& m_random;
    RoundDeal m_deal;
    Phase m_phase = Phase::Picking;
    std::int16_t m_clockCount = 0;
    int m_clockShown = 0;
    std::optional<std::int32_t> m_target;
    SearchOutcome m_outcome = SearchOutcome::None;
    std::vector<std::int16_t> m_roll; // the values of the target roll, while it rolls
    std::size_t m_rolled = 0;
    int m_round = 0; // counts the rounds: "PLAY AGAIN" and rounds set by hand
    bool m_manual = false;
};
