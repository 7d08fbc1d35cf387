#pragma once

#include "history/HistoryFigures.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QChart;

// The three charts of a ride's history, drawn with Qt Charts from the
// figures, for the history window and for its PDF alike.
namespace HistoryCharts {

enum class Chart { MilesPerGallon, MoneyPerMonth, MilesPerMonth };
inline constexpr Chart AllCharts[] = {Chart::MilesPerGallon, Chart::MoneyPerMonth, Chart::MilesPerMonth};

// What one chart draws, worked out from the ride's entries.
struct Figures
{
    std::vector<HistoryFigures::MpgPoint> mpg;
    std::vector<HistoryFigures::MonthSpending> spending;
    std::vector<HistoryFigures::MonthMiles> miles;
};

QString title(Chart chart);

// The sentence shown instead of a chart that has nothing to draw; empty when
// it has something.
QString nothingToDraw(Chart chart, const Figures &figures);

// For a chart drawn from two logs of which one has nothing to draw, the
// sentence that says so under the chart; empty otherwise.
QString nothingToDrawOfOneLog(Chart chart, const Figures &figures);

// Told the text of the point or bar the pointer came onto (see the texts
// below), and an empty text when the pointer left it.
using HoverTip = std::function<void(const QString &text)>;

// The chart, or nothing when it has nothing to draw. Hovering a point or a
// bar of it tells `tip` its date and value.
std::unique_ptr<QChart> makeChart(Chart chart, const Figures &figures, const HoverTip &tip = {});

// The chart drawn on a white image of the given size (for print and files).
QImage chartImage(QChart &chart, QSize size);

// The texts a hovered point or bar shows: "03/15/2009: 28.2 mpg (average of
// the last five: 27.9)", "March 2009: maintenance and repairs $120.00",
// "March 2009: trips 350 miles".
QString mpgPointText(const HistoryFigures::MpgPoint &point);
QString spendingBarText(const HistoryFigures::MonthSpending &month, bool goodies);
QString milesBarText(const HistoryFigures::MonthMiles &month, bool trips);

} // namespace HistoryCharts
