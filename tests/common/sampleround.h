#pragma once

#include "points.h"
#include "roundrecord.h"

#include <cstdlib>

// A 45-second round of 100 75 50 25 6 3 for 952, played at `at` (seconds, UTC), 30 seconds
// used, scored by the checked value `best` (nothing checked when empty).
inline RoundRecord sampleRound(std::int64_t at, std::optional<std::int32_t> best = {},
                               bool manual = false) {
    RoundRecord r;
    r.playedAt = at;
    r.numbers = {100, 75, 50, 25, 6, 3};
    r.target = 952;
    r.roundSeconds = 45;
    r.secondsUsed = 30;
    r.manual = manual;
    if (best) {
        r.best = best;
        r.distance = std::abs(*best - r.target);
        r.points = RoundPoints(r.distance);
    }
    return r;
}
