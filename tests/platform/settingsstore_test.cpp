#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    QString file() const { return store.fileForKey(SettingsKeyPath); }
};

TEST_F(SettingsStoreTest, AMissingKeyTakesNoWritesAndIsCreatedEmpty) {
    EXPECT_EQ(store.GetSettingValue(SettingsKeyPath, QString()).status, ReadStatus::Unusable);
    EXPECT_FALSE(store.PutSettingValue(SettingsKeyPath, QStringLiteral("NoSounds"), 1,
                                       SettingsStore::DWord));
    EXPECT_FALSE(QFile::exists(file()));
    store.CreateSettingsKey(SettingsKeyPath);
    ASSERT_TRUE(QFile::exists(file()));
    EXPECT_EQ(QFile(file()).size(), 0);
    const SettingRead probe = store.GetSettingValue(SettingsKeyPath, QString());
    EXPECT_EQ(probe.status, ReadStatus::NoSuchValue);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(probe.value));
}

TEST_F(SettingsStoreTest, ValuesRoundTripByType) {
    // name, value, type, what reads back (std::monostate: nothing stored)
    const std::tuple<const char*, SettingValue, int, SettingValue> rows[] = {
        {"TimeAllowed", std::int32_t{2}, SettingsStore::DWord, std::int32_t{2}},
        {"Neg", std::int32_t{-7}, SettingsStore::Binary, std::int32_t{-7}},
        {"Name", QStringLiteral("hello"), SettingsStore::String, QStringLiteral("hello")},
        {"Other", std::int32_t{5}, 7, std::monostate{}}, // an unknown type writes nothing
        {"Group/Name", std::int32_t{5}, SettingsStore::DWord, std::monostate{}},
        {"Back\\Slash", std::int32_t{5}, SettingsStore::DWord, std::monostate{}},
        {"Least", std::int32_t{INT32_MIN}, SettingsStore::DWord, std::int32_t{INT32_MIN}},
        {"BelowLeast", QStringLiteral("-2147483649"), SettingsStore::String,
         QStringLiteral("-2147483649")},
    };
    store.CreateSettingsKey(SettingsKeyPath);
    for (const auto& [name, value, type, read] : rows) {
        EXPECT_EQ(store.PutSettingValue(SettingsKeyPath, name, value, type), read.index() != 0)
            << name;
        const SettingRead got = store.GetSettingValue(SettingsKeyPath, name);
        EXPECT_TRUE(got.value == read) << name;
        EXPECT_EQ(got.status, read.index() ? ReadStatus::Read : ReadStatus::NoSuchValue) << name;
    }
}

TEST_F(SettingsStoreTest, AFileOver64KiBHoldsNothingAndTakesNoWrites) {
    store.CreateSettingsKey(SettingsKeyPath);
    for (const bool over : {false, true}) {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\nTimeAllowed=2\n;");
        f.write(QByteArray(SettingsStore::kLargestFile + over - f.pos(), ';'));
        f.close();
        EXPECT_EQ(store.GetSettingValue(SettingsKeyPath, QStringLiteral("TimeAllowed")).value,
                  over ? SettingValue() : SettingValue(2));
        EXPECT_EQ(store.GetSettingValue(SettingsKeyPath, {}).status, ReadStatus::NoSuchValue);
        EXPECT_EQ(store.PutSettingValue(SettingsKeyPath, QStringLiteral("NoSounds"), 1,
                                        SettingsStore::DWord),
                  !over);
    }
    EXPECT_EQ(QFileInfo(file()).size(), SettingsStore::kLargestFile + 1); // left as it was
}

TEST_F(SettingsStoreTest, KeyPathsThatLeaveTheBaseFolderNameNoKey) {
    for (const char* path : {"Software\\K.V.R.\\..\\..\\Figurello\\", "Software\\a/b\\Figurello",
                             "Software\\.\\Figurello", "Software\\"}) {
        store.CreateSettingsKey(QString::fromLatin1(path));
        EXPECT_EQ(store.GetSettingValue(QString::fromLatin1(path), {}).status,
                  ReadStatus::Unusable);
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

TEST_F(SettingsStoreTest, CreatingNeverMakesTheTargetOfADanglingLink) {
    QDir().mkpath(QFileInfo(file()).absolutePath());
    const QString target = dir.path() + QStringLiteral("/elsewhere.conf");
    if (!QFile::link(target, file()))
        GTEST_SKIP() << "no links here";
    store.CreateSettingsKey(SettingsKeyPath);
    EXPECT_FALSE(QFile::exists(target));
}

TEST(SettingsStoreLocation, EnvironmentRedirectsTheDefaultFolder) {
    QTemporaryDir dir;
    const QByteArray old = qgetenv("TALLYRUN_SETTINGS_DIR");
    qputenv("TALLYRUN_SETTINGS_DIR", dir.path().toLocal8Bit());
    const SettingsStore store;
    EXPECT_EQ(store.baseDir(), dir.path());
    qputenv("TALLYRUN_SETTINGS_DIR", old);
}

} // namespace
