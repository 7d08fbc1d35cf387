#include "model/LogListing.h"

#include "model/FuelEconomy.h"
#include "model/Units.h"
#include "store/RideExtras.h"
#include "store/EntryCommands.h"
#include "store/LogScan.h"

FileStatus LogListing::read(double rideKey, const ReminderStore *database)
{
    StoreRead<std::vector<LogEntry>> listing = Store::scanLog(kind, rideKey);
    entries = std::move(listing.value);
    std::erase_if(entries, [](const LogEntry &entry) { return entry.marked; });
    FileStatus status = listing.status;
    extras.clear();
    units = RideExtras();
    if (database && status)
        status = Store::readEntryExtras(*database, kind, rideKey, extras);
    if (database && status)
        status = Store::readRideExtras(*database, rideKey, units);
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
        return gasMilesCell(entry(index).miles, Units::shownEconomy(economy[std::size_t(index)], units));
    return logCell(kind, entry(index), column);
}

QString LogListing::columnTitle(int column) const
{
    const QString title = logKindInfo(kind).columns[std::size_t(column)].title;
    if (kind == LogKind::Trips && column == 2)
        return Units::distanceName(units.distance);
    if (kind != LogKind::Gas || column == 0)
        return title;
    if (column == 1)
        return Units::fuelName(units.fuel);
    const QString figure = units.economy == EconomyUnit::MilesPerGallon ? QStringLiteral("mpg") : Units::economyName(units.economy);
    return Units::distanceName(units.distance) + QStringLiteral("     ") + figure;
}

LogRow LogListing::row(int index) const
{
    return LogRow{{cell(index, 0), cell(index, 1), cell(index, 2)}, entry(index).recordNumber,
                  dateSortText(entry(index).dateSort)};
}
