#include "store/EntryCommands.h"

#include "store/ImportUndo.h"
#include "store/LogEntryDelete.h"
#include "store/LogScan.h"
#include "store/OdometerShift.h"
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

// The ride's entries in the log, as Torqal.db names them; refused when
// Torqal.db cannot be used, as the command then is.
FileStatus entriesOf(const ReminderStore &database, LogKind kind, double rideKey, std::vector<LogEntry> &entries)
{
    if (!database.isOpen())
        return database.status();
    StoreRead<std::vector<LogEntry>> listed = scanLog(kind, rideKey);
    entries = std::move(listed.value);
    return listed.status;
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

// The extras the entry holds now.
FileStatus extrasOfEntry(const ReminderStore &database, LogKind kind, double rideKey, const LogEntry *entry, EntryExtras &extras)
{
    extras = {};
    if (!entry || entry->marked)
        return {};
    ExtrasByHead ofLog;
    const FileStatus status = readEntryExtras(database, kind, rideKey, ofLog);
    extras = ofLog.value(entry->key);
    return status;
}

// How far the command moves the ride's reminders (see OdometerShift):
// `change` makes the ride's entries as they are into what they are after
// it, which replaces or removes the entry `old` (null when it adds one) and
// gives a reading when `addsReading`. Only a command that adds or takes
// away a reading can move the odometer to another base, so only such a
// command reads the ride's other logs.
template<class Change>
FileStatus reminderShift(const ReminderStore &database, LogKind kind, double rideKey, const std::vector<LogEntry> &entries,
                         const LogEntry *old, bool addsReading, Change change, qint64 &shift)
{
    shift = 0;
    EntryExtras oldExtras;
    FileStatus status = extrasOfEntry(database, kind, rideKey, old, oldExtras);
    if (!status || (!addsReading && !oldExtras.odometer))
        return status;
    OdometerShift::Entries before;
    status = OdometerShift::read(database, rideKey, before, kind, &entries);
    if (!status)
        return status;
    OdometerShift::Entries after = before;
    change(after);
    shift = OdometerShift::between(before, after);
    return status;
}

LogEntry listedEntry(const LogRecord &entry, int recordNumber)
{
    return std::visit([&](const auto &record) { return logEntry(record, recordNumber); }, entry);
}

QString extrasChange(LogKind kind) { return QStringLiteral("store the values of an entry of ") + dataFileInfo(logDataFile(kind)).name; }

} // namespace

StoreResult addLogEntry(ReminderStore &database, LogKind kind, const LogRecord &entry, const EntryExtras &extras)
{
    const double rideKey = rideKeyOf(entry);
    std::vector<LogEntry> entries;
    if (const FileStatus status = entriesOf(database, kind, rideKey, entries); !status)
        return {StoreOutcome::NothingWritten, status};
    qint64 shift = 0;
    if (const FileStatus status = reminderShift(database, kind, rideKey, entries, nullptr, extras.odometer.has_value(),
                                                [&](OdometerShift::Entries &after) { after.add(kind, listedEntry(entry, 0), extras); },
                                                shift);
        !status)
        return {StoreOutcome::NothingWritten, status};
    const quint64 head = headOf(entry);
    const EntryHead key{head, equalHeadsBefore(entries, head, 0)};
    return addLogEntry(kind, entry, [&](quint64 changeId) {
        return database.change(extrasChange(kind), changeId, [&](QSqlDatabase &db) {
            FileStatus status = ImportNoteTable::forget(db, database.path(), kind);
            if (status)
                status = EntryExtrasTable::put(db, database.path(), kind, rideKey, key, extras);
            return status ? OdometerShift::moveReminders(db, database.path(), rideKey, shift) : status;
        });
    });
}

StoreResult editLogEntry(ReminderStore &database, LogKind kind, int recordNumber, const LogRecord &entry,
                         const EntryExtras &extras)
{
    const double rideKey = rideKeyOf(entry);
    std::vector<LogEntry> entries;
    if (const FileStatus status = entriesOf(database, kind, rideKey, entries); !status)
        return {StoreOutcome::NothingWritten, status};
    // An entry no longer there is refused by the edit itself.
    const LogEntry *old = entryAt(entries, recordNumber);
    qint64 shift = 0;
    const auto edit = [&](OdometerShift::Entries &after) {
        if (OdometerShift::Entries::Entry *edited = after.find(kind, recordNumber))
            *edited = {kind, listedEntry(entry, recordNumber), extras};
    };
    if (const FileStatus status = reminderShift(database, kind, rideKey, entries, old, extras.odometer.has_value(), edit, shift);
        !status)
        return {StoreOutcome::NothingWritten, status};
    const quint64 head = headOf(entry);
    const EntryHead key{head, old && old->key.head == head ? old->key.occurrence
                                                           : equalHeadsBefore(entries, head, recordNumber)};
    return editLogEntry(kind, recordNumber, entry, [&](quint64 changeId) {
        return database.change(extrasChange(kind), changeId, [&](QSqlDatabase &db) {
            const QString &path = database.path();
            FileStatus status = ImportNoteTable::forget(db, path, kind);
            if (status && old && old->key != key && !old->marked) {
                status = EntryExtrasTable::remove(db, path, kind, rideKey, old->key);
                if (status)
                    status = EntryExtrasTable::makeRoom(db, path, kind, rideKey, key);
            }
            if (status)
                status = EntryExtrasTable::put(db, path, kind, rideKey, key, extras);
            return status ? OdometerShift::moveReminders(db, path, rideKey, shift) : status;
        });
    });
}

StoreResult deleteLogEntry(ReminderStore &database, LogKind kind, int recordNumber, double rideKey)
{
    std::vector<LogEntry> entries;
    if (const FileStatus status = entriesOf(database, kind, rideKey, entries); !status)
        return {StoreOutcome::NothingWritten, status};
    const LogEntry *gone = entryAt(entries, recordNumber);
    const std::optional<EntryHead> key = gone && !gone->marked ? std::optional(gone->key) : std::nullopt;
    qint64 shift = 0;
    const auto remove = [&](OdometerShift::Entries &after) { after.remove(kind, recordNumber); };
    if (const FileStatus status = reminderShift(database, kind, rideKey, entries, gone, false, remove, shift); !status)
        return {StoreOutcome::NothingWritten, status};
    StoreResult result = deleteLogEntry(kind, recordNumber, rideKey);
    if (!result.done())
        return result;
    const FileStatus removed = database.change(extrasChange(kind), 0, [&](QSqlDatabase &db) {
        FileStatus status = ImportNoteTable::forget(db, database.path(), kind);
        if (status && key)
            status = EntryExtrasTable::remove(db, database.path(), kind, rideKey, *key);
        return status && key ? OdometerShift::moveReminders(db, database.path(), rideKey, shift) : status;
    });
    if (!removed)
        return {StoreOutcome::WrittenWithWarning, StoreFiles::asWarning(removed), result.recordNumber};
    return result;
}

namespace {

// The entries' keys once appended after the ride's entries of the log, and
// the append with their extras as its second part.
template<class Record, class Append>
StoreResult appendWithExtras(ReminderStore &database, LogKind kind, const std::vector<Record> &entries,
                             const std::vector<EntryExtras> &extras, Append append)
{
    if (entries.empty())
        return append(StoreFiles::SecondPart());
    std::vector<LogEntry> listed;
    if (const FileStatus status = entriesOf(database, kind, entries.front().RideKey, listed); !status)
        return {StoreOutcome::NothingWritten, status};
    QHash<quint64, int> heads;
    for (const LogEntry &entry : listed)
        if (!entry.marked)
            ++heads[entry.key.head];
    const double rideKey = entries.front().RideKey;
    const bool readings = std::any_of(extras.begin(), extras.end(), [](const EntryExtras &values) { return values.odometer.has_value(); });
    qint64 shift = 0;
    const auto addAll = [&](OdometerShift::Entries &after) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            after.add(kind, logEntry(entries[i], 0), i < extras.size() ? extras[i] : EntryExtras());
    };
    if (const FileStatus status = reminderShift(database, kind, rideKey, listed, nullptr, readings, addAll, shift); !status)
        return {StoreOutcome::NothingWritten, status};
    std::vector<EntryHead> keys;
    keys.reserve(entries.size());
    for (const Record &entry : entries) {
        const quint64 head = recordHead(entry);
        keys.push_back({head, heads[head]++});
    }
    const QByteArray digest = importDigest(entries);
    return append([&](quint64 changeId) {
        return database.change(extrasChange(kind), changeId, [&](QSqlDatabase &db) {
            FileStatus status = EntryExtrasTable::putAll(db, database.path(), kind, rideKey, keys, extras);
            if (status)
                status = noteImport(db, database.path(), kind, entries.front().RideKey, int(entries.size()), digest);
            return status ? OdometerShift::moveReminders(db, database.path(), rideKey, shift) : status;
        });
    });
}

} // namespace

StoreResult appendLogEntries(ReminderStore &database, LogKind kind, const std::vector<ExpenseRecord> &entries,
                             const std::vector<EntryExtras> &extras)
{
    return appendWithExtras(database, kind, entries, extras,
                            [&](const StoreFiles::SecondPart &second) { return appendLogEntries(kind, entries, second); });
}

StoreResult appendLogEntries(ReminderStore &database, const std::vector<TripRecord> &entries,
                             const std::vector<EntryExtras> &extras)
{
    return appendWithExtras(database, LogKind::Trips, entries, extras,
                            [&](const StoreFiles::SecondPart &second) { return appendLogEntries(entries, second); });
}

StoreResult appendLogEntries(ReminderStore &database, const std::vector<GasRecord> &entries,
                             const std::vector<EntryExtras> &extras)
{
    return appendWithExtras(database, LogKind::Gas, entries, extras,
                            [&](const StoreFiles::SecondPart &second) { return appendLogEntries(entries, second); });
}

FileStatus readEntryExtras(const ReminderStore &database, LogKind kind, double rideKey, ExtrasByHead &extras)
{
    return database.read([&](QSqlDatabase &db) { return EntryExtrasTable::read(db, database.path(), kind, rideKey, extras); });
}

} // namespace Store
