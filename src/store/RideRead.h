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

} // namespace Store
