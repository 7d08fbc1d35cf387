#include "store/RideUnitsChange.h"

#include "data/RecordFile.h"
#include "data/WriteJournal.h"
#include "store/EntryExtras.h"
#include "store/ImportNote.h"
#include "store/OdometerShift.h"
#include "store/SqlFailure.h"
#include "store/ReminderStore.h"
#include "store/StoreFiles.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <cmath>
#include <limits>

namespace Store {

namespace {

// The factors from the old units to the new ones.
struct Factors
{
    double distance = 1;
    double fuel = 1;
};

qint32 convertedMiles(qint32 miles, double factor)
{
    const double converted = std::round(double(miles) * factor);
    return converted > double(std::numeric_limits<qint32>::max())   ? std::numeric_limits<qint32>::max()
           : converted < double(std::numeric_limits<qint32>::min()) ? std::numeric_limits<qint32>::min()
                                                                    : qint32(converted);
}

void convert(TripRecord &trip, const Factors &factors) { trip.Miles = convertedMiles(trip.Miles, factors.distance); }
void convert(GasRecord &fillUp, const Factors &factors)
{
    fillUp.Miles = convertedMiles(fillUp.Miles, factors.distance);
    fillUp.Gallons = float(double(fillUp.Gallons) * factors.fuel);
}

// One rewritten record: where, its new bytes, and its key before and after.
template<DataRecord Record>
struct Rewrite
{
    int number = 0;
    QByteArray bytes;
    EntryHead before;
    EntryHead after;
};

// The ride's unmarked records of the file, converted.
template<DataRecord Record>
FileStatus rewritesOf(RecordFile<Record> &file, double rideKey, const Factors &factors, std::vector<Rewrite<Record>> &rewrites)
{
    QHash<quint64, int> before, after;
    return ForEachRecordOfRide(file, rideKey, [&](int number, const Record &record) {
        if (IsMarked(record))
            return;
        Record converted = record;
        convert(converted, factors);
        const quint64 oldHead = recordHead(record);
        const QByteArray bytes = encodeRecord(converted);
        const quint64 newHead = recordHead(bytes.constData(), HeadLength<Record>);
        rewrites.push_back({number, bytes, {oldHead, before[oldHead]++}, {newHead, after[newHead]++}});
    });
}

template<DataRecord Record>
FileStatus noteRewrites(WriteJournal &journal, RecordFile<Record> &file, const std::vector<Rewrite<Record>> &rewrites)
{
    FileStatus status;
    for (std::size_t i = 0; status && i < rewrites.size(); ++i)
        status = journal.noteOverwrite(file, rewrites[i].number, rewrites[i].bytes.constData());
    return status;
}

template<DataRecord Record>
FileStatus writeRewrites(RecordFile<Record> &file, const std::vector<Rewrite<Record>> &rewrites)
{
    FileStatus status;
    for (std::size_t i = 0; status && i < rewrites.size(); ++i)
        status = file.writeBytes(rewrites[i].number, rewrites[i].bytes.constData());
    return status;
}

// Moves the log's extras of the ride to the entries' new keys, with their
// odometer readings converted.
template<DataRecord Record>
FileStatus moveExtras(QSqlDatabase &db, const QString &path, LogKind log, double rideKey,
                      const std::vector<Rewrite<Record>> &rewrites, double distance)
{
    ExtrasByHead old;
    FileStatus status = EntryExtrasTable::read(db, path, log, rideKey, old);
    for (auto row = old.cbegin(); status && row != old.cend(); ++row)
        status = EntryExtrasTable::put(db, path, log, rideKey, row.key(), {});
    for (std::size_t i = 0; status && i < rewrites.size(); ++i) {
        EntryExtras extras = old.value(rewrites[i].before);
        if (extras.empty())
            continue;
        if (extras.odometer)
            extras.odometer = qint64(std::llround(double(*extras.odometer) * distance));
        status = EntryExtrasTable::put(db, path, log, rideKey, rewrites[i].after, extras);
    }
    return status;
}

// The maintenance log's readings, whose entries keep their keys.
FileStatus convertReadings(QSqlDatabase &db, const QString &path, double rideKey, double distance)
{
    ExtrasByHead readings;
    FileStatus status = EntryExtrasTable::read(db, path, LogKind::Maintenance, rideKey, readings);
    for (auto row = readings.cbegin(); status && row != readings.cend(); ++row) {
        EntryExtras extras = row.value();
        if (!extras.odometer)
            continue;
        extras.odometer = qint64(std::llround(double(*extras.odometer) * distance));
        status = EntryExtrasTable::put(db, path, LogKind::Maintenance, rideKey, row.key(), extras);
    }
    return status;
}

// The ride's reminders by distance count in its distance unit: a
// conversion takes their figures into the new one, whole, and a figure that
// was in use stays in use (at least 1).
FileStatus convertReminders(QSqlDatabase &db, const QString &path, double rideKey, double distance)
{
    if (distance == 1)
        return {};
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "UPDATE reminder SET "
        "at_miles = CASE WHEN at_miles > 0 THEN MAX(1, CAST(ROUND(at_miles * ?) AS INTEGER)) ELSE at_miles END, "
        "every_miles = CASE WHEN every_miles > 0 THEN MAX(1, CAST(ROUND(every_miles * ?) AS INTEGER)) ELSE every_miles END, "
        "last_done_miles = CAST(ROUND(last_done_miles * ?) AS INTEGER) WHERE ride_key = ?"));
    for (int i = 0; i < 3; ++i)
        query.addBindValue(distance);
    query.addBindValue(rideKey);
    if (!query.exec())
        return sqlFailure(path, QStringLiteral("convert the ride's reminders in ") + path, query.lastError());
    return {};
}

// How far the ride's reminders move (see OdometerShift), in the new units:
// only the reading when bought, given or taken back, can move the odometer
// to another base here.
FileStatus reminderShift(const ReminderStore &database, double rideKey, const RideExtras &old, const RideExtras &units,
                         const Factors &factors, qint64 &shift)
{
    shift = 0;
    if (old.boughtOdometer.has_value() == units.boughtOdometer.has_value())
        return {};
    OdometerShift::Entries before;
    const FileStatus status = OdometerShift::read(database, rideKey, before);
    for (OdometerShift::Entries::Entry &counted : before.entries) {
        if (counted.kind == LogKind::Gas && !counted.entry.marked)
            counted.entry.miles = convertedMiles(counted.entry.miles, factors.distance);
        if (counted.extras.odometer)
            counted.extras.odometer = qint64(std::llround(double(*counted.extras.odometer) * factors.distance));
    }
    if (before.bought)
        before.bought = qint64(std::llround(double(*before.bought) * factors.distance));
    OdometerShift::Entries after = before;
    after.bought = units.boughtOdometer;
    shift = OdometerShift::between(before, after);
    return status;
}

} // namespace

StoreResult changeRideUnits(ReminderStore &database, double rideKey, const RideExtras &units, UnitsChange change)
{
    if (!database.isOpen())
        return {StoreOutcome::NothingWritten, database.status()};
    RideExtras old;
    if (FileStatus status = readRideExtras(database, rideKey, old); !status)
        return {StoreOutcome::NothingWritten, status};
    const Factors factors = change == UnitsChange::Relabel
                                ? Factors()
                                : Factors{kilometresIn(old.distance) / kilometresIn(units.distance), litresIn(old.fuel) / litresIn(units.fuel)};
    qint64 shift = 0;
    if (FileStatus status = reminderShift(database, rideKey, old, units, factors, shift); !status)
        return {StoreOutcome::NothingWritten, status};
    const auto storeUnits = [&](QSqlDatabase &db) {
        const FileStatus stored = RideExtrasTable::put(db, database.path(), rideKey, units);
        return stored ? OdometerShift::moveReminders(db, database.path(), rideKey, shift) : stored;
    };
    if (change == UnitsChange::Relabel) {
        const FileStatus status = database.change(QStringLiteral("store the units of a ride"), 0, storeUnits);
        return {status ? StoreOutcome::Written : StoreOutcome::NothingWritten, status};
    }

    FileStatus status = StoreFiles::putBackPending();
    RecordFile<TripRecord> trips(DataFileKind::Trips);
    RecordFile<GasRecord> gas(DataFileKind::Gas);
    std::vector<Rewrite<TripRecord>> tripRewrites;
    std::vector<Rewrite<GasRecord>> gasRewrites;
    if (status)
        status = OpenRecordFile(trips);
    if (status)
        status = OpenRecordFile(gas);
    if (status)
        status = rewritesOf(trips, rideKey, factors, tripRewrites);
    if (status)
        status = rewritesOf(gas, rideKey, factors, gasRewrites);
    WriteJournal journal;
    if (status)
        status = noteRewrites(journal, trips, tripRewrites);
    if (status)
        status = noteRewrites(journal, gas, gasRewrites);
    const auto storeAll = [&](QSqlDatabase &db) {
        const QString &path = database.path();
        FileStatus moved = moveExtras(db, path, LogKind::Trips, rideKey, tripRewrites, factors.distance);
        if (moved)
            moved = moveExtras(db, path, LogKind::Gas, rideKey, gasRewrites, factors.distance);
        if (moved)
            moved = convertReadings(db, path, rideKey, factors.distance);
        if (moved)
            moved = convertReminders(db, path, rideKey, factors.distance);
        // The ride's imports hold values in the old units; a log file
        // rewritten here has changed, whichever ride's import it notes.
        if (moved)
            moved = ImportNoteTable::forgetRide(db, path, rideKey);
        if (moved && !tripRewrites.empty())
            moved = ImportNoteTable::forget(db, path, LogKind::Trips);
        if (moved && !gasRewrites.empty())
            moved = ImportNoteTable::forget(db, path, LogKind::Gas);
        return moved ? storeUnits(db) : moved;
    };
    FileStatus warning;
    if (status && tripRewrites.empty() && gasRewrites.empty()) {
        status = database.change(QStringLiteral("convert the units of a ride"), 0, storeAll);
    } else if (status) {
        status = StoreFiles::writeUnderJournal(
            journal,
            [&] {
                FileStatus written = writeRewrites(trips, tripRewrites);
                return written ? writeRewrites(gas, gasRewrites) : written;
            },
            warning, [&](quint64 changeId) { return database.change(QStringLiteral("convert the units of a ride"), changeId, storeAll); });
    }
    const FileStatus tripsClosed = CloseRecordFile(trips);
    const FileStatus gasClosed = CloseRecordFile(gas);
    if (!status)
        return {StoreOutcome::NothingWritten, status};
    if (!warning)
        return {StoreOutcome::WrittenWithWarning, warning};
    if (!tripsClosed || !gasClosed)
        return {StoreOutcome::WrittenWithWarning, StoreFiles::asWarning(tripsClosed ? gasClosed : tripsClosed)};
    return {StoreOutcome::Written, {}};
}

} // namespace Store
