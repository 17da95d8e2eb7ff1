#pragma once

#include "settingvalue.h"

#include <QString>

class QVariant;

// Per-user settings store. A key path such as "Software\K.V.R.\Figurello\" names one key;
// on disk it is the INI file <base>/<organisation>/<application>.conf, where <base> is, in
// order of preference, the folder given to the constructor, $TALLYRUN_SETTINGS_DIR, or the
// user's configuration folder. INI text has no value types: a value that reads as a whole
// 32-bit number is a number, "@ByteArray" of four bytes is a little-endian number, anything
// else is a string. Every call opens the store afresh. A file larger than kLargestFile is
// never parsed: the key then holds no values and takes no writes.
class SettingsStore final : public SettingsSource {
public:
    enum ValueType { String = 1, Binary = 3, DWord = 4 };
    static constexpr qint64 kLargestFile = 64 * 1024;

    explicit SettingsStore(QString baseDir = {});

    // Creates the key (an empty file) unless it exists. Never fails loudly.
    void CreateSettingsKey(const QString& path) const override;
    // Writes a type-1 string or a type-3/4 32-bit number; other types write nothing. Returns
    // whether the value now stands in the store (false for a missing key, a bad name, another
    // type, or a file that could not be written).
    bool PutSettingValue(const QString& path, const QString& name, const SettingValue& value,
                         int type) const;
    // Reads one value. The empty name probes the key: Unusable when the key is missing,
    // NoSuchValue when it exists (its unnamed value is never written).
    SettingRead GetSettingValue(const QString& path, const QString& name) const override;

    // How a value as QSettings holds it reads back: a whole 32-bit number or four bytes are a
    // number, other text a string, anything else Unusable.
    static SettingRead readStored(const QVariant& stored);

    // The file that holds the key at `path`; empty when the path names no key.
    QString fileForKey(const QString& path) const;
    QString baseDir() const { return m_baseDir; }

private:
    QString m_baseDir;
};
