#include "store/StoreFiles.h"

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

FileStatus putBackPending()
{
    return JournalRecovery::rollBackPending();
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
