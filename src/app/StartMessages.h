#pragma once

#include "data/OtherSpellings.h"
#include "data/PartialRecords.h"
#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"

#include <QList>
#include <QString>

// The messages of the start-up about the data folder, as they are handed to
// the message box service (lines separated by CR LF). Each names the file or
// folder concerned and what to do.
namespace StartMessages {

// Another program runs on the data folder.
MessageBox::Request AlreadyRunning();

// The lock in the data folder cannot be taken for another reason.
MessageBox::Request LockRefused(SingleInstance::Outcome outcome, const QString &lockFile);

// The data folder cannot be made or entered.
MessageBox::Request DataFolderUnusable(const QString &folder);

// The question whether a data file found under another spelling is to be
// renamed to its own name.
MessageBox::Request RenameOtherSpelling(const OtherSpelling &spelling, const QString &folder);

// A scratch file was set aside as `asideName`.
MessageBox::Request ScratchFileSetAside(const QString &asideName, const QString &folder);
// The journal of a change cut short no longer fits the data files.
MessageBox::Request JournalSetAside(const QString &asideName, const QString &folder);

// Data files end in part of a record.
MessageBox::Request PartialRecords(const QList<PartialRecordFile> &files, const QString &folder);

// A start-up step on the data folder was refused.
MessageBox::Request StepFailed(const FileStatus &status, const QString &folder);

} // namespace StartMessages
