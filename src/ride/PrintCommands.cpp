#include "ride/PrintCommands.h"

#include "platform/Clock.h"
#include "print/PrintLayout.h"
#include "print/frmPrint.h"
#include "ride/ModalDimming.h"
#include "ride/RideReportSource.h"

void PrintRideReport(QWidget *mainWindow, const RideModel &shown)
{
    DimAround(mainWindow, [&] {
        frmPrint options(RideReportOf(shown), mainWindow);
        options.exec();
    });
}

void PrintLogEntry(QWidget *mainWindow, const RideModel &shown, LogKind kind, int row, PrintCommand command)
{
    const std::optional<LogEntryPrintout> entry = LogEntryOf(shown, kind, row);
    if (!entry)
        return;
    const QString printoutName = QStringLiteral("'%1' entry").arg(entry->log.tabCaption);
    const std::optional<PrintDeviceFactory> devices = PrintDevicesOf(command, mainWindow, printoutName);
    if (!devices)
        return;
    RideHeading ride = RideHeadingOf(shown);
    ride.printedAt = Clock::now();
    PrintRun run(*devices);
    run.print(printoutName, [&](PrintDevice &device) { return PrintLogEntry(device, *entry, ride); });
    run.finish(mainWindow);
}
