#pragma once

#include "data/Records.h"
#include "store/ImportNote.h"
#include "store/StoreResult.h"

#include <QCryptographicHash>

#include <optional>
#include <vector>

class QSqlDatabase;
class ReminderStore;

// Taking back the last import into a log: its entries come off the end of
// the log file, and their extras out of Torqal.db, as one command.
namespace Store {

// The last import into the ride's log while it can still be taken back:
// Torqal.db notes it for this ride, and the log file still has the length
// the import left and ends with the bytes it wrote. None otherwise.
FileStatus lastImport(const ReminderStore &database, LogKind kind, double rideKey, std::optional<ImportNote> &note);

// The latest of the ride's imports that lastImport offers, in any log.
FileStatus lastImportOfRide(const ReminderStore &database, double rideKey, std::optional<ImportNote> &note);

// Removes the entries of the last import into the ride's log (see
// lastImport) with their extras, and forgets the note. One command under the
// data files' journal, decided by Torqal.db: the log file is cut back to its
// length before the import and the extras go, or neither, also after a kill
// part way. Every other record stays as it is, so a program that reads the
// file afterwards finds the log as it was before the import. Refused,
// writing nothing, when there is no such import.
StoreResult undoLastImport(ReminderStore &database, LogKind kind, double rideKey);

// The digest an import note keeps of the records appended.
template<DataRecord Record>
QByteArray importDigest(const std::vector<Record> &records)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const Record &record : records)
        hash.addData(encodeRecord(record));
    return hash.result();
}

// Notes, in a change of Torqal.db, that `count` records with the digest were
// just appended to the log file for the ride, which now ends with them.
FileStatus noteImport(QSqlDatabase &db, const QString &path, LogKind kind, double rideKey, int count, const QByteArray &digest);

} // namespace Store
