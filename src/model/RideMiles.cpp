#include "model/RideMiles.h"

#include "model/LogListing.h"
#include "store/LogScan.h"
#include "store/ReminderStore.h"

#include <QSqlDatabase>

#include <algorithm>
#include <optional>

namespace {

// Of one ride, or (no rideKey) of every ride.
FileStatus readReadings(const ReminderStore *database, std::optional<double> rideKey, OdometerReadings &readings)
{
    if (!database || !database->isOpen())
        return {};
    return database->read([&](QSqlDatabase &db) {
        std::vector<EntryExtrasTable::Row> rows;
        FileStatus status = EntryExtrasTable::readReadings(db, database->path(), rideKey, rows);
        for (const EntryExtrasTable::Row &row : rows)
            readings.add(row);
        if (status && rideKey)
            status = RideExtrasTable::read(db, database->path(), *rideKey, readings.rides[*rideKey]);
        else if (status)
            status = RideExtrasTable::readAll(db, database->path(), readings.rides);
        return status;
    });
}

template<class Record>
void addEach(RideOdometer &odometer, LogKind kind, const std::vector<Record> &records, const RideHistory &history)
{
    for (std::size_t i = 0; i < records.size(); ++i)
        odometer.add(kind, logEntry(records[i], 0), history.extrasOf(kind, i));
}

} // namespace

bool OdometerReadings::inLog(LogKind kind) const
{
    return std::any_of(entries.begin(), entries.end(), [kind](const auto &log) { return log.first.first == kind; });
}

EntryExtras OdometerReadings::of(LogKind kind, double rideKey, const LogEntry &entry) const
{
    const auto log = entries.find({kind, rideKey});
    return log == entries.end() ? EntryExtras() : log->second.value(entry.key);
}

std::optional<qint64> OdometerReadings::bought(double rideKey) const
{
    const auto ride = rides.find(rideKey);
    return ride == rides.end() ? std::nullopt : ride->second.boughtOdometer;
}

RideMiles milesOf(const RideOdometer &odometer, std::optional<qint64> bought)
{
    return {odometer.now(bought), odometer.base(bought) != RideOdometer::Base::LoggedMiles};
}

StoreRead<std::map<double, qint64>> milesOfEveryRide(const ReminderStore *database)
{
    StoreRead<std::map<double, qint64>> miles;
    OdometerReadings readings;
    miles.status = readReadings(database, std::nullopt, readings);
    std::map<double, RideOdometer> odometers;
    for (LogKind kind : {LogKind::Maintenance, LogKind::Trips, LogKind::Gas}) {
        if (miles.status && (kind == LogKind::Gas || readings.inLog(kind))) {
            miles.status = Store::scanEveryRide(kind, [&](double rideKey, const LogEntry &entry) {
                const EntryExtras extras = readings.of(kind, rideKey, entry);
                if (kind == LogKind::Gas || extras.odometer)
                    odometers[rideKey].add(kind, entry, extras);
            });
        }
    }
    for (const auto &[rideKey, ride] : readings.rides) {
        if (ride.boughtOdometer)
            odometers.try_emplace(rideKey);
    }
    for (const auto &[rideKey, odometer] : odometers)
        miles.value.emplace(rideKey, odometer.now(readings.bought(rideKey)));
    return miles;
}

StoreRead<RideMiles> milesOfRide(const ReminderStore *database, double rideKey, const LogListing &gas)
{
    StoreRead<RideMiles> miles;
    OdometerReadings readings;
    miles.status = readReadings(database, rideKey, readings);
    RideOdometer odometer;
    for (const LogEntry &entry : gas.entries)
        odometer.add(LogKind::Gas, entry, readings.of(LogKind::Gas, rideKey, entry));
    for (LogKind kind : {LogKind::Maintenance, LogKind::Trips}) {
        if (miles.status && readings.inLog(kind)) {
            const StoreRead<std::vector<LogEntry>> log = Store::scanLog(kind, rideKey);
            miles.status = log.status;
            for (const LogEntry &entry : log.value)
                odometer.add(kind, entry, readings.of(kind, rideKey, entry));
        }
    }
    miles.value = milesOf(odometer, readings.bought(rideKey));
    return miles;
}

RideMiles milesOf(const RideHistory &history)
{
    RideOdometer odometer;
    addEach(odometer, LogKind::Maintenance, history.maintenance, history);
    addEach(odometer, LogKind::Trips, history.trips, history);
    addEach(odometer, LogKind::Gas, history.gas, history);
    return milesOf(odometer, history.units.boughtOdometer);
}
