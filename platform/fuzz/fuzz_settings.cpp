// libFuzzer target: arbitrary bytes as the stored settings file, loaded as the game starts.
// Loading never fails, never writes, and every loaded value lies inside its range. Each
// checked property aborts when it fails, so that the fuzzer keeps the input.
#include "settingrules.h"
#include "settingsstore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir root;
    static unsigned run = 0;
    require(root.isValid(), "a scratch folder");
    // A new folder for every input, so that no settings file cached from an earlier input
    // can answer for this one.
    const QString base = root.filePath(QString::number(run++));
    const SettingsStore store(base);
    const QString file = store.fileForKey(SettingsKeyPath);
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile f(file);
        require(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size(), "file written");
    }

    const GameSettings s = LoadGameSettings(store);
    (void)ShowSecondsSetting(store);

    require(s.RoundSeconds >= 1, "a round lasts at least one tick");
    require(s.TimerInterval >= 950, "the clock ticks at most every 950 ms");
    require(s.LowestTarget != 0, "a lowest target of 0 counts as absent");
    require(s.HighestTarget != 0, "a highest target of 0 counts as absent");
    require(s.HighestTarget >= s.LowestTarget || s.HighestTarget == 999,
            "the highest target is at least the lowest, or the default");
    require(readFile(file) == bytes, "loading leaves the stored file as it was");

    QDir(base).removeRecursively();
    return 0;
}
