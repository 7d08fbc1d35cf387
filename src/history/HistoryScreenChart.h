#pragma once

#include "history/HistoryCharts.h"

#include <QString>

#include <functional>
#include <memory>

class QChart;

// A chart of the history window, drawn with Qt Charts from the figures.
namespace HistoryScreenChart {

// Told the text of the point or bar the pointer came onto (see
// HistoryCharts::pointText and the like), and an empty text when the
// pointer left it.
using HoverTip = std::function<void(const QString &text)>;

// The chart, or nothing when it has nothing to draw. Hovering a point or a
// bar of it tells `tip` its date and value.
std::unique_ptr<QChart> make(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures, const HoverTip &tip);

} // namespace HistoryScreenChart
