#pragma once

#include "data/FileStatus.h"
#include "model/LogRows.h"
#include "model/LogTotals.h"
#include "store/RideExtras.h"
#include "store/RideHistory.h"

#include <vector>

class ReminderStore;

// One log of a ride as its list shows it: the entries in date order (see
// Store::scanLog), their rows and their totals, each worked out here. An
// entry an older program left marked deleted is on its way out of the file
// (LogEntry::marked): it is not listed.
struct LogListing
{
    LogKind kind = LogKind::Maintenance;
    std::vector<LogEntry> entries;
    ExtrasByHead extras; // of the entries that have any (see EntryExtras)
    // Gasoline: the miles per gallon of each entry (see FuelEconomy).
    std::vector<std::optional<double>> economy;
    LogTotals totals; // over the entries
    RideExtras units; // the ride's (see Units)

    explicit LogListing(LogKind logKind = LogKind::Maintenance) : kind(logKind) {}

    // Reads the log's entries of the ride from its file, and their extras
    // from `database` when it is given; after a failure it holds those read
    // before it.
    FileStatus read(double rideKey, const ReminderStore *database = nullptr);
    // The log of a history read whole (its entries with their extras), as
    // its list would show it.
    static LogListing ofHistory(LogKind kind, const RideHistory &history);

    int count() const { return int(entries.size()); }
    const LogEntry &entry(int index) const { return entries[std::size_t(index)]; }
    EntryExtras extrasOf(int index) const { return extras.value(entry(index).key); }
    QString cell(int index, int column) const;
    LogRow row(int index) const;
    // The list's column titles in the ride's units ("Litres", "Kilometres").
    QString columnTitle(int column) const;
    QList<TotalCaption> totalCaptions() const { return ::totalCaptions(kind, totals, units); }

private:
    // The totals and the fill-ups' figures of the entries and their extras.
    void workOutFigures();
};
