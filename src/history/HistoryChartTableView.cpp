#include "history/HistoryChartTableView.h"

#include "history/HistoryChartTable.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The height of a chart on the screen.
constexpr int ChartHeight = 320;

} // namespace

HistoryChartTableView::HistoryChartTableView(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures)
{
    auto *table = new QTableWidget(this);
    const QString title = HistoryCharts::title(chart, figures.units);
    auto *caption = new QLabel(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()), this);
    caption->setBuddy(table);
    const HistoryCharts::Table figuresTable = HistoryCharts::table(chart, figures);
    table->setAccessibleName(title);
    table->setColumnCount(int(figuresTable.columns.size()));
    table->setRowCount(int(figuresTable.rows.size()));
    table->setHorizontalHeaderLabels(figuresTable.columns);
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            auto *cell = new QTableWidgetItem(figuresTable.rows.at(row).at(column));
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            // Dates and months at the left, figures at the right, as in the log lists.
            cell->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, cell);
        }
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (table->rowCount() > 0)
        table->setCurrentCell(0, 0);
    const int rowsHeight = table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length()
                         + 2 * table->frameWidth();
    table->setMinimumHeight(std::min(rowsHeight, ChartHeight));
    table->setMaximumHeight(rowsHeight);
    setFocusProxy(table);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(table);
}
