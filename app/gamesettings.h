#pragma once

#include "settingsstore.h"

#include <cstdint>
#include <optional>

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

// Start-up: probes the game's key; on the first run creates it (empty) and returns the
// built-in defaults, otherwise loads each value with its own default and range rule.
GameSettings LoadGameSettings(const SettingsStore& store);

// Whether the clock shows its seconds: the stored "ShowSeconds" taken as a number is not 0.
bool ShowSecondsSetting(const SettingsStore& store);

// How stored values are read. A value the game never writes (text that is not a number, a
// number outside the 16-bit range where a 16-bit setting is loaded) counts as absent.
namespace settingrules {

// Nothing, the number 0 or the empty string.
bool isAbsent(const SettingValue& value);
// A number unchanged, or a string's leading decimal number (0 when it has none); nothing
// when that number does not fit 32 bits.
std::optional<double> takenAsNumber(const SettingValue& value);
// A number, or a string that is wholly a number, rounded half to even; nothing when it is
// not a number or lies outside -32768..32767.
std::optional<std::int16_t> asInt16(const SettingValue& value);
// Round length from a stored "TimeAllowed" list index: index x 5 + 30 seconds; 30 when absent,
// not a number, shorter than one tick or beyond the 16-bit count.
std::int16_t roundSecondsFrom(const SettingValue& timeAllowed);

} // namespace settingrules
