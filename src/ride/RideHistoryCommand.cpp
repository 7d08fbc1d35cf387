#include "ride/RideHistoryCommand.h"

#include "history/HistoryWindow.h"
#include "platform/MessageBox.h"
#include "ride/ModalDimming.h"
#include "ride/ShownRideOf.h"
#include "ui/ModalRun.h"

void ShowRideHistory(QWidget *mainWindow, DataFiles &files, int rideNumber, const std::function<void()> &refillLogs,
                     const std::function<void(HistoryWindow &)> &addPages)
{
    RideHistory ride;
    if (const FileStatus status = readRideHistory(files, rideNumber, ride); !status) {
        MessageBox::tell(mainWindow, QStringLiteral("History not shown"), status.message(), MessageBox::Icon::Critical);
        return;
    }
    bool imported = false;
    DimAround(mainWindow, [&] {
        const ShownRide shown = ShownRideOf(ride.ride);
        HistoryWindow window(files, std::move(ride), shown, mainWindow);
        if (addPages)
            addPages(window);
        RunModal(window);
        imported = window.entriesImported();
    });
    if (imported)
        refillLogs();
}
