#pragma once

#include <QString>
#include <cstdint>
#include <variant>

// A stored setting as it is read back: nothing, a 32-bit number or a string.
using SettingValue = std::variant<std::monostate, std::int32_t, QString>;

struct SettingRead {
    int status = 0;     // 0 read; 2 no such value; -1 no such key or a value of another type
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
    // Reads one value. The empty name probes the key: status -1 when the key is missing,
    // 2 when it exists.
    virtual SettingRead GetSettingValue(const QString& path, const QString& name) const = 0;
};
