#include "history/CsvPresetRide.h"

#include "store/EntryCommands.h"
#include "store/LogScan.h"
#include "store/ReminderStore.h"

namespace CsvPresets {

StoreRead<ImportRide> importRide(const ReminderStore *database, double rideKey, LogKind kind)
{
    StoreRead<ImportRide> ride;
    if (!database || !database->isOpen())
        return ride;
    ride.status = Store::readRideExtras(*database, rideKey, ride.value.units);
    if (!ride.status)
        return ride;
    const StoreRead<std::vector<LogEntry>> log = Store::scanLog(kind, rideKey);
    ride.status = log.status;
    ride.recordCount = log.recordCount;
    ExtrasByHead extras;
    if (ride.status)
        ride.status = Store::readEntryExtras(*database, kind, rideKey, extras);
    for (const LogEntry &entry : log.value) {
        const EntryExtras own = extras.value(entry.key);
        if (!entry.marked && own.odometer)
            ride.value.readings.push_back({entry.dateSort, *own.odometer});
    }
    return ride;
}

} // namespace CsvPresets
