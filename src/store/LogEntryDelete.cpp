#include "store/LogEntryDelete.h"

#include "data/RecordFile.h"
#include "store/LogFiles.h"
#include "store/StoreFiles.h"

namespace Store {

namespace {

template<DataRecord Record>
StoreResult deleteRecord(RecordFile<Record> &file, int number, double rideKey)
{
    FileStatus status = StoreFiles::putBackPending();
    if (status)
        status = OpenRecordFile(file);
    if (status) {
        status = StoreFiles::checkRecordOfRide(
            file, number, rideKey, QStringLiteral("The entry is no longer in %1; nothing was deleted.").arg(file.name()));
    }
    if (!status) {
        (void)CloseRecordFile(file);
        return {StoreOutcome::NothingWritten, std::move(status)};
    }
    return StoreFiles::compactWithout(file, number);
}

} // namespace

StoreResult deleteLogEntry(LogKind kind, int recordNumber, double rideKey)
{
    return withLogFile(kind, [&](auto &file) { return deleteRecord(file, recordNumber, rideKey); });
}

} // namespace Store
