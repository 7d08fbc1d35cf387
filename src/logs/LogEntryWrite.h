#pragma once

#include "data/FileStatus.h"
#include "data/RecordFile.h"
#include "logs/LogEntryRequest.h"

#include <vector>

// The records the editor's fields convert to (the fields have passed the
// checks of LogEntryForm::check): the date in the user's locale, the text
// fields trimmed, a cost or trip mileage that is no number as 0, gallons and
// gas miles from their leading number, miles rounded half to even.
ExpenseRecord expenseFromFields(double rideKey, const EntryFields &fields);
TripRecord tripFromFields(double rideKey, const EntryFields &fields);
GasRecord gasFromFields(double rideKey, const EntryFields &fields);

// Writes the entry into its log file: a new entry after the last record, an
// edited one over its own record, where each field the user left as the
// editor showed it keeps the value its record held. Refuses a new entry when the file already
// holds the most records a file can, and an edit whose record is no longer
// in the file. The file is closed afterwards in every case; a failure names
// the file and leaves it as it was.
FileStatus writeLogEntry(DataFiles &files, const LogEntryRequest &request, const EntryFields &fields);

// Appends new entries to their log after its last record, in the order
// given, as the editor appends one. Refuses them all, writing nothing, when
// the file cannot take every one of them. A failure while writing names the
// file; the entries before it stay written, and `written` says how many.
FileStatus appendLogEntries(DataFiles &files, const std::vector<ExpenseRecord> &entries, LogKind kind, int &written);
FileStatus appendLogEntries(DataFiles &files, const std::vector<TripRecord> &entries, int &written);
FileStatus appendLogEntries(DataFiles &files, const std::vector<GasRecord> &entries, int &written);
