#include "store/OdometerShift.h"

#include "store/LogScan.h"
#include "store/ReminderStore.h"
#include "store/RideExtras.h"
#include "store/SqlFailure.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>

namespace OdometerShift {

RideOdometer Entries::odometer() const
{
    RideOdometer odometer;
    for (const Entry &counted : entries)
        odometer.add(counted.kind, counted.entry, counted.extras);
    return odometer;
}

Entries::Entry *Entries::find(LogKind kind, int recordNumber)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry &counted) {
        return counted.kind == kind && counted.entry.recordNumber == recordNumber;
    });
    return found == entries.end() ? nullptr : &*found;
}

void Entries::remove(LogKind kind, int recordNumber)
{
    std::erase_if(entries, [&](const Entry &counted) { return counted.kind == kind && counted.entry.recordNumber == recordNumber; });
}

FileStatus read(const ReminderStore &database, double rideKey, Entries &entries, LogKind knownKind,
                const std::vector<LogEntry> *known)
{
    entries = {};
    RideExtras ride;
    FileStatus status = Store::readRideExtras(database, rideKey, ride);
    entries.bought = ride.boughtOdometer;
    for (LogKind kind : {LogKind::Maintenance, LogKind::Trips, LogKind::Gas}) {
        StoreRead<std::vector<LogEntry>> scanned;
        const bool read = known && kind == knownKind;
        if (status && !read) {
            scanned = Store::scanLog(kind, rideKey);
            status = scanned.status;
        }
        ExtrasByHead extras;
        if (status)
            status = database.read([&](QSqlDatabase &db) { return EntryExtrasTable::read(db, database.path(), kind, rideKey, extras); });
        if (!status)
            return status;
        for (const LogEntry &entry : read ? *known : scanned.value)
            entries.add(kind, entry, extras.value(entry.key));
    }
    return status;
}

qint64 between(const Entries &before, const Entries &after)
{
    const RideOdometer was = before.odometer();
    const RideOdometer is = after.odometer();
    if (was.base(before.bought) == is.base(after.bought))
        return 0;
    return is.now(after.bought) - was.now(before.bought);
}

FileStatus moveReminders(QSqlDatabase &database, const QString &fileName, double rideKey, qint64 miles)
{
    if (miles == 0)
        return {};
    QSqlQuery query(database);
    for (const QString &statement :
         {QStringLiteral("UPDATE reminder SET last_done_miles = MAX(0, last_done_miles + ?) WHERE ride_key = ? AND repeating <> 0"),
          QStringLiteral("UPDATE reminder SET at_miles = MAX(1, at_miles + ?) "
                         "WHERE ride_key = ? AND repeating = 0 AND at_miles > 0 AND (last_done_date IS NULL OR last_done_date = '')")}) {
        query.prepare(statement);
        query.addBindValue(miles);
        query.addBindValue(rideKey);
        if (!query.exec())
            return sqlFailure(fileName, QStringLiteral("move the ride's reminders with its odometer in ") + fileName, query.lastError());
    }
    return {};
}

} // namespace OdometerShift
