#include "history/HistoryPdf.h"

#include "history/HistoryChartPainter.h"
#include "history/HistorySummary.h"
#include "model/LogListing.h"
#include "platform/Clock.h"
#include "platform/ValueFormats.h"
#include "print/ContinuousPrintDevice.h"
#include "print/PageGeometry.h"
#include "print/PdfPrintDevice.h"
#include "print/PrintLayout.h"
#include "print/RideReport.h"

#include <QImage>

#include <algorithm>

using LineEnd = PrintDevice::LineEnd;

namespace {

constexpr double TextWidth = 6.5;      // from the left margin to 7.5 inches
constexpr double SummaryValueAt = 3.5;
constexpr double SummaryGap = 0.15;
constexpr double PictureHeight = 3.4;
constexpr double ChartHeight = 3.1;
constexpr double ChartTitleHeight = 0.25;
constexpr double ChartPixelsPerInch = 110;

void useFont(PrintDevice &device, double size, bool bold)
{
    SetPrinterFont(device, QStringLiteral("Arial"), size, false, bold, false, false);
}

void printLine(PrintDevice &device, const QString &text, double x = PageGeometry::LeftMargin)
{
    device.setX(x);
    device.print(text, LineEnd::End);
}

// The picture as large as fits the box, in its own proportions.
void printPicture(PrintDevice &device, const QString &path)
{
    const QImage picture(path);
    if (picture.isNull())
        return;
    double width = TextWidth;
    double height = width * picture.height() / picture.width();
    if (height > PictureHeight) {
        height = PictureHeight;
        width = height * picture.width() / picture.height();
    }
    const double top = device.y() + 0.1;
    device.drawPicture(picture, QRectF(PageGeometry::LeftMargin, top, width, height));
    device.setY(top + height + 0.2);
}

// A label in bold and its value beside it, at `valueAt`.
void printSummaryLine(PrintDevice &device, const SummaryLine &line, double valueAt = SummaryValueAt)
{
    useFont(device, 10, true);
    device.setX(PageGeometry::LeftMargin);
    device.print(line.label, LineEnd::Stay);
    useFont(device, 10, false);
    printLine(device, line.value, valueAt);
}

// Where the summary's values stand: at their column, or right of the
// widest label where a label is longer than the column leaves room for.
double summaryValuesAt(PrintDevice &device, const QList<SummaryLine> &lines)
{
    useFont(device, 10, true);
    double at = SummaryValueAt;
    for (const SummaryLine &line : lines)
        at = std::max(at, PageGeometry::LeftMargin + device.textWidth(line.label) + SummaryGap);
    return at;
}

void printTitlePage(PrintDevice &device, const ShownRide &ride, const RideHistory &history)
{
    useFont(device, 10, false);
    PrintRideHeading(device, ride.heading);
    useFont(device, 16, true);
    printLine(device, QStringLiteral("History of ") + ride.displayName);
    // What a buyer checks the ride against first.
    if (const QString vin = ValueFormats::trimBlanks(history.ride.VIN); !vin.isEmpty())
        printSummaryLine(device, {QStringLiteral("VIN"), vin});
    if (!ride.picturePath.trimmed().isEmpty())
        printPicture(device, ride.picturePath);
    else
        device.printEmptyLine();
    const QList<SummaryLine> lines = summaryLines(summarise(history));
    const double valuesAt = summaryValuesAt(device, lines);
    for (const SummaryLine &line : lines)
        printSummaryLine(device, line, valuesAt);
    device.endDocument();
}

// The log as its list shows it (in the ride's units, with its extras), and
// each entry's notes.
template<class Record>
std::pair<LogList, QStringList> logListOf(LogKind kind, const RideHistory &history, const std::vector<Record> &entries)
{
    const LogListing listing = LogListing::ofHistory(kind, history);
    LogList list;
    QStringList notes;
    list.log.kind = logIndex(kind);
    list.log.tabCaption = logKindInfo(kind).tabCaption;
    for (int column = 0; column < 3; ++column)
        list.log.titles[std::size_t(column)] = listing.columnTitle(column);
    for (int row = 0; row < listing.count(); ++row) {
        list.rows.append(listing.row(row).cells);
        notes.append(entries[std::size_t(row)].Notes);
    }
    for (const TotalCaption &caption : listing.totalCaptions())
        list.totals.append(caption.shown ? caption.text : QString());
    return {list, notes};
}

template<class Record>
void printLog(PrintDevice &device, const ShownRide &ride, LogKind kind, const RideHistory &history,
              const std::vector<Record> &entries)
{
    if (!entries.empty()) {
        const auto [list, notes] = logListOf(kind, history, entries);
        PrintLogList(device, ride.heading, list, notes);
    }
}

void printCharts(PrintDevice &device, const ShownRide &ride, const RideHistory &history)
{
    const HistoryCharts::Figures figures = HistoryCharts::figuresOf(history);
    bool startOfPage = true;
    bool first = true;
    for (const HistoryCharts::Chart chart : HistoryCharts::AllCharts) {
        if (!first && device.y() + ChartTitleHeight + ChartHeight > PageGeometry::ListPageBreakBelow) {
            device.newPage();
            startOfPage = true;
        }
        first = false;
        if (startOfPage) {
            useFont(device, 10, false);
            PrintRideHeading(device, ride.heading);
            startOfPage = false;
        }
        // The title as text, so that the PDF can be searched and read aloud.
        useFont(device, 11, true);
        printLine(device, HistoryCharts::title(chart, figures.units));
        useFont(device, 10, false);
        const QSize pixels(int(TextWidth * ChartPixelsPerInch), int(ChartHeight * ChartPixelsPerInch));
        const QImage drawn = HistoryChartPainter::paint(chart, figures, pixels, HistoryChartPainter::Title::Left);
        if (drawn.isNull()) {
            printLine(device, HistoryCharts::nothingToDraw(chart, figures));
            device.printEmptyLine();
            continue;
        }
        const double top = device.y();
        device.drawPicture(drawn,
                           QRectF(PageGeometry::LeftMargin, top, TextWidth, ChartHeight));
        device.setY(top + ChartHeight + 0.1);
        if (const QString note = HistoryCharts::nothingToDrawOfOneLog(chart, figures); !note.isEmpty())
            printLine(device, note);
        device.setY(device.y() + 0.1);
    }
    device.endDocument();
}

} // namespace

bool PrintHistory(PrintDevice &paper, const ShownRide &shown, const RideHistory &history)
{
    return ContinuousPrintDevice::printNumbered(paper, [&](PrintDevice &device) {
        printTitlePage(device, shown, history);
        BasicInformation information = shown.information;
        information.withNotes = false;
        PrintBasicInformation(device, shown.heading, information);
        // The notes on pages of their own, each below the ride's heading.
        if (!information.notes.trimmed().isEmpty())
            PrintPagedText(device, information.notes, {information.notesCaption, false, false, true}, &shown.heading);
        printLog(device, shown, LogKind::Maintenance, history, history.maintenance);
        printLog(device, shown, LogKind::Goodies, history, history.goodies);
        printLog(device, shown, LogKind::Trips, history, history.trips);
        printLog(device, shown, LogKind::Gas, history, history.gas);
        printCharts(device, shown, history);
    });
}

QString WriteHistoryPdf(const QString &path, const ShownRide &ride, const RideHistory &history)
{
    ShownRide printed = ride;
    printed.heading.printedAt = Clock::now();
    const std::unique_ptr<PdfPrintDevice> pdf =
        PdfPrintDevice::pdfFile(QStringLiteral("History of ") + ride.displayName, path);
    return PrintHistory(*pdf, printed, history) ? QString() : pdf->failure();
}
