#include "ride/PrintCommands.h"

#include "platform/Clock.h"
#include "print/PrintLayout.h"
#include "print/frmPrint.h"
#include "ride/RideReportSource.h"
#include "ui/WindowFade.h"

namespace {
constexpr int Opaque = 255;
constexpr int Dimmed = 204;
constexpr int DimStep = 2;
constexpr int UndimStep = 3;
} // namespace

void PrintRideReport(QWidget *mainWindow, const MainWindowControls &ui)
{
    if (FadeActive)
        StartFade(mainWindow, Opaque, Dimmed, DimStep, false);
    {
        frmPrint options(RideReportShown(ui), mainWindow);
        options.exec();
    }
    if (FadeActive)
        StartFade(mainWindow, Dimmed, Opaque, UndimStep, false);
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
