#include "backup/BackupWrite.h"

#include "backup/BackupCheck.h"
#include "backup/ZipArchive.h"
#include "data/DataFileTable.h"
#include "data/WriteJournal.h"
#include "platform/Clock.h"
#include "store/ReminderStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <atomic>

namespace {

QString newConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("backup-snapshot-%1").arg(++next);
}

// Copies the database at `path` into `copy` through SQLite, which reads it
// as one consistent state even while the program has it open.
FileStatus snapshotDatabase(const QString &path, const QString &copy)
{
    const QString connection = newConnectionName();
    QString problem;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        if (!database.open()) {
            problem = database.lastError().text();
        } else {
            QSqlQuery query(database);
            QString quoted = copy;
            quoted.replace(QLatin1Char('\''), QLatin1String("''"));
            if (!query.exec(QStringLiteral("VACUUM INTO '%1'").arg(quoted)))
                problem = query.lastError().text();
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (problem.isEmpty())
        return {};
    return FileStatus::failure(path, QStringLiteral("Could not take a copy of %1 for the backup: %2").arg(path, problem));
}

FileStatus describe(const QString &path, const QString &name, BackupManifest::File &file)
{
    QFile source(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!source.open(QIODevice::ReadOnly) || !hash.addData(&source))
        return FileStatus::failure(path, QStringLiteral("Could not read %1: %2").arg(path, source.errorString()));
    file = {name, source.size(), hash.result().toHex()};
    return {};
}

// The archive's files: their names in it and where they are now.
struct Source
{
    QString name;
    QString path;
    bool compress;
};

QList<Source> sourcesOf(const QString &folder, const QString &snapshot)
{
    const QDir dir(folder);
    QList<Source> sources;
    for (const DataFileInfo &info : DataFileTable()) {
        if (QFileInfo(dir.filePath(info.name)).isFile())
            sources.append({info.name, dir.filePath(info.name), true});
    }
    if (QFile::exists(snapshot))
        sources.append({ReminderStore::FileName, snapshot, true});
    QDirIterator pictures(dir.filePath(QStringLiteral("Pictures")), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                          QDirIterator::Subdirectories);
    QStringList names;
    while (pictures.hasNext())
        names << dir.relativeFilePath(pictures.next());
    names.sort();
    for (const QString &name : names)
        sources.append({name, dir.filePath(name), false});
    return sources;
}

FileStatus readBack(const QString &target, const BackupManifest &manifest)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return FileStatus::failure(target, QStringLiteral("Could not check the backup %1: %2").arg(target, scratch.errorString()));
    const BackupCheck check = checkBackup(target, scratch.path(), BackupChecks::Files);
    if (check.verdict == BackupCheck::Verdict::Sound && check.manifest.files == manifest.files)
        return {};
    QFile::remove(target);
    const QString why = check.verdict == BackupCheck::Verdict::Sound ? QStringLiteral("its files differ from those written") : check.problem;
    return FileStatus::failure(target, QStringLiteral("The backup %1 did not read back as it was written, so it was removed: %2").arg(target, why));
}

} // namespace

FileStatus writeBackup(const QString &folder, const QString &target, BackupManifest *written)
{
    // The data files of a change cut short are neither the old ones nor the
    // new: their journal puts them back first (Torqal at its start, or
    // torqal-data repair).
    if (QFile::exists(QDir(folder).filePath(WriteJournal::FileName)))
        return FileStatus::failure(target, QStringLiteral("Could not back up %1: a change to its data files was cut short and is "
                                                          "still to be taken back (%2); start Torqal on it, or run torqal-data "
                                                          "repair, then back up again")
                                               .arg(folder, WriteJournal::FileName));
    QTemporaryDir snapshotFolder;
    if (!snapshotFolder.isValid())
        return FileStatus::failure(target, QStringLiteral("Could not write %1: %2").arg(target, snapshotFolder.errorString()));
    const QString database = QDir(folder).filePath(ReminderStore::FileName);
    const QString snapshot = snapshotFolder.filePath(ReminderStore::FileName);
    if (QFile::exists(database)) {
        if (FileStatus status = snapshotDatabase(database, snapshot); !status)
            return status;
    }
    BackupManifest manifest;
    manifest.programVersion = programVersion();
    manifest.made = Clock::now().toUTC();
    if (FileStatus status = countRecords(folder, manifest); !status)
        return status;
    if (FileStatus status = countReminders(snapshot, manifest.reminders); !status)
        return status;

    ZipArchive::Writer archive;
    QString problem;
    for (const Source &source : sourcesOf(folder, snapshot)) {
        BackupManifest::File file;
        if (FileStatus status = describe(source.path, source.name, file); !status)
            return status;
        manifest.files << file;
        if (!archive.addFile(source.name, source.path, source.compress, problem))
            return FileStatus::failure(source.path, QStringLiteral("Could not add %1 to the backup: %2").arg(source.path, problem));
    }
    if (!archive.addBytes(BackupManifest::EntryName, manifest.toJson(), problem))
        return FileStatus::failure(target, QStringLiteral("Could not write %1: %2").arg(target, problem));

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return FileStatus::failure(target, QStringLiteral("Could not write %1: %2").arg(target, file.errorString()));
    const bool finished = archive.finish([&file](const char *bytes, qint64 length) { return file.write(bytes, length) == length; }, problem);
    if (!finished) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString() : problem;
        file.cancelWriting();
        return FileStatus::failure(target, QStringLiteral("Could not write %1: %2").arg(target, why));
    }
    if (!file.commit())
        return FileStatus::failure(target, QStringLiteral("Could not write %1: %2").arg(target, file.errorString()));
    if (FileStatus status = readBack(target, manifest); !status)
        return status;
    if (written)
        *written = manifest;
    return {};
}
