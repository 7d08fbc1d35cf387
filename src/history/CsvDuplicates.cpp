#include "history/CsvDuplicates.h"

#include "model/ImportDuplicates.h"

#include <algorithm>

namespace CsvImport {

StoreRead<std::size_t> leaveOutDuplicates(Entries &entries, LogKind kind, double rideKey, const ReminderStore *database)
{
    const auto found = [&](const auto &records) {
        return ImportDuplicates::inLog(database, kind, rideKey, ImportDuplicates::storedEntries(records), entries.extras);
    };
    const StoreRead<std::vector<bool>> flags = kind == LogKind::Trips ? found(entries.trips)
                                               : kind == LogKind::Gas ? found(entries.gas)
                                                                      : found(entries.expenses);
    if (!flags.status)
        return {flags.status, 0, flags.recordCount};
    entries.expenses = ImportDuplicates::unflagged(entries.expenses, flags.value);
    entries.trips = ImportDuplicates::unflagged(entries.trips, flags.value);
    entries.gas = ImportDuplicates::unflagged(entries.gas, flags.value);
    entries.extras = ImportDuplicates::unflagged(entries.extras, flags.value);
    entries.lines = ImportDuplicates::unflagged(entries.lines, flags.value);
    return {{}, std::size_t(std::count(flags.value.begin(), flags.value.end(), true)), flags.recordCount};
}

} // namespace CsvImport
