#pragma once

#include "history/HistoryFigures.h"
#include "store/RideExtras.h"
#include "store/RideHistory.h"

#include <QString>

#include <iterator>
#include <vector>

// The four charts of a ride's history: what each one draws, worked out from
// the ride's entries, and its texts. The history window shows them with Qt
// Charts (HistoryScreenChart); the PDF and the saved pictures are painted by
// the program itself (HistoryChartPainter), from the same figures, marks and
// texts.
namespace HistoryCharts {

// The values name the charts' controls in the window: never renumber them.
enum class Chart { MilesPerGallon, MoneyPerMonth, MilesPerMonth, FuelPrice };
inline constexpr Chart AllCharts[] = {Chart::MilesPerGallon, Chart::MoneyPerMonth, Chart::MilesPerMonth, Chart::FuelPrice};
inline constexpr std::size_t ChartCount = std::size(AllCharts);

// What the charts draw.
struct Figures
{
    std::vector<HistoryFigures::FillUpPoint> mpg;
    std::vector<HistoryFigures::MonthSpending> spending;
    std::vector<HistoryFigures::MonthMiles> miles;
    std::vector<HistoryFigures::FillUpPoint> fuelPrice;
    // The ride's units: the fill-ups' figures are as it shows economy, the
    // miles in its distance unit, the prices per its fuel unit.
    RideExtras units;
};

Figures figuresOf(const RideHistory &history);

QString title(Chart chart, const RideExtras &units = {});

// The names of a chart's series, as its legend shows them: each fill-up and
// the average of the last five, or the logs of the bars (the money spent has
// a third, fuel, where a fill-up cost something).
std::vector<QString> seriesNames(Chart chart, const Figures &figures = {});

// The title of a chart's value axis.
QString valueTitle(Chart chart, const RideExtras &units = {});

// The points of a chart of the fill-ups (MilesPerGallon, FuelPrice); none for
// the charts of months.
const std::vector<HistoryFigures::FillUpPoint> *fillUpPoints(Chart chart, const Figures &figures);

// The bars of one month: one a series of the chart, in money or miles.
struct MonthBars
{
    QDate month;
    std::vector<double> values;
};

// The months of a bar chart (MoneyPerMonth or MilesPerMonth) with their bars.
std::vector<MonthBars> monthBars(Chart chart, const Figures &figures);

// Whether a month's bars stack, where they add up to one figure (the money
// spent), or stand side by side, where they do not (the miles of the
// gasoline log and of the trips are often the same miles).
bool barsStack(Chart chart);

// The sentence shown instead of a chart that has nothing to draw; empty when
// it has something.
QString nothingToDraw(Chart chart, const Figures &figures);

// For a chart drawn from several logs of which some have nothing to draw,
// the sentence that says so under the chart; empty otherwise.
QString nothingToDrawOfOneLog(Chart chart, const Figures &figures);

// A month as the charts name it: "March 2009".
QString monthName(QDate month);

// The texts a hovered point or bar shows: "03/15/2009: 28.2 mpg (average of
// the last five: 27.9)", "03/15/2009: $3.46 per gallon (average of the last
// five: $3.41)", "March 2009: maintenance and repairs $120.00", "March 2009:
// trips 350 miles". A month's bar is named by its series.
QString pointText(Chart chart, const HistoryFigures::FillUpPoint &point, const RideExtras &units = {});
QString spendingBarText(const HistoryFigures::MonthSpending &month, std::size_t series);
QString milesBarText(const HistoryFigures::MonthMiles &month, bool trips, const RideExtras &units = {});

} // namespace HistoryCharts
