#pragma once

#include "platform/MessageBox.h"

struct HandoverResult;

#include <QStringList>

// The messages of the print commands.
namespace PrintMessages {

// The print options' print command with no option checked.
MessageBox::Request NothingChecked();

// A printout was not finished; why says what went wrong. The printouts of
// the same command before it went to the PDF files named, if any.
MessageBox::Request PrintoutFailed(const QString &why, const QStringList &pdfFilesBefore = {});

// A printout the print service refused or did not confirm, with the
// printouts of the same command before it that went to the printer and those
// after it that were not sent.
MessageBox::Request NotHandedOver(const HandoverResult &handover);

// The printouts of one command went to these PDF files: instead of a
// printer, for the reason given as the start of a sentence ("No printer is
// installed"), or, without a reason, because the user chose files.
MessageBox::Request SavedAsPdf(const QStringList &files, const QString &why = {});

} // namespace PrintMessages
