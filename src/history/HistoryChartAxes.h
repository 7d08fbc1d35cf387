#pragma once

#include "history/HistoryCharts.h"

#include <QDate>
#include <QString>

#include <vector>

// The axes of the history's charts, for the charts on the screen and the
// painted ones alike, so that both mark the same months and the same values.
namespace HistoryChartAxes {

// A mark on an axis: where it stands and its label.
struct Mark
{
    double at = 0;
    QString label;

    bool operator==(const Mark &) const = default;
};

// A fill-up stands at noon of its day on the time line, which counts
// milliseconds since 1970 in the time of the desktop.
double momentOf(QDate day);

// The time line of the fill-ups from `first` to `last`, marked and labelled
// at the month starts of HistoryFigures::monthMarks ("Sep 2009", or "2009"
// when the marks are years apart), so that a fill-up of 21 September stands
// two thirds of the way from "Sep" to "Oct". It runs from the first mark to
// the last.
std::vector<Mark> timeLine(QDate first, QDate last);

// The months of the bars, which stand at 0, 1, 2, ...: every month is named
// ("Mar 09") on a history of up to two years; on a longer one the first month
// ("Mar 2009") and the years at their Januaries, every few years on a long
// history. The line runs from -0.5 to the number of months - 0.5.
std::vector<Mark> monthLine(const std::vector<QDate> &months);

// A value axis from `low` to `high`, with `ticks` marks at even steps, both
// ends marked.
struct Scale
{
    double low = 0;
    double high = 1;
    int ticks = 2;

    bool operator==(const Scale &) const = default;
};

// The range from `low` to `high` widened to round numbers: about five marks,
// a step of 1, 2 or 5 times a power of ten between them.
Scale roundScale(double low, double high);

// The columns of the time line that the fill-ups are drawn in
// (HistoryFigures::drawnPoints): about one a pixel of the widest chart drawn
// (the saved picture), so that a long log draws as quickly as a short one.
inline constexpr int DrawnColumns = 800;

// The value axis of a chart: for the miles per gallon from 2 below the lowest
// fill-up drawn (not below 0) to 2 above the highest, for the fuel prices a
// twentieth of the highest price below and above; for the bars from the
// lowest to the highest bar (the money spent stacks, the miles stand side by
// side), 0 included. The chart must have something to draw.
Scale valueScale(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures);

// The decimals of the labels on a chart's value axis: miles per gallon with
// one, fuel prices with two (cents), money per month and miles with none.
int valueDecimals(HistoryCharts::Chart chart);
// The label of a value on the value axis, with those decimals.
QString valueLabel(HistoryCharts::Chart chart, double value);

} // namespace HistoryChartAxes
