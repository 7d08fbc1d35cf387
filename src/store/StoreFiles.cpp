#include "store/StoreFiles.h"

namespace StoreFiles {

FileStatus asWarning(const FileStatus &status)
{
    return FileStatus::failure(status.fileName(), status.message() + QStringLiteral(".\r\nThe change is saved all the same."));
}

StoreResult finishWrite(RecordFileBase &file, FileStatus written, int recordNumber)
{
    FileStatus closed = CloseRecordFile(file);
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
