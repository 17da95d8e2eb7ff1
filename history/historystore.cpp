#include "historystore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <atomic>
#include <type_traits>

namespace {

const QString kFileName = QStringLiteral("history.sqlite");

// Each step brings the file to its version; a file's user_version says which steps it has.
struct Migration {
    int version;
    const char* sql;
};
constexpr Migration kMigrations[] = {
    // AUTOINCREMENT: an id is never given again, even after a clear, so that a round
    // completed late can never replace another.
    {1, "CREATE TABLE rounds (id INTEGER PRIMARY KEY AUTOINCREMENT, played_at INTEGER NOT NULL, "
        "utc_offset INTEGER NOT NULL DEFAULT 0, n1 INTEGER NOT NULL, n2 INTEGER NOT NULL, "
        "n3 INTEGER NOT NULL, n4 INTEGER NOT NULL, n5 INTEGER NOT NULL, n6 INTEGER NOT NULL, "
        "target INTEGER NOT NULL, round_seconds INTEGER NOT NULL, "
        "seconds_used INTEGER NOT NULL, best INTEGER, distance INTEGER, "
        "points INTEGER NOT NULL DEFAULT 0, manual INTEGER NOT NULL DEFAULT 0)"},
    {2, "ALTER TABLE rounds ADD COLUMN exact_count INTEGER"},
    {2, "ALTER TABLE rounds ADD COLUMN nearest INTEGER"},
    {2, "CREATE INDEX rounds_by_time ON rounds (played_at, id)"},
};

constexpr const char* kColumns = "id, played_at, utc_offset, n1, n2, n3, n4, n5, n6, target, "
                                 "round_seconds, seconds_used, best, distance, points, "
                                 "exact_count, nearest, manual";

// SQLite's primary result codes that decide what becomes of the file.
enum SqliteCode { Busy = 5, Locked = 6, ReadOnly = 8, Corrupt = 11, CantOpen = 14, NotADb = 26 };

int sqliteCode(const QSqlError& error) {
    return error.nativeErrorCode().toInt() & 0xFF;
}

template <typename T> QVariant orNull(const std::optional<T>& value) {
    return value ? QVariant::fromValue(*value) : QVariant();
}

template <typename T> std::optional<T> optionalOf(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    if constexpr (std::is_floating_point_v<T>)
        return value.toDouble();
    else
        return static_cast<T>(value.toLongLong());
}

RoundRecord recordOf(const QSqlQuery& q) {
    RoundRecord r;
    r.id = q.value(0).toLongLong();
    r.playedAt = q.value(1).toLongLong();
    r.utcOffset = q.value(2).toInt();
    for (int i = 0; i < kSlotCount; ++i)
        r.numbers[static_cast<std::size_t>(i)] = q.value(3 + i).toInt();
    r.target = q.value(9).toInt();
    r.roundSeconds = q.value(10).toInt();
    r.secondsUsed = q.value(11).toInt();
    r.best = optionalOf<std::int32_t>(q.value(12));
    r.distance = optionalOf<std::int64_t>(q.value(13));
    r.points = q.value(14).toInt();
    r.exactCount = optionalOf<int>(q.value(15));
    r.nearest = optionalOf<std::int32_t>(q.value(16));
    r.manual = q.value(17).toBool();
    return r;
}

// Each store has a connection of its own, so that two stores never share one.
int nextConnection() {
    static std::atomic<int> connections{0};
    return connections++;
}

} // namespace

HistoryStore::HistoryStore(QString folder, Options options)
    : m_folder(folder.isEmpty() ? defaultFolder() : std::move(folder)),
      m_file(QDir(m_folder).filePath(kFileName)), m_options(options),
      m_connection(QStringLiteral("tallyrun-history-%1").arg(nextConnection())) {
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setConnectOptions(
        QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_options.busyMilliseconds));
    m_db.setDatabaseName(m_file);
    open(true);
}

HistoryStore::~HistoryStore() {
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

QString HistoryStore::defaultFolder() {
    const QString fromEnv = qEnvironmentVariable("TALLYRUN_DATA_DIR");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool HistoryStore::open(bool retryAfterSetAside) {
    if (!QFileInfo::exists(m_file)) {
        if (!m_options.createMissing)
            return false;
        if (!QDir().mkpath(m_folder)) {
            m_status = Status::Unwritable;
            return false;
        }
    }
    if (!m_db.isValid())
        return fail(m_db.lastError());
    if (!m_db.open())
        return fail(m_db.lastError());
    if (!prepare()) {
        m_db.close();
        if (!m_damaged)
            return false;
        if (!retryAfterSetAside || !setAside())
            return false;
        m_status = Status::SetAside;
        return open(false);
    }
    return true;
}

// Checks the file and migrates it in one transaction, then switches it to WAL. A file that
// is not ours or is newer is left as it was.
bool HistoryStore::prepare() {
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")))
        return fail(q.lastError());
    if (!q.next() || q.value(0).toString() != QLatin1String("ok")) {
        m_damaged = true;
        return false;
    }
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(q.lastError());
    int version = -1;
    if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
        version = q.value(0).toInt();
    bool ok = version >= 0 && version <= kSchemaVersion;
    for (const Migration& step : kMigrations) {
        if (ok && step.version > version)
            ok = q.exec(QString::fromLatin1(step.sql));
    }
    if (ok && version < kSchemaVersion)
        ok = q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    if (!ok || !q.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = q.lastError();
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        if (version > kSchemaVersion) {
            m_status = Status::Newer;
            return false;
        }
        return fail(error);
    }
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return fail(q.lastError());
    return true;
}

// Records the problem and turns the history off. Always false.
bool HistoryStore::fail(const QSqlError& error) {
    switch (sqliteCode(error)) {
    case Busy:
    case Locked:
        m_status = Status::Locked;
        break;
    case ReadOnly:
    case CantOpen:
        m_status = Status::Unwritable;
        break;
    case Corrupt:
    case NotADb:
        m_damaged = true;
        m_status = Status::Failed;
        break;
    default:
        m_status = Status::Failed;
        break;
    }
    m_detail = error.text();
    m_db.close();
    return false;
}

// Renames the damaged file and its journal files; nothing is overwritten or deleted.
bool HistoryStore::setAside() {
    const QString aside =
        m_file + QStringLiteral(".damaged-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmsszzz"));
    if (QFileInfo::exists(aside) || !QFile::rename(m_file, aside)) {
        m_status = Status::Failed;
        m_detail = tr("the damaged file cannot be renamed");
        return false;
    }
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(m_file + suffix))
            QFile::rename(m_file + suffix, aside + suffix);
    }
    m_detail = aside;
    m_damaged = false;
    return true;
}

QString HistoryStore::message() const {
    switch (m_status) {
    case Status::Ok:
        return {};
    case Status::SetAside:
        return tr("The round history was damaged. It was kept as %1 and the history starts "
                  "afresh.")
            .arg(QDir::toNativeSeparators(m_detail));
    case Status::Locked:
        return tr("The round history %1 is in use by another program. Play goes on without "
                  "history.")
            .arg(QDir::toNativeSeparators(m_file));
    case Status::Unwritable:
        return tr("The round history %1 cannot be written. Play goes on without history.")
            .arg(QDir::toNativeSeparators(m_file));
    case Status::Newer:
        return tr("The round history %1 comes from a newer version of the game and is left as "
                  "it is. Play goes on without history.")
            .arg(QDir::toNativeSeparators(m_file));
    case Status::Failed:
        break;
    }
    return tr("The round history %1 cannot be used (%2). Play goes on without history.")
        .arg(QDir::toNativeSeparators(m_file), m_detail);
}

QString HistoryStore::takeNotice() {
    if (m_told || m_status == Status::Ok)
        return {};
    m_told = true;
    return message();
}

std::optional<std::int64_t> HistoryStore::save(const RoundRecord& record) {
    if (!usable())
        return std::nullopt;
    QSqlQuery q(m_db);
    // A round with an id replaces its row; REPLACE keeps the id, as no other column is unique.
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO rounds (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                             "?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(QLatin1String(kColumns)));
    q.addBindValue(record.id > 0 ? QVariant::fromValue(record.id) : QVariant());
    q.addBindValue(QVariant::fromValue(record.playedAt));
    q.addBindValue(record.utcOffset);
    for (const std::int32_t n : record.numbers)
        q.addBindValue(n);
    q.addBindValue(record.target);
    q.addBindValue(record.roundSeconds);
    q.addBindValue(record.secondsUsed);
    q.addBindValue(orNull(record.best));
    q.addBindValue(orNull(record.distance));
    q.addBindValue(record.points);
    q.addBindValue(orNull(record.exactCount));
    q.addBindValue(orNull(record.nearest));
    q.addBindValue(record.manual ? 1 : 0);
    // One statement: SQLite runs it as one transaction.
    if (!q.exec()) {
        fail(q.lastError());
        return std::nullopt;
    }
    return record.id > 0 ? record.id : q.lastInsertId().toLongLong();
}

bool HistoryStore::clear() {
    if (!usable())
        return false;
    QSqlQuery q(m_db);
    return q.exec(QStringLiteral("DELETE FROM rounds")) || fail(q.lastError());
}

std::vector<RoundRecord> HistoryStore::rounds(int limit) {
    std::vector<RoundRecord> found;
    if (!usable())
        return found;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM rounds ORDER BY played_at DESC, id DESC LIMIT %2")
                    .arg(QLatin1String(kColumns))
                    .arg(limit < 0 ? -1 : limit))) {
        fail(q.lastError());
        return found;
    }
    while (q.next())
        found.push_back(recordOf(q));
    return found;
}

HistoryTotals HistoryStore::totals() {
    HistoryTotals t;
    if (!usable())
        return t;
    QSqlQuery q(m_db);
    // A streak is a run of exact hits in the order played; each miss starts a new run number.
    const bool ok =
        q.exec(QStringLiteral(
            "WITH played AS (SELECT * FROM rounds WHERE manual = 0), "
            "runs AS (SELECT distance = 0 AS hit, SUM(CASE WHEN distance = 0 THEN 0 ELSE 1 END) "
            "OVER (ORDER BY played_at, id ROWS UNBOUNDED PRECEDING) AS run FROM played), "
            "days AS (SELECT SUM(points) AS points FROM played "
            "GROUP BY (played_at + utc_offset) / 86400) "
            "SELECT COUNT(*), TOTAL(distance = 0), AVG(distance), TOTAL(points), "
            "(SELECT MAX(n) FROM (SELECT COUNT(*) AS n FROM runs WHERE hit GROUP BY run)), "
            "(SELECT MAX(points) FROM days) FROM played")) &&
        q.next();
    if (!ok) {
        fail(q.lastError());
        return t;
    }
    t.rounds = q.value(0).toInt();
    t.exactHits = q.value(1).toInt();
    t.averageDistance = optionalOf<double>(q.value(2));
    t.points = q.value(3).toLongLong();
    t.bestStreak = q.value(4).toInt();
    t.bestDay = q.value(5).toLongLong();
    return t;
}
