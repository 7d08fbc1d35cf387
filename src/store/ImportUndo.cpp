#include "store/ImportUndo.h"

#include "data/WriteJournal.h"
#include "platform/Clock.h"
#include "store/EntryExtras.h"
#include "store/LogFiles.h"
#include "store/LogScan.h"
#include "store/ReminderStore.h"
#include "store/StoreFiles.h"

#include <QFileInfo>

#include <algorithm>

namespace Store {

namespace {

QString logFileName(LogKind kind) { return dataFileInfo(logDataFile(kind)).name; }

FileStatus nothingToUndo(LogKind kind)
{
    return FileStatus::failure(logFileName(kind), QStringLiteral("No import into %1 can be taken back: nothing was imported "
                                                                 "into it, or it has changed since")
                                                      .arg(logFileName(kind)));
}

// Whether the open log file still has the length the import left and ends
// with the records it appended.
FileStatus endsWithImport(RecordFileBase &file, const ImportNote &note, bool &ends)
{
    ends = false;
    qint64 length = 0;
    FileStatus status = file.byteLength(length);
    if (!status || note.count < 1 || length != note.length || length != qint64(file.count()) * file.recordLength()
        || note.first + note.count - 1 != file.count())
        return status;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray bytes(file.recordLength(), '\0');
    for (int number = note.first; status && number < note.first + note.count; ++number) {
        status = file.readBytes(number, bytes.data());
        hash.addData(bytes);
    }
    ends = status && hash.result() == note.digest;
    return status;
}

// The log's note, when it is the ride's.
FileStatus noteOfRide(const ReminderStore &database, LogKind kind, double rideKey, std::optional<ImportNote> &note)
{
    const FileStatus status =
        database.read([&](QSqlDatabase &db) { return ImportNoteTable::read(db, database.path(), kind, note); });
    if (note && note->rideKey != rideKey)
        note.reset();
    return status;
}

// The imported entries as Torqal.db names them, the last one first: each is
// then the last of its head when its extras go.
std::vector<EntryHead> importedKeys(const std::vector<LogEntry> &entries, const ImportNote &note)
{
    std::vector<const LogEntry *> imported;
    for (const LogEntry &entry : entries)
        if (!entry.marked && entry.recordNumber >= note.first && entry.recordNumber < note.first + note.count)
            imported.push_back(&entry);
    std::sort(imported.begin(), imported.end(),
              [](const LogEntry *a, const LogEntry *b) { return a->recordNumber > b->recordNumber; });
    std::vector<EntryHead> keys;
    for (const LogEntry *entry : imported)
        keys.push_back(entry->key);
    return keys;
}

} // namespace

FileStatus lastImport(const ReminderStore &database, LogKind kind, double rideKey, std::optional<ImportNote> &note)
{
    FileStatus status = noteOfRide(database, kind, rideKey, note);
    if (!note)
        return status;
    bool ends = false;
    if (status) {
        status = withLogFile(kind, [&](RecordFileBase &file) {
            return StoreFiles::whileOpen(file, [&] { return endsWithImport(file, *note, ends); });
        });
    }
    if (!ends)
        note.reset();
    return status;
}

FileStatus lastImportOfRide(const ReminderStore &database, double rideKey, std::optional<ImportNote> &note)
{
    note.reset();
    FileStatus status;
    for (std::size_t i = 0; status && i < AllLogKinds.size(); ++i) {
        std::optional<ImportNote> ofLog;
        status = lastImport(database, AllLogKinds[i], rideKey, ofLog);
        if (ofLog && (!note || ofLog->importedAt > note->importedAt))
            note = ofLog;
    }
    return status;
}

StoreResult undoLastImport(ReminderStore &database, LogKind kind, double rideKey)
{
    if (!database.isOpen())
        return {StoreOutcome::NothingWritten, database.status()};
    std::optional<ImportNote> note;
    FileStatus status = noteOfRide(database, kind, rideKey, note);
    if (status && !note)
        status = nothingToUndo(kind);
    if (status)
        status = StoreFiles::putBackPending();
    StoreRead<std::vector<LogEntry>> listed;
    if (status) {
        listed = scanLog(kind, rideKey);
        status = listed.status;
    }
    if (!status)
        return {StoreOutcome::NothingWritten, status};
    const std::vector<EntryHead> keys = importedKeys(listed.value, *note);
    return withLogFile(kind, [&](RecordFileBase &file) {
        FileStatus done = OpenRecordFile(file);
        bool ends = false;
        if (done)
            done = endsWithImport(file, *note, ends);
        if (done && !ends)
            done = nothingToUndo(kind);
        WriteJournal journal;
        if (done)
            done = journal.noteCut(file, note->count);
        FileStatus warning;
        if (done) {
            done = StoreFiles::writeUnderJournal(
                journal, [&] { return file.cutAfter(note->first - 1); }, warning, [&](quint64 changeId) {
                    return database.change(QStringLiteral("take back the last import into ") + logFileName(kind), changeId,
                                           [&](QSqlDatabase &db) {
                                               FileStatus removed;
                                               for (std::size_t i = 0; removed && i < keys.size(); ++i)
                                                   removed = EntryExtrasTable::remove(db, database.path(), kind, rideKey, keys[i]);
                                               return removed ? ImportNoteTable::forget(db, database.path(), kind) : removed;
                                           });
                });
        }
        return StoreFiles::finishWrite(file, std::move(done), note->first, std::move(warning));
    });
}

FileStatus noteImport(QSqlDatabase &db, const QString &path, LogKind kind, double rideKey, int count, const QByteArray &digest)
{
    const qint64 length = QFileInfo(logFileName(kind)).size();
    const int first = int(length / dataFileInfo(logDataFile(kind)).recordLength) - count + 1;
    return ImportNoteTable::put(db, path, {kind, rideKey, first, count, length, digest, Clock::now()});
}

} // namespace Store
