#pragma once

#include "history/HistoryCharts.h"

#include <QImage>
#include <QSize>

// The history's charts painted by the program itself, with Qt Gui only, for
// the PDF and the pictures the user saves: the same figures, marks, colours
// and legend as the charts on the screen, without a window.
namespace HistoryChartPainter {

enum class Title { Shown, Left };

// The chart on a white image of `pixels`, its title above it unless left
// out (the PDF prints it as text); a null image when the chart has nothing
// to draw (HistoryCharts::nothingToDraw says why).
QImage paint(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures, QSize pixels, Title title = Title::Shown);

} // namespace HistoryChartPainter
