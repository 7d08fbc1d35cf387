#pragma once

#include "history/HistoryCharts.h"

#include <QList>
#include <QStringList>

namespace HistoryCharts {

// A chart's figures as a table, for reading instead of looking: a row for
// every fill-up (not only those the chart has room to draw) with its date,
// its figure and the average of the last five, or for every month with the
// value of each of the chart's series, in the program's formats ($1,234.50,
// 28.6, 03/15/2009, March 2009). The columns are named as the chart's legend
// and value axis name them.
struct Table
{
    QStringList columns;
    QList<QStringList> rows;
};

Table table(Chart chart, const Figures &figures);

} // namespace HistoryCharts
