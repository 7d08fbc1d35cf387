#include "model/LogListing.h"

#include "model/FuelEconomy.h"
#include "store/EntryCommands.h"
#include "store/LogScan.h"

FileStatus LogListing::read(double rideKey, const ReminderStore *database)
{
    StoreRead<std::vector<LogEntry>> listing = Store::scanLog(kind, rideKey);
    entries = std::move(listing.value);
    std::erase_if(entries, [](const LogEntry &entry) { return entry.marked; });
    FileStatus status = listing.status;
    extras.clear();
    if (database && status)
        status = Store::readEntryExtras(*database, kind, rideKey, extras);
    totals = LogTotals();
    for (int i = 0; i < count(); ++i)
        totals.add(kind, entry(i), extrasOf(i));
    economy.clear();
    if (kind == LogKind::Gas) {
        const FuelEconomy::Figures figures = FuelEconomy::of(entries.size(), [this](std::size_t i) {
            const EntryExtras own = extrasOf(int(i));
            return FuelEconomy::FillUp{double(entries[i].miles), double(entries[i].gallons), own.partial, own.missed};
        });
        economy = figures.perFillUp;
        totals.count(figures);
    }
    return status;
}

QString LogListing::cell(int index, int column) const
{
    if (kind == LogKind::Gas && column == 2)
        return gasMilesCell(entry(index).miles, economy[std::size_t(index)]);
    return logCell(kind, entry(index), column);
}

LogRow LogListing::row(int index) const
{
    return LogRow{{cell(index, 0), cell(index, 1), cell(index, 2)}, entry(index).recordNumber,
                  dateSortText(entry(index).dateSort)};
}
