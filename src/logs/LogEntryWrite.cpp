#include "logs/LogEntryWrite.h"

#include "logs/LogEntryForm.h"
#include "logs/LogFiles.h"
#include "platform/ValueFormats.h"

#include <type_traits>

using namespace ValueFormats;

namespace {

template<class Record>
Record datedRecord(double rideKey, const EntryFields &fields)
{
    Record record;
    record.RideKey = rideKey;
    record.EntryDate = dateValueFromText(fields[0]).value_or(0);
    record.Notes = trimBlanks(fields[3]);
    return record;
}

void fillFromFields(ExpenseRecord &record, double rideKey, const EntryFields &fields)
{
    record = expenseFromFields(rideKey, fields);
}

void fillFromFields(TripRecord &record, double rideKey, const EntryFields &fields)
{
    record = tripFromFields(rideKey, fields);
}

void fillFromFields(GasRecord &record, double rideKey, const EntryFields &fields)
{
    record = gasFromFields(rideKey, fields);
}

// An edit keeps the stored value of every field the user left as shown: a
// cost of 12.345678 shown as $12.35, a date with its time of day, gallons
// shown to one decimal.
using Untouched = std::array<bool, 4>;

template<DataRecord Record>
void keepUntouched(Record &record, const LogEntry &stored, const Untouched &untouched)
{
    if (untouched[0])
        record.EntryDate = stored.entryDate;
    if constexpr (std::is_same_v<Record, GasRecord>) {
        if (untouched[1])
            record.Gallons = stored.gallons;
    } else if (untouched[1]) {
        record.Description = stored.description;
    }
    if constexpr (std::is_same_v<Record, ExpenseRecord>) {
        if (untouched[2])
            record.Cost = stored.cost;
    } else if (untouched[2]) {
        record.Miles = stored.miles;
    }
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
FileStatus writeRecord(RecordFile<Record> &file, const LogEntryRequest &request, const EntryFields &fields)
{
    FileStatus status = OpenRecordFile(file);
    if (!status)
        return status;
    const int count = file.count();
    int number = request.recordNumber;
    if (request.adding()) {
        number = count + 1;
        status = roomFor(file, 1);
    } else if (number < 1 || number > count) {
        status = FileStatus::failure(file.name(),
                                     QStringLiteral("The entry is no longer in %1; nothing was saved.").arg(file.name()));
    }
    if (status) {
        fillFromFields(file.buffer, request.rideKey, fields);
        keepUntouched(file.buffer, request.entry, LogEntryForm::untouchedFields(request, fields));
        status = WriteRecord(file, number);
    }
    const FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

template<DataRecord Record>
FileStatus appendRecords(RecordFile<Record> &file, const std::vector<Record> &entries, int &written)
{
    written = 0;
    FileStatus status = OpenRecordFile(file);
    if (status)
        status = roomFor(file, qsizetype(entries.size()));
    for (std::size_t i = 0; status && i < entries.size(); ++i) {
        file.buffer = entries[i];
        status = WriteRecord(file, file.count() + 1 + int(i));
        if (status)
            ++written;
    }
    const FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

} // namespace

ExpenseRecord expenseFromFields(double rideKey, const EntryFields &fields)
{
    auto record = datedRecord<ExpenseRecord>(rideKey, fields);
    record.Description = trimBlanks(fields[1]);
    record.Cost = moneyFromText(fields[2]).value_or(0);
    return record;
}

TripRecord tripFromFields(double rideKey, const EntryFields &fields)
{
    auto record = datedRecord<TripRecord>(rideKey, fields);
    record.Description = trimBlanks(fields[1]);
    const std::optional<double> miles = numberFromText(fields[2]);
    record.Miles = miles ? roundToInt32(*miles) : 0;
    return record;
}

GasRecord gasFromFields(double rideKey, const EntryFields &fields)
{
    auto record = datedRecord<GasRecord>(rideKey, fields);
    record.Gallons = static_cast<float>(LogEntryForm::gasNumber(fields[1]));
    record.Miles = roundToInt32(LogEntryForm::gasNumber(fields[2]));
    return record;
}

FileStatus writeLogEntry(DataFiles &files, const LogEntryRequest &request, const EntryFields &fields)
{
    return withLogFile(files, request.kind, [&](auto &file) { return writeRecord(file, request, fields); });
}

FileStatus appendLogEntries(DataFiles &files, const std::vector<ExpenseRecord> &entries, LogKind kind, int &written)
{
    return appendRecords(kind == LogKind::Goodies ? files.goodies : files.maintenance, entries, written);
}

FileStatus appendLogEntries(DataFiles &files, const std::vector<TripRecord> &entries, int &written)
{
    return appendRecords(files.trips, entries, written);
}

FileStatus appendLogEntries(DataFiles &files, const std::vector<GasRecord> &entries, int &written)
{
    return appendRecords(files.gas, entries, written);
}
