#include "store/ImportNote.h"

#include "store/ReminderSchema.h"
#include "store/SqlFailure.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace ImportNoteTable {

namespace {

const QString TableName = QStringLiteral("import_note");

FileStatus exec(QSqlDatabase &database, const QString &fileName, const QString &doing, QSqlQuery &query,
                const QString &statement, const QVariantList &values)
{
    query = QSqlQuery(database);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        return sqlFailure(fileName, doing, query.lastError());
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() ? FileStatus() : sqlFailure(fileName, doing, query.lastError());
}

FileStatus change(QSqlDatabase &database, const QString &fileName, const QString &statement, const QVariantList &values)
{
    QSqlQuery query;
    return exec(database, fileName, QStringLiteral("note the last import in ") + fileName, query, statement, values);
}

} // namespace

QStringList tables()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS import_note (log INTEGER PRIMARY KEY, ride_key REAL NOT NULL, "
                           "first_record INTEGER NOT NULL, record_count INTEGER NOT NULL, file_length INTEGER NOT NULL, "
                           "digest BLOB NOT NULL, imported_at TEXT NOT NULL)")};
}

FileStatus read(QSqlDatabase &database, const QString &fileName, LogKind log, std::optional<ImportNote> &note)
{
    note.reset();
    bool holds = false;
    if (FileStatus status = ReminderSchema::holdsTable(database, fileName, TableName, holds); !status || !holds)
        return status;
    QSqlQuery query;
    FileStatus status = exec(database, fileName, QStringLiteral("read ") + fileName, query,
                             QStringLiteral("SELECT ride_key, first_record, record_count, file_length, digest, imported_at "
                                            "FROM import_note WHERE log = ?"),
                             {logIndex(log)});
    if (status && query.next()) {
        note = ImportNote{log,
                          query.value(0).toDouble(),
                          query.value(1).toInt(),
                          query.value(2).toInt(),
                          query.value(3).toLongLong(),
                          query.value(4).toByteArray(),
                          QDateTime::fromString(query.value(5).toString(), Qt::ISODate)};
    }
    return status;
}

FileStatus put(QSqlDatabase &database, const QString &fileName, const ImportNote &note)
{
    return change(database, fileName,
                  QStringLiteral("INSERT OR REPLACE INTO import_note (log, ride_key, first_record, record_count, file_length, "
                                 "digest, imported_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  {logIndex(note.log), note.rideKey, note.first, note.count, note.length, note.digest,
                   note.importedAt.toString(Qt::ISODate)});
}

FileStatus forget(QSqlDatabase &database, const QString &fileName, LogKind log)
{
    return change(database, fileName, QStringLiteral("DELETE FROM import_note WHERE log = ?"), {logIndex(log)});
}

FileStatus forgetRide(QSqlDatabase &database, const QString &fileName, double rideKey)
{
    return change(database, fileName, QStringLiteral("DELETE FROM import_note WHERE ride_key = ?"), {rideKey});
}

} // namespace ImportNoteTable
