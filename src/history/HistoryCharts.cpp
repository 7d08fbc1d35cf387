#include "history/HistoryCharts.h"

#include "data/DateValue.h"
#include "platform/ValueFormats.h"

#include <QLocale>

#include <algorithm>

using namespace ValueFormats;
using namespace HistoryFigures;

namespace HistoryCharts {

namespace {

QString monthName(QDate month) { return QLocale().toString(month, QStringLiteral("MMMM yyyy")); }

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
    return {milesPerGallon(history.gas, history.extras[std::size_t(logIndex(LogKind::Gas) - 1)]), spendingPerMonth(history.maintenance, history.goodies),
            milesPerMonth(history.gas, history.trips)};
}

QString title(Chart chart)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return QStringLiteral("Miles per gallon of each fill-up");
    case Chart::MoneyPerMonth:
        return QStringLiteral("Money spent per month");
    case Chart::MilesPerMonth:
        break;
    }
    return QStringLiteral("Miles per month");
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

QString valueTitle(Chart chart)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return QStringLiteral("Miles per gallon");
    case Chart::MoneyPerMonth:
        return QStringLiteral("Dollars");
    case Chart::MilesPerMonth:
        break;
    }
    return QStringLiteral("Miles");
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

QString mpgPointText(const MpgPoint &point)
{
    return QStringLiteral("%1: %2 mpg (average of the last five: %3)")
        .arg(dateText(DateValue::fromDateTime(point.date)), oneDecimalText(point.mpg), oneDecimalText(point.average));
}

QString spendingBarText(const MonthSpending &month, bool goodies)
{
    return goodies ? QStringLiteral("%1: goodies %2").arg(monthName(month.month), moneyText(month.goodies))
                   : QStringLiteral("%1: maintenance and repairs %2").arg(monthName(month.month), moneyText(month.maintenance));
}

QString milesBarText(const MonthMiles &month, bool trips)
{
    return trips ? QStringLiteral("%1: trips %2 miles").arg(monthName(month.month)).arg(month.trips)
                 : QStringLiteral("%1: gasoline log %2 miles").arg(monthName(month.month)).arg(month.gasoline);
}

} // namespace HistoryCharts
