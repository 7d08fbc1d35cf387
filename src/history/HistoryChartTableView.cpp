#include "history/HistoryChartTableView.h"

#include "history/HistoryChartTable.h"

#include <QHeaderView>
#include <QLabel>
#include <QAbstractTableModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The height of a chart on the screen.
constexpr int ChartHeight = 320;

// The table's texts, read by the view as it draws them: a row for every
// fill-up of a long log costs no widget item of its own.
class FiguresModel final : public QAbstractTableModel
{
public:
    FiguresModel(HistoryCharts::Table figures, QObject *parent)
        : QAbstractTableModel(parent), figures_(std::move(figures))
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(figures_.rows.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(figures_.columns.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return figures_.rows.at(index.row()).at(index.column());
        // Dates and months at the left, figures at the right, as in the log lists.
        if (role == Qt::TextAlignmentRole)
            return int((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return figures_.columns.value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    HistoryCharts::Table figures_;
};

} // namespace

HistoryChartTableView::HistoryChartTableView(HistoryCharts::Chart chart, const HistoryCharts::Figures &figures)
{
    auto *table = new QTableView(this);
    const QString title = HistoryCharts::title(chart, figures.units);
    auto *caption = new QLabel(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()), this);
    caption->setBuddy(table);
    table->setAccessibleName(title);
    table->setModel(new FiguresModel(HistoryCharts::table(chart, figures), table));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (table->model()->rowCount() > 0)
        table->setCurrentIndex(table->model()->index(0, 0));
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
