#pragma once

#include "store/StoreResult.h"

class ReminderStore;

namespace Store {

// Deletes ride `number`, provided it is still the ride with rideKey, with
// every entry of it in the four logs. The logs go first (maintenance,
// goodies, trips, gasoline; a log without entries of the ride is left as it
// is), the ride record last, each file rebuilt and put in place with one
// rename (see deleteLogEntry): whatever stops the deletion, no entry is ever
// left without its ride. When a file cannot be rebuilt the deletion stops
// there: NothingWritten when no file was changed yet, else Unfinished (the
// ride is still on file with some of its entries gone). A folder that could
// not be flushed after a file was replaced gives one warning; the deletion
// goes on.
//
// With the reminders' store, the ride's reminders go as well: the ride is
// first noted there as being deleted (a failure to note it refuses the
// deletion), and its reminders are removed once the ride has left the ride
// file, then or, should that be cut short, when Torqal.db is next opened
// (finishCutShortChanges).
StoreResult deleteRide(int number, double rideKey, ReminderStore *reminders = nullptr);

} // namespace Store
