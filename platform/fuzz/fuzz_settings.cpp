// libFuzzer target: arbitrary bytes as the stored settings, loaded as the game starts.
// The bytes are read as the settings file's lines ("Name=value" under "[General]"; a value
// "@ByteArray(...)" is bytes, one with ", " a list, "\"...\"" quoted text) and served from
// memory through the store's own reading of each value, so that an input costs no file.
// Loading never fails, never writes, and every loaded value lies inside its range. Each
// checked property aborts when it fails, so that the fuzzer keeps the input.
#include "settingrules.h"
#include "settingsstore.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Memory stays bounded: freed blocks are recycled soon, and a request beyond 1 GiB fails as it
// would on a small machine.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16:allocator_may_return_null=1:max_allocation_size_mb=1024";
}

namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

QVariant storedForm(QByteArray text) {
    if (text.startsWith("@ByteArray(") && text.endsWith(')'))
        return text.mid(11, text.size() - 12);
    if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"'))
        return QString::fromUtf8(text.mid(1, text.size() - 2));
    if (text.contains(", "))
        return QString::fromUtf8(text).split(QStringLiteral(", "));
    return QString::fromUtf8(text);
}

// The game's key, held in memory. It exists (empty for an empty input) and takes no writes.
class MemorySource final : public SettingsSource {
public:
    explicit MemorySource(const QByteArray& bytes) {
        bool general = true;
        for (const QByteArray& line : bytes.split('\n')) {
            if (line.startsWith('[')) {
                general = line.trimmed() == "[General]";
                continue;
            }
            const qsizetype eq = line.indexOf('=');
            if (general && eq > 0)
                m_values.insert(QString::fromUtf8(line.left(eq).trimmed()),
                                storedForm(line.mid(eq + 1).trimmed()));
        }
    }

    void CreateSettingsKey(const QString&) const override { ++created; }
    SettingRead GetSettingValue(const QString& path, const QString& name) const override {
        require(path == SettingsKeyPath, "only the game's key is read");
        const auto found = m_values.constFind(name);
        if (name.isEmpty() || found == m_values.constEnd())
            return {ReadStatus::NoSuchValue, {}};
        return SettingsStore::readStored(*found);
    }
    SettingValue value(const char* name) const {
        return GetSettingValue(SettingsKeyPath, QString::fromLatin1(name)).value;
    }

    mutable int created = 0;

private:
    QHash<QString, QVariant> m_values;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemorySource store(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const GameSettings s = LoadGameSettings(store);
    (void)ShowSecondsSetting(store);

    using settingrules::isAbsent;
    require(store.created == 0, "loading an existing key writes nothing");
    require(s.RoundSeconds >= 1, "a round lasts at least one tick");
    require(s.TimerInterval >= 950, "the clock ticks at most every 950 ms");
    // Absence is judged on the stored value: text that rounds to 0 may load as 0.
    require(!isAbsent(store.value("LowestTarget")) || s.LowestTarget == 101,
            "an absent lowest target gives 101");
    require(!isAbsent(store.value("HighestTarget")) || s.HighestTarget == 999,
            "an absent highest target gives 999");
    require(s.HighestTarget >= s.LowestTarget || s.HighestTarget == 999,
            "the highest target is at least the lowest, or the default");
    return 0;
}
