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
    RoundRecord r;
    r.playedAt = at;
    r.numbers = {100, 75, 50, 25, 6, 3};
    r.target = 952;
    r.roundSeconds = 45;
    r.secondsUsed = 45;
    r.distance = distance;
    r.best = distance ? std::optional<std::int32_t>(952 - static_cast<std::int32_t>(*distance))
                      : std::nullopt;
    r.points = points;
    r.manual = manual;
    return r;
}

// A second connection of the test's own to the file, for what the store must live with.
class RawFile {
public:
    explicit RawFile(const QString& file) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        m_db.setDatabaseName(file);
        m_db.open();
    }
    ~RawFile() {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }
    QVariant value(const QString& sql) {
        QSqlQuery q(m_db);
        return q.exec(sql) && q.next() ? q.value(0) : QVariant();
    }
    bool exec(const QString& sql) { return QSqlQuery(m_db).exec(sql); }

private:
    QSqlDatabase m_db;
};

class HistoryStoreTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("history.sqlite")); }
    void write(const QByteArray& bytes) {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(HistoryStoreTest, AnEmptyFolderGetsANewHistoryInWalMode) {
    HistoryStore store(dir.path());
    ASSERT_TRUE(store.usable());
    EXPECT_EQ(store.status(), HistoryStore::Status::Ok);
    EXPECT_EQ(store.takeNotice(), QString());
    RawFile raw(file());
    EXPECT_EQ(raw.value(QStringLiteral("PRAGMA user_version")).toInt(),
              HistoryStore::kSchemaVersion);
    EXPECT_EQ(raw.value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
}

TEST_F(HistoryStoreTest, ARoundIsAddedThenCompletedUnderItsId) {
    HistoryStore store(dir.path());
    RoundRecord round = played(kMay1, {}, 0);
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
    const RoundRecord later = played(kMay1 + 60, 0, 10);
    ASSERT_TRUE(store.save(later));
    const std::vector<RoundRecord> rounds = store.rounds();
    ASSERT_EQ(rounds.size(), 2u);
    EXPECT_EQ(rounds[0].playedAt, later.playedAt); // newest first
    EXPECT_EQ(rounds[1], round);
    EXPECT_EQ(store.rounds(1).size(), 1u);
    EXPECT_TRUE(store.clear());
    EXPECT_TRUE(store.rounds().empty());
}

TEST_F(HistoryStoreTest, TotalsCountThePlayedRounds) {
    HistoryStore store(dir.path());
    const RoundRecord rounds[] = {
        played(kMay1 + 100, 0, 10),       played(kMay1 + 200, 0, 10),
        played(kMay1 + 300, 0, 10, true), // set by hand: not counted, breaks no streak
        played(kMay1 + 400, 0, 10),       played(kMay1 + 500, 4, 5),
        played(kMay1 + kDay, {}, 0),      played(kMay1 + kDay + 60, 0, 10),
        played(kMay1 + kDay + 120, 1, 8),
    };
    for (const RoundRecord& r : rounds)
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
    {
        RawFile raw(file());
        ASSERT_TRUE(raw.exec(QStringLiteral(
            "CREATE TABLE rounds (id INTEGER PRIMARY KEY, played_at INTEGER NOT NULL, utc_offset "
            "INTEGER NOT NULL DEFAULT 0, n1 INTEGER NOT NULL, n2 INTEGER NOT NULL, n3 INTEGER NOT "
            "NULL, n4 INTEGER NOT NULL, n5 INTEGER NOT NULL, n6 INTEGER NOT NULL, target INTEGER "
            "NOT NULL, round_seconds INTEGER NOT NULL, seconds_used INTEGER NOT NULL, best "
            "INTEGER, distance INTEGER, points INTEGER NOT NULL DEFAULT 0, manual INTEGER NOT "
            "NULL DEFAULT 0)")));
        ASSERT_TRUE(raw.exec(QStringLiteral("INSERT INTO rounds VALUES (4, %1, 0, 100, 75, 50, 25, "
                                            "6, 3, 952, 45, 30, 952, 0, 10, 0)")
                                 .arg(kMay1)));
        ASSERT_TRUE(raw.exec(QStringLiteral("PRAGMA user_version = 1")));
    }
    HistoryStore store(dir.path());
    ASSERT_EQ(store.status(), HistoryStore::Status::Ok);
    const std::vector<RoundRecord> rounds = store.rounds();
    ASSERT_EQ(rounds.size(), 1u);
    EXPECT_EQ(rounds[0].id, 4);
    EXPECT_EQ(rounds[0].points, 10);
    EXPECT_EQ(rounds[0].exactCount, std::nullopt);
    EXPECT_EQ(RawFile(file()).value(QStringLiteral("PRAGMA user_version")).toInt(),
              HistoryStore::kSchemaVersion);
}

TEST_F(HistoryStoreTest, ADamagedFileIsKeptAsideAndANewOneStarted) {
    const QByteArray garbage(4096, '\x5a');
    write(garbage);
    HistoryStore store(dir.path());
    ASSERT_TRUE(store.usable());
    EXPECT_EQ(store.status(), HistoryStore::Status::SetAside);
    const QStringList aside =
        QDir(dir.path()).entryList({QStringLiteral("history.sqlite.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(dir.filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);
    EXPECT_TRUE(store.takeNotice().contains(aside[0]));
    EXPECT_EQ(store.takeNotice(), QString()); // told once
    EXPECT_TRUE(store.save(played(kMay1, 0, 10)));
}

TEST_F(HistoryStoreTest, FilesItCannotUseAreLeftAloneAndHistoryIsOff) {
    struct Row {
        const char* name;
        const char* sql;
        HistoryStore::Status status;
    };
    const Row rows[] = {
        {"Newer", "PRAGMA user_version = 99", HistoryStore::Status::Newer},
        {"NotOurs", "CREATE TABLE rounds (x)", HistoryStore::Status::Failed},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(file());
        RawFile(file()).exec(QString::fromLatin1(row.sql));
        const QByteArray before = [&] {
            QFile f(file());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        HistoryStore store(dir.path());
        EXPECT_EQ(store.status(), row.status);
        EXPECT_FALSE(store.usable());
        EXPECT_FALSE(store.save(played(kMay1, 0, 10)));
        EXPECT_FALSE(store.takeNotice().isEmpty());
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before);
    }
}

TEST_F(HistoryStoreTest, ALockedFileTurnsHistoryOffWithoutWaitingLong) {
    HistoryStore(dir.path()).save(played(kMay1, 0, 10));
    RawFile other(file());
    ASSERT_TRUE(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    HistoryStore store(dir.path(), {.createMissing = true, .busyMilliseconds = 50});
    EXPECT_EQ(store.status(), HistoryStore::Status::Locked);
    EXPECT_TRUE(store.rounds().empty());
    EXPECT_TRUE(store.takeNotice().contains(QStringLiteral("in use")));
    other.exec(QStringLiteral("ROLLBACK"));
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

TEST_F(HistoryStoreTest, AMissingFileIsNotMadeWhenOnlyReading) {
    HistoryStore store(dir.path(), {.createMissing = false});
    EXPECT_EQ(store.status(), HistoryStore::Status::Ok);
    EXPECT_TRUE(store.rounds().empty());
    EXPECT_FALSE(QFileInfo::exists(file()));
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
