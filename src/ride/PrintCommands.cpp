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

void PrintHighlightedLogEntry(QWidget *mainWindow, const MainWindowControls &ui, LogKind kind)
{
    const std::optional<LogEntryPrintout> entry = LogEntryShown(ui, kind);
    if (!entry)
        return;
    RideHeading ride = RideHeadingShown(ui);
    ride.printedAt = Clock::now();
    PrintRun run(SystemPrintDevices());
    run.print(QStringLiteral("'%1' entry").arg(entry->log.tabCaption),
              [&](PrintDevice &device) { return PrintLogEntry(device, *entry, ride); });
    run.report(mainWindow);
}
