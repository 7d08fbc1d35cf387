#include "print/LogPrintLines.h"

#include "print/PageGeometry.h"
#include "print/PrintDevice.h"
#include "print/PrintLayout.h"

#include <QRegularExpression>

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

QStringList LogNoteLines(const PrintDevice &device, const QString &notes)
{
    constexpr double Width = PageGeometry::AmountsEndAt - PageGeometry::DescriptionColumn;
    const auto fits = [&device](const QString &text) { return device.textWidth(text) <= Width; };
    QStringList lines;
    for (const QString &ownLine : notes.trimmed().split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        QString line;
        for (const QString &word : ownLine.split(u' ', Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (fits(longer)) {
                line = longer;
                continue;
            }
            if (!line.isEmpty())
                lines << line;
            line = word;
            while (!fits(line)) {
                qsizetype cut = 1;
                while (cut < line.size() && fits(line.left(cut + 1)))
                    ++cut;
                lines << line.left(cut);
                line = line.mid(cut);
            }
        }
        lines << line;
    }
    return lines;
}

void PrintRightAligned(PrintDevice &device, const QString &text)
{
    device.setX(PageGeometry::AmountsEndAt - device.textWidth(text));
    device.print(text, LineEnd::End);
}
