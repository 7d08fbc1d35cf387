#pragma once

#include "data/FileStatus.h"
#include "data/Records.h"
#include "store/StoreResult.h"

#include <QtGlobal>

#include <map>
#include <optional>

class QSqlDatabase;
class ReminderStore;

// The units a ride's entries are kept in: the numbers of its trip and
// gasoline entries (and its odometer readings) mean what these say. The
// values are stored in Torqal.db; never renumber them.
enum class DistanceUnit { Miles = 0, Kilometres = 1 };
enum class FuelUnit { UsGallons = 0, ImperialGallons = 1, Litres = 2 };
enum class EconomyUnit { MilesPerGallon = 0, LitresPer100Km = 1, KmPerLitre = 2 };

// How many kilometres a distance unit is, and how many litres a fuel unit.
constexpr double kilometresIn(DistanceUnit unit) { return unit == DistanceUnit::Kilometres ? 1.0 : 1.609344; }
constexpr double litresIn(FuelUnit unit)
{
    return unit == FuelUnit::Litres ? 1.0 : unit == FuelUnit::ImperialGallons ? 4.54609 : 3.785411784;
}

// What a ride holds beyond its record, in Torqal.db. A ride without a row
// there counts in miles and US gallons and shows miles per gallon, as every
// ride did before.
struct RideExtras
{
    DistanceUnit distance = DistanceUnit::Miles;
    FuelUnit fuel = FuelUnit::UsGallons;
    EconomyUnit economy = EconomyUnit::MilesPerGallon;
    std::optional<qint64> boughtOdometer; // the reading when it was bought

    bool operator==(const RideExtras &) const = default;
};

namespace RideExtrasTable {

// The table's statements, an addition to the database's layout.
QStringList tables();

FileStatus read(QSqlDatabase &database, const QString &fileName, double rideKey, RideExtras &extras);
FileStatus put(QSqlDatabase &database, const QString &fileName, double rideKey, const RideExtras &extras);
FileStatus removeRide(QSqlDatabase &database, const QString &fileName, double rideKey);
// Every ride's that has a row, by its key.
FileStatus readAll(QSqlDatabase &database, const QString &fileName, std::map<double, RideExtras> &rides);

} // namespace RideExtrasTable

namespace Store {

// The ride's extras; a ride without any has the defaults.
FileStatus readRideExtras(const ReminderStore &database, double rideKey, RideExtras &extras);

// Adds the ride (see addRide) with its extras, one command; extras of the
// defaults need no Torqal.db, and without one the ride is added alone.
StoreResult addRide(ReminderStore *database, const RideRecord &ride, const RideExtras &extras);

} // namespace Store
