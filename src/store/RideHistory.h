#pragma once

#include "data/Records.h"
#include "store/EntryExtras.h"
#include "store/RideExtras.h"
#include "store/StoreResult.h"

#include <array>
#include <optional>
#include <vector>

class ReminderStore;

// A ride with every entry of its four logs, as values: what the history
// window, its PDF and the CSV export show. Each log holds the entries in the
// order the ride's lists show them: by day, entries of one day in the order
// in which they stand in the file. An entry's notes come without the blanks
// that fill their field after the text.
struct RideHistory
{
    int rideNumber = 0; // the ride's record in the ride file
    RideRecord ride;
    std::vector<ExpenseRecord> maintenance;
    std::vector<ExpenseRecord> goodies;
    std::vector<TripRecord> trips;
    std::vector<GasRecord> gas;
    // Per log (maintenance, goodies, trips, gasoline), each entry's key in
    // Torqal.db, and its extras once readEntryExtras has read them: in the
    // order of the entries.
    std::array<std::vector<EntryHead>, 4> keys;
    std::array<std::vector<EntryExtras>, 4> extras;
    RideExtras units; // the ride's, once readEntryExtras has read them

    // The extras of entry `index` of the log; none before they are read.
    EntryExtras extrasOf(LogKind kind, std::size_t index) const;
};

namespace Store {

// Ride `rideNumber` and its entries. Each file is read once, in large
// blocks, and closed again; nothing is written, and a missing file is not
// created (a missing log has no entries). A number outside the ride file is
// refused with a message that names it. With Torqal.db, the entries' extras
// too (see readEntryExtras).
StoreRead<RideHistory> readRideHistory(int rideNumber, const ReminderStore *database = nullptr);

// Every ride on file with its entries, in the order of the ride file; rides
// marked deleted are left out. Entries whose ride is not on file are not
// read. With Torqal.db, the entries' extras too.
StoreRead<std::vector<RideHistory>> readAllRideHistories(const ReminderStore *database = nullptr);

// Ride `rideNumber`, or without one every ride on file as
// readAllRideHistories lists them, without their entries: where a reader that goes through the
// logs itself starts (see LogEntryIndex.h).
StoreRead<std::vector<RideHistory>> readRides(std::optional<int> rideNumber);

// Reads the extras of the histories' entries from Torqal.db.
FileStatus readEntryExtras(const ReminderStore &database, RideHistory &history);
FileStatus readEntryExtras(const ReminderStore &database, std::vector<RideHistory> &histories);

} // namespace Store
