#include "logs/LogScan.h"

#include "data/FieldCodec.h"
#include "logs/LogFiles.h"
#include "platform/ValueFormats.h"

#include <algorithm>
#include <vector>

namespace {

// Where the one text field a list row shows lies in the record's bytes:
// its offset and width (none for gasoline). The row keeps those bytes as
// they are, without decoding them; the notes are read only for the
// highlighted entry.
template<class Record>
std::pair<int, int> descriptionField(const Record &record)
{
    const std::vector<const QString *> description{&record.Description};
    FieldCodec::FieldsEnd end(description);
    Record::visitFields(record, end);
    return {end.end() - Record::DescriptionWidth, Record::DescriptionWidth};
}
std::pair<int, int> descriptionField(const GasRecord &) { return {0, 0}; }

template<DataRecord Record>
FileStatus scanRecords(RecordFile<Record> &file, double rideKey, LogListing &listing)
{
    FileStatus status = OpenRecordFile(file);
    if (!status || rideKey == 0) {
        const FileStatus closed = CloseRecordFile(file);
        return status ? closed : status;
    }
    Record record;
    const std::vector<const QString *> numbersOnly;
    const auto [descriptionAt, descriptionWidth] = descriptionField(record);
    status = file.scan([&](int number, const char *bytes) {
        // Every log record starts with its ride's key: the records of other
        // rides need not be decoded at all.
        if (FieldCodec::loadDouble(bytes) == rideKey) {
            FieldCodec::FieldDecoder decoder(bytes, numbersOnly);
            Record::visitFields(record, decoder);
            listing.entries.push_back(logEntry(record, number));
            if (descriptionWidth > 0)
                listing.entries.back().description = descriptionBytes(bytes + descriptionAt, descriptionWidth);
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
