#include "app/StartChecks.h"

#include "app/StartMessages.h"
#include "backup/FolderSwap.h"
#include "data/OtherSpellings.h"
#include "data/PartialRecords.h"
#include "data/ScratchRecovery.h"
#include "platform/MessageBox.h"
#include "store/StoreFiles.h"

void LookAfterDataFolder(const QString &folder)
{
    // A restore cut short is finished, or undone if its swap had not begun,
    // before anything reads the files it was replacing.
    if (const FileStatus restored = FolderSwap::finishPending(QStringLiteral(".")); !restored)
        MessageBox::show(nullptr, StartMessages::StepFailed(restored, folder));

    for (const OtherSpelling &spelling : otherSpellings(QStringLiteral("."))) {
        if (!spelling.canBeRenamed())
            continue; // named by torqal-data check; the program reads the own name only
        if (MessageBox::show(nullptr, StartMessages::RenameOtherSpelling(spelling, folder)) != MessageBox::Button::Yes)
            continue;
        if (const FileStatus renamed = renameToOwnName(spelling); !renamed)
            MessageBox::show(nullptr, StartMessages::StepFailed(renamed, folder));
    }

    // A change cut short is taken back first, so that the files are whole
    // before anything else looks at them.
    JournalRecovery::Outcome journal;
    if (const FileStatus rolledBack = StoreFiles::putBackPending(&journal); !rolledBack)
        MessageBox::show(nullptr, StartMessages::StepFailed(rolledBack, folder));
    else if (journal.kind == JournalRecovery::Outcome::Kind::SetAside)
        MessageBox::show(nullptr, StartMessages::JournalSetAside(journal.setAsideAs, folder));

    ScratchRecovery::Outcome scratch;
    const FileStatus recovered = ScratchRecovery::recover(&scratch);
    // Should the scratch file stay where it is, every opening of a missing
    // data file tries again, and fails rather than create the file empty.
    if (!recovered)
        MessageBox::show(nullptr, StartMessages::StepFailed(recovered, folder));
    else if (scratch.kind == ScratchRecovery::Outcome::Kind::SetAside)
        MessageBox::show(nullptr, StartMessages::ScratchFileSetAside(scratch.fileName, folder));

    if (const QList<PartialRecordFile> partial = filesEndingInPartialRecords(); !partial.isEmpty())
        MessageBox::show(nullptr, StartMessages::PartialRecords(partial, folder));
}
