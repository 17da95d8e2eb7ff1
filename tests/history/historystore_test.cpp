#include "historystore.h"
#include "sampleround.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kMay1 = 1714521600; // 2024-05-01 00:00 UTC

// Runs `sql` on the file through a connection of the test's own; the first value it returns.
QVariant sqlOn(const QString& file, const char* sql) {
    QVariant value;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && q.exec(QString::fromLatin1(sql)) && q.next())
            value = q.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return value;
}

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
    RoundRecord round = sampleRound(kMay1);
    round.utcOffset = 7200;
    const std::optional<std::int64_t> id = store.save(round);
    ASSERT_TRUE(id);
    round.id = *id;
    round.best = 950;
    round.distance = 2;
    round.points = 7;
    round.exactCount = 0;
    round.nearest = 950;
    EXPECT_EQ(store.save(round), id);
    ASSERT_TRUE(store.save(sampleRound(kMay1 + 60, 952)));
    const std::vector<RoundRecord> rounds = store.rounds();
    ASSERT_EQ(rounds.size(), 2u);
    EXPECT_EQ(rounds[0].playedAt, kMay1 + 60); // newest first
    EXPECT_EQ(rounds[1], round);
    EXPECT_EQ(sqlOn(file(), "PRAGMA user_version").toInt(), HistoryStore::kSchemaVersion);
    EXPECT_EQ(sqlOn(file(), "PRAGMA journal_mode").toString(), QStringLiteral("wal"));
}

TEST_F(HistoryStoreTest, TotalsCountTheRoundsPlayedAgainstTheClock) {
    HistoryStore store(dir.path());
    // 00:01 on May 2 in UTC, 22:01 on May 1 where it was played: a round of May 1.
    RoundRecord lateEvening = sampleRound(kMay1 + kDay + 60, 952);
    lateEvening.utcOffset = -7200;
    for (const RoundRecord& r :
         {sampleRound(kMay1 + 100, 952), sampleRound(kMay1 + 200, 952),
          sampleRound(kMay1 + 300, 952, true), // set by hand: not counted, breaks no streak
          sampleRound(kMay1 + 400, 952), sampleRound(kMay1 + 500, 948), sampleRound(kMay1 + kDay),
          lateEvening, sampleRound(kMay1 + kDay + 120, 951)})
        ASSERT_TRUE(store.save(r));
    const HistoryTotals t = store.totals();
    // rounds, exact hits, average distance, points, best streak, best day
    EXPECT_EQ(
        std::tuple(t.rounds, t.exactHits, t.averageDistance, t.points, t.bestStreak, t.bestDay),
        std::tuple(7, 4, std::optional(5.0 / 6), 53, 3, 45));
    EXPECT_TRUE(store.clear());
    EXPECT_EQ(store.totals(), HistoryTotals{});
    EXPECT_EQ(store.save(sampleRound(kMay1)), 9); // ids are not given twice
}

TEST_F(HistoryStoreTest, AnOlderFileIsMigratedWithItsRounds) {
    HistoryStore(dir.path()).save(sampleRound(kMay1, 952));
    for (const char* sql :
         {"DROP INDEX rounds_by_time", "ALTER TABLE rounds DROP COLUMN nearest",
          "ALTER TABLE rounds DROP COLUMN exact_count", "PRAGMA user_version = 1"})
        sqlOn(file(), sql);
    ASSERT_EQ(sqlOn(file(), "SELECT COUNT(*) FROM pragma_table_info('rounds')").toInt(), 16);
    HistoryStore store(dir.path());
    ASSERT_EQ(store.status(), HistoryStore::Status::Ok);
    ASSERT_EQ(store.rounds().size(), 1u);
    EXPECT_EQ(store.rounds()[0].points, 10);
    EXPECT_EQ(sqlOn(file(), "PRAGMA user_version").toInt(), HistoryStore::kSchemaVersion);
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
    EXPECT_TRUE(store.save(sampleRound(kMay1, 952)));
}

TEST_F(HistoryStoreTest, FilesItCannotUseAreLeftAloneAndHistoryIsOff) {
    const std::pair<const char*, HistoryStore::Status> rows[] = {
        {"PRAGMA user_version = 99", HistoryStore::Status::Newer},
        {"CREATE TABLE rounds (x)", HistoryStore::Status::Failed}, // not ours
    };
    for (const auto& [sql, status] : rows) {
        SCOPED_TRACE(sql);
        QFile::remove(file());
        sqlOn(file(), sql);
        const QByteArray before = bytes();
        HistoryStore store(dir.path());
        EXPECT_EQ(store.status(), status);
        EXPECT_FALSE(store.save(sampleRound(kMay1, 952)));
        EXPECT_FALSE(store.takeNotice().isEmpty());
        EXPECT_EQ(bytes(), before);
    }
}

TEST_F(HistoryStoreTest, ALockedFileTurnsHistoryOffWithoutWaitingLong) {
    HistoryStore(dir.path()).save(sampleRound(kMay1, 952));
    {
        QSqlDatabase other =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(file());
        ASSERT_TRUE(other.open() && QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        HistoryStore store(dir.path(), {.busyMilliseconds = 50});
        EXPECT_EQ(store.status(), HistoryStore::Status::Locked);
        EXPECT_TRUE(store.rounds().empty());
        EXPECT_TRUE(store.takeNotice().contains(QStringLiteral("in use")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
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
        EXPECT_FALSE(store.save(sampleRound(kMay1, 952)));
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner); // so that it can be removed
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
