#include "ride/RideWindow.h"

#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "ride/RideMessages.h"
#include "ui/QorButton.h"

void RideWindow::reportFailure(const FileStatus &status) const
{
    MessageBox::show(window, RideMessages::FileFailure(status));
}

FileStatus RideWindow::writePicturePath(qint16 n, const QString &path) const
{
    BusyPointer busy(window);
    FileStatus status = OpenRecordFile(files.rides);
    if (status)
        status = ReadRecord(files.rides, n);
    if (status) {
        files.rides.buffer.PicturePath = path;
        status = WriteRecord(files.rides, n);
    }
    const FileStatus closed = CloseRecordFile(files.rides);
    takeRideCount();
    return status ? closed : status;
}

void SetHoverText(QorButton *button, const QString &text)
{
    button->setToolTip(text);
    button->Refresh();
}
