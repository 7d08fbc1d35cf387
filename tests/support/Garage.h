#pragma once

// A small garage of data files for the tests of the store's commands.

#include "data/DataTestSupport.h"
#include "logs/LogTestSupport.h"

namespace Garage {

// Rides 1 to 3 (DataTest::ride). Maintenance and trip entries of rides 1
// and 2, interleaved; gasoline entries of ride 2 alone; no goodies file.
inline void write()
{
    using namespace DataTest;
    writeFileOf<RideRecord>("Torqal.Dat", {ride(1), ride(2), ride(3)});
    QList<ExpenseRecord> maintenance;
    QList<TripRecord> trips;
    QList<GasRecord> fillUps;
    for (int id = 1; id <= 4; ++id) {
        const double key = ride(2 - id % 2).RideKey;
        maintenance << expense(id, key);
        trips << LogTest::trip(key, 39000 + id, QStringLiteral("Trip %1").arg(id), 10 * id);
        fillUps << gas(id, ride(2).RideKey);
    }
    writeFileOf("Maint.Dat", maintenance);
    writeFileOf("Trip.Dat", trips);
    writeFileOf("Gas.Dat", fillUps);
}

// The five data files' bytes by name; a missing file reads as empty, as it
// holds no records either.
using FolderState = QMap<QString, QByteArray>;

inline FolderState dataFiles()
{
    FolderState state;
    for (const DataFileInfo &info : DataFileTable())
        state[info.name] = DataTest::bytesOf(info.name);
    return state;
}

} // namespace Garage
