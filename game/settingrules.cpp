#include "settingrules.h"

#include "rounding.h"

#include <cmath>
#include <limits>

namespace settingrules {

namespace {

constexpr double kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr double kInt16Max = std::numeric_limits<std::int16_t>::max();
constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();

std::optional<std::int16_t> roundedInt16(double v) {
    if (!std::isfinite(v))
        return std::nullopt;
    const double rounded = RoundHalfEven(v);
    if (rounded < kInt16Min || rounded > kInt16Max)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

// The leading decimal number of a text: blanks, an optional sign, digits, an optional
// fraction. 0 when the text does not start with one.
double leadingNumber(const QString& text) {
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
    }
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    return ok ? v : 0.0;
}

} // namespace

bool isAbsent(const SettingValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        return true;
    if (const auto* n = std::get_if<std::int32_t>(&value))
        return *n == 0;
    return std::get<QString>(value).isEmpty();
}

std::optional<double> takenAsNumber(const SettingValue& value) {
    if (const auto* n = std::get_if<std::int32_t>(&value))
        return *n;
    if (const auto* text = std::get_if<QString>(&value)) {
        const double v = leadingNumber(*text);
        if (!std::isfinite(v) || v < kInt32Min || v > kInt32Max)
            return std::nullopt;
        return v;
    }
    return std::nullopt;
}

std::optional<std::int16_t> asInt16(const SettingValue& value) {
    if (const auto* n = std::get_if<std::int32_t>(&value))
        return roundedInt16(*n);
    if (const auto* text = std::get_if<QString>(&value)) {
        bool ok = false;
        const double v = text->trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
        return roundedInt16(v);
    }
    return std::nullopt;
}

std::int16_t roundSecondsFrom(const SettingValue& v) {
    constexpr std::int16_t kDefault = settingdefaults::kRoundSeconds;
    if (isAbsent(v))
        return kDefault;
    const std::optional<double> index = takenAsNumber(v);
    if (!index)
        return kDefault;
    // A round must last at least one tick and its length must fit the 16-bit count.
    const std::optional<std::int16_t> seconds = roundedInt16(*index * 5 + 30);
    if (!seconds || *seconds < 1)
        return kDefault;
    return *seconds;
}

} // namespace settingrules

namespace {

using namespace settingrules;

SettingValue read(const SettingsSource& store, const char* name) {
    return store.GetSettingValue(SettingsKeyPath, QString::fromLatin1(name)).value;
}

} // namespace

GameSettings LoadGameSettings(const SettingsSource& store) {
    GameSettings s;
    if (store.GetSettingValue(SettingsKeyPath, QString()).status == ReadStatus::Unusable) {
        store.CreateSettingsKey(SettingsKeyPath);
        return s; // first run: the built-in defaults, nothing written
    }

    s.RoundSeconds = roundSecondsFrom(read(store, "TimeAllowed"));

    const SettingValue noSounds = read(store, "NoSounds");
    const std::optional<std::int16_t> noSounds16 = asInt16(noSounds);
    s.NoSounds = !isAbsent(noSounds) && noSounds16 && *noSounds16 != 0;

    const SettingValue lowest = read(store, "LowestTarget");
    const std::optional<std::int16_t> lowest16 = asInt16(lowest);
    s.LowestTarget = (isAbsent(lowest) || !lowest16) ? settingdefaults::kLowestTarget : *lowest16;

    const SettingValue highest = read(store, "HighestTarget");
    const std::optional<std::int16_t> highest16 = asInt16(highest);
    s.HighestTarget = (isAbsent(highest) || !highest16 || *highest16 < s.LowestTarget)
                          ? settingdefaults::kHighestTarget
                          : *highest16;

    const SettingValue interval = read(store, "TimerInterval");
    const std::optional<std::int16_t> interval16 = asInt16(interval);
    constexpr std::int16_t kLeast = settingdefaults::kLeastTimerInterval;
    s.TimerInterval =
        (isAbsent(interval) || !interval16 || *interval16 < kLeast) ? kLeast : *interval16;
    return s;
}

bool ShowSecondsSetting(const SettingsSource& store) {
    const std::optional<double> v = takenAsNumber(read(store, "ShowSeconds"));
    return v && *v != 0;
}
