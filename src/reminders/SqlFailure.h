#pragma once

#include "data/FileStatus.h"

#include <QSqlError>

// SQLite's primary result code of a refused operation (the extended code
// Qt's driver reports, without its detail), e.g. SqliteBusy.
inline int sqlitePrimaryCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// The primary codes the reminders database tells apart.
constexpr int SqliteBusy = 5;     // another connection holds a lock
constexpr int SqliteReadOnly = 8; // a write (or an undo) refused
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

// Whether another program kept the file locked for longer than the wait.
inline bool isInUse(const QSqlError &error)
{
    return sqlitePrimaryCode(error) == SqliteBusy;
}

// A refused database operation in the words of the data files' failures:
// "Could not <what>: <SQLite's text>", e.g. "Could not read Torqal.db: file
// is not a database". A file in use says so in plain words first.
inline FileStatus sqlFailure(const QString &fileName, const QString &what, const QSqlError &error)
{
    QString reason = error.databaseText();
    if (reason.isEmpty())
        reason = error.text();
    if (isInUse(error))
        reason = QStringLiteral("another program is using it (%1)").arg(reason);
    return FileStatus::failure(fileName, QStringLiteral("Could not %1: %2").arg(what, reason));
}
