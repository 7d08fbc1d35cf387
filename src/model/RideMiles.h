#pragma once

#include "store/RideHistory.h"
#include "store/RideOdometer.h"
#include "store/StoreResult.h"

#include <map>
#include <optional>

struct LogListing;
class ReminderStore;

// A ride's miles as its reminders count them: its odometer now (see
// RideOdometer), and whether that comes from readings (its own, or the one
// when it was bought) rather than from the sum of its gasoline log's miles.
// The main window's notice, the overdue list, the reminders page and
// torqal-data's due all count with these.
struct RideMiles
{
    qint64 miles = 0;
    bool fromReadings = false;
};

// The odometer readings Torqal.db holds for entries, by log and ride, and
// the rides' readings when bought: what the rides' odometers add to their
// logs.
struct OdometerReadings
{
    std::map<std::pair<LogKind, double>, ExtrasByHead> entries;
    std::map<double, RideExtras> rides;

    void add(const EntryExtrasTable::Row &row) { entries[{row.log, row.rideKey}].insert(row.entry, row.extras); }
    // Whether an entry of the log has a reading.
    bool inLog(LogKind kind) const;
    EntryExtras of(LogKind kind, double rideKey, const LogEntry &entry) const;
    std::optional<qint64> bought(double rideKey) const;
};

// The ride's miles by its odometer and its reading when bought.
RideMiles milesOf(const RideOdometer &odometer, std::optional<qint64> bought);

// Every ride's, by RideKey, for the rides with fill-ups or readings. The
// gasoline log is read once, the readings of Torqal.db and the rides'
// readings when bought in one query each, and the maintenance and trip logs
// only when they hold readings. Without Torqal.db (null or not open) each
// ride's gasoline log's sum. On failure the values hold what was read
// before it, and the failure names the file.
StoreRead<std::map<double, qint64>> milesOfEveryRide(const ReminderStore *database);

// The ride's, with its gasoline log as its list holds it (`gas`); its other
// logs are read only when they hold readings.
StoreRead<RideMiles> milesOfRide(const ReminderStore *database, double rideKey, const LogListing &gas);

// A ride's history's, read with its entries' extras.
RideMiles milesOf(const RideHistory &history);
