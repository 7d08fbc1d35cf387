#pragma once

#include "data/FileStatus.h"
#include "data/Records.h"
#include "store/LogKind.h"

#include <QHash>

#include <optional>
#include <vector>

class QSqlDatabase;

// What a log entry holds beyond its record: values the data files have no
// field for, kept in Torqal.db so that the files keep their layout and every
// older program reads them as before.
struct EntryExtras
{
    std::optional<qint64> odometer; // the reading, in the ride's distance unit
    std::optional<qint64> cost;     // what the fill-up cost, in ten-thousandths
    bool partial = false;           // the tank was not filled
    bool missed = false;            // the fill-up before this one is not in the log

    bool empty() const { return !odometer && !cost && !partial && !missed; }
    bool operator==(const EntryExtras &) const = default;
};

// Which entry of a log a row of extras belongs to. A record is known by its
// head, the bytes before its notes (ride, date, amounts and description),
// and by how many unmarked records of its log with the same head stand
// before it: identical heads belong to one ride and one day and are listed
// in file order, so the n-th of them is the same entry after a compaction.
// An entry whose head another program changes loses its extras (torqal-data
// check names them) and never takes another entry's; its notes may change.
struct EntryHead
{
    quint64 head = 0;
    int occurrence = 0;

    bool operator==(const EntryHead &) const = default;
};
inline size_t qHash(const EntryHead &key, size_t seed = 0) { return qHashMulti(seed, key.head, key.occurrence); }

using ExtrasByHead = QHash<EntryHead, EntryExtras>;

// The head's hash of a record's bytes, the same in every program version.
quint64 recordHead(const char *bytes, int length);

template<DataRecord Record>
inline constexpr int HeadLength = Record::Length - Record::NotesWidth;

template<DataRecord Record>
quint64 recordHead(const Record &record)
{
    const QByteArray bytes = encodeRecord(record);
    return recordHead(bytes.constData(), HeadLength<Record>);
}

// The entries' extras in Torqal.db, inside a transaction of its store.
namespace EntryExtrasTable {

// The tables' statements, an addition to the database's layout.
QStringList tables();

FileStatus read(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey, ExtrasByHead &extras);

// Stores the extras of the entry, replacing any it had; empty extras remove
// its row.
FileStatus put(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey, EntryHead entry,
               const EntryExtras &extras);
// The same for many entries (`extras` in their order; entries beyond it have
// none), each statement prepared once: what an import of thousands of
// entries takes.
FileStatus putAll(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey,
                  const std::vector<EntryHead> &entries, const std::vector<EntryExtras> &extras);

// The entry leaves its log: its row goes, and the later entries of the same
// head move up one place.
FileStatus remove(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey, EntryHead entry);

// An entry comes to stand at `entry` among those of its head: the ones from
// there on move down one place.
FileStatus makeRoom(QSqlDatabase &database, const QString &fileName, LogKind log, double rideKey, EntryHead entry);

// Every row of the ride goes, with the ride.
FileStatus removeRide(QSqlDatabase &database, const QString &fileName, double rideKey);

// Every row, for torqal-data check.
struct Row
{
    LogKind log;
    double rideKey = 0;
    EntryHead entry;
    EntryExtras extras;
};
FileStatus readAll(QSqlDatabase &database, const QString &fileName, std::vector<Row> &rows);
// The rows that hold an odometer reading, of one ride or (no rideKey) of
// every ride, in one query: what the rides' odometers need (see RideOdometer).
FileStatus readReadings(QSqlDatabase &database, const QString &fileName, std::optional<double> rideKey, std::vector<Row> &rows);

} // namespace EntryExtrasTable
