#pragma once

#include "settingsstore.h"

#include <cstdint>
#include <optional>

// The settings the whole program shares, loaded once at start-up and changed only by the
// settings dialog.
struct GameSettings {
    std::int16_t RoundSeconds = 30;    // clock ticks per round
    bool NoSounds = false;             // true: the clock music is not played
    std::int16_t HighestTarget = 999;  // largest target the draw may roll
    std::int16_t LowestTarget = 101;   // smallest target the draw may roll
    std::int16_t TimerInterval = 1000; // milliseconds per clock tick

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
