#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString defaultBaseDir() {
    const QString fromEnv = qEnvironmentVariable("TALLYRUN_SETTINGS_DIR");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

enum class KeyFile { Missing, Oversized, Usable };

KeyFile keyFile(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable())
        return KeyFile::Missing;
    return info.size() > SettingsStore::kLargestFile ? KeyFile::Oversized : KeyFile::Usable;
}

// Names that QSettings would read as group separators or escapes are not setting names here.
bool validName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

} // namespace

SettingRead SettingsStore::readStored(const QVariant& stored) {
    SettingRead read;
    switch (stored.typeId()) {
    case QMetaType::QString: {
        const QString text = stored.toString();
        bool ok = false;
        const qlonglong number = text.toLongLong(&ok);
        if (ok && number >= INT32_MIN && number <= INT32_MAX)
            read.value = static_cast<std::int32_t>(number);
        else
            read.value = text;
        return read;
    }
    case QMetaType::QByteArray: {
        const QByteArray bytes = stored.toByteArray();
        if (bytes.size() != 4) {
            read.status = ReadStatus::Unusable;
            return read;
        }
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<std::uint8_t>(bytes[i]);
        read.value = static_cast<std::int32_t>(v);
        return read;
    }
    default:
        read.status = ReadStatus::Unusable; // lists and other variants are no type of ours
        return read;
    }
}

SettingsStore::SettingsStore(QString baseDir)
    : m_baseDir(baseDir.isEmpty() ? defaultBaseDir() : std::move(baseDir)) {}

QString SettingsStore::fileForKey(const QString& path) const {
    QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() &&
        parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (parts.isEmpty())
        return {};
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char('/')))
            return {};
    }
    const QString app = parts.takeLast();
    QString dir = m_baseDir;
    for (const QString& part : parts)
        dir += QLatin1Char('/') + part;
    return dir + QLatin1Char('/') + app + QStringLiteral(".conf");
}

void SettingsStore::CreateSettingsKey(const QString& path) const {
    const QString file = fileForKey(path);
    if (file.isEmpty() || QFileInfo::exists(file))
        return;
    QDir().mkpath(QFileInfo(file).absolutePath());
    // Created only where nothing stands, not even a dangling link: a file that appeared
    // meanwhile is never emptied, and a link's target is never made.
    QFile f(file);
    if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        f.close();
}

bool SettingsStore::PutSettingValue(const QString& path, const QString& name,
                                    const SettingValue& value, int type) const {
    const QString file = fileForKey(path);
    if (file.isEmpty() || !validName(name) || keyFile(file) != KeyFile::Usable)
        return false;
    QVariant stored;
    if (type == String) {
        if (const auto* text = std::get_if<QString>(&value))
            stored = *text;
        else if (const auto* number = std::get_if<std::int32_t>(&value))
            stored = QString::number(*number);
        else
            stored = QString();
    } else if (type == Binary || type == DWord) {
        std::int32_t number = 0;
        if (const auto* n = std::get_if<std::int32_t>(&value))
            number = *n;
        else if (const auto* text = std::get_if<QString>(&value))
            number = text->toInt();
        stored = QString::number(number);
    } else {
        return false;
    }
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(name, stored);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

SettingRead SettingsStore::GetSettingValue(const QString& path, const QString& name) const {
    const QString file = fileForKey(path);
    const KeyFile state = file.isEmpty() ? KeyFile::Missing : keyFile(file);
    if (state == KeyFile::Missing)
        return {ReadStatus::Unusable, {}};
    if (state == KeyFile::Oversized || !validName(name))
        return {ReadStatus::NoSuchValue, {}};
    const QSettings settings(file, QSettings::IniFormat);
    const QVariant stored = settings.value(name);
    if (!stored.isValid())
        return {ReadStatus::NoSuchValue, {}};
    return readStored(stored);
}
