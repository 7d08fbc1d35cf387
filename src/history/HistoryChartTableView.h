#pragma once

#include "history/HistoryCharts.h"

#include <QWidget>

// A history chart's figures as a table, shown in place of the chart (see
// HistoryCharts::table) under the chart's title: the table is named by that
// title, read-only, walked cell by cell with the arrow keys, which a screen
// reader follows reading each cell with its column's name. Tab leaves it for
// the next control. As tall as its rows, up to the height of a chart.
class HistoryChartTableView final : public QWidget
{
    Q_OBJECT

public:
    HistoryChartTableView(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures);
};
