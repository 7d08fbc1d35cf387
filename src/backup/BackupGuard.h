#pragma once

#include <QString>

class QWidget;

// Before a command that changes much at once (an import, deleting a ride,
// undoing an import): keeps the data folder (the working folder) as it is in
// an automatic backup (AutomaticBackups::make), with the busy pointer over
// `parent`. When the
// backup cannot be made, a message says why and asks whether to go on
// without one; No is the default. Returns whether the command may go ahead.
// `command` names it in the backup's file name and the message ("import").
bool backUpBefore(QWidget *parent, const QString &command);
