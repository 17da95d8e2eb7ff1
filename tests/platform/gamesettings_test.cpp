#include "settingrules.h"
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

void PrintTo(const GameSettings& s, std::ostream* os) {
    *os << "{" << s.RoundSeconds << " s, NoSounds " << s.NoSounds << ", " << s.LowestTarget << ".."
        << s.HighestTarget << ", " << s.TimerInterval << " ms}";
}

namespace {

// Loads the settings from a store whose file holds `content` (nullptr: no file at all).
GameSettings loadFrom(const char* content) {
    QTemporaryDir dir;
    const SettingsStore store(dir.path());
    if (content) {
        QDir().mkpath(QFileInfo(store.fileForKey(SettingsKeyPath)).absolutePath());
        QFile f(store.fileForKey(SettingsKeyPath));
        f.open(QIODevice::WriteOnly);
        f.write(content);
    }
    return LoadGameSettings(store);
}

GameSettings make(int seconds, bool noSounds, int lowest, int highest, int interval) {
    GameSettings s;
    s.RoundSeconds = static_cast<std::int16_t>(seconds);
    s.NoSounds = noSounds;
    s.LowestTarget = static_cast<std::int16_t>(lowest);
    s.HighestTarget = static_cast<std::int16_t>(highest);
    s.TimerInterval = static_cast<std::int16_t>(interval);
    return s;
}

const GameSettings kEmptyKey = make(30, false, 101, 999, 950);

// name, the settings file, the settings loaded from it
const std::tuple<const char*, const char*, GameSettings> kRows[] = {
    {"empty key", "", kEmptyKey},
    {"TimeAllowed 2", "[General]\nTimeAllowed=2\n", make(40, false, 101, 999, 950)},
    {"TimeAllowed -1", "[General]\nTimeAllowed=-1\n", make(25, false, 101, 999, 950)},
    {"TimeAllowed string 12", "[General]\nTimeAllowed=\"12\"\n", make(90, false, 101, 999, 950)},
    {"TimeAllowed 2 rounds", "[General]\nTimeAllowed=2 rounds\n", make(40, false, 101, 999, 950)},
    {"TimeAllowed too short to tick", "[General]\nTimeAllowed=-6\n", kEmptyKey},
    {"TimeAllowed beyond 16 bits", "[General]\nTimeAllowed=7000\n", kEmptyKey},
    {"NoSounds -1", "[General]\nNoSounds=-1\n", make(30, true, 101, 999, 950)},
    {"NoSounds 0", "[General]\nNoSounds=0\n", kEmptyKey},
    {"NoSounds not a number", "[General]\nNoSounds=yes\n", kEmptyKey},
    {"NoSounds out of range", "[General]\nNoSounds=40000\n", kEmptyKey},
    {"LowestTarget 0 is absent", "[General]\nLowestTarget=0\n", kEmptyKey},
    {"LowestTarget out of range", "[General]\nLowestTarget=32768\n", kEmptyKey},
    {"LowestTarget -0.5 is 0", "[General]\nLowestTarget=-0.5\n", make(30, false, 0, 999, 950)},
    {"HighestTarget 32767", "[General]\nHighestTarget=32767\n", make(30, false, 101, 32767, 950)},
    {"HighestTarget equal to lowest", "[General]\nLowestTarget=300\nHighestTarget=300\n",
     make(30, false, 300, 300, 950)},
    {"HighestTarget below lowest", "[General]\nLowestTarget=300\nHighestTarget=299\n",
     make(30, false, 300, 999, 950)},
    {"TimerInterval 949", "[General]\nTimerInterval=949\n", kEmptyKey},
    {"TimerInterval 1500", "[General]\nTimerInterval=1500\n", make(30, false, 101, 999, 1500)},
    {"TimerInterval beyond 16 bits", "[General]\nTimerInterval=40000\n", kEmptyKey},
    {"four bytes", "[General]\nTimeAllowed=@ByteArray(\\x2\\0\\0\\0)\n",
     make(40, false, 101, 999, 950)},
    {"five bytes", "[General]\nTimeAllowed=@ByteArray(\\x2\\0\\0\\0\\0)\n", kEmptyKey},
    {"a list value", "[General]\nLowestTarget=1, 2\n", kEmptyKey},
    {"binary garbage", "\x01\xff\xfe[Gen\x00\x13=\xff\n\n==\x7f\x80", kEmptyKey},
    {"all six values",
     "[General]\nTimeAllowed=3\nNoSounds=1\nLowestTarget=150\nHighestTarget=850\n"
     "TimerInterval=1200\nShowSeconds=1\n",
     make(45, true, 150, 850, 1200)},
};

TEST(LoadGameSettings, StoredContentsGiveTheRecord) {
    for (const auto& [name, file, expected] : kRows)
        EXPECT_EQ(loadFrom(file), expected) << name;
}

// The first run, or a store that cannot be read: the built-in defaults, and a key is made with
// nothing written into it.
TEST(LoadGameSettings, WithoutAUsableStoreTheFirstRunDefaults) {
    QTemporaryDir dir;
    const SettingsStore store(dir.path());
    const QString file = store.fileForKey(SettingsKeyPath);
    const GameSettings firstRun = make(30, false, 101, 999, 1000);
    EXPECT_EQ(LoadGameSettings(store), firstRun);
    EXPECT_TRUE(QFileInfo::exists(file) && QFileInfo(file).size() == 0);
    QFile::remove(file);
    QDir().mkpath(file); // a folder where the file should be
    EXPECT_EQ(LoadGameSettings(store), firstRun);
    EXPECT_FALSE(ShowSecondsSetting(store));
}

} // namespace
