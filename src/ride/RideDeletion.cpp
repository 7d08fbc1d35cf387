#include "ride/RideDeletion.h"

#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "ride/RideMessages.h"
#include "ride/RideView.h"
#include "ride/RidesMenu.h"
#include "ui/QorButton.h"

RideDeletion::RideDeletion(const RideWindow &window, RideView &view, RidesMenu &menu)
    : QObject(window.window), rw(window), m_view(view), m_menu(menu)
{
    connect(rw.ui.cmdRideDelete, &QorButton::Click, this, &RideDeletion::DeleteRide);
}

void RideDeletion::DeleteRide()
{
    const MainWindowControls &ui = rw.ui;
    const auto question = RideMessages::ConfirmRideDelete(ui.fieldText(1), ui.fieldText(2), ui.fieldText(3),
                                                          ui.fieldText(7));
    if (MessageBox::show(rw.window, question) != MessageBox::Button::Yes)
        return;

    FileStatus status;
    bool rideRemoved = false;
    {
        BusyPointer busy(rw.window);
        status = removeRide();
        rideRemoved = bool(status);
        if (status)
            status = removeLogEntries(rw.state.CurrentRideKey);
    }
    if (!status)
        rw.reportFailure(status);
    if (!rideRemoved)
        return;
    if (m_rideRemoved)
        m_rideRemoved(rw.state.CurrentRideKey);

    m_menu.BuildRidesMenu();
    rw.state.CurrentRide = rw.state.RideCount == 1 ? 1 : 0;
    m_view.ShowRide(rw.state.CurrentRide);
}

// Marks the ride shown and compacts the ride file without it. Should the
// compaction be refused, the mark is taken off again, so that the ride stays
// on file as it was.
FileStatus RideDeletion::removeRide()
{
    RecordFile<RideRecord> &rides = rw.files.rides;
    const qint16 n = rw.state.CurrentRide;
    FileStatus status = OpenRecordFile(rides);
    if (status)
        status = ReadRecord(rides, n);
    const RideRecord unmarked = rides.buffer;
    if (status) {
        Mark(rides.buffer);
        status = WriteRecord(rides, n);
    }
    if (!status) {
        (void)CloseRecordFile(rides);
        rw.takeRideCount();
        return status;
    }
    rw.state.CurrentRideKey = rides.buffer.RideKey;
    status = CompactRecordFile(rides, KeepUnmarked{});
    if (!status && OpenRecordFile(rides)) {
        rides.buffer = unmarked;
        (void)WriteRecord(rides, n);
        (void)CloseRecordFile(rides);
    }
    rw.takeRideCount();
    return status;
}

// Compacts the four log files without the entries of the deleted ride, in
// the order maintenance, goodies, trips, gasoline. The first refusal stops
// the rest; entries left behind belong to no ride and are never shown.
FileStatus RideDeletion::removeLogEntries(double rideKey)
{
    const KeepOtherRides keep{rideKey};
    FileStatus status = CompactRecordFile(rw.files.maintenance, keep);
    if (status)
        status = CompactRecordFile(rw.files.goodies, keep);
    if (status)
        status = CompactRecordFile(rw.files.trips, keep);
    if (status)
        status = CompactRecordFile(rw.files.gas, keep);
    return status;
}
