#pragma once

#include "store/EntryExtras.h"
#include "store/LogEntryWrite.h"

class ReminderStore;

// The log entry commands that keep an entry's extras (see EntryExtras) with
// it in Torqal.db. Each writes its log file and Torqal.db as one command,
// both or neither (see StoreFiles::SecondPart), and fails, writing nothing,
// when Torqal.db cannot be used. They read the ride's log first, to know the
// entry as Torqal.db names it.
namespace Store {

// Adds the entry with its extras (none clears what a row left behind by
// another program held for its place).
StoreResult addLogEntry(ReminderStore &database, LogKind kind, const LogRecord &entry, const EntryExtras &extras);

// Writes the entry over record `recordNumber` with its extras; those of the
// entries beside it stay theirs.
StoreResult editLogEntry(ReminderStore &database, LogKind kind, int recordNumber, const LogRecord &entry,
                         const EntryExtras &extras);

// Deletes the entry (see deleteLogEntry) and then its extras. The file's
// compaction is not journalled: should Torqal.db refuse its part once the
// entry is gone, the entry's row stays behind (torqal-data check names it)
// and the command ends written with that warning.
StoreResult deleteLogEntry(ReminderStore &database, LogKind kind, int recordNumber, double rideKey);

// Appends new entries of one ride to their log with their extras (`extras`
// in the same order), as appendLogEntries does: every entry and its extras,
// or none. The append is an import, noted so that it can be taken back (see
// undoLastImport) until the log changes again; add, edit and delete above
// forget the log's note in their own change.
StoreResult appendLogEntries(ReminderStore &database, LogKind kind, const std::vector<ExpenseRecord> &entries,
                             const std::vector<EntryExtras> &extras);
StoreResult appendLogEntries(ReminderStore &database, const std::vector<TripRecord> &entries,
                             const std::vector<EntryExtras> &extras);
StoreResult appendLogEntries(ReminderStore &database, const std::vector<GasRecord> &entries,
                             const std::vector<EntryExtras> &extras);

// The extras of the ride's entries in one log, by the entries' keys.
FileStatus readEntryExtras(const ReminderStore &database, LogKind kind, double rideKey, ExtrasByHead &extras);

} // namespace Store
