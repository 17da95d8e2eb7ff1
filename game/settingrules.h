#pragma once

#include "gamesettings.h"
#include "settingvalue.h"

#include <cstdint>
#include <optional>

// Start-up: probes the game's key; on the first run creates it (empty) and returns the
// built-in defaults, otherwise loads each value with its own default and range rule.
GameSettings LoadGameSettings(const SettingsSource& store);

// Whether the clock shows its seconds: the stored "ShowSeconds" taken as a number is not 0.
bool ShowSecondsSetting(const SettingsSource& store);

// How stored values are read. A value the game never writes (text that is not a number, a
// number outside the 16-bit range where a 16-bit setting is loaded) counts as absent.
namespace settingrules {

// Nothing, the number 0 or the empty string. Absence is judged on the value as stored, before
// any rounding: text such as "-0.5" is a number and loads as 0.
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
