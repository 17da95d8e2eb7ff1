#pragma once

#include "roundrecord.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// Totals over the rounds played against the clock; rounds set by hand are listed, not counted.
struct HistoryTotals {
    int rounds = 0;
    int exactHits = 0;
    std::optional<double> averageDistance; // over the rounds with a checked value
    std::int64_t points = 0;
    int bestStreak = 0;       // most exact hits in a row
    std::int64_t bestDay = 0; // most points in one day, the player's local day

    friend bool operator==(const HistoryTotals&, const HistoryTotals&) = default;
};

struct HistoryStoreOptions {
    bool createMissing = true; // false: a missing file reads as an empty history
    int busyMilliseconds = 2000;
};

// The round history: one SQLite file, <folder>/history.sqlite, in WAL mode so that two running
// games can share it. The schema's version is the file's user_version; an older file is
// migrated in one transaction when opened. A file that is damaged is renamed to
// history.sqlite.damaged-<time> and a new one is started; one that is locked, unwritable or
// of a newer version is left alone and history is off. Nothing here throws or stops the game:
// a problem turns the store off and is described by status() and message().
class HistoryStore {
    Q_DECLARE_TR_FUNCTIONS(HistoryStore)

public:
    enum class Status {
        Ok,         // working (or, without createMissing, no file yet)
        SetAside,   // working: a damaged file was kept aside and a new history started
        Locked,     // off: another program held the file past the busy timeout
        Unwritable, // off: the folder or the file cannot be written
        Newer,      // off: the file is of a newer schema; it is not touched
        Failed,     // off: no SQLite driver, an I/O error, a file that is no history of ours
    };
    using Options = HistoryStoreOptions;
    static constexpr int kSchemaVersion = 2;

    // `folder` empty: defaultFolder().
    explicit HistoryStore(QString folder = {}, Options options = {});
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;
    ~HistoryStore();

    // $TALLYRUN_DATA_DIR, else the application's data folder (named after the application).
    static QString defaultFolder();

    // Ok or the first problem met; the store stays off after any problem but SetAside.
    Status status() const { return m_status; }
    bool usable() const { return m_db.isOpen(); }
    // What the player is told about status(); empty while Ok.
    QString message() const;
    // message() the first time it is not empty, then empty: the player is told once.
    QString takeNotice();

    // Adds the record, or replaces the round with its id. Returns the round's id, or nothing
    // when the history is off or the write failed (which turns it off).
    std::optional<std::int64_t> save(const RoundRecord& record);
    // Deletes every round.
    bool clear();
    // Newest first; all when limit < 0.
    std::vector<RoundRecord> rounds(int limit = -1);
    HistoryTotals totals();

private:
    bool open(bool retryAfterSetAside);
    bool prepare();
    bool fail(const class QSqlError& error);
    bool setAside();

    QString m_folder;
    QString m_file;
    Options m_options;
    QString m_connection;
    QSqlDatabase m_db;
    Status m_status = Status::Ok;
    QString m_detail; // the SQL error's text, or where a damaged file went
    bool m_damaged = false;
    bool m_told = false;
};
