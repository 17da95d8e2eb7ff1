#pragma once

#include "round.h"

#include <array>
#include <cstdint>
#include <optional>

// One round as the history keeps it.
struct RoundRecord {
    std::int64_t id = 0;                            // the history's id; 0 until stored
    std::int64_t playedAt = 0;                      // seconds since 1970-01-01 UTC
    std::int32_t utcOffset = 0;                     // seconds east of UTC where it was played
    std::array<std::int32_t, kSlotCount> numbers{}; // largest first
    std::int32_t target = 0;
    int roundSeconds = 0;                   // the round's length
    int secondsUsed = 0;                    // clock ticks when it stopped
    std::optional<std::int32_t> best{};     // the checked value nearest the target
    std::optional<std::int64_t> distance{}; // |best - target|
    int points = 0;                         // RoundPoints(distance)
    std::optional<int> exactCount{};        // answers that reach the target, once known
    std::optional<std::int32_t> nearest{};  // the nearest value the numbers reach, once known
    bool manual = false;                    // set by hand

    friend bool operator==(const RoundRecord&, const RoundRecord&) = default;
};

// What is known when a round's target stands.
struct RoundStart {
    std::int64_t playedAt = 0;
    std::int32_t utcOffset = 0;
    std::array<std::int32_t, kSlotCount> numbers{}; // any order
    std::int32_t target = 0;
    int roundSeconds = 0;
    bool manual = false;
};

// Builds the record of the round on show from what the main window sees. Each call that
// returns true changed the record, which then wants storing (pending()) until stored().
// Calls before the first start() are ignored.
class RoundRecorder {
public:
    void start(const RoundStart& start);
    // The clock stopped (time up, "STOP", or a round set by hand taking over) after
    // `secondsUsed` ticks.
    bool finish(int secondsUsed);
    // A whole-number result of the player's "="; the one nearest the target stays (the
    // first of two equally near ones).
    bool checked(std::int32_t value);
    // A search ran to its end: `exactCount` answers reach the target, and `nearest` is the
    // nearest value the numbers reach (the target itself when exactCount > 0).
    bool searchKnown(int exactCount, std::optional<std::int32_t> nearest);

    // The history stored the record under `id`.
    void stored(std::int64_t id);

    bool finished() const { return m_finished; }
    bool pending() const { return m_pending; }
    const RoundRecord& record() const { return m_record; }

private:
    bool changed();

    RoundRecord m_record;
    bool m_active = false;
    bool m_finished = false;
    bool m_pending = false;
};
