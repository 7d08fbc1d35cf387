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

FileStatus notOfLog(const RecordFileBase &file)
{
    return FileStatus::failure(file.name(), QStringLiteral("Could not write %1: the entry is not one of its log").arg(file.name()));
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

// Appends `records` to the file, all of them or none (see WriteJournal).
template<DataRecord Record>
StoreResult appendAll(RecordFile<Record> &file, std::span<const Record> records, const StoreFiles::SecondPart &second = {})
{
    FileStatus status = StoreFiles::putBackPending();
    if (status)
        status = OpenRecordFile(file);
    if (status)
        status = roomFor(file, qsizetype(records.size()));
    const int first = file.count() + 1;
    FileStatus warning;
    if (status)
        status = StoreFiles::appendRecords(file, records, warning, second);
    return StoreFiles::finishWrite(file, std::move(status), first + int(records.size()) - 1, std::move(warning));
}

template<DataRecord Record>
StoreResult addRecord(RecordFile<Record> &file, const LogRecord &entry, const StoreFiles::SecondPart &second)
{
    if (const Record *record = entryOfType<Record>(entry))
        return appendAll(file, std::span(record, 1), second);
    return {StoreOutcome::NothingWritten, notOfLog(file)};
}

template<DataRecord Record>
StoreResult editRecord(RecordFile<Record> &file, int number, const LogRecord &entry, const StoreFiles::SecondPart &second)
{
    const Record *record = entryOfType<Record>(entry);
    if (!record)
        return {StoreOutcome::NothingWritten, notOfLog(file)};
    FileStatus status = StoreFiles::putBackPending();
    if (status)
        status = OpenRecordFile(file);
    if (status) {
        status = StoreFiles::checkRecordOfRide(
            file, number, record->RideKey, QStringLiteral("The entry is no longer in %1; nothing was saved.").arg(file.name()));
    }
    FileStatus warning;
    if (status)
        status = StoreFiles::overwriteRecord(file, number, *record, warning, second);
    return StoreFiles::finishWrite(file, std::move(status), number, std::move(warning));
}

} // namespace

StoreResult addLogEntry(LogKind kind, const LogRecord &entry, const StoreFiles::SecondPart &second)
{
    return withLogFile(kind, [&](auto &file) { return addRecord(file, entry, second); });
}

StoreResult editLogEntry(LogKind kind, int recordNumber, const LogRecord &entry, const StoreFiles::SecondPart &second)
{
    return withLogFile(kind, [&](auto &file) { return editRecord(file, recordNumber, entry, second); });
}

StoreResult appendLogEntries(LogKind kind, const std::vector<ExpenseRecord> &entries, const StoreFiles::SecondPart &second)
{
    RecordFile<ExpenseRecord> file(kind == LogKind::Goodies ? DataFileKind::Goodies : DataFileKind::Maintenance);
    return appendAll(file, std::span(entries), second);
}

StoreResult appendLogEntries(const std::vector<TripRecord> &entries, const StoreFiles::SecondPart &second)
{
    RecordFile<TripRecord> file(DataFileKind::Trips);
    return appendAll(file, std::span(entries), second);
}

StoreResult appendLogEntries(const std::vector<GasRecord> &entries, const StoreFiles::SecondPart &second)
{
    RecordFile<GasRecord> file(DataFileKind::Gas);
    return appendAll(file, std::span(entries), second);
}

} // namespace Store
