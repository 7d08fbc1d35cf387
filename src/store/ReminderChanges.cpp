#include "store/ReminderChanges.h"

#include "data/WriteJournal.h"
#include "store/LogEntryWrite.h"
#include "store/ReminderStore.h"
#include "store/RideRead.h"

#include <algorithm>

namespace Store {

StoreResult recordReminderDone(ReminderStore &reminders, const ExpenseRecord &entry, const Reminder &done)
{
    return addLogEntry(LogKind::Maintenance, entry, [&](quint64 changeId) { return reminders.markDone(done, changeId); });
}

FileStatus finishCutShortChanges(ReminderStore &reminders)
{
    if (!JournalRecovery::isPending()) {
        if (FileStatus forgotten = reminders.forgetFinishedChanges(); !forgotten)
            return forgotten;
    }
    QList<double> deleting;
    FileStatus status = reminders.ridesBeingDeleted(deleting);
    if (!status || deleting.isEmpty())
        return status;
    const StoreRead<std::vector<RideListing>> rides = readRideListings();
    if (!rides.status)
        return rides.status;
    for (double rideKey : std::as_const(deleting)) {
        const bool onFile = std::any_of(rides.value.begin(), rides.value.end(), [rideKey](const RideListing &ride) { return ride.rideKey == rideKey; });
        if (!onFile && !(status = reminders.removeRide(rideKey)))
            return status;
    }
    return {};
}

} // namespace Store
