#pragma once

#include "history/CsvImport.h"
#include "store/StoreResult.h"

class ReminderStore;

namespace CsvImport {

// Leaves out of `entries` (and their extras) those the ride's log already
// holds (see ImportDuplicates), so that the same file imported twice adds
// nothing. The number left out, or the failure to read the log, which
// leaves `entries` as they are.
StoreRead<std::size_t> leaveOutDuplicates(Entries &entries, LogKind kind, double rideKey, const ReminderStore *database);

} // namespace CsvImport
