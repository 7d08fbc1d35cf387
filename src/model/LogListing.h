#pragma once

#include "data/FileStatus.h"
#include "model/LogRows.h"
#include "model/LogTotals.h"

#include <vector>

// One log of a ride as its list shows it: the entries in date order (see
// Store::scanLog), their rows and their totals, each worked out here. An
// entry an older program left marked deleted is on its way out of the file
// (LogEntry::marked): it is not listed.
struct LogListing
{
    LogKind kind = LogKind::Maintenance;
    std::vector<LogEntry> entries;
    LogTotals totals; // over the entries

    explicit LogListing(LogKind logKind = LogKind::Maintenance) : kind(logKind) {}

    // Reads the log's entries of the ride from its file; after a failure it
    // holds those read before it.
    FileStatus read(double rideKey);

    int count() const { return int(entries.size()); }
    LogRow row(int index) const { return logRow(kind, entries[std::size_t(index)]); }
    QList<TotalCaption> totalCaptions() const { return ::totalCaptions(kind, totals); }
};
