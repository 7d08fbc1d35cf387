#include "model/LogListing.h"

#include "store/LogScan.h"

FileStatus LogListing::read(double rideKey)
{
    StoreRead<std::vector<LogEntry>> listing = Store::scanLog(kind, rideKey);
    entries = std::move(listing.value);
    std::erase_if(entries, [](const LogEntry &entry) { return entry.marked; });
    totals = LogTotals();
    for (const LogEntry &listed : entries)
        totals.add(kind, listed);
    return listing.status;
}
