#pragma once

#include "data/Records.h"
#include "store/LogEntry.h"
#include "store/LogKind.h"
#include "store/StoreResult.h"

#include <functional>
#include <vector>

namespace Store {

// The entries of one ride in one log, as its list shows them: the log file's
// records whose ride key equals rideKey (exactly; a key of 0 belongs to no
// ride, so it lists nothing), sorted by their "yyyymmdd" key; entries of the
// same day keep the order in which they stand in the file, which is the
// order in which they were added. The notes are not read. A missing file is
// created empty and lists nothing. After a failure the value holds the
// entries read before it.
StoreRead<std::vector<LogEntry>> scanLog(LogKind kind, double rideKey);

// Every entry of the log, of every ride, in file order, as scanLog lists
// it: visit(rideKey, entry) for each. The notes are not read.
FileStatus scanEveryRide(LogKind kind, const std::function<void(double rideKey, const LogEntry &entry)> &visit);

// The notes of record `recordNumber` of the log file without the blanks
// after them (those they start with stay).
StoreRead<QString> readLogNotes(LogKind kind, int recordNumber);

// Every entry of one ride in the four logs, whole, in file order.
struct RideLogs
{
    std::vector<ExpenseRecord> maintenance;
    std::vector<ExpenseRecord> goodies;
    std::vector<TripRecord> trips;
    std::vector<GasRecord> gas;
};
StoreRead<RideLogs> readRideLogs(double rideKey);

} // namespace Store
