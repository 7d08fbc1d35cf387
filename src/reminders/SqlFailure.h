#pragma once

#include "data/FileStatus.h"

#include <QSqlError>

// A refused database operation in the words of the data files' failures:
// "Could not <what>: <SQLite's text>", e.g. "Could not read Torqal.db: file
// is not a database".
inline FileStatus sqlFailure(const QString &fileName, const QString &what, const QSqlError &error)
{
    QString reason = error.databaseText();
    if (reason.isEmpty())
        reason = error.text();
    return FileStatus::failure(fileName, QStringLiteral("Could not %1: %2").arg(what, reason));
}
