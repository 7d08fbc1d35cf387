#include "history/HistorySummary.h"

#include "history/HistoryFigures.h"
#include "data/DateValue.h"
#include "model/LogListing.h"
#include "model/Units.h"

#include <algorithm>
#include <limits>

using namespace ValueFormats;

namespace {

template<class Record, class TextOf>
std::optional<HistorySummary::Latest> latestOf(const std::vector<Record> &entries, TextOf textOf)
{
    if (entries.empty())
        return std::nullopt;
    return HistorySummary::Latest{HistoryFigures::entryDay(entries.back().EntryDate), textOf(entries.back())};
}

QString expenseText(const ExpenseRecord &entry) { return trimBlanks(entry.Description); }
QString tripText(const TripRecord &entry) { return trimBlanks(entry.Description); }
QString fillUpText(const GasRecord &entry, const RideExtras &units)
{
    return QStringLiteral("%1 %2, %3 %4")
        .arg(oneDecimalText(entry.Gallons), Units::fuelName(units.fuel).toLower())
        .arg(entry.Miles)
        .arg(Units::distanceName(units.distance).toLower());
}

// A whole amount over a number of miles, from 1 mile on.
std::optional<ValueFormats::Money> perMile(ValueFormats::Money amount, qint64 miles)
{
    if (miles < 1)
        return std::nullopt;
    return moneyFromDouble(moneyToDouble(amount) / double(miles));
}

} // namespace

HistorySummary summarise(const RideHistory &history)
{
    HistorySummary summary;
    const RideRecord &ride = history.ride;
    summary.pricePaid = ride.PricePaid;
    summary.maintenance = LogListing::ofHistory(LogKind::Maintenance, history).totals.cost;
    summary.goodies = LogListing::ofHistory(LogKind::Goodies, history).totals.cost;
    const LogTotals gas = LogListing::ofHistory(LogKind::Gas, history).totals;
    const std::vector<EntryExtras> &fillUps = history.extras[std::size_t(logIndex(LogKind::Gas) - 1)];
    qint64 fuelMiles = 0;
    for (std::size_t i = 0; i < fillUps.size() && i < history.gas.size(); ++i) {
        if (fillUps[i].cost) {
            summary.fuel = gas.cost;
            AddTo(fuelMiles, qint64(history.gas[i].Miles));
        }
    }
    summary.runningCosts = summary.maintenance;
    AddTo(summary.runningCosts, summary.goodies);
    AddTo(summary.runningCosts, summary.fuel.value_or(0));
    summary.sold = ride.SellingDate > 0 || ride.PriceSold != 0;
    summary.priceSold = ride.PriceSold;

    summary.netCost = summary.pricePaid;
    AddTo(summary.netCost, summary.runningCosts);
    // The most negative amount has no positive counterpart: it counts as the
    // largest one.
    AddTo(summary.netCost, summary.priceSold == std::numeric_limits<Money>::min()
                               ? std::numeric_limits<Money>::max()
                               : -summary.priceSold);

    summary.milesLogged = gas.miles;
    summary.costPerMile = perMile(summary.runningCosts, gas.miles);
    if (summary.fuel)
        summary.fuelCostPerMile = perMile(*summary.fuel, fuelMiles);
    summary.overallMpg = gas.overallMpg();
    const std::vector<HistoryFigures::FillUpPoint> points = HistoryFigures::milesPerGallon(history.gas, fillUps);
    if (!points.empty()) {
        const auto [worst, best] = std::minmax_element(
            points.begin(), points.end(), [](const auto &a, const auto &b) { return a.value < b.value; });
        summary.bestMpg = best->value;
        summary.worstMpg = worst->value;
    }
    summary.units = history.units;
    summary.latest = {latestOf(history.maintenance, expenseText), latestOf(history.goodies, expenseText),
                      latestOf(history.trips, tripText),
                      latestOf(history.gas, [&](const GasRecord &entry) { return fillUpText(entry, history.units); })};
    return summary;
}

QList<SummaryLine> summaryLines(const HistorySummary &summary, const QLocale &locale)
{
    const RideExtras &units = summary.units;
    const QString distance = Units::distanceName(units.distance);
    const QString economy =
        units.economy == EconomyUnit::MilesPerGallon ? QStringLiteral("miles per gallon") : Units::economyName(units.economy);
    const auto mpgText = [&](const std::optional<double> &figure) {
        if (const std::optional<double> shown = Units::shownEconomy(figure, units))
            return oneDecimalText(*shown, locale);
        return units == RideExtras() ? QStringLiteral("(no fill-ups with miles and gallons)")
                                     : QStringLiteral("(no fill-ups with a distance and fuel)");
    };
    const QString noFuelCosts = QStringLiteral("(no fill-up costs given)");
    QList<SummaryLine> lines{
        {QStringLiteral("Price paid"), moneyText(summary.pricePaid, locale)},
        {QStringLiteral("Maintenance and repairs"), moneyText(summary.maintenance, locale)},
        {QStringLiteral("Goodies"), moneyText(summary.goodies, locale)},
        {QStringLiteral("Fuel"), summary.fuel ? moneyText(*summary.fuel, locale) : noFuelCosts},
        {QStringLiteral("Running costs (maintenance, goodies and fuel)"), moneyText(summary.runningCosts, locale)},
    };
    if (summary.sold) {
        lines.append({QStringLiteral("Price sold"), moneyText(summary.priceSold, locale)});
        lines.append({QStringLiteral("Cost of owning (paid - sold + running costs)"), moneyText(summary.netCost, locale)});
    } else {
        lines.append({QStringLiteral("Net cost of the ride"), moneyText(summary.netCost, locale)});
    }
    lines.append({distance + QStringLiteral(" logged (gasoline log)"), QString::number(summary.milesLogged)});
    const QString perDistance = units.distance == DistanceUnit::Miles ? QStringLiteral("mile") : QStringLiteral("kilometre");
    const QString noDistance = QStringLiteral("(no %1 logged)").arg(distance.toLower());
    lines.append({QStringLiteral("Cost per %1 (maintenance, goodies and fuel)").arg(perDistance),
                  summary.costPerMile ? moneyText(*summary.costPerMile, locale) : noDistance});
    if (summary.fuel)
        lines.append({QStringLiteral("Fuel cost per %1").arg(perDistance),
                      summary.fuelCostPerMile ? moneyText(*summary.fuelCostPerMile, locale) : noDistance});
    lines.append({QStringLiteral("Overall ") + economy, mpgText(summary.overallMpg)});
    lines.append({QStringLiteral("Best ") + economy, mpgText(summary.bestMpg)});
    lines.append({QStringLiteral("Worst ") + economy, mpgText(summary.worstMpg)});

    static const std::array<QString, 4> latestLabels = {
        QStringLiteral("Latest maintenance or repair"), QStringLiteral("Latest goody"), QStringLiteral("Latest trip"),
        QStringLiteral("Latest fill-up")};
    for (std::size_t log = 0; log < latestLabels.size(); ++log) {
        const auto &latest = summary.latest[log];
        QString value = QStringLiteral("(no entries)");
        if (latest)
            value = (latest->date.isValid() ? dateText(DateValue::fromDateTime(latest->date), locale) + QStringLiteral("   ")
                                            : QString())
                    + latest->text;
        lines.append({latestLabels[log], value});
    }
    return lines;
}
