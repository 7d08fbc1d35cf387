#include "ride/RideHistoryCommand.h"

#include "history/HistoryWindow.h"
#include "platform/MessageBox.h"
#include "ride/ModalDimming.h"
#include "model/ShownRideOf.h"
#include "ui/ModalRun.h"

void ShowRideHistory(QWidget *mainWindow, int rideNumber, ReminderStore *database, const std::function<void()> &refillLogs,
                     const std::function<void(HistoryWindow &)> &addPages)
{
    StoreRead<RideHistory> ride = Store::readRideHistory(rideNumber, database);
    if (!ride.status) {
        MessageBox::tell(mainWindow, QStringLiteral("History not shown"), ride.status.message(), MessageBox::Icon::Critical);
        return;
    }
    bool imported = false;
    DimAround(mainWindow, [&] {
        const ShownRide shown = ShownRideOf(ride.value.ride);
        HistoryWindow window(std::move(ride.value), shown, mainWindow, database);
        if (addPages)
            addPages(window);
        RunModal(window);
        imported = window.entriesImported();
    });
    if (imported)
        refillLogs();
}
