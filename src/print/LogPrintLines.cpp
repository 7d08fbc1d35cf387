#include "print/LogPrintLines.h"

#include "print/PageGeometry.h"
#include "print/PrintDevice.h"
#include "print/PrintLayout.h"

using LineEnd = PrintDevice::LineEnd;

namespace {

double amountColumn(int kind)
{
    return kind == GasolineLog ? PageGeometry::GasMilesColumn : PageGeometry::AmountColumn;
}

} // namespace

void PrintLogHeading(PrintDevice &device, const LogColumns &log, const QString &afterCaption)
{
    device.setX(PageGeometry::LeftMargin);
    SetPrinterUnderline(device, true);
    device.print(u'\'' + log.tabCaption + u'\'' + afterCaption, LineEnd::End);
    device.printEmptyLine();

    // The trailing blanks carry the underline past the titles.
    device.setX(PageGeometry::DateColumn);
    device.print(log.titles[0].trimmed() + QString(11, u' '), LineEnd::Stay);
    device.setX(PageGeometry::DescriptionColumn);
    device.print(log.titles[1].trimmed(), LineEnd::Stay);
    device.setX(amountColumn(log.kind));
    device.print(log.titles[2].trimmed() + QString(7, u' '), LineEnd::End);
    SetPrinterUnderline(device, false);
}

void PrintLogEntryLine(PrintDevice &device, int kind, const LogCells &cells)
{
    device.setX(PageGeometry::DateColumn);
    device.print(cells[0], LineEnd::Stay);
    device.setX(PageGeometry::DescriptionColumn);
    device.print(cells[1], LineEnd::Stay);
    if (kind == GasolineLog) {
        device.setX(PageGeometry::GasMilesColumn);
        device.print(cells[2], LineEnd::End);
    } else if (cells[2].isEmpty()) {
        device.print(QString(), LineEnd::End);
    } else {
        PrintRightAligned(device, cells[2]);
    }
}

void PrintRightAligned(PrintDevice &device, const QString &text)
{
    device.setX(PageGeometry::AmountsEndAt - device.textWidth(text));
    device.print(text, LineEnd::End);
}
