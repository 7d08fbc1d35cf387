#include "store/RideExtras.h"

#include "store/ReminderSchema.h"
#include "store/ReminderStore.h"
#include "store/RideWrite.h"
#include "store/SqlFailure.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace RideExtrasTable {

namespace {

// A stored number as one of the unit's values, the default for one this
// program does not know.
template<class Unit>
Unit unitOf(const QVariant &value, Unit last)
{
    const int number = value.toInt();
    return number >= 0 && number <= int(last) ? Unit(number) : Unit(0);
}

} // namespace

QStringList tables()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS ride_extra (ride_key REAL PRIMARY KEY, bought_odometer INTEGER, "
                           "distance INTEGER NOT NULL DEFAULT 0, fuel INTEGER NOT NULL DEFAULT 0, "
                           "economy INTEGER NOT NULL DEFAULT 0)")};
}

// The rows that `condition` picks, each handed to `take(rideKey, extras)`.
template<class Take>
FileStatus select(QSqlDatabase &database, const QString &fileName, const QString &condition, const QVariantList &values,
                  Take take)
{
    // Without the table every ride has the defaults.
    bool holds = false;
    if (FileStatus status = ReminderSchema::holdsTable(database, fileName, QStringLiteral("ride_extra"), holds); !status || !holds)
        return status;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT ride_key, bought_odometer, distance, fuel, economy FROM ride_extra ") + condition);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return sqlFailure(fileName, QStringLiteral("read ") + fileName, query.lastError());
    while (query.next()) {
        RideExtras extras;
        if (!query.value(1).isNull())
            extras.boughtOdometer = query.value(1).toLongLong();
        extras.distance = unitOf(query.value(2), DistanceUnit::Kilometres);
        extras.fuel = unitOf(query.value(3), FuelUnit::Litres);
        extras.economy = unitOf(query.value(4), EconomyUnit::KmPerLitre);
        take(query.value(0).toDouble(), extras);
    }
    return {};
}

FileStatus read(QSqlDatabase &database, const QString &fileName, double rideKey, RideExtras &extras)
{
    extras = RideExtras();
    return select(database, fileName, QStringLiteral("WHERE ride_key = ?"), {rideKey},
                  [&](double, const RideExtras &found) { extras = found; });
}

FileStatus readAll(QSqlDatabase &database, const QString &fileName, std::map<double, RideExtras> &rides)
{
    rides.clear();
    return select(database, fileName, QString(), {}, [&](double rideKey, const RideExtras &found) { rides[rideKey] = found; });
}

FileStatus put(QSqlDatabase &database, const QString &fileName, double rideKey, const RideExtras &extras)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO ride_extra (ride_key, bought_odometer, distance, fuel, economy) "
                                 "VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(rideKey);
    query.addBindValue(extras.boughtOdometer ? QVariant(*extras.boughtOdometer) : QVariant(QMetaType(QMetaType::LongLong)));
    query.addBindValue(int(extras.distance));
    query.addBindValue(int(extras.fuel));
    query.addBindValue(int(extras.economy));
    if (!query.exec())
        return sqlFailure(fileName, QStringLiteral("store the units of a ride in ") + fileName, query.lastError());
    return {};
}

FileStatus removeRide(QSqlDatabase &database, const QString &fileName, double rideKey)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("DELETE FROM ride_extra WHERE ride_key = ?"));
    query.addBindValue(rideKey);
    if (!query.exec())
        return sqlFailure(fileName, QStringLiteral("delete the units of a ride in ") + fileName, query.lastError());
    return {};
}

} // namespace RideExtrasTable

namespace Store {

FileStatus readRideExtras(const ReminderStore &database, double rideKey, RideExtras &extras)
{
    return database.read([&](QSqlDatabase &db) { return RideExtrasTable::read(db, database.path(), rideKey, extras); });
}

StoreResult addRide(ReminderStore *database, const RideRecord &ride, const RideExtras &extras)
{
    if (!database || extras == RideExtras())
        return addRide(ride);
    return addRide(ride, [&](quint64 changeId) {
        return database->change(QStringLiteral("store the units of a ride"), changeId, [&](QSqlDatabase &db) {
            return RideExtrasTable::put(db, database->path(), ride.RideKey, extras);
        });
    });
}

} // namespace Store
