#include "print/LogEntryPrintout.h"

#include "print/PrintDevice.h"
#include "print/PrintLayout.h"

bool PrintLogEntry(PrintDevice &device, const LogEntryPrintout &entry, const RideHeading &ride)
{
    SetPrinterFont(device, QStringLiteral("Arial"), 10, false, false, false, false);
    PrintRideHeading(device, ride);
    PrintLogHeading(device, entry.log, QStringLiteral(" Entry"));
    PrintLogEntryLine(device, entry.log.kind, entry.cells);
    if (entry.notes.isEmpty())
        return device.endDocument();

    device.printEmptyLine();
    const PagedTextTitle title{u'\'' + entry.log.tabCaption + QStringLiteral("' Notes"), true, false, true};
    return PrintPagedText(device, entry.notes, title);
}
