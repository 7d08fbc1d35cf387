#include "ride/RideWindow.h"

#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "ride/RideMessages.h"
#include "store/RideWrite.h"
#include "ui/QorButton.h"

void RideWindow::reportFailure(const FileStatus &status) const
{
    MessageBox::show(window, RideMessages::FileFailure(status));
}

bool RideWindow::reportOutcome(const StoreResult &result) const
{
    if (result.outcome == StoreOutcome::WrittenWithWarning)
        MessageBox::show(window, RideMessages::FileWarning(result.status));
    else if (!result.status)
        reportFailure(result.status);
    return result.done();
}

bool RideWindow::storePicturePath(qint16 n, const QString &path) const
{
    StoreResult stored;
    {
        BusyPointer busy(window);
        stored = Store::setRidePicture(n, state.CurrentRideKey, path);
    }
    if (stored.done() && n == state.Shown.number)
        state.Shown.record.PicturePath = path;
    return reportOutcome(stored);
}

void SetHoverText(QorButton *button, const QString &text)
{
    button->setToolTip(text);
    button->Refresh();
}
