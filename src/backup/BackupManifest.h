#pragma once

#include "data/FileStatus.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// What a backup holds, written into the archive beside the files as
// Torqal-backup.json: the program that made it, when, the rides by name,
// the entries of each log, the reminders, and each file with its size and
// SHA-256 checksum. A restore believes the archive only as far as its files
// match it.
struct BackupManifest
{
    static inline const QString EntryName = QStringLiteral("Torqal-backup.json");

    struct File
    {
        QString name; // as in the archive: a data file's name, Torqal.db, or Pictures/...
        qint64 size = 0;
        QByteArray sha256; // hex
        bool operator==(const File &) const = default;
    };

    QString programVersion;
    QDateTime made; // UTC
    QStringList rides; // by name, in file order
    std::array<qint64, 4> entries{}; // per log, in the order of AllLogKinds
    qint64 reminders = 0;
    QList<File> files;

    QByteArray toJson() const;
    // False, with `problem` saying what is wrong, when `json` is no
    // manifest of a backup.
    static bool fromJson(const QByteArray &json, BackupManifest &manifest, QString &problem);

    const File *file(const QString &name) const;
};

// Whether `name` may be a file of a backup: a data file's name, Torqal.db, or
// a path below Pictures/ that stays there (no "..", no absolute path).
bool isBackupFileName(const QString &name);

// The program's version, "1.0.0".
QString programVersion();

// The manifest's rides (by name, see RideLabels::MenuLabel) and entries per
// log, as the data files in `folder` hold them; a missing file holds none.
FileStatus countRecords(const QString &folder, BackupManifest &manifest);
// The reminders in the database at `databasePath` (none when it is missing),
// read without changing it.
FileStatus countReminders(const QString &databasePath, qint64 &count);
