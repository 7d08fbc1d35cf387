#include "history/HistoryChartAxes.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

using namespace HistoryCharts;
using HistoryFigures::FillUpPoint;

namespace HistoryChartAxes {

namespace {

// 1, 2, 5 or 10 times the power of ten at or below x: the nearest of them
// (or, rounding up, the next one at or above x).
enum class Rounding { Nearest, Up };

double roundNumber(double x, Rounding rounding)
{
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    const double fraction = x / power;
    double round = 10;
    if (rounding == Rounding::Up)
        round = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    else
        round = fraction < 1.5 ? 1 : fraction < 3 ? 2 : fraction < 7 ? 5 : 10;
    return round * power;
}

// From a margin below the lowest fill-up drawn (not below 0) to a margin
// above the highest: 2 miles per gallon, or a twentieth of the highest price,
// as prices lie close together.
Scale fillUpScale(Chart chart, const std::vector<FillUpPoint> &points)
{
    double lowest = points.front().value, highest = points.front().value;
    for (const FillUpPoint &point : HistoryFigures::drawnPoints(points, DrawnColumns, &FillUpPoint::value)) {
        lowest = std::min(lowest, point.value);
        highest = std::max(highest, point.value);
    }
    const double margin = chart == Chart::FuelPrice ? highest / 20 : 2;
    return roundScale(std::max(0.0, lowest - margin), highest + margin);
}

// Stacked bars go up from 0 with what is above 0 and down with what is below.
Scale barScale(const std::vector<MonthBars> &months, bool stacked)
{
    double lowest = 0, highest = 0;
    for (const MonthBars &month : months) {
        for (const double value : month.values) {
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
        if (stacked) {
            double below = 0, above = 0;
            for (const double value : month.values)
                (value < 0 ? below : above) += value;
            lowest = std::min(lowest, below);
            highest = std::max(highest, above);
        }
    }
    return roundScale(lowest, highest);
}

} // namespace

double momentOf(QDate day) { return double(QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch()); }

std::vector<Mark> timeLine(QDate first, QDate last)
{
    const std::vector<QDate> months = HistoryFigures::monthMarks(first, last);
    const bool years = months.size() > 1 && months[0].month() == months[1].month();
    std::vector<Mark> marks;
    for (const QDate month : months)
        marks.push_back({double(month.startOfDay().toMSecsSinceEpoch()),
                         month.toString(years ? QStringLiteral("yyyy") : QStringLiteral("MMM yyyy"))});
    return marks;
}

std::vector<Mark> monthLine(const std::vector<QDate> &months)
{
    std::vector<Mark> marks;
    const bool everyMonth = months.size() <= 24;
    const int firstYear = months.front().year();
    const int everyYears = std::max(1, (months.back().year() - firstYear + 12) / 12);
    for (std::size_t i = 0; i < months.size(); ++i) {
        const QDate month = months[i];
        if (everyMonth)
            marks.push_back({double(i), month.toString(QStringLiteral("MMM yy"))});
        else if (i == 0)
            marks.push_back({0, month.toString(QStringLiteral("MMM yyyy"))});
        else if (month.month() == 1 && i >= 3 && (month.year() - firstYear) % everyYears == 0)
            marks.push_back({double(i), QString::number(month.year())});
    }
    return marks;
}

Scale roundScale(double low, double high)
{
    constexpr int AboutTicks = 5;
    if (!(high > low))
        high = low + 1;
    const double step = roundNumber(roundNumber(high - low, Rounding::Up) / (AboutTicks - 1), Rounding::Nearest);
    const double first = std::floor(low / step);
    const double last = std::ceil(high / step);
    return {first * step, last * step, int(last - first) + 1};
}

Scale valueScale(Chart chart, const Figures &figures)
{
    if (const std::vector<FillUpPoint> *points = fillUpPoints(chart, figures))
        return fillUpScale(chart, *points);
    return barScale(monthBars(chart, figures), barsStack(chart));
}

int valueDecimals(Chart chart)
{
    switch (chart) {
    case Chart::MilesPerGallon:
        return 1;
    case Chart::FuelPrice:
        return 2;
    case Chart::MoneyPerMonth:
    case Chart::MilesPerMonth:
        break;
    }
    return 0;
}

QString valueLabel(Chart chart, double value)
{
    return QString::number(value, 'f', valueDecimals(chart));
}

} // namespace HistoryChartAxes
