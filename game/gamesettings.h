#pragma once

#include <cstdint>

// The defaults of the settings, where a value is missing or unusable.
namespace settingdefaults {
inline constexpr std::int16_t kRoundSeconds = 30;
inline constexpr std::int16_t kHighestTarget = 999;
inline constexpr std::int16_t kLowestTarget = 101;
// The clock's period on the very first run, before the store exists.
inline constexpr std::int16_t kFirstRunTimerInterval = 1000;
// The least period loaded from an existing store (also its default there).
inline constexpr std::int16_t kLeastTimerInterval = 950;
} // namespace settingdefaults

// The settings the whole program shares, loaded once at start-up and changed only by the
// settings dialog. A default-constructed record holds the first run's values.
struct GameSettings {
    std::int16_t RoundSeconds = settingdefaults::kRoundSeconds;           // clock ticks per round
    bool NoSounds = false;                                                // true: no clock music
    std::int16_t HighestTarget = settingdefaults::kHighestTarget;         // largest target drawn
    std::int16_t LowestTarget = settingdefaults::kLowestTarget;           // smallest target drawn
    std::int16_t TimerInterval = settingdefaults::kFirstRunTimerInterval; // ms per clock tick

    bool operator==(const GameSettings&) const = default;
};
