#include "store/LogEntryWrite.h"

#include "data/RecordFile.h"
#include "store/LogFiles.h"
#include "store/StoreFiles.h"

namespace Store {

namespace {

// The entry as the record type of the file, or nothing when it is of another
// type.
template<DataRecord Record>
const Record *entryOfType(const LogRecord &entry)
{
    return std::get_if<Record>(&entry);
}

// Refuses to add `adding` records to a file that cannot take them.
FileStatus roomFor(const RecordFileBase &file, qsizetype adding)
{
    if (file.count() + adding <= MaxRecords)
        return {};
    if (adding == 1)
        return FileStatus::failure(file.name(),
                                   QStringLiteral("%1 already holds %2 entries, the most one log can hold.\r\n"
                                                  "Delete an entry before you add a new one.")
                                       .arg(file.name())
                                       .arg(MaxRecords));
    return FileStatus::failure(file.name(), QStringLiteral("%1 holds %2 entries and can take %3 more, not %4.\r\n"
                                                           "Nothing was added.")
                                                .arg(file.name())
                                                .arg(file.count())
                                                .arg(MaxRecords - file.count())
                                                .arg(adding));
}

template<DataRecord Record>
StoreResult addRecord(RecordFile<Record> &file, const LogRecord &entry)
{
    const Record *record = entryOfType<Record>(entry);
    FileStatus status = record ? OpenRecordFile(file)
                               : FileStatus::failure(file.name(), QStringLiteral("Could not write %1: the entry is not one of its log").arg(file.name()));
    const int number = file.count() + 1;
    if (status)
        status = roomFor(file, 1);
    if (status) {
        file.buffer = *record;
        status = WriteRecord(file, number);
    }
    return StoreFiles::finishWrite(file, std::move(status), number);
}

template<DataRecord Record>
StoreResult editRecord(RecordFile<Record> &file, int number, const LogRecord &entry)
{
    const Record *record = entryOfType<Record>(entry);
    FileStatus status = record ? OpenRecordFile(file)
                               : FileStatus::failure(file.name(), QStringLiteral("Could not write %1: the entry is not one of its log").arg(file.name()));
    if (status) {
        status = StoreFiles::checkRecordOfRide(
            file, number, record->RideKey, QStringLiteral("The entry is no longer in %1; nothing was saved.").arg(file.name()));
    }
    if (status) {
        file.buffer = *record;
        status = WriteRecord(file, number);
    }
    return StoreFiles::finishWrite(file, std::move(status), number);
}

template<DataRecord Record>
StoreResult appendRecords(RecordFile<Record> &file, const std::vector<Record> &entries, int &written)
{
    written = 0;
    FileStatus status = OpenRecordFile(file);
    if (status)
        status = roomFor(file, qsizetype(entries.size()));
    const int first = file.count() + 1;
    for (std::size_t i = 0; status && i < entries.size(); ++i) {
        file.buffer = entries[i];
        status = WriteRecord(file, first + int(i));
        if (status)
            ++written;
    }
    StoreResult result = StoreFiles::finishWrite(file, status, first + written - 1);
    if (!status && written > 0)
        result.outcome = StoreOutcome::Unfinished;
    return result;
}

} // namespace

StoreResult addLogEntry(LogKind kind, const LogRecord &entry)
{
    return withLogFile(kind, [&](auto &file) { return addRecord(file, entry); });
}

StoreResult editLogEntry(LogKind kind, int recordNumber, const LogRecord &entry)
{
    return withLogFile(kind, [&](auto &file) { return editRecord(file, recordNumber, entry); });
}


StoreResult appendLogEntries(LogKind kind, const std::vector<ExpenseRecord> &entries, int &written)
{
    RecordFile<ExpenseRecord> file(kind == LogKind::Goodies ? DataFileKind::Goodies : DataFileKind::Maintenance);
    return appendRecords(file, entries, written);
}

StoreResult appendLogEntries(const std::vector<TripRecord> &entries, int &written)
{
    RecordFile<TripRecord> file(DataFileKind::Trips);
    return appendRecords(file, entries, written);
}

StoreResult appendLogEntries(const std::vector<GasRecord> &entries, int &written)
{
    RecordFile<GasRecord> file(DataFileKind::Gas);
    return appendRecords(file, entries, written);
}

} // namespace Store
