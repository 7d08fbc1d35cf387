#include "logs/LogScan.h"

#include "data/FieldCodec.h"
#include "logs/LogFiles.h"
#include "platform/ValueFormats.h"

#include <algorithm>
#include <vector>

namespace {

// The text fields a list row shows; the notes are read only for the
// highlighted entry.
std::vector<const QString *> listedText(const ExpenseRecord &record) { return {&record.Description}; }
std::vector<const QString *> listedText(const TripRecord &record) { return {&record.Description}; }
std::vector<const QString *> listedText(const GasRecord &) { return {}; }

template<DataRecord Record>
FileStatus scanRecords(RecordFile<Record> &file, double rideKey, LogListing &listing)
{
    FileStatus status = OpenRecordFile(file);
    if (!status || rideKey == 0) {
        const FileStatus closed = CloseRecordFile(file);
        return status ? closed : status;
    }
    Record record;
    const std::vector<const QString *> wanted = listedText(record);
    status = file.scan([&](int number, const char *bytes) {
        // Every log record starts with its ride's key: the records of other
        // rides need not be decoded at all.
        if (FieldCodec::loadDouble(bytes) == rideKey) {
            FieldCodec::FieldDecoder decoder(bytes, wanted);
            Record::visitFields(record, decoder);
            listing.entries.push_back(logEntry(record, number));
            listing.totals.add(record);
        }
        return true;
    });
    const FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

template<DataRecord Record>
FileStatus readNotes(RecordFile<Record> &file, int number, QString &notes)
{
    FileStatus status = OpenRecordFile(file);
    if (status)
        status = ReadRecord(file, number);
    if (status)
        notes = ValueFormats::trimBlanks(file.buffer.Notes);
    const FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

// The sort of the lists: by "yyyymmdd", ascending, keeping the order of equal
// dates.
void sortByDate(std::vector<LogEntry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LogEntry &a, const LogEntry &b) { return a.dateSort < b.dateSort; });
}

} // namespace

FileStatus readLogNotes(DataFiles &files, LogKind kind, int recordNumber, QString &notes)
{
    notes.clear();
    return withLogFile(files, kind, [&](auto &file) { return readNotes(file, recordNumber, notes); });
}


FileStatus scanLog(DataFiles &files, LogKind kind, double rideKey, LogListing &listing)
{
    listing = LogListing();
    const FileStatus status =
        withLogFile(files, kind, [&](auto &file) { return scanRecords(file, rideKey, listing); });
    if (listing.entries.size() > 1)
        sortByDate(listing.entries);
    return status;
}
