#pragma once

#include <QString>
#include <cstdint>
#include <variant>

// A stored setting as it is read back: nothing, a 32-bit number or a string.
using SettingValue = std::variant<std::monostate, std::int32_t, QString>;

// How a read of the store ended, by the registry's codes.
enum class ReadStatus : int {
    Read = 0,
    NoSuchValue = 2, // the key exists without that value
    Unusable = -1,   // no such key, or a value of a type the store does not hold
};

struct SettingRead {
    ReadStatus status = ReadStatus::Read;
    SettingValue value; // std::monostate whenever the read produced nothing
};

// The game's key under the current user.
inline const QString SettingsKeyPath = QStringLiteral("Software\\K.V.R.\\Figurello\\");

// What loading the settings asks of a store: a key path such as SettingsKeyPath names one key.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    // Creates the key (empty) unless it exists. Never fails loudly.
    virtual void CreateSettingsKey(const QString& path) const = 0;
    // Reads one value. The empty name probes the key: Unusable when the key is missing,
    // NoSuchValue when it exists.
    virtual SettingRead GetSettingValue(const QString& path, const QString& name) const = 0;
};
