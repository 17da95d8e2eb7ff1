#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    QString file() const { return store.fileForKey(SettingsKeyPath); }
};

TEST_F(SettingsStoreTest, ProbeOfAMissingKeyIsMinusOneAndCreatingLeavesItEmpty) {
    EXPECT_EQ(store.GetSettingValue(SettingsKeyPath, QString()).status, -1);
    store.CreateSettingsKey(SettingsKeyPath);
    ASSERT_TRUE(QFile::exists(file()));
    EXPECT_EQ(QFile(file()).size(), 0);
    const SettingRead probe = store.GetSettingValue(SettingsKeyPath, QString());
    EXPECT_EQ(probe.status, SettingsStore::kNoSuchValue);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(probe.value));
}

TEST_F(SettingsStoreTest, ValuesRoundTripByType) {
    struct Row {
        const char* name;
        SettingValue value;
        int type;
        SettingValue read; // std::monostate: nothing stored
    };
    const Row rows[] = {
        {"TimeAllowed", std::int32_t{2}, SettingsStore::DWord, std::int32_t{2}},
        {"Neg", std::int32_t{-7}, SettingsStore::Binary, std::int32_t{-7}},
        {"Name", QStringLiteral("hello"), SettingsStore::String, QStringLiteral("hello")},
        {"Other", std::int32_t{5}, 7, std::monostate{}}, // an unknown type writes nothing
    };
    store.CreateSettingsKey(SettingsKeyPath);
    for (const Row& row : rows)
        store.PutSettingValue(SettingsKeyPath, row.name, row.value, row.type);
    for (const Row& row : rows) {
        const SettingRead got = store.GetSettingValue(SettingsKeyPath, row.name);
        EXPECT_TRUE(got.value == row.read) << row.name;
        EXPECT_EQ(got.status, row.read.index() ? 0 : SettingsStore::kNoSuchValue) << row.name;
    }
}

TEST_F(SettingsStoreTest, WritesToAMissingKeyFailSilently) {
    store.PutSettingValue(SettingsKeyPath, QStringLiteral("TimeAllowed"), std::int32_t{2},
                          SettingsStore::DWord);
    EXPECT_FALSE(QFile::exists(file()));
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
