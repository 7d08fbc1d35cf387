#pragma once

#include "data/FileStatus.h"
#include "store/LogKind.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <optional>

class QSqlDatabase;

// What Torqal.db remembers of the last import into a log file, so that the
// import can be taken back while the file still ends with it: the ride it
// was for, its records (the last `count` of a file `length` bytes long) and
// the SHA-256 of their bytes. A later entry command of this program on the
// log file (add, edit, delete, another import) or a conversion of its units
// forgets the note in its own change of Torqal.db, a ride's deletion the
// ride's notes. A change made without Torqal.db, or by another program,
// ends the note when it leaves the file without that length or without
// those bytes at its end (an add, a deletion, a change of an imported
// entry); one that only rewrites an earlier entry in place goes unnoticed,
// and the undo then still takes back exactly the import's entries.
struct ImportNote
{
    LogKind log = LogKind::Maintenance;
    double rideKey = 0;
    int first = 0; // the record number of the first imported entry
    int count = 0;
    qint64 length = 0; // the log file's length in bytes after the import
    QByteArray digest;
    QDateTime importedAt;
};

namespace ImportNoteTable {

// The table's statements, an addition to the database's layout.
QStringList tables();

// The note of the log, none when its last change was no import.
FileStatus read(QSqlDatabase &database, const QString &fileName, LogKind log, std::optional<ImportNote> &note);
// Stores the note, replacing the log's.
FileStatus put(QSqlDatabase &database, const QString &fileName, const ImportNote &note);
// The log file changed: its note goes.
FileStatus forget(QSqlDatabase &database, const QString &fileName, LogKind log);
// The ride's entries changed in every log, or went with the ride.
FileStatus forgetRide(QSqlDatabase &database, const QString &fileName, double rideKey);

} // namespace ImportNoteTable
