#pragma once

#include "data/Records.h"
#include "store/SecondPart.h"
#include "store/StoreResult.h"

#include <functional>

namespace Store {

// Appends a new ride to the ride file (recordNumber: its record). Its
// RideKey, the moment it was first saved, is set by the caller. A full ride
// file refuses it. With a second part, the ride and what that part writes
// into Torqal.db are one command (see StoreFiles).
StoreResult addRide(const RideRecord &ride, const StoreFiles::SecondPart &second = {});

// Writes record `number` as change(ride) makes it from the record on file,
// provided that record is still the ride with rideKey: an edit never lands
// on another ride. The change keeps the key.
StoreResult editRide(int number, double rideKey, const std::function<void(RideRecord &)> &change);

// Stores `path` (empty: no picture) as the picture of ride `number`, which
// must still be the ride with rideKey; the other fields stay as stored.
StoreResult setRidePicture(int number, double rideKey, const QString &path);

} // namespace Store
