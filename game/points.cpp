#include "points.h"

#include <array>

namespace {

constexpr std::array<int, 10> kPointsByDistance{kMostPoints, 8, 7, 6, 5, 4, 3, 2, 1, 1};

} // namespace

int RoundPoints(std::optional<std::int64_t> distance) {
    if (!distance || *distance < 0 || *distance >= std::ssize(kPointsByDistance))
        return 0;
    return kPointsByDistance[static_cast<std::size_t>(*distance)];
}
