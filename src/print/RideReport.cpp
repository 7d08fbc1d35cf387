#include "print/RideReport.h"

#include "print/PageGeometry.h"
#include "print/PrintDevice.h"
#include "print/PrintLayout.h"

using LineEnd = PrintDevice::LineEnd;

namespace {

QString withoutLeadingBlanks(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    return text.mid(start);
}

constexpr double FieldTextColumn = 3.0;

// Every section sets its font itself: the picture printed before a log list
// leaves a smaller one behind.
void useReportFont(PrintDevice &device)
{
    SetPrinterFont(device, QStringLiteral("Arial"), 10, false, false, false, false);
}

// Goes on on a new page below the ride heading when the next line would start
// past the last line of the page.
void makeRoomForALine(PrintDevice &device, const RideHeading &ride)
{
    if (device.y() > PageGeometry::LastLineAbove) {
        device.newPage();
        PrintRideHeading(device, ride);
    }
}

void setItalic(PrintDevice &device, bool on)
{
    PrintFont font = device.font();
    font.italic = on;
    device.setFont(font);
}

QStringList noteLinesOf(PrintDevice &device, const QString &notes)
{
    if (notes.trimmed().isEmpty())
        return {};
    setItalic(device, true);
    const QStringList lines = LogNoteLines(device, notes);
    setItalic(device, false);
    return lines;
}

void printTotals(PrintDevice &device, const LogList &list)
{
    if (list.log.kind != GasolineLog) {
        const QString total = list.totals.value(0);
        if (!total.isEmpty()) {
            device.printEmptyLine();
            PrintRightAligned(device, total);
        }
        return;
    }
    QStringList shown;
    for (const QString &total : list.totals) {
        if (!total.isEmpty())
            shown.append(total);
    }
    if (shown.isEmpty())
        return;
    device.printEmptyLine();
    device.setX(PageGeometry::LeftMargin);
    SetPrinterUnderline(device, true);
    device.print(QStringLiteral(" Summary:      "), LineEnd::End);
    SetPrinterUnderline(device, false);
    device.setX(PageGeometry::LeftMargin);
    device.print(shown.join(QStringLiteral("   ***   ")), LineEnd::End);
}

} // namespace

bool PrintBasicInformation(PrintDevice &device, const RideHeading &ride, const BasicInformation &information)
{
    useReportFont(device);
    PrintRideHeading(device, ride);
    for (const RideField &field : information.fields) {
        if (field.text.trimmed().isEmpty())
            continue;
        makeRoomForALine(device, ride);
        device.setX(PageGeometry::LeftMargin);
        device.print(withoutLeadingBlanks(field.caption) + QStringLiteral("-- "), LineEnd::Stay);
        device.setX(FieldTextColumn);
        device.print(field.text, LineEnd::End);
        device.printEmptyLine();
    }
    if (!information.withNotes)
        return device.endDocument();

    device.printEmptyLine();
    makeRoomForALine(device, ride);
    device.setX(PageGeometry::LeftMargin);
    device.print(QStringLiteral("(See next page for notes about this ride...)"), LineEnd::End);
    device.newPage();
    return PrintPagedText(device, information.notes, {information.notesCaption, false, false, true});
}

bool PrintLogList(PrintDevice &device, const RideHeading &ride, const LogList &list, const QStringList &rowNotes)
{
    useReportFont(device);
    device.setX(PageGeometry::LeftMargin);
    bool startOfPage = true;
    for (qsizetype row = 0; row < list.rows.size(); ++row) {
        const QStringList notes = noteLinesOf(device, rowNotes.value(row));
        // An entry stays on the page of its notes' first line.
        if (!startOfPage && !notes.isEmpty()
            && device.y() + device.lineAdvance() > PageGeometry::ListPageBreakBelow) {
            device.newPage();
            startOfPage = true;
        }
        // The entry's line (-1), then the lines of its notes.
        for (qsizetype line = -1; line < notes.size(); ++line) {
            if (startOfPage) {
                startOfPage = false;
                PrintRideHeading(device, ride);
                PrintLogHeading(device, list.log, QStringLiteral(" List"));
            }
            if (line < 0) {
                PrintLogEntryLine(device, list.log.kind, list.rows.at(row));
            } else {
                setItalic(device, true);
                device.setX(PageGeometry::DescriptionColumn);
                device.print(notes.at(line), LineEnd::End);
                setItalic(device, false);
            }
            if (device.y() > PageGeometry::ListPageBreakBelow && (line + 1 < notes.size() || row + 1 < list.rows.size())) {
                device.newPage();
                startOfPage = true;
            }
        }
    }
    printTotals(device, list);
    return device.endDocument();
}
