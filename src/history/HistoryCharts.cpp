#include "history/HistoryCharts.h"

#include "data/DateValue.h"
#include "model/Units.h"
#include "platform/ValueFormats.h"

#include <QLocale>

#include <algorithm>

using namespace ValueFormats;
using namespace HistoryFigures;

namespace HistoryCharts {

namespace {

// "Miles per gallon", or the ride's measure of economy ("L/100 km").
QString economyWords(const RideExtras &units)
{
    return units.economy == EconomyUnit::MilesPerGallon ? QStringLiteral("Miles per gallon") : Units::economyName(units.economy);
}

// Whether the money spent has a bar of fuel: a fill-up cost something.
bool fuelDrawn(const Figures &figures)
{
    return std::any_of(figures.spending.begin(), figures.spending.end(),
                       [](const MonthSpending &month) { return month.fuel != 0; });
}

// Which of a chart's series have something to draw: a point, or a month with
// an amount other than 0.
std::vector<bool> drawnSeries(Chart chart, const Figures &figures)
{
    if (const std::vector<FillUpPoint> *points = fillUpPoints(chart, figures))
        return {!points->empty()};
    std::vector<bool> drawn(seriesNames(chart, figures).size());
    for (const MonthBars &month : monthBars(chart, figures)) {
        for (std::size_t series = 0; series < drawn.size(); ++series)
            drawn[series] = drawn[series] || month.values[series] != 0;
    }
    return drawn;
}

QString noCostsInEitherLog()
{
    return QStringLiteral("The maintenance and repairs log and the goodies log have no costs to draw yet.");
}

} // namespace

Figures figuresOf(const RideHistory &history)
{
    const std::vector<EntryExtras> &fillUps = history.extras[std::size_t(logIndex(LogKind::Gas) - 1)];
    Figures figures;
    figures.mpg = milesPerGallon(history.gas, fillUps);
    figures.spending = spendingPerMonth(history.maintenance, history.goodies, history.gas, fillUps);
    figures.miles = milesPerMonth(history.gas, history.trips);
    figures.fuelPrice = fuelPrices(history.gas, fillUps);
    figures.units = history.units;
    if (history.units == RideExtras())
        return figures;
    // As the ride shows economy; a fill-up without a figure there is left out.
    std::vector<FillUpPoint> shown;
    for (const FillUpPoint &point : figures.mpg) {
        const std::optional<double> figure = Units::shownEconomy(point.value, history.units);
        const std::optional<double> average = Units::shownEconomy(point.average, history.units);
        if (figure && average)
            shown.push_back({point.date, *figure, *average});
    }
    figures.mpg = std::move(shown);
    return figures;
}

QString title(Chart chart, const RideExtras &units)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return economyWords(units) + QStringLiteral(" of each fill-up");
    case Chart::MoneyPerMonth:
        return QStringLiteral("Money spent per month");
    case Chart::FuelPrice:
        return QStringLiteral("Fuel price per ") + Units::oneFuelName(units.fuel);
    case Chart::MilesPerMonth:
        break;
    }
    return Units::distanceName(units.distance) + QStringLiteral(" per month");
}

std::vector<QString> seriesNames(Chart chart, const Figures &figures)
{
    switch (chart) {
    case Chart::MilesPerGallon:
    case Chart::FuelPrice:
        return {QStringLiteral("Each fill-up"), QStringLiteral("Average of the last five fill-ups")};
    case Chart::MoneyPerMonth:
        if (fuelDrawn(figures))
            return {QStringLiteral("Maintenance and repairs"), QStringLiteral("Goodies"), QStringLiteral("Fuel")};
        return {QStringLiteral("Maintenance and repairs"), QStringLiteral("Goodies")};
    case Chart::MilesPerMonth:
        break;
    }
    return {QStringLiteral("Gasoline log"), QStringLiteral("Trips")};
}

QString valueTitle(Chart chart, const RideExtras &units)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return economyWords(units);
    case Chart::MoneyPerMonth:
        // Named by the program's currency where that is not the dollar.
        return ValueFormats::currency().symbol == QStringLiteral("$")
                   ? QStringLiteral("Dollars")
                   : QStringLiteral("Amount in %1").arg(ValueFormats::currency().symbol);
    case Chart::FuelPrice:
        return QStringLiteral("Price per ") + Units::oneFuelName(units.fuel);
    case Chart::MilesPerMonth:
        break;
    }
    return Units::distanceName(units.distance);
}

const std::vector<FillUpPoint> *fillUpPoints(Chart chart, const Figures &figures)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return &figures.mpg;
    case Chart::FuelPrice:
        return &figures.fuelPrice;
    case Chart::MoneyPerMonth:
    case Chart::MilesPerMonth:
        break;
    }
    return nullptr;
}

std::vector<MonthBars> monthBars(Chart chart, const Figures &figures)
{
    std::vector<MonthBars> bars;
    if (chart == Chart::MoneyPerMonth) {
        const bool fuel = fuelDrawn(figures);
        for (const MonthSpending &month : figures.spending) {
            bars.push_back({month.month, {moneyToDouble(month.maintenance), moneyToDouble(month.goodies)}});
            if (fuel)
                bars.back().values.push_back(moneyToDouble(month.fuel));
        }
    } else {
        for (const MonthMiles &month : figures.miles)
            bars.push_back({month.month, {double(month.gasoline), double(month.trips)}});
    }
    return bars;
}

bool barsStack(Chart chart) { return chart == Chart::MoneyPerMonth; }

QString nothingToDraw(Chart chart, const Figures &figures)
{
    const std::vector<bool> drawn = drawnSeries(chart, figures);
    if (std::find(drawn.begin(), drawn.end(), true) != drawn.end())
        return {};
    switch (chart) {
    case Chart::MilesPerGallon:
        return QStringLiteral("The gasoline log has no fill-up with both miles and gallons to draw yet.");
    case Chart::MoneyPerMonth:
        return noCostsInEitherLog();
    case Chart::FuelPrice:
        return QStringLiteral("The gasoline log has no fill-up with a cost to draw yet.");
    case Chart::MilesPerMonth:
        break;
    }
    return QStringLiteral("The gasoline log and the trips log have no miles to draw yet.");
}

QString nothingToDrawOfOneLog(Chart chart, const Figures &figures)
{
    if (fillUpPoints(chart, figures) || !nothingToDraw(chart, figures).isEmpty())
        return {};
    const std::vector<bool> drawn = drawnSeries(chart, figures);
    if (chart == Chart::MilesPerMonth) {
        if (drawn[0] == drawn[1])
            return {};
        return QStringLiteral("The %1 log has no miles to draw yet.")
            .arg(drawn[0] ? QStringLiteral("trips") : QStringLiteral("gasoline"));
    }
    // The money spent: of its logs, those without costs (fuel, drawn only
    // where it has some, is never among them).
    if (drawn[0] && drawn[1])
        return {};
    if (!drawn[0] && !drawn[1])
        return noCostsInEitherLog();
    return QStringLiteral("The %1 log has no costs to draw yet.")
        .arg(drawn[0] ? QStringLiteral("goodies") : QStringLiteral("maintenance and repairs"));
}

QString monthName(QDate month) { return QLocale().toString(month, QStringLiteral("MMMM yyyy")); }

QString pointText(Chart chart, const FillUpPoint &point, const RideExtras &units)
{
    const QString day = dateText(DateValue::fromDateTime(point.date));
    if (chart == Chart::FuelPrice)
        return QStringLiteral("%1: %2 per %3 (average of the last five: %4)")
            .arg(day, moneyText(moneyFromDouble(point.value)), Units::oneFuelName(units.fuel),
                 moneyText(moneyFromDouble(point.average)));
    const QString unit = units.economy == EconomyUnit::MilesPerGallon ? QStringLiteral("mpg") : Units::economyName(units.economy);
    return QStringLiteral("%1: %2 %3 (average of the last five: %4)")
        .arg(day, oneDecimalText(point.value), unit, oneDecimalText(point.average));
}

QString spendingBarText(const MonthSpending &month, std::size_t series)
{
    switch (series) {
    case 0:
        return QStringLiteral("%1: maintenance and repairs %2").arg(monthName(month.month), moneyText(month.maintenance));
    case 1:
        return QStringLiteral("%1: goodies %2").arg(monthName(month.month), moneyText(month.goodies));
    default:
        return QStringLiteral("%1: fuel %2").arg(monthName(month.month), moneyText(month.fuel));
    }
}

QString milesBarText(const MonthMiles &month, bool trips, const RideExtras &units)
{
    const QString distance = Units::distanceName(units.distance).toLower();
    return trips ? QStringLiteral("%1: trips %2 %3").arg(monthName(month.month)).arg(month.trips).arg(distance)
                 : QStringLiteral("%1: gasoline log %2 %3").arg(monthName(month.month)).arg(month.gasoline).arg(distance);
}

} // namespace HistoryCharts
