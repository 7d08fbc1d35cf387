#pragma once

#include "history/HistoryCharts.h"
#include "history/HistoryPdf.h"
#include "store/RideHistory.h"

#include <QDialog>

#include <array>

class HistorySummaryView;
class ReminderStore;
class QTabWidget;
class QVBoxLayout;
class QorButton;

// "History of <ride>": the ride's charts and summary on pages of their own,
// and the commands that save its history as a PDF, export it as CSV and
// import a CSV file into one of its logs, and to undo the last import. Other capabilities add pages of
// their own with addPage().
//
// The window reads the ride's history from the data files again after an
// import; it writes to them only through the import and its undo, after
// the user confirmed it.
class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    // Shows the history read from the files, of the ride shown as `shown`.
    // The entries' extras are read again from `database` when given.
    HistoryWindow(RideHistory history, const ShownRide &shown, QWidget *parent = nullptr,
                  ReminderStore *database = nullptr);

    // Adds a page after the window's own.
    void addPage(QWidget *page, const QString &title);
    // Opens the window on that page instead of the first.
    void showPage(QWidget *page);
    // A page wrote to the ride's logs: the charts and the summary are read afresh.
    void logsChanged();

    // Whether an import wrote entries, so that the ride's lists need refilling.
    bool entriesImported() const { return entriesImported_; }

    // The commands of the buttons.
    void savePdf();
    void exportCsv(bool everyRide);
    void importCsv();
    void undoImport();
    void saveChart(HistoryCharts::Chart chart);
    // Shows each chart's figures as a table in place of the chart, or the
    // charts again.
    void showChartsAsTables(bool tables);

signals:
    // The ride's history was read afresh from the files (after an import, or
    // a page's change to the logs), so that the pages can follow it.
    void historyRead(const RideHistory &history);

private:
    void showHistory();
    void fillCharts();
    void makeChartTables();
    void orderChartsPage();
    void fillSummary();
    void offerUndo();

    ReminderStore *database_;
    ShownRide shown_;
    RideHistory history_;
    HistoryCharts::Figures figures_;
    bool entriesImported_ = false;
    bool tablesShown_ = false;

    QTabWidget *pages_ = nullptr;
    QorButton *chartsAsTables_ = nullptr;
    std::array<QVBoxLayout *, HistoryCharts::ChartCount> chartBoxes_{};
    // Each chart that has something to draw, and its figures as a table.
    std::array<QWidget *, HistoryCharts::ChartCount> chartViews_{};
    std::array<QWidget *, HistoryCharts::ChartCount> chartTables_{};
    std::array<QorButton *, HistoryCharts::ChartCount> saveChartButtons_{};
    HistorySummaryView *summary_ = nullptr;
    QorButton *undoImport_ = nullptr;
};
