#pragma once

#include "data/Records.h"
#include "store/LogKind.h"
#include "store/SecondPart.h"
#include "store/StoreResult.h"

#include <variant>
#include <vector>

// One log entry's record, of the type its log keeps: ExpenseRecord for
// maintenance and goodies, TripRecord for trips, GasRecord for gasoline.
using LogRecord = std::variant<ExpenseRecord, TripRecord, GasRecord>;

namespace Store {

// Appends the entry to its log file (recordNumber: the new record). Refused
// when the file already holds the most records a file can, or when the
// record is not of the log's type. With a second part, the entry and what
// that part writes into Torqal.db are one command (see StoreFiles).
StoreResult addLogEntry(LogKind kind, const LogRecord &entry, const StoreFiles::SecondPart &second = {});

// Writes the entry over record `recordNumber` of its log file. Refused when
// that record is no longer in the file or no longer belongs to the entry's
// ride (entry RideKey), so that an edit never lands on another entry. With
// a second part, as addLogEntry.
StoreResult editLogEntry(LogKind kind, int recordNumber, const LogRecord &entry, const StoreFiles::SecondPart &second = {});

// Appends new entries to their log after its last record, in the order
// given, as addLogEntry appends one; the expenses go to the maintenance or
// goodies log as `kind` says. One command: every entry is in the file
// afterwards, or none (also after a kill part way, once the program starts
// again). Refused, writing nothing, when the file cannot take every one of
// them. recordNumber: the last entry's record. With a second part, as
// addLogEntry.
StoreResult appendLogEntries(LogKind kind, const std::vector<ExpenseRecord> &entries, const StoreFiles::SecondPart &second = {});
StoreResult appendLogEntries(const std::vector<TripRecord> &entries, const StoreFiles::SecondPart &second = {});
StoreResult appendLogEntries(const std::vector<GasRecord> &entries, const StoreFiles::SecondPart &second = {});

} // namespace Store
