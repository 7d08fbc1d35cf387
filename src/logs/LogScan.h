#pragma once

#include "data/FileStatus.h"
#include "data/RecordFile.h"
#include "logs/LogKind.h"
#include "logs/LogRows.h"
#include "logs/LogTotals.h"

#include <vector>

// The entries of one ride in one log, as its list shows them.
struct LogListing
{
    std::vector<LogEntry> entries; // in date order
    LogTotals totals;              // over the entries
};

// Reads the log file record by record and keeps the entries whose ride key
// equals rideKey (exactly; a key of 0 belongs to no ride, so it lists
// nothing). The rows come out sorted by their "yyyymmdd" key; entries of the
// same day keep the order in which they stand in the file, which is the order
// in which they were added. A missing file is created empty and lists nothing.
//
// When a file operation fails the listing holds the entries read before it,
// and the failure, naming the file, is returned.
FileStatus scanLog(DataFiles &files, LogKind kind, double rideKey, LogListing &listing);

// The notes of record `recordNumber` of the log file, trimmed.
FileStatus readLogNotes(DataFiles &files, LogKind kind, int recordNumber, QString &notes);
