#include "logs/LogScan.h"

#include "data/FieldCodec.h"
#include "logs/LogFiles.h"
#include "platform/ValueFormats.h"

#include <algorithm>

namespace {

template<DataRecord Record>
FileStatus scanRecords(RecordFile<Record> &file, double rideKey, LogListing &listing)
{
    FileStatus status = OpenRecordFile(file);
    if (!status)
        return status;
    std::array<char, Record::Length> bytes;
    const int count = file.count();
    for (int number = 1; number <= count && rideKey != 0; ++number) {
        status = file.readBytes(number, bytes.data());
        if (!status)
            break;
        // Every log record starts with its ride's key: the records of other
        // rides need not be decoded at all.
        if (FieldCodec::loadDouble(bytes.data()) != rideKey)
            continue;
        decodeRecord(bytes.data(), file.buffer);
        listing.entries.push_back(logEntry(file.buffer, number));
        listing.totals.add(file.buffer);
    }
    FileStatus closed = CloseRecordFile(file);
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

} // namespace

FileStatus readLogNotes(DataFiles &files, LogKind kind, int recordNumber, QString &notes)
{
    notes.clear();
    return withLogFile(files, kind, [&](auto &file) { return readNotes(file, recordNumber, notes); });
}

void sortByDate(std::vector<LogEntry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LogEntry &a, const LogEntry &b) { return a.dateSort < b.dateSort; });
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
