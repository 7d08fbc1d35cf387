#include "ride/RideDeletion.h"

#include "backup/BackupGuard.h"
#include "model/RideFields.h"
#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "ride/RideMessages.h"
#include "ride/RideView.h"
#include "ride/RidesMenu.h"
#include "store/RideDelete.h"
#include "ui/QorButton.h"

RideDeletion::RideDeletion(const RideWindow &window, RideView &view, RidesMenu &menu)
    : QObject(window.window), rw(window), m_view(view), m_menu(menu)
{
    connect(rw.ui.cmdRideDelete, &QorButton::Click, this, &RideDeletion::DeleteRide);
}

void RideDeletion::DeleteRide()
{
    const MainWindowControls &ui = rw.ui;
    using namespace RideFields;
    const auto question = RideMessages::ConfirmRideDelete(ui.fieldText(YearBox), ui.fieldText(MakeBox),
                                                          ui.fieldText(ModelBox), ui.fieldText(RideNameBox));
    if (MessageBox::show(rw.window, question) != MessageBox::Button::Yes || !backUpBefore(rw.window, QStringLiteral("ride deletion")))
        return;

    ReminderStore *reminders = m_reminders ? m_reminders() : nullptr;
    StoreResult deletion;
    {
        BusyPointer busy(rw.window);
        deletion = Store::deleteRide(rw.state.CurrentRide, rw.state.CurrentRideKey, reminders);
    }
    if (!rw.reportOutcome(deletion)) {
        // Some of the ride's entries may be gone: the lists show what is left.
        if (deletion.outcome == StoreOutcome::Unfinished)
            m_view.ShowRide(rw.state.CurrentRide);
        return;
    }
    m_menu.BuildRidesMenu();
    rw.state.CurrentRide = rw.state.RideCount == 1 ? 1 : 0;
    m_view.ShowRide(rw.state.CurrentRide);
}
