#pragma once

#include "data/FileStatus.h"
#include "store/RideOdometer.h"

#include <optional>
#include <vector>

class QSqlDatabase;
class ReminderStore;

// Keeps a ride's reminders by miles where they were when a command moves
// its odometer from one base to another (see RideOdometer): its first
// reading added, its last one taken away, the reading when it was bought
// given or taken back while it has no readings. The odometer then jumps
// (from the sum of the logged miles to the reading, say), and every figure
// the reminders count from moves by the same jump, in the same Torqal.db
// transaction as the change: no reminder falls due, or stops being due,
// because the rule changed. A change within one base moves the odometer as
// it should and the reminders stay.
namespace OdometerShift {

// A ride's entries as its odometer counts them, each with its extras.
struct Entries
{
    struct Entry
    {
        LogKind kind;
        LogEntry entry;
        EntryExtras extras;
    };
    std::vector<Entry> entries;
    std::optional<qint64> bought;

    RideOdometer odometer() const;
    void add(LogKind kind, const LogEntry &entry, const EntryExtras &extras) { entries.push_back({kind, entry, extras}); }
    // The entry at record `recordNumber` of the log, or null.
    Entry *find(LogKind kind, int recordNumber);
    void remove(LogKind kind, int recordNumber);
};

// The ride's entries of the logs that hold readings or miles, and its
// reading when bought. `known`, when given, is the ride's log `knownKind`
// already read (so that it is not read twice).
FileStatus read(const ReminderStore &database, double rideKey, Entries &entries, LogKind knownKind = LogKind::Gas,
                const std::vector<LogEntry> *known = nullptr);

// How far the reminders move: the odometer's jump when the base changes, 0
// otherwise.
qint64 between(const Entries &before, const Entries &after);

// Moves the figures the ride's reminders count from by `miles`: the miles
// when a repeating reminder was last done, and those at which a reminder
// that happens once and is not yet done falls due. A figure does not go
// below what it can mean (0 last done; 1 due, as 0 would mean "not by miles").
FileStatus moveReminders(QSqlDatabase &database, const QString &fileName, double rideKey, qint64 miles);

} // namespace OdometerShift
