#pragma once

#include "platform/MessageBox.h"

#include <QStringList>

// The messages of the print commands.
namespace PrintMessages {

// The print options' print command with no option checked.
MessageBox::Request NothingChecked();

// A printout was not finished; why says what went wrong.
MessageBox::Request PrintoutFailed(const QString &why);

// Without a printer the printouts of one command went to these PDF files.
MessageBox::Request SavedAsPdf(const QStringList &files);

} // namespace PrintMessages
