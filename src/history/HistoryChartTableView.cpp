#include "history/HistoryChartTableView.h"

#include "history/HistoryChartTable.h"

#include <QHeaderView>

HistoryChartTableView::HistoryChartTableView(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures)
{
    const HistoryCharts::Table figuresTable = HistoryCharts::table(chart, figures);
    setAccessibleName(HistoryCharts::title(chart, figures.units));
    setColumnCount(int(figuresTable.columns.size()));
    setRowCount(int(figuresTable.rows.size()));
    setHorizontalHeaderLabels(figuresTable.columns);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto *cell = new QTableWidgetItem(figuresTable.rows.at(row).at(column));
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            // Dates and months at the left, figures at the right, as in the log lists.
            cell->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, column, cell);
        }
    }
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    if (rowCount() > 0)
        setCurrentCell(0, 0);
}
