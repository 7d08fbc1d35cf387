#pragma once

#include "platform/MessageBox.h"

#include <QStringList>

// The messages of the print commands.
namespace PrintMessages {

// The print options' print command with no option checked.
MessageBox::Request NothingChecked();

// A printout was not finished; why says what went wrong. The printouts of
// the same command before it went to the PDF files named, if any.
MessageBox::Request PrintoutFailed(const QString &why, const QStringList &pdfFilesBefore = {});

// Without a printer the printouts of one command went to these PDF files.
MessageBox::Request SavedAsPdf(const QStringList &files);

} // namespace PrintMessages
