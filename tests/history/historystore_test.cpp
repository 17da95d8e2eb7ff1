#include "historystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kMay1 = 1714521600; // 2024-05-01 00:00 UTC

RoundRecord played(std::int64_t at, std::optional<std::int64_t> distance, int points,
                   bool manual = false) {
    return {.playedAt = at,
            .numbers = {100, 75, 50, 25, 6, 3},
            .target = 952,
            .roundSeconds = 45,
            .secondsUsed = 45,
            .distance = distance,
            .points = points,
            .manual = manual};
}

// A connection of the test's own to the file, for what the store must live with.
class RawFile {
public:
    explicit RawFile(const QString& file)
        : m_db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"))) {
        m_db.setDatabaseName(file);
        m_db.open();
    }
    ~RawFile() {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }
    QVariant value(const char* sql) {
        QSqlQuery q(m_db);
        return q.exec(QString::fromLatin1(sql)) && q.next() ? q.value(0) : QVariant();
    }
    bool exec(const char* sql) { return QSqlQuery(m_db).exec(QString::fromLatin1(sql)); }

private:
    QSqlDatabase m_db;
};

class HistoryStoreTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("history.sqlite")); }
    QByteArray bytes() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(HistoryStoreTest, ARoundIsAddedThenCompletedUnderItsIdInANewWalFile) {
    HistoryStore store(dir.path());
    ASSERT_EQ(store.status(), HistoryStore::Status::Ok);
    EXPECT_EQ(store.takeNotice(), QString());
    RoundRecord round = played(kMay1, {}, 0);
    round.utcOffset = 7200;
    const std::optional<std::int64_t> id = store.save(round);
    ASSERT_TRUE(id);
    round.id = *id;
    round.best = 950;
    round.distance = 2;
    round.exactCount = 0;
    round.nearest = 950;
    EXPECT_EQ(store.save(round), id);
    ASSERT_TRUE(store.save(played(kMay1 + 60, 0, 10)));
    const std::vector<RoundRecord> rounds = store.rounds();
    ASSERT_EQ(rounds.size(), 2u);
    EXPECT_EQ(rounds[0].playedAt, kMay1 + 60); // newest first
    EXPECT_EQ(rounds[1], round);
    EXPECT_EQ(store.rounds(1).size(), 1u);
    RawFile raw(file());
    EXPECT_EQ(raw.value("PRAGMA user_version").toInt(), HistoryStore::kSchemaVersion);
    EXPECT_EQ(raw.value("PRAGMA journal_mode").toString(), QStringLiteral("wal"));
}

TEST_F(HistoryStoreTest, TotalsCountTheRoundsPlayedAgainstTheClock) {
    HistoryStore store(dir.path());
    for (const RoundRecord& r :
         {played(kMay1 + 100, 0, 10), played(kMay1 + 200, 0, 10),
          played(kMay1 + 300, 0, 10, true), // set by hand: not counted, breaks no streak
          played(kMay1 + 400, 0, 10), played(kMay1 + 500, 4, 5), played(kMay1 + kDay, {}, 0),
          played(kMay1 + kDay + 60, 0, 10), played(kMay1 + kDay + 120, 1, 8)})
        ASSERT_TRUE(store.save(r));
    const HistoryTotals t = store.totals();
    EXPECT_EQ(t.rounds, 7);
    EXPECT_EQ(t.exactHits, 4);
    EXPECT_DOUBLE_EQ(t.averageDistance.value_or(-1), 5.0 / 6);
    EXPECT_EQ(t.points, 53);
    EXPECT_EQ(t.bestStreak, 3);
    EXPECT_EQ(t.bestDay, 35);
    EXPECT_TRUE(store.clear());
    EXPECT_EQ(store.totals(), HistoryTotals{});
}

TEST_F(HistoryStoreTest, AnOlderFileIsMigratedWithItsRounds) {
    HistoryStore(dir.path()).save(played(kMay1, 0, 10));
    {
        RawFile raw(file());
        for (const char* sql :
             {"DROP INDEX rounds_by_time", "ALTER TABLE rounds DROP COLUMN nearest",
              "ALTER TABLE rounds DROP COLUMN exact_count", "PRAGMA user_version = 1"})
            ASSERT_TRUE(raw.exec(sql)) << sql;
    }
    HistoryStore store(dir.path());
    ASSERT_EQ(store.status(), HistoryStore::Status::Ok);
    ASSERT_EQ(store.rounds().size(), 1u);
    EXPECT_EQ(store.rounds()[0].points, 10);
    EXPECT_EQ(RawFile(file()).value("PRAGMA user_version").toInt(), HistoryStore::kSchemaVersion);
}

TEST_F(HistoryStoreTest, ADamagedFileIsKeptAsideAndANewOneStarted) {
    QFile garbage(file());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'Z'));
    garbage.close();
    HistoryStore store(dir.path());
    EXPECT_EQ(store.status(), HistoryStore::Status::SetAside);
    const QStringList aside =
        QDir(dir.path()).entryList({QStringLiteral("history.sqlite.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(dir.filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray(4096, 'Z'));
    EXPECT_TRUE(store.takeNotice().contains(aside[0]));
    EXPECT_EQ(store.takeNotice(), QString()); // told once
    EXPECT_TRUE(store.save(played(kMay1, 0, 10)));
}

TEST_F(HistoryStoreTest, FilesItCannotUseAreLeftAloneAndHistoryIsOff) {
    const std::pair<const char*, HistoryStore::Status> rows[] = {
        {"PRAGMA user_version = 99", HistoryStore::Status::Newer},
        {"CREATE TABLE rounds (x)", HistoryStore::Status::Failed}, // not ours
    };
    for (const auto& [sql, status] : rows) {
        SCOPED_TRACE(sql);
        QFile::remove(file());
        RawFile(file()).exec(sql);
        const QByteArray before = bytes();
        HistoryStore store(dir.path());
        EXPECT_EQ(store.status(), status);
        EXPECT_FALSE(store.save(played(kMay1, 0, 10)));
        EXPECT_FALSE(store.takeNotice().isEmpty());
        EXPECT_EQ(bytes(), before);
    }
}

TEST_F(HistoryStoreTest, ALockedFileTurnsHistoryOffWithoutWaitingLong) {
    HistoryStore(dir.path()).save(played(kMay1, 0, 10));
    RawFile other(file());
    ASSERT_TRUE(other.exec("BEGIN EXCLUSIVE"));
    HistoryStore store(dir.path(), {.busyMilliseconds = 50});
    EXPECT_EQ(store.status(), HistoryStore::Status::Locked);
    EXPECT_TRUE(store.rounds().empty());
    EXPECT_TRUE(store.takeNotice().contains(QStringLiteral("in use")));
    other.exec("ROLLBACK");
    EXPECT_EQ(HistoryStore(dir.path()).rounds().size(), 1u);
}

TEST_F(HistoryStoreTest, AFolderThatCannotBeWrittenTurnsHistoryOff) {
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // Permissions do not stop the superuser; /proc stops everyone.
    const QString readOnly =
        QFileInfo(dir.path()).isWritable() ? QStringLiteral("/proc") : dir.path();
    for (const QString& folder : {readOnly, readOnly + QStringLiteral("/sub")}) {
        SCOPED_TRACE(folder.toStdString());
        HistoryStore store(folder);
        EXPECT_EQ(store.status(), HistoryStore::Status::Unwritable);
        EXPECT_FALSE(store.save(played(kMay1, 0, 10)));
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(HistoryStoreTest, TwoGamesWritingAtOnceLoseNoRound) {
    constexpr int kEach = 150;
    QProcess games[2];
    for (QProcess& game : games)
        game.start(QStringLiteral(TALLYRUN_HISTORY_WRITER), {dir.path(), QString::number(kEach)});
    for (QProcess& game : games) {
        ASSERT_TRUE(game.waitForFinished(60000));
        EXPECT_EQ(game.exitCode(), 0) << game.readAllStandardError().toStdString();
    }
    EXPECT_EQ(HistoryStore(dir.path()).rounds().size(), 2u * kEach);
}

} // namespace
