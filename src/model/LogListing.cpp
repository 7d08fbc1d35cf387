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
    workOutFigures();
    return status;
}

void LogListing::workOutFigures()
{
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
}

LogListing LogListing::ofHistory(LogKind kind, const RideHistory &history)
{
    LogListing listing(kind);
    const std::size_t k = std::size_t(logIndex(kind) - 1);
    const auto take = [&](const auto &records) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            LogEntry entry = logEntry(records[i], 0);
            // A history made up without keys (not read from the files) keeps
            // its entries apart by their places.
            entry.key = history.keys[k].size() > i ? history.keys[k][i] : EntryHead{0, int(i)};
            listing.entries.push_back(std::move(entry));
            if (const EntryExtras extras = history.extrasOf(kind, i); !extras.empty())
                listing.extras.insert(listing.entries.back().key, extras);
        }
    };
    switch (kind) {
    case LogKind::Maintenance:
        take(history.maintenance);
        break;
    case LogKind::Goodies:
        take(history.goodies);
        break;
    case LogKind::Trips:
        take(history.trips);
        break;
    case LogKind::Gas:
        take(history.gas);
        break;
    }
    listing.units = history.units;
    listing.workOutFigures();
    return listing;
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
