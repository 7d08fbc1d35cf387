#pragma once

#include "history/HistoryCharts.h"

#include <QTableWidget>

// A history chart's figures as a table, shown in place of the chart (see
// HistoryCharts::table): named by the chart's title, read-only, walked cell
// by cell with the arrow keys, which a screen reader follows reading each
// cell with its column's name. Tab leaves it for the next control.
class HistoryChartTableView final : public QTableWidget
{
    Q_OBJECT

public:
    HistoryChartTableView(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures);
};
