#include "store/StoreFiles.h"

#include "store/ReminderStore.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace StoreFiles {

FileStatus asWarning(const FileStatus &status)
{
    return FileStatus::failure(status.fileName(), status.message() + QStringLiteral(".\r\nThe change is saved all the same."));
}

StoreResult finishWrite(RecordFileBase &file, FileStatus written, int recordNumber, FileStatus warning)
{
    FileStatus closed = CloseRecordFile(file);
    if (closed)
        closed = std::move(warning);
    StoreResult result;
    if (!written) {
        result.status = std::move(written);
        return result;
    }
    if (!closed) {
        result.outcome = StoreOutcome::WrittenWithWarning;
        result.status = asWarning(closed);
    } else {
        result.outcome = StoreOutcome::Written;
    }
    result.recordNumber = recordNumber;
    return result;
}

FileStatus putBackPending(JournalRecovery::Outcome *outcome)
{
    return JournalRecovery::rollBackPending(outcome, [](quint64 changeId, bool &finished) {
        finished = false;
        // A change whose second part never reached Torqal.db is not finished.
        if (!QFileInfo::exists(ReminderStore::FileName))
            return FileStatus();
        const ReminderStore database(ReminderStore::FileName);
        return database.isOpen() ? database.isFinished(changeId, finished) : database.status();
    });
}

quint64 newChangeId()
{
    return QRandomGenerator::system()->generate64() | 1;
}

FileStatus rolledBack(WriteJournal &journal, FileStatus failure)
{
    const FileStatus back = journal.rollBack();
    if (back)
        return failure;
    return FileStatus::failure(failure.fileName(), failure.message() + QStringLiteral(".\r\n") + back.message()
                                                       + QStringLiteral(".\r\nWhat was written is taken out again before the next change, "
                                                                        "or when Torqal next starts."));
}

StoreResult resultOf(Compaction compaction)
{
    StoreResult result;
    if (!compaction.replaced)
        result.status = std::move(compaction.status);
    else if (!compaction.status)
        result = {StoreOutcome::WrittenWithWarning, asWarning(compaction.status)};
    else
        result.outcome = StoreOutcome::Written;
    return result;
}

} // namespace StoreFiles
