#pragma once

#include "store/RideExtras.h"
#include "store/StoreResult.h"

class ReminderStore;

namespace Store {

// How a ride's entries take new units.
enum class UnitsChange {
    Relabel, // the numbers already are in the new units: only their names change
    Convert, // the numbers are recalculated into the new units
};

// Gives the ride `units` (and the odometer reading when it was bought that
// `units` holds, in the new units). Converting recalculates the miles and
// gallons of the ride's trip and gasoline entries (miles stay whole) and
// every odometer reading of it, and moves each entry's extras with it: the
// data files and Torqal.db change in one command, both or neither. An entry
// an older program left marked deleted keeps its numbers.
StoreResult changeRideUnits(ReminderStore &database, double rideKey, const RideExtras &units, UnitsChange change);

} // namespace Store
