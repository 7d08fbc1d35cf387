#include "model/LogListing.h"

#include "model/FuelEconomy.h"
#include "store/EntryCommands.h"
#include "store/LogScan.h"

namespace {

std::vector<FuelEconomy::FillUp> fillUpsOf(const LogListing &listing)
{
    std::vector<FuelEconomy::FillUp> fillUps;
    fillUps.reserve(listing.entries.size());
    for (int i = 0; i < listing.count(); ++i) {
        const EntryExtras extras = listing.extrasOf(i);
        fillUps.push_back({double(listing.entry(i).miles), double(listing.entry(i).gallons), extras.partial, extras.missed});
    }
    return fillUps;
}

} // namespace

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
        const FuelEconomy::Figures figures = FuelEconomy::of(fillUpsOf(*this));
        economy = figures.perFillUp;
        totals.countedMiles = figures.countedMiles;
        totals.countedGallons = figures.countedFuel;
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
