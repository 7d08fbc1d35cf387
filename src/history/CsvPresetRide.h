#pragma once

#include "model/LogEntryRequest.h"
#include "store/RideExtras.h"
#include "store/StoreResult.h"

#include <vector>

class ReminderStore;

// What an import under a preset needs to know of the ride (see
// CsvPresets::finish): its units, and the odometer readings of its log.
namespace CsvPresets {

struct ImportRide
{
    RideExtras units;
    std::vector<OdometerReading> readings; // in the ride's units
};

// The ride's units and the readings of its log `kind` from the log file and
// Torqal.db; without Torqal.db (null or not open) the units every ride had
// before rides had units, and no readings. On failure the value holds what
// was read before it, and the failure names the file.
StoreRead<ImportRide> importRide(const ReminderStore *database, double rideKey, LogKind kind);

} // namespace CsvPresets
