#include "ride/PrintCommands.h"

#include "platform/Clock.h"
#include "print/PrintLayout.h"
#include "print/frmPrint.h"
#include "ride/ModalDimming.h"
#include "ride/RideReportSource.h"

void PrintRideReport(QWidget *mainWindow, const MainWindowControls &ui, const QString &picturePath)
{
    DimAround(mainWindow, [&] {
        frmPrint options(RideReportShown(ui, picturePath), mainWindow);
        options.exec();
    });
}

void PrintHighlightedLogEntry(QWidget *mainWindow, const MainWindowControls &ui, LogKind kind, PrintCommand command)
{
    const std::optional<LogEntryPrintout> entry = LogEntryShown(ui, kind);
    if (!entry)
        return;
    const QString printoutName = QStringLiteral("'%1' entry").arg(entry->log.tabCaption);
    const std::optional<PrintDeviceFactory> devices = PrintDevicesOf(command, mainWindow, printoutName);
    if (!devices)
        return;
    RideHeading ride = RideHeadingShown(ui);
    ride.printedAt = Clock::now();
    PrintRun run(*devices);
    run.print(printoutName, [&](PrintDevice &device) { return PrintLogEntry(device, *entry, ride); });
    run.finish(mainWindow);
}
