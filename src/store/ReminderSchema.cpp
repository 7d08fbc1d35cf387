#include "store/ReminderSchema.h"

#include "store/EntryExtras.h"
#include "store/ImportNote.h"
#include "store/ProgramSettings.h"
#include "store/RideExtras.h"

#include "platform/Identity.h"
#include "store/SqlFailure.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace ReminderSchema {

namespace {

const Migration Steps[] = {
    {1,
     {QStringLiteral("CREATE TABLE reminder ("
                     " id INTEGER PRIMARY KEY,"
                     " ride_key REAL NOT NULL,"
                     " description TEXT NOT NULL,"
                     " repeating INTEGER NOT NULL DEFAULT 0,"
                     " on_date TEXT,"
                     " at_miles INTEGER NOT NULL DEFAULT 0,"
                     " every_months INTEGER NOT NULL DEFAULT 0,"
                     " every_miles INTEGER NOT NULL DEFAULT 0,"
                     " last_done_date TEXT,"
                     " last_done_miles INTEGER NOT NULL DEFAULT 0)"),
      QStringLiteral("CREATE INDEX reminder_ride ON reminder (ride_key)")}},
};

// Runs the statements in one transaction: all of them, or none.
FileStatus runInTransaction(QSqlDatabase &database, const QString &fileName, const QString &action, const QStringList &statements)
{
    if (!database.transaction())
        return sqlFailure(fileName, action, database.lastError());
    QSqlQuery query(database);
    for (const QString &statement : statements) {
        if (!query.exec(statement)) {
            const FileStatus failure = sqlFailure(fileName, action, query.lastError());
            query.finish();
            database.rollback();
            return failure;
        }
    }
    query.finish();
    if (!database.commit()) {
        const FileStatus failure = sqlFailure(fileName, action, database.lastError());
        database.rollback();
        return failure;
    }
    return {};
}

FileStatus runStep(QSqlDatabase &database, const QString &fileName, const Migration &step)
{
    return runInTransaction(database, fileName, QStringLiteral("bring %1 up to version %2 of its layout").arg(fileName).arg(step.version),
                            step.statements + QStringList{QStringLiteral("PRAGMA user_version = %1").arg(step.version)});
}

const Addition Additions[] = {
    {1,
     {QStringLiteral("CREATE TABLE IF NOT EXISTS finished_change (id INTEGER PRIMARY KEY)"),
      QStringLiteral("CREATE TABLE IF NOT EXISTS ride_deletion (ride_key REAL PRIMARY KEY)")}},
    {2, EntryExtrasTable::tables()},
    {3, RideExtrasTable::tables()},
    {4, ProgramSettingsTable::tables()},
    {5, ImportNoteTable::tables()},
};

} // namespace

std::span<const Addition> additions()
{
    return Additions;
}

FileStatus addTables(QSqlDatabase &database, const QString &fileName, std::span<const Addition> steps)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS layout_addition (number INTEGER PRIMARY KEY)")))
        return sqlFailure(fileName, QStringLiteral("write ") + fileName, query.lastError());
    QList<int> made;
    if (!query.exec(QStringLiteral("SELECT number FROM layout_addition")))
        return sqlFailure(fileName, QStringLiteral("read ") + fileName, query.lastError());
    while (query.next())
        made << query.value(0).toInt();
    query.finish();
    for (const Addition &step : steps) {
        if (made.contains(step.number))
            continue;
        const FileStatus added = runInTransaction(
            database, fileName, QStringLiteral("add tables to %1 (addition %2)").arg(fileName).arg(step.number),
            step.statements + QStringList{QStringLiteral("INSERT INTO layout_addition (number) VALUES (%1)").arg(step.number)});
        if (!added)
            return added;
    }
    return {};
}

std::span<const Migration> migrations()
{
    return Steps;
}

FileStatus readVersion(QSqlDatabase &database, const QString &fileName, int &version)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return sqlFailure(fileName, QStringLiteral("read ") + fileName, query.lastError());
    version = query.value(0).toInt();
    return {};
}

FileStatus holdsTables(QSqlDatabase &database, const QString &fileName, bool &holds)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
        return sqlFailure(fileName, QStringLiteral("read ") + fileName, query.lastError());
    holds = query.value(0).toInt() > 0;
    return {};
}

FileStatus holdsTable(QSqlDatabase &database, const QString &fileName, const QString &name, bool &holds)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
    query.addBindValue(name);
    if (!query.exec())
        return sqlFailure(fileName, QStringLiteral("read ") + fileName, query.lastError());
    holds = query.next();
    return {};
}

FileStatus migrate(QSqlDatabase &database, const QString &fileName, std::span<const Migration> steps)
{
    int version = 0;
    if (FileStatus status = readVersion(database, fileName, version); !status)
        return status;
    const int latest = steps.empty() ? 0 : steps.back().version;
    if (version > latest) {
        return FileStatus::failure(
            fileName, QStringLiteral("%1 was written by a later version of %2 (layout %3, this one knows up to %4)")
                          .arg(fileName, ApplicationTitle)
                          .arg(version)
                          .arg(latest));
    }
    for (const Migration &step : steps) {
        if (step.version <= version)
            continue;
        if (FileStatus status = runStep(database, fileName, step); !status)
            return status;
    }
    return {};
}

} // namespace ReminderSchema
