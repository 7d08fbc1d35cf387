#include "print/PrintLayout.h"

#include "print/PageGeometry.h"
#include "print/PrintDevice.h"

using LineEnd = PrintDevice::LineEnd;

void SetPrinterFont(PrintDevice &device, const QString &name, double size, bool italic, bool bold,
                    bool underline, bool strikethrough)
{
    // Each property is set on its own, in this order, as the printer expects.
    PrintFont font = device.font();
    font.name = QStringLiteral("Courier");
    device.setFont(font);
    font.name = name;
    device.setFont(font);
    font.size = size;
    device.setFont(font);
    font.italic = italic;
    device.setFont(font);
    font.bold = bold;
    device.setFont(font);
    font.underline = underline;
    device.setFont(font);
    font.strikethrough = strikethrough;
    device.setFont(font);
}

void SetPrinterUnderline(PrintDevice &device, bool on)
{
    PrintFont font = device.font();
    font.underline = on;
    device.setFont(font);
}

void PrintRideHeading(PrintDevice &device, const RideHeading &ride)
{
    auto printLine = [&device](const QString &text) {
        device.setX(PageGeometry::LeftMargin);
        device.print(text, LineEnd::End);
    };
    device.setY(PageGeometry::TopMargin);
    printLine(QStringLiteral("Printout of my ride, a"));
    printLine(ride.year + u' ' + ride.make + u' ' + ride.model);
    if (!ride.rideName.trimmed().isEmpty())
        printLine(QStringLiteral("(aka ") + ride.rideName + u')');
    printLine(QStringLiteral("printed on ") + ride.printedAt.toString(QStringLiteral("MM/dd/yyyy HH:mm")));
    device.setY(PageGeometry::BodyTop);
}

namespace {

void printTitle(PrintDevice &device, const PagedTextTitle &title)
{
    if (title.underline)
        SetPrinterUnderline(device, true);
    if (title.centre)
        device.setX(device.pageWidth() / 2 - device.textWidth(title.text) / 2);
    device.print(title.text, LineEnd::End);
    if (title.underline)
        SetPrinterUnderline(device, false);
    device.printEmptyLine();
    device.setX(PageGeometry::LeftMargin);
}

void printPageNumber(PrintDevice &device, int page)
{
    device.print(QString(), LineEnd::End);
    device.setY(PageGeometry::PageNumberY);
    device.setX(PageGeometry::PageNumberX);
    device.print(QStringLiteral("(page %1)").arg(page), LineEnd::End);
}

} // namespace

// Positions sum up in doubles; a character that ends exactly at the edge
// fits.
constexpr double Tolerance = 0.001;

bool PrintPagedText(PrintDevice &device, const QString &text, const PagedTextTitle &title, const RideHeading *heading)
{
    int page = 0;
    bool startOfPage = true;
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (device.y() < PageGeometry::TopMargin)
            device.setY(PageGeometry::TopMargin);
        if (device.x() < PageGeometry::LeftMargin)
            device.setX(PageGeometry::LeftMargin);

        if (startOfPage) {
            startOfPage = false;
            ++page;
            if (heading) {
                PrintRideHeading(device, *heading);
                device.setX(PageGeometry::LeftMargin);
            }
            if (!title.text.isEmpty() && (title.onEveryPage || page == 1))
                printTitle(device, title);
        }

        const QChar character = text.at(i);
        if (character == u'\r' || character == u'\n') {
            // CR LF ends a line; so does a CR or LF on its own, which text
            // typed on this platform may hold.
            device.print(QString(), LineEnd::End);
            if (character == u'\r' && i + 1 < length && text.at(i + 1) == u'\n')
                ++i;
        } else {
            // Nothing is printed past the printable area's right edge, which
            // on a printer with wide unprintable edges lies before the hard
            // limit: a character that would cross it starts the next line.
            if (character != u' ' && device.x() > PageGeometry::LeftMargin
                && device.x() + device.textWidth(QString(character)) > device.printableArea().width() + Tolerance) {
                device.print(QString(), LineEnd::End);
                device.setX(PageGeometry::LeftMargin);
            }
            device.print(QString(character), LineEnd::Stay);
            if (device.x() > PageGeometry::WrapAt
                && (character == u' ' || device.x() > PageGeometry::HardRightLimit))
                device.print(QString(), LineEnd::End);
        }

        const bool textRemains = i + 1 < length;
        if (!textRemains || device.y() > PageGeometry::LastLineAbove) {
            if (page > 1 && !device.numbersPages())
                printPageNumber(device, page);
            if (textRemains) {
                device.newPage();
                startOfPage = true;
            }
        }
    }
    return device.endDocument();
}
