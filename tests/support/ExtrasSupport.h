#pragma once

// Entries' extras for the tests of the store's commands that keep them.

#include "logs/LogTestSupport.h"
#include "store/EntryCommands.h"
#include "store/LogScan.h"
#include "store/ReminderStore.h"

#include <QList>

#include <algorithm>

namespace ExtrasTest {

inline EntryExtras odometer(qint64 reading, bool partial = false)
{
    EntryExtras extras;
    extras.odometer = reading;
    extras.partial = partial;
    return extras;
}

// The odometer reading of each of the ride's fill-ups in file order, 0 for
// one without extras.
inline QList<qint64> readings(const ReminderStore &database, double rideKey = LogTest::RideA)
{
    StoreRead<std::vector<LogEntry>> entries = Store::scanLog(LogKind::Gas, rideKey);
    ExtrasByHead extras;
    if (!entries.status || !Store::readEntryExtras(database, LogKind::Gas, rideKey, extras))
        return {-1};
    std::sort(entries.value.begin(), entries.value.end(),
              [](const LogEntry &a, const LogEntry &b) { return a.recordNumber < b.recordNumber; });
    QList<qint64> values;
    for (const LogEntry &entry : entries.value)
        values << extras.value(entry.key).odometer.value_or(0);
    return values;
}

} // namespace ExtrasTest
