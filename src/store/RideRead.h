#pragma once

#include "data/Records.h"
#include "store/StoreResult.h"

#include <QStringList>

#include <map>
#include <vector>

// A ride on file as the rides menu lists it.
struct RideListing
{
    double rideKey = 0;
    QString label; // see RideLabels::MenuLabel
};

namespace Store {

// The rides on file (also as recordCount).
StoreRead<int> countRides();

// Record `number` of the ride file (recordCount: the rides on file).
StoreRead<RideRecord> readRide(int number);

// The item of every ride in the rides menu, in file order (see
// RideLabels::MenuLabel); only the name fields of each record are decoded.
StoreRead<QStringList> readRideLabels();

// Every ride on file in file order (record number = index + 1), with its key
// and its item in the rides menu.
StoreRead<std::vector<RideListing>> readRideListings();

// The miles the program knows of each ride with gasoline entries, by
// RideKey: the sum of its gasoline log's miles travelled, read from Gas.Dat.
// On failure the sums hold what was read before it, and the failure names
// the file.
StoreRead<std::map<double, qint64>> readRideMiles();

} // namespace Store
