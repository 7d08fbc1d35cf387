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

QString monthName(QDate month) { return QLocale().toString(month, QStringLiteral("MMMM yyyy")); }

// "Miles per gallon", or the ride's measure of economy ("L/100 km").
QString economyWords(const RideExtras &units)
{
    return units.economy == EconomyUnit::MilesPerGallon ? QStringLiteral("Miles per gallon") : Units::economyName(units.economy);
}

// Which of a chart's two logs have something to draw: a month with an
// amount other than 0.
template<class Month>
std::pair<bool, bool> drawnLogs(const std::vector<Month> &months, auto Month::*first, auto Month::*second)
{
    const auto any = [&](auto Month::*value) {
        return std::any_of(months.begin(), months.end(), [&](const Month &month) { return month.*value != 0; });
    };
    return {any(first), any(second)};
}

std::pair<bool, bool> drawnLogs(Chart chart, const Figures &figures)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return {!figures.mpg.empty(), false};
    case Chart::MoneyPerMonth:
        return drawnLogs(figures.spending, &MonthSpending::maintenance, &MonthSpending::goodies);
    case Chart::MilesPerMonth:
        break;
    }
    return drawnLogs(figures.miles, &MonthMiles::gasoline, &MonthMiles::trips);
}

} // namespace

Figures figuresOf(const RideHistory &history)
{
    Figures figures{milesPerGallon(history.gas, history.extras[std::size_t(logIndex(LogKind::Gas) - 1)]),
                    spendingPerMonth(history.maintenance, history.goodies), milesPerMonth(history.gas, history.trips),
                    history.units};
    if (history.units == RideExtras())
        return figures;
    // As the ride shows economy; a fill-up without a figure there is left out.
    std::vector<MpgPoint> shown;
    for (const MpgPoint &point : figures.mpg) {
        const std::optional<double> figure = Units::shownEconomy(point.mpg, history.units);
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
    case Chart::MilesPerMonth:
        break;
    }
    return Units::distanceName(units.distance) + QStringLiteral(" per month");
}

std::array<QString, 2> seriesNames(Chart chart)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return {QStringLiteral("Each fill-up"), QStringLiteral("Average of the last five fill-ups")};
    case Chart::MoneyPerMonth:
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
    case Chart::MilesPerMonth:
        break;
    }
    return Units::distanceName(units.distance);
}

std::vector<MonthBars> monthBars(Chart chart, const Figures &figures)
{
    std::vector<MonthBars> bars;
    if (chart == Chart::MoneyPerMonth) {
        for (const MonthSpending &month : figures.spending)
            bars.push_back({month.month, {moneyToDouble(month.maintenance), moneyToDouble(month.goodies)}});
    } else {
        for (const MonthMiles &month : figures.miles)
            bars.push_back({month.month, {double(month.gasoline), double(month.trips)}});
    }
    return bars;
}

bool barsStack(Chart chart) { return chart == Chart::MoneyPerMonth; }

QString nothingToDraw(Chart chart, const Figures &figures)
{
    const auto [first, second] = drawnLogs(chart, figures);
    if (first || second)
        return {};
    switch (chart) {
    case Chart::MilesPerGallon:
        return QStringLiteral("The gasoline log has no fill-up with both miles and gallons to draw yet.");
    case Chart::MoneyPerMonth:
        return QStringLiteral("The maintenance and repairs log and the goodies log have no costs to draw yet.");
    case Chart::MilesPerMonth:
        break;
    }
    return QStringLiteral("The gasoline log and the trips log have no miles to draw yet.");
}

QString nothingToDrawOfOneLog(Chart chart, const Figures &figures)
{
    const auto [first, second] = drawnLogs(chart, figures);
    if (first == second)
        return {};
    switch (chart) {
    case Chart::MilesPerGallon:
        return {};
    case Chart::MoneyPerMonth:
        return QStringLiteral("The %1 log has no costs to draw yet.")
            .arg(first ? QStringLiteral("goodies") : QStringLiteral("maintenance and repairs"));
    case Chart::MilesPerMonth:
        break;
    }
    return QStringLiteral("The %1 log has no miles to draw yet.")
        .arg(first ? QStringLiteral("trips") : QStringLiteral("gasoline"));
}

QString mpgPointText(const MpgPoint &point, const RideExtras &units)
{
    const QString unit = units.economy == EconomyUnit::MilesPerGallon ? QStringLiteral("mpg") : Units::economyName(units.economy);
    return QStringLiteral("%1: %2 %3 (average of the last five: %4)")
        .arg(dateText(DateValue::fromDateTime(point.date)), oneDecimalText(point.mpg), unit, oneDecimalText(point.average));
}

QString spendingBarText(const MonthSpending &month, bool goodies)
{
    return goodies ? QStringLiteral("%1: goodies %2").arg(monthName(month.month), moneyText(month.goodies))
                   : QStringLiteral("%1: maintenance and repairs %2").arg(monthName(month.month), moneyText(month.maintenance));
}

QString milesBarText(const MonthMiles &month, bool trips, const RideExtras &units)
{
    const QString distance = Units::distanceName(units.distance).toLower();
    return trips ? QStringLiteral("%1: trips %2 %3").arg(monthName(month.month)).arg(month.trips).arg(distance)
                 : QStringLiteral("%1: gasoline log %2 %3").arg(monthName(month.month)).arg(month.gasoline).arg(distance);
}

} // namespace HistoryCharts
