#include "print/PrinterPaper.h"

#include <QPrinter>
#include <QPrinterInfo>

QPageLayout PrinterPaper(const QString &printer)
{
    const QPageLayout layout = QPrinter(QPrinterInfo::printerInfo(printer), QPrinter::HighResolution).pageLayout();
    return QPageLayout(layout.pageSize(), layout.orientation(), layout.minimumMargins(), layout.units());
}
