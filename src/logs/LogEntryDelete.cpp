#include "logs/LogEntryDelete.h"

#include "logs/LogFiles.h"

namespace {

template<DataRecord Record>
FileStatus putBack(RecordFile<Record> &file, int number, const Record &original)
{
    FileStatus status = OpenRecordFile(file);
    if (status) {
        file.buffer = original;
        status = WriteRecord(file, number);
    }
    const FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

template<DataRecord Record>
FileStatus deleteRecord(RecordFile<Record> &file, int number)
{
    FileStatus status = OpenRecordFile(file);
    if (status && (number < 1 || number > file.count()))
        status = FileStatus::failure(file.name(),
                                     QStringLiteral("The entry is no longer in %1; nothing was deleted.").arg(file.name()));
    if (status)
        status = ReadRecord(file, number);
    if (!status) {
        (void)CloseRecordFile(file);
        return status;
    }
    const Record original = file.buffer;
    status = MarkRecord(file, number);
    if (!status) {
        (void)CloseRecordFile(file);
        return status;
    }
    status = CompactRecordFile(file, KeepUnmarked{});
    if (!status)
        (void)putBack(file, number, original);
    return status;
}

} // namespace

FileStatus deleteLogRecord(DataFiles &files, LogKind kind, int recordNumber)
{
    return withLogFile(files, kind, [&](auto &file) { return deleteRecord(file, recordNumber); });
}
