#pragma once

#include "store/EntryExtras.h"
#include "store/LogEntry.h"
#include "store/LogKind.h"

#include <map>
#include <optional>

// What a ride's odometer shows now, as the reminders by miles count it:
// - its latest reading, of any log (the latest entry date; of one day the
//   larger reading), plus the miles of the fill-ups dated after it (they
//   have no reading, or theirs would be the latest);
// - else, with the reading when the ride was bought, that reading plus the
//   miles of every fill-up;
// - else the sum of the gasoline log's miles, as it was before rides had
//   readings.
// An entry an older program left marked deleted counts in none of them.
// Sums stop at the largest number instead of wrapping around.
//
// The store keeps the reminders on the figure when a command moves a ride
// from one of these bases to another (see OdometerShift); every reader of
// the ride's miles counts with this rule.
class RideOdometer
{
public:
    enum class Base { LoggedMiles, Bought, Readings };

    // Counts an entry of the log (kind) with its extras.
    void add(LogKind kind, const LogEntry &entry, const EntryExtras &extras);

    Base base(std::optional<qint64> bought) const;
    qint64 now(std::optional<qint64> bought) const;

private:
    struct Reading
    {
        int dateSort;
        qint64 odometer;
        auto operator<=>(const Reading &) const = default;
    };
    std::optional<Reading> m_latest;
    std::map<int, qint64> m_fillUpMiles; // by the fill-ups' day (dateSort)
};
