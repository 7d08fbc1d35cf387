#include "store/EntryCommands.h"

#include "store/LogEntryDelete.h"
#include "store/LogScan.h"
#include "store/StoreFiles.h"
#include "store/ReminderStore.h"

#include <algorithm>
#include <optional>

namespace Store {

namespace {

double rideKeyOf(const LogRecord &entry)
{
    return std::visit([](const auto &record) { return record.RideKey; }, entry);
}

quint64 headOf(const LogRecord &entry)
{
    return std::visit([](const auto &record) { return recordHead(record); }, entry);
}

// The ride's entries in the log, as Torqal.db names them.
StoreRead<std::vector<LogEntry>> entriesOf(LogKind kind, double rideKey)
{
    return scanLog(kind, rideKey);
}

// How many unmarked entries with the head stand before record `before` (0:
// before the end of the file).
int equalHeadsBefore(const std::vector<LogEntry> &entries, quint64 head, int before)
{
    return int(std::count_if(entries.begin(), entries.end(), [&](const LogEntry &entry) {
        return !entry.marked && entry.key.head == head && (before == 0 || entry.recordNumber < before);
    }));
}

const LogEntry *entryAt(const std::vector<LogEntry> &entries, int recordNumber)
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const LogEntry &entry) { return entry.recordNumber == recordNumber; });
    return found == entries.end() ? nullptr : &*found;
}

QString extrasChange(LogKind kind) { return QStringLiteral("store the values of an entry of ") + dataFileInfo(logDataFile(kind)).name; }

} // namespace

StoreResult addLogEntry(ReminderStore &database, LogKind kind, const LogRecord &entry, const EntryExtras &extras)
{
    if (!database.isOpen())
        return {StoreOutcome::NothingWritten, database.status()};
    const double rideKey = rideKeyOf(entry);
    const StoreRead<std::vector<LogEntry>> entries = entriesOf(kind, rideKey);
    if (!entries.status)
        return {StoreOutcome::NothingWritten, entries.status};
    const quint64 head = headOf(entry);
    const EntryHead key{head, equalHeadsBefore(entries.value, head, 0)};
    return addLogEntry(kind, entry, [&](quint64 changeId) {
        return database.change(extrasChange(kind), changeId, [&](QSqlDatabase &db) {
            return EntryExtrasTable::put(db, database.path(), kind, rideKey, key, extras);
        });
    });
}

StoreResult editLogEntry(ReminderStore &database, LogKind kind, int recordNumber, const LogRecord &entry,
                         const EntryExtras &extras)
{
    if (!database.isOpen())
        return {StoreOutcome::NothingWritten, database.status()};
    const double rideKey = rideKeyOf(entry);
    const StoreRead<std::vector<LogEntry>> entries = entriesOf(kind, rideKey);
    if (!entries.status)
        return {StoreOutcome::NothingWritten, entries.status};
    // An entry no longer there is refused by the edit itself.
    const LogEntry *old = entryAt(entries.value, recordNumber);
    const quint64 head = headOf(entry);
    const EntryHead key{head, old && old->key.head == head ? old->key.occurrence
                                                           : equalHeadsBefore(entries.value, head, recordNumber)};
    return editLogEntry(kind, recordNumber, entry, [&](quint64 changeId) {
        return database.change(extrasChange(kind), changeId, [&](QSqlDatabase &db) {
            const QString &path = database.path();
            FileStatus status;
            if (old && old->key != key && !old->marked) {
                status = EntryExtrasTable::remove(db, path, kind, rideKey, old->key);
                if (status)
                    status = EntryExtrasTable::makeRoom(db, path, kind, rideKey, key);
            }
            return status ? EntryExtrasTable::put(db, path, kind, rideKey, key, extras) : status;
        });
    });
}

StoreResult deleteLogEntry(ReminderStore &database, LogKind kind, int recordNumber, double rideKey)
{
    if (!database.isOpen())
        return {StoreOutcome::NothingWritten, database.status()};
    const StoreRead<std::vector<LogEntry>> entries = entriesOf(kind, rideKey);
    if (!entries.status)
        return {StoreOutcome::NothingWritten, entries.status};
    const LogEntry *gone = entryAt(entries.value, recordNumber);
    const std::optional<EntryHead> key = gone && !gone->marked ? std::optional(gone->key) : std::nullopt;
    StoreResult result = deleteLogEntry(kind, recordNumber, rideKey);
    if (!result.done() || !key)
        return result;
    const FileStatus removed = database.change(extrasChange(kind), 0, [&](QSqlDatabase &db) {
        return EntryExtrasTable::remove(db, database.path(), kind, rideKey, *key);
    });
    if (!removed)
        return {StoreOutcome::WrittenWithWarning, StoreFiles::asWarning(removed), result.recordNumber};
    return result;
}

FileStatus readEntryExtras(const ReminderStore &database, LogKind kind, double rideKey, ExtrasByHead &extras)
{
    return database.read([&](QSqlDatabase &db) { return EntryExtrasTable::read(db, database.path(), kind, rideKey, extras); });
}

} // namespace Store
