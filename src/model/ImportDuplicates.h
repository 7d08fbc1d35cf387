#pragma once

#include "store/EntryExtras.h"
#include "store/LogEntry.h"
#include "store/StoreResult.h"

#include <vector>

class ReminderStore;

// Which rows about to be imported a log already holds, so that an import
// skips them and the same file imported twice adds nothing.
//
// A row is already in the log when an entry of the ride there has its day,
// its amounts exactly as stored (cost; miles; gallons and miles) and its
// description (the notes do not count), and, where both have an odometer
// reading, the same reading. Each entry stands for one row: two identical
// rows against one entry make one duplicate and one new entry. Two identical
// rows of the file are never duplicates of each other, as the same thing can
// be bought twice a day. Entries an older program left marked deleted stand
// for none.
namespace ImportDuplicates {

// For each row (`rowExtras` in the same order, or empty), whether it is
// already in `log`, whose entries' extras `logExtras` holds.
std::vector<bool> find(const std::vector<LogEntry> &log, const ExtrasByHead &logExtras, const std::vector<LogEntry> &rows,
                       const std::vector<EntryExtras> &rowExtras);

// A record about to be imported as the log will list it once stored: its
// description cut to the field's width, its date to the day.
template<DataRecord Record>
LogEntry storedEntry(const Record &record)
{
    Record stored;
    decodeRecord(encodeRecord(record).constData(), stored);
    return logEntry(stored, 0);
}

template<DataRecord Record>
std::vector<LogEntry> storedEntries(const std::vector<Record> &records)
{
    std::vector<LogEntry> entries;
    entries.reserve(records.size());
    for (const Record &record : records)
        entries.push_back(storedEntry(record));
    return entries;
}

// The ride's entries in a log as they are on disk, with their extras read
// from `database` (none without one): what `find` compares the rows with.
struct Log
{
    std::vector<LogEntry> entries;
    ExtrasByHead extras;
};
StoreRead<Log> readLog(const ReminderStore *database, LogKind kind, double rideKey);

// The rows whose flag is not set, in their order; `rows` may be empty (no
// extras), and is then left so.
template<class Row>
std::vector<Row> unflagged(const std::vector<Row> &rows, const std::vector<bool> &flags)
{
    if (rows.empty())
        return rows;
    std::vector<Row> kept;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (i >= flags.size() || !flags[i])
            kept.push_back(rows[i]);
    return kept;
}

} // namespace ImportDuplicates
