#include "history/ImportChecks.h"

#include "data/DateValue.h"
#include "model/FuelEconomy.h"
#include "model/Units.h"
#include "platform/ValueFormats.h"

#include <algorithm>
#include <numeric>

namespace ImportChecks {

namespace {

void add(QString &reasons, const QString &reason)
{
    if (!reasons.isEmpty())
        reasons += QStringLiteral("; ");
    reasons += reason;
}

// Distance per fuel in the ride's units, from miles per US gallon and back.
double perUsMpg(const RideExtras &units)
{
    return kilometresIn(DistanceUnit::Miles) / litresIn(FuelUnit::UsGallons) * litresIn(units.fuel) / kilometresIn(units.distance);
}

QString economyNumber(double distancePerFuel, const RideExtras &units, const QLocale &locale)
{
    return locale.toString(Units::shownEconomy(distancePerFuel, units).value_or(0), 'f', 1);
}

template<class Record>
void checkDates(const std::vector<Record> &records, QDate today, const QLocale &locale, std::vector<QString> &reasons)
{
    const double tomorrow = DateValue::fromDateTime(today.addDays(1));
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].EntryDate >= tomorrow)
            add(reasons[i], QStringLiteral("the date %1 is after today").arg(ValueFormats::dateText(records[i].EntryDate, locale)));
    }
}

template<class Record>
void checkDistances(const std::vector<Record> &records, const std::vector<LogEntry> &log, const RideExtras &units,
                    const QLocale &locale, std::vector<QString> &reasons)
{
    std::vector<qint32> distances;
    for (const Record &record : records)
        if (record.Miles > 0)
            distances.push_back(record.Miles);
    for (const LogEntry &entry : log)
        if (!entry.marked && entry.miles > 0)
            distances.push_back(entry.miles);
    if (distances.size() < DistancesForMedian)
        return;
    const auto middle = distances.begin() + std::ptrdiff_t(distances.size() / 2);
    std::nth_element(distances.begin(), middle, distances.end());
    const double median = *middle;
    const QString unit = Units::distanceName(units.distance).toLower();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].Miles > FarFromMedian * median)
            add(reasons[i], QStringLiteral("%1 %2 is more than %3 times the median of %4 %2")
                                .arg(locale.toString(records[i].Miles), unit)
                                .arg(FarFromMedian)
                                .arg(locale.toString(median, 'f', 0)));
    }
}

void checkEconomy(const CsvImport::Entries &entries, const RideExtras &units, const QLocale &locale,
                  std::vector<QString> &reasons)
{
    const std::vector<GasRecord> &gas = entries.gas;
    std::vector<std::size_t> order(gas.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return gas[a].EntryDate < gas[b].EntryDate; });
    const FuelEconomy::Figures figures = FuelEconomy::of(order.size(), [&](std::size_t i) {
        const std::size_t at = order[i];
        const EntryExtras extras = at < entries.extras.size() ? entries.extras[at] : EntryExtras();
        return FuelEconomy::FillUp{double(gas[at].Miles), double(gas[at].Gallons), extras.partial, extras.missed};
    });
    const double fewest = FewestMpg * perUsMpg(units);
    const double most = MostMpg * perUsMpg(units);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::optional<double> figure = figures.perFillUp[i];
        if (!figure || (*figure >= fewest && *figure <= most))
            continue;
        // Litres per 100 km go down as the economy goes up.
        QString low = economyNumber(fewest, units, locale), high = economyNumber(most, units, locale);
        if (units.economy == EconomyUnit::LitresPer100Km)
            std::swap(low, high);
        const QString unit = Units::economyName(units.economy);
        add(reasons[order[i]], QStringLiteral("an economy of %1 %2 is beyond %3 to %4 %2")
                                   .arg(economyNumber(*figure, units, locale), unit, low, high));
    }
}

} // namespace

std::vector<QString> suspicions(LogKind kind, const CsvImport::Entries &entries, const std::vector<LogEntry> &log,
                                const RideExtras &units, QDate today, const QLocale &locale)
{
    std::vector<QString> reasons(entries.count());
    switch (kind) {
    case LogKind::Maintenance:
    case LogKind::Goodies:
        checkDates(entries.expenses, today, locale, reasons);
        break;
    case LogKind::Trips:
        checkDates(entries.trips, today, locale, reasons);
        checkDistances(entries.trips, log, units, locale, reasons);
        break;
    case LogKind::Gas:
        checkDates(entries.gas, today, locale, reasons);
        checkDistances(entries.gas, log, units, locale, reasons);
        checkEconomy(entries, units, locale, reasons);
        break;
    }
    return reasons;
}

} // namespace ImportChecks
