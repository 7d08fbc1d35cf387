#include "backup/BackupGuard.h"

#include "backup/AutomaticBackups.h"
#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"

#include <QDir>

bool backUpBefore(QWidget *parent, const QString &command)
{
    FileStatus kept;
    {
        const BusyPointer busy(parent);
        kept = AutomaticBackups::make(QDir::currentPath(), command);
    }
    if (kept)
        return true;
    MessageBox::Request request;
    request.title = QStringLiteral("No backup");
    request.text = QStringLiteral("Torqal keeps a backup of your records before the %1, but this one could not be made:\r\n\r\n"
                                  "%2\r\n\r\nGo on with the %1 without a backup?")
                       .arg(command, kept.message());
    request.icon = MessageBox::Icon::Warning;
    request.buttons = MessageBox::Buttons::YesNo;
    request.defaultButton = MessageBox::Button::No;
    return MessageBox::show(parent, request) == MessageBox::Button::Yes;
}
