#pragma once

#include <cstdint>
#include <optional>

// Points for a round by the distance between the player's best checked value and the target:
// exact 10; 1 to 9 away 8, 7, 6, 5, 4, 3, 2, 1, 1; 10 or more away, or nothing checked, 0.
// A negative distance is no distance and scores 0.
int RoundPoints(std::optional<std::int64_t> distance);

inline constexpr int kMostPoints = 10;
