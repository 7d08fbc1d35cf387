#include "logs/LogScan.h"

#include "data/FieldCodec.h"
#include "logs/LogFiles.h"

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
        listing.rows.push_back(logRow(file.buffer, number));
        listing.totals.add(file.buffer);
    }
    FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

} // namespace

void sortByDate(std::vector<LogRow> &rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const LogRow &a, const LogRow &b) {
        return QString::compare(a.dateSort, b.dateSort, Qt::CaseInsensitive) < 0;
    });
}

FileStatus scanLog(DataFiles &files, LogKind kind, double rideKey, LogListing &listing)
{
    listing = LogListing();
    const FileStatus status =
        withLogFile(files, kind, [&](auto &file) { return scanRecords(file, rideKey, listing); });
    if (listing.rows.size() > 1)
        sortByDate(listing.rows);
    return status;
}
