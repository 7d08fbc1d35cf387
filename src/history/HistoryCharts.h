#pragma once

#include "history/HistoryFigures.h"
#include "store/RideExtras.h"
#include "store/RideHistory.h"

#include <QString>

#include <array>
#include <vector>

// The three charts of a ride's history: what each one draws, worked out from
// the ride's entries, and its texts. The history window shows them with Qt
// Charts (HistoryScreenChart); the PDF and the saved pictures are painted by
// the program itself (HistoryChartPainter), from the same figures, marks and
// texts.
namespace HistoryCharts {

enum class Chart { MilesPerGallon, MoneyPerMonth, MilesPerMonth };
inline constexpr Chart AllCharts[] = {Chart::MilesPerGallon, Chart::MoneyPerMonth, Chart::MilesPerMonth};

// What the charts draw.
struct Figures
{
    std::vector<HistoryFigures::MpgPoint> mpg;
    std::vector<HistoryFigures::MonthSpending> spending;
    std::vector<HistoryFigures::MonthMiles> miles;
    // The ride's units: the fill-ups' figures are as it shows economy, the
    // miles in its distance unit.
    RideExtras units;
};

Figures figuresOf(const RideHistory &history);

QString title(Chart chart, const RideExtras &units = {});

// The names of a chart's two series, as its legend shows them: each fill-up
// and the average of the last five, or the two logs of the bars.
std::array<QString, 2> seriesNames(Chart chart);

// The title of a chart's value axis.
QString valueTitle(Chart chart, const RideExtras &units = {});

// The bars of one month: the first log's and the second's, in dollars or
// miles.
struct MonthBars
{
    QDate month;
    std::array<double, 2> values{};
};

// The months of a bar chart (MoneyPerMonth or MilesPerMonth) with their bars.
std::vector<MonthBars> monthBars(Chart chart, const Figures &figures);

// Whether a month's two bars stack, where they add up to one figure (the
// money spent), or stand side by side, where they do not (the miles of the
// gasoline log and of the trips are often the same miles).
bool barsStack(Chart chart);

// The sentence shown instead of a chart that has nothing to draw; empty when
// it has something.
QString nothingToDraw(Chart chart, const Figures &figures);

// For a chart drawn from two logs of which one has nothing to draw, the
// sentence that says so under the chart; empty otherwise.
QString nothingToDrawOfOneLog(Chart chart, const Figures &figures);

// The texts a hovered point or bar shows: "03/15/2009: 28.2 mpg (average of
// the last five: 27.9)", "March 2009: maintenance and repairs $120.00",
// "March 2009: trips 350 miles".
QString mpgPointText(const HistoryFigures::MpgPoint &point, const RideExtras &units = {});
QString spendingBarText(const HistoryFigures::MonthSpending &month, bool goodies);
QString milesBarText(const HistoryFigures::MonthMiles &month, bool trips, const RideExtras &units = {});

} // namespace HistoryCharts
