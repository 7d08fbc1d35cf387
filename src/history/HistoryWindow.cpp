#include "history/HistoryWindow.h"

#include "history/CsvExport.h"
#include "history/HistoryButtons.h"
#include "history/HistoryChartPainter.h"
#include "history/HistoryChartTableView.h"
#include "history/HistoryChartView.h"
#include "history/HistorySummary.h"
#include "history/HistorySummaryView.h"
#include "history/ImportUndoCommand.h"
#include "history/ImportWindow.h"
#include "platform/BusyPointer.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "ui/QorButton.h"

#include <QChart>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSaveFile>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

using HistoryCharts::Chart;

namespace {

int chartIndex(Chart chart) { return static_cast<int>(chart); }

// Keeps the characters a file name may hold.
QString fileNameOf(QString name)
{
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : name) {
        if (unsafe.contains(c) || c.unicode() < 0x20)
            c = u'-';
    }
    return name.trimmed();
}

} // namespace

HistoryWindow::HistoryWindow(RideHistory history, const ShownRide &shown, QWidget *parent, ReminderStore *database)
    : QDialog(parent)
    , database_(database)
    , shown_(shown)
    , history_(std::move(history))
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("History of ") + shown.displayName);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("HistoryPages"));
    pages_->setAccessibleName(QStringLiteral("History pages"));

    auto *charts = new QWidget;
    charts->setAccessibleName(QStringLiteral("Charts"));
    auto *chartsLayout = new QVBoxLayout(charts);
    chartsAsTables_ = HistoryButtons::make(this, QStringLiteral("cmdChartsAsTables"), QStringLiteral("Show as &tables"));
    connect(chartsAsTables_, &QorButton::Click, this, [this] { showChartsAsTables(!tablesShown_); });
    auto *top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(chartsAsTables_);
    chartsLayout->addLayout(top);
    for (const Chart chart : HistoryCharts::AllCharts) {
        const int i = chartIndex(chart);
        auto *row = new QHBoxLayout;
        // Each chart in a holder of its own before its button, so that a
        // screen reader comes to the chart, then to its button.
        auto *holder = new QWidget;
        auto *box = new QVBoxLayout(holder);
        box->setContentsMargins(0, 0, 0, 0);
        row->addWidget(holder, 1);
        saveChartButtons_[i] = HistoryButtons::make(this, QStringLiteral("cmdSaveChart(%1)").arg(i),
                                             QStringLiteral("Save as PNG..."),
                                             QStringLiteral(" Save this chart as a picture "));
        saveChartButtons_[i]->setAccessibleName(HistoryCharts::title(chart, history_.units) + QStringLiteral(": save as PNG"));
        row->addWidget(saveChartButtons_[i], 0, Qt::AlignTop);
        connect(saveChartButtons_[i], &QorButton::Click, this, [this, chart] { saveChart(chart); });
        chartBoxes_[i] = box;
        chartsLayout->addLayout(row);
    }
    // Short tables stay together at the top of the page.
    chartsLayout->addStretch(1);
    auto *scroll = new QScrollArea;
    scroll->setWidget(charts);
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(QStringLiteral("Charts"));
    pages_->addTab(scroll, QStringLiteral("Charts"));

    summary_ = new HistorySummaryView;
    pages_->addTab(summary_, QStringLiteral("Summary"));

    auto *savePdfButton = HistoryButtons::make(this, QStringLiteral("cmdSavePdf"), QStringLiteral("Save history as PDF..."),
                                        QStringLiteral(" The whole history of this ride as one PDF file "));
    auto *exportButton = HistoryButtons::make(this, QStringLiteral("cmdExportCsv"), QStringLiteral("Export as CSV..."),
                                       QStringLiteral(" The ride and its logs as CSV files for a spreadsheet "));
    auto *importButton = HistoryButtons::make(this, QStringLiteral("cmdImportCsv"), QStringLiteral("Import CSV into a log..."),
                                       QStringLiteral(" New entries of one log from a CSV file "));
    undoImport_ = HistoryButtons::make(this, QStringLiteral("cmdUndoImport"), QStringLiteral("&Undo the last import"),
                                       QStringLiteral(" Remove the entries the last import added to a log of this ride, "
                                                      "while that log is unchanged since "));
    auto *closeButton = HistoryButtons::make(this, QStringLiteral("cmdClose"), QStringLiteral("Close"),
                                      QStringLiteral(" Back to the ride "));
    connect(savePdfButton, &QorButton::Click, this, &HistoryWindow::savePdf);
    connect(exportButton, &QorButton::Click, this, [this, exportButton] {
        QMenu choice(this);
        choice.addAction(QStringLiteral("This ride: ") + shown_.displayName, this, [this] { exportCsv(false); });
        choice.addAction(QStringLiteral("Every ride on file, each row naming its ride"), this, [this] { exportCsv(true); });
        choice.exec(exportButton->mapToGlobal(QPoint(0, exportButton->height())));
    });
    connect(importButton, &QorButton::Click, this, &HistoryWindow::importCsv);
    connect(undoImport_, &QorButton::Click, this, &HistoryWindow::undoImport);
    connect(closeButton, &QorButton::Click, this, &QDialog::accept);

    auto *commands = new QHBoxLayout;
    for (QorButton *button : {savePdfButton, exportButton, importButton, undoImport_})
        commands->addWidget(button);
    commands->addStretch(1);
    commands->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(commands);
    HistoryButtons::loadLayout(this, QStringLiteral("HistoryWindow"));
    resize(900, 720);
    showHistory();
    showChartsAsTables(false);
}

void HistoryWindow::addPage(QWidget *page, const QString &title)
{
    // Assistive technology names a page by its tab's title.
    if (page->accessibleName().isEmpty())
        page->setAccessibleName(title);
    pages_->addTab(page, title);
}

void HistoryWindow::showPage(QWidget *page)
{
    pages_->setCurrentWidget(page);
}

void HistoryWindow::showHistory()
{
    figures_ = HistoryCharts::figuresOf(history_);
    fillCharts();
    fillSummary();
    offerUndo();
}

void HistoryWindow::fillCharts()
{
    for (const Chart chart : HistoryCharts::AllCharts) {
        QVBoxLayout *box = chartBoxes_[chartIndex(chart)];
        while (QLayoutItem *item = box->takeAt(0)) {
            delete item->widget();
            delete item;
        }
        chartViews_[chartIndex(chart)] = nullptr;
        chartTables_[chartIndex(chart)] = nullptr;
        const QString nothing = HistoryCharts::nothingToDraw(chart, figures_);
        saveChartButtons_[chartIndex(chart)]->setVisible(nothing.isEmpty());
        if (!nothing.isEmpty()) {
            auto *title = new QLabel(QStringLiteral("<b>%1</b><br>%2")
                                         .arg(HistoryCharts::title(chart, figures_.units).toHtmlEscaped(), nothing.toHtmlEscaped()));
            title->setObjectName(QStringLiteral("lblNoChart(%1)").arg(chartIndex(chart)));
            title->setWordWrap(true);
            box->addWidget(title);
            continue;
        }
        auto *view = new HistoryChartView(chart, figures_);
        view->setObjectName(QStringLiteral("chart(%1)").arg(chartIndex(chart)));
        view->setAccessibleName(HistoryCharts::title(chart, figures_.units));
        view->viewport()->setAccessibleName(HistoryCharts::title(chart, figures_.units));
        // The picture takes no keyboard focus: its figures are read in its table.
        view->setFocusPolicy(Qt::NoFocus);
        view->viewport()->setFocusPolicy(Qt::NoFocus);
        view->setAccessibleDescription(QStringLiteral("Its figures are shown as a table with Show as tables."));
        view->setMinimumHeight(320);
        view->setVisible(!tablesShown_);
        box->addWidget(view);
        chartViews_[chartIndex(chart)] = view;
        if (const QString note = HistoryCharts::nothingToDrawOfOneLog(chart, figures_); !note.isEmpty()) {
            auto *noteLabel = new QLabel(note);
            noteLabel->setObjectName(QStringLiteral("lblChartNote(%1)").arg(chartIndex(chart)));
            box->addWidget(noteLabel);
        }
    }
    if (tablesShown_)
        makeChartTables();
    orderChartsPage();
}

// A table holds a row for every fill-up: it is made when it is first shown,
// so that a window of long logs opens at the speed of its charts.
void HistoryWindow::makeChartTables()
{
    for (const Chart chart : HistoryCharts::AllCharts) {
        QWidget *view = chartViews_[chartIndex(chart)];
        if (!view || chartTables_[chartIndex(chart)])
            continue;
        QVBoxLayout *box = chartBoxes_[chartIndex(chart)];
        auto *table = new HistoryChartTableView(chart, figures_);
        table->setObjectName(QStringLiteral("chartTable(%1)").arg(chartIndex(chart)));
        table->setVisible(tablesShown_);
        box->insertWidget(box->indexOf(view) + 1, table);
        chartTables_[chartIndex(chart)] = table;
    }
}

void HistoryWindow::orderChartsPage()
{
    // The keyboard goes down the page: the toggle, then each chart's table
    // and its button.
    QWidget *previous = chartsAsTables_;
    for (const Chart chart : HistoryCharts::AllCharts) {
        QWidget *table = chartTables_[chartIndex(chart)];
        for (QWidget *next : {table ? table->focusProxy() : nullptr, static_cast<QWidget *>(saveChartButtons_[chartIndex(chart)])}) {
            if (next) {
                setTabOrder(previous, next);
                previous = next;
            }
        }
    }
}

void HistoryWindow::showChartsAsTables(bool tables)
{
    tablesShown_ = tables;
    if (tables) {
        makeChartTables();
        orderChartsPage();
    }
    chartsAsTables_->setCaption(tables ? QStringLiteral("Show as &charts") : QStringLiteral("Show as &tables"));
    chartsAsTables_->setToolTip(tables ? QStringLiteral(" Show the charts again ")
                                       : QStringLiteral(" Show the figures of each chart as a table: every date and value "));
    for (const Chart chart : HistoryCharts::AllCharts) {
        if (QWidget *view = chartViews_[chartIndex(chart)]) {
            view->setVisible(!tables);
            if (QWidget *table = chartTables_[chartIndex(chart)])
                table->setVisible(tables);
        }
    }
}

void HistoryWindow::fillSummary()
{
    summary_->showLines(summaryLines(summarise(history_)));
}

void HistoryWindow::savePdf()
{
    const QString path = FileDialog::saveFile(this, QStringLiteral("Save history as PDF"),
                                              fileNameOf(shown_.displayName + QStringLiteral(" history.pdf")),
                                              FileDialog::Kind::Pdf);
    if (path.isEmpty())
        return;
    QString failure;
    {
        BusyPointer busy(this);
        failure = WriteHistoryPdf(path, shown_, history_);
    }
    if (!failure.isEmpty()) {
        MessageBox::tell(this, QStringLiteral("History not saved"), failure, MessageBox::Icon::Critical);
        return;
    }
    MessageBox::tell(this, QStringLiteral("History saved"),
                     QStringLiteral("The history of %1 was saved as\r\n%2").arg(shown_.displayName, QDir::toNativeSeparators(path)),
                     MessageBox::Icon::Information);
}

void HistoryWindow::exportCsv(bool everyRide)
{
    const QString folder =
        FileDialog::chooseFolder(this, QStringLiteral("Export as CSV into the folder"), FileDialog::Kind::Csv);
    if (folder.isEmpty())
        return;
    std::vector<RideHistory> rides{history_};
    if (everyRide) {
        BusyPointer busy(this);
        StoreRead<std::vector<RideHistory>> all = Store::readAllRideHistories(database_);
        if (!all.status) {
            MessageBox::tell(this, QStringLiteral("Nothing exported"), all.status.message(), MessageBox::Icon::Critical);
            return;
        }
        rides = std::move(all.value);
    }
    const std::vector<CsvFile> csv = csvExport(rides, everyRide);
    QStringList existing;
    for (const CsvFile &file : csv) {
        if (QFileInfo::exists(QDir(folder).filePath(file.name)))
            existing << file.name;
    }
    if (!existing.isEmpty()
        && MessageBox::ask(this, QStringLiteral("Replace files?"),
                           QStringLiteral("The folder already holds %1.\r\nReplace them?").arg(existing.join(QStringLiteral(", "))),
                           MessageBox::Button::No)
               != MessageBox::Button::Yes)
        return;
    if (const FileStatus status = writeCsvFiles(folder, csv); !status) {
        MessageBox::tell(this, QStringLiteral("Export not finished"), status.message(), MessageBox::Icon::Critical);
        return;
    }
    MessageBox::tell(this, QStringLiteral("Exported"),
                     QStringLiteral("%1 written into\r\n%2")
                         .arg(QStringLiteral("ride.csv, maintenance.csv, goodies.csv, trips.csv and gasoline.csv"),
                              QDir::toNativeSeparators(folder)),
                     MessageBox::Icon::Information);
}

void HistoryWindow::importCsv()
{
    const QString path = FileDialog::openFile(this, QStringLiteral("Import CSV into a log"), FileDialog::Kind::Csv);
    if (path.isEmpty())
        return;
    ImportWindow import(history_.ride.RideKey, history_.rideNumber, shown_.displayName, path, this, database_);
    if (!import.readFailure().isEmpty()) {
        MessageBox::tell(this, QStringLiteral("Nothing imported"), import.readFailure(), MessageBox::Icon::Critical);
        return;
    }
    import.exec();
    if (import.written() == 0)
        return;
    entriesImported_ = true;
    logsChanged();
}

void HistoryWindow::undoImport()
{
    if (database_ && ImportUndoCommand::run(this, *database_, history_.ride.RideKey)) {
        entriesImported_ = true;
        logsChanged();
    } else {
        offerUndo();
    }
}

void HistoryWindow::offerUndo()
{
    undoImport_->setEnabled(ImportUndoCommand::offered(database_, history_.ride.RideKey));
}

void HistoryWindow::logsChanged()
{
    StoreRead<RideHistory> read;
    {
        BusyPointer busy(this);
        read = Store::readRideHistory(history_.rideNumber, database_);
    }
    if (!read.status) {
        MessageBox::tell(this, QStringLiteral("History not read"), read.status.message(), MessageBox::Icon::Critical);
        showHistory();
        return;
    }
    history_ = std::move(read.value);
    showHistory();
    emit historyRead(history_);
}

void HistoryWindow::saveChart(Chart chart)
{
    const QImage drawn = HistoryChartPainter::paint(chart, figures_, QSize(1200, 700));
    if (drawn.isNull())
        return;
    const QString path = FileDialog::saveFile(
        this, QStringLiteral("Save chart as PNG"),
        fileNameOf(shown_.displayName + u' ' + HistoryCharts::title(chart, figures_.units) + QStringLiteral(".png")), FileDialog::Kind::Png);
    if (path.isEmpty())
        return;
    // Written beside its place and put there only when complete, so that a
    // picture that cannot be written leaves the user's file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !drawn.save(&file, "PNG")
        || !file.commit())
        MessageBox::tell(this, QStringLiteral("Chart not saved"),
                         QStringLiteral("The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(path)),
                         MessageBox::Icon::Critical);
}
