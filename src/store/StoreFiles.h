#pragma once

#include "data/RecordFile.h"
#include "store/StoreResult.h"

// What the store's commands share.
namespace StoreFiles {

// Opens the file, runs read(), closes the file: the read's failure first,
// then the close's.
template<class Read>
FileStatus whileOpen(RecordFileBase &file, Read read)
{
    FileStatus status = OpenRecordFile(file);
    if (status)
        status = read();
    const FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

// A failure after the change was written, as the warning that says so.
FileStatus asWarning(const FileStatus &status);

// Closes the file after a command's write and says how the command ended:
// nothing written when `written` failed; written, or written with a
// warning when the file then could not be closed.
StoreResult finishWrite(RecordFileBase &file, FileStatus written, int recordNumber);

// Refuses a write to record `number` when the file no longer holds it, or
// when the record there no longer belongs to the ride with rideKey. The
// file is open; its working record holds the record afterwards.
template<DataRecord Record>
FileStatus checkRecordOfRide(RecordFile<Record> &file, int number, double rideKey, const QString &gone)
{
    if (number < 1 || number > file.count())
        return FileStatus::failure(file.name(), gone);
    FileStatus status = ReadRecord(file, number);
    if (status && file.buffer.RideKey != rideKey)
        return FileStatus::failure(file.name(), gone);
    return status;
}

// How a compaction ends a command: nothing written unless the file was
// replaced; a folder that could not be flushed afterwards is a warning.
StoreResult resultOf(Compaction compaction);

// Rebuilds the file without record `number`, and without any record that an
// older program left marked deleted (its deletions mark the record first).
template<DataRecord Record>
StoreResult compactWithout(RecordFile<Record> &file, int number)
{
    StoreResult result = resultOf(
        CompactRecordFile(file, [number](int n, const Record &record) { return n != number && !IsMarked(record); }));
    result.recordNumber = number;
    return result;
}

} // namespace StoreFiles
