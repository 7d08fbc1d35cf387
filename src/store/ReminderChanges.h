#pragma once

#include "data/Records.h"
#include "store/Reminder.h"
#include "store/StoreResult.h"

class ReminderStore;

// The commands that change a data file and Torqal.db together.
namespace Store {

// Records the maintenance entry that marks a reminder done and marks the
// reminder done (`done` holds its new last-done date and miles), as one
// command: afterwards the entry is in the maintenance log and the reminder
// marked done, or neither, also after a kill (once the program has started
// again) and when Torqal.db refuses its part, which takes the entry back.
// So Done can always be tried again without adding a second entry.
StoreResult recordReminderDone(ReminderStore &reminders, const ExpenseRecord &entry, const Reminder &done);

// Finishes in Torqal.db what commands cut short left to do, when the
// program opens it: the reminders of rides noted as being deleted (see
// deleteRide) that are no longer in the ride file are removed, and the notes
// of finished changes go once no journal waits for them. A failure leaves
// the work for the next time.
FileStatus finishCutShortChanges(ReminderStore &reminders);

} // namespace Store
