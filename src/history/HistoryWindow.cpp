#include "history/HistoryWindow.h"

#include "history/CsvExport.h"
#include "history/HistoryButtons.h"
#include "history/HistoryChartPainter.h"
#include "history/HistoryChartView.h"
#include "history/HistorySummary.h"
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
    for (const Chart chart : HistoryCharts::AllCharts) {
        const int i = chartIndex(chart);
        auto *row = new QHBoxLayout;
        auto *box = new QVBoxLayout;
        row->addLayout(box, 1);
        saveChartButtons_[i] = HistoryButtons::make(this, QStringLiteral("cmdSaveChart(%1)").arg(i),
                                             QStringLiteral("Save as PNG..."),
                                             QStringLiteral(" Save this chart as a picture "));
        saveChartButtons_[i]->setAccessibleName(HistoryCharts::title(chart, history_.units) + QStringLiteral(": save as PNG"));
        row->addWidget(saveChartButtons_[i], 0, Qt::AlignTop);
        connect(saveChartButtons_[i], &QorButton::Click, this, [this, chart] { saveChart(chart); });
        chartBoxes_[i] = box;
        chartsLayout->addLayout(row);
    }
    auto *scroll = new QScrollArea;
    scroll->setWidget(charts);
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(QStringLiteral("Charts"));
    pages_->addTab(scroll, QStringLiteral("Charts"));

    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setTextFormat(Qt::RichText);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary_->setMargin(12);
    summary_->setAccessibleName(QStringLiteral("Summary"));
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
        view->setMinimumHeight(320);
        box->addWidget(view);
        if (const QString note = HistoryCharts::nothingToDrawOfOneLog(chart, figures_); !note.isEmpty()) {
            auto *noteLabel = new QLabel(note);
            noteLabel->setObjectName(QStringLiteral("lblChartNote(%1)").arg(chartIndex(chart)));
            box->addWidget(noteLabel);
        }
    }
}

void HistoryWindow::fillSummary()
{
    QString rows;
    for (const SummaryLine &line : summaryLines(summarise(history_)))
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(line.label.toHtmlEscaped(), line.value.toHtmlEscaped());
    summary_->setText(QStringLiteral("<table>%1</table>").arg(rows));
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
