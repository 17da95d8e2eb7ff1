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
    store.CreateSettingsKey(SettingsKeyPath);
    store.PutSettingValue(SettingsKeyPath, QStringLiteral("TimeAllowed"), std::int32_t{2},
                          SettingsStore::DWord);
    store.PutSettingValue(SettingsKeyPath, QStringLiteral("Neg"), std::int32_t{-7},
                          SettingsStore::Binary);
    store.PutSettingValue(SettingsKeyPath, QStringLiteral("Name"), QStringLiteral("hello"),
                          SettingsStore::String);
    store.PutSettingValue(SettingsKeyPath, QStringLiteral("Other"), std::int32_t{5}, 7);

    const SettingRead number =
        store.GetSettingValue(SettingsKeyPath, QStringLiteral("TimeAllowed"));
    EXPECT_EQ(number.status, 0);
    EXPECT_EQ(std::get<std::int32_t>(number.value), 2);
    EXPECT_EQ(
        std::get<std::int32_t>(store.GetSettingValue(SettingsKeyPath, QStringLiteral("Neg")).value),
        -7);
    EXPECT_EQ(
        std::get<QString>(store.GetSettingValue(SettingsKeyPath, QStringLiteral("Name")).value),
        QStringLiteral("hello"));
    const SettingRead other = store.GetSettingValue(SettingsKeyPath, QStringLiteral("Other"));
    EXPECT_EQ(other.status, SettingsStore::kNoSuchValue); // type 7 writes nothing
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
