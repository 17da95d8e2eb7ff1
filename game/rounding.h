#pragma once

#include <cmath>

// Nearest whole number, ties to the even neighbour (2.5 -> 2, 3.5 -> 4), as the game's
// conversions of sizes, colours and stored settings round.
inline double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction != 0.5)
        return fraction < 0.5 ? down : down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}
