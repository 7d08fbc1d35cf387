#pragma once

#include "store/LogKind.h"
#include "store/StoreResult.h"

namespace Store {

// Removes record `recordNumber` from its log file, provided it still belongs
// to the ride with rideKey: the file is rebuilt without it (and without any
// record an older program left marked deleted), keeping the others in their
// order; record numbers after it drop by one. When no record is left the
// file is removed. The file holds either all its old records or all the new
// ones at every moment: a compaction that fails before it replaces the file
// leaves it exactly as it was.
StoreResult deleteLogEntry(LogKind kind, int recordNumber, double rideKey);

} // namespace Store
