#include "backup/FolderSwap.h"

#include "data/DataFileTable.h"
#include "data/SystemCalls.h"
#include "data/WriteJournal.h"
#include "store/ReminderStore.h"

#include <QDir>
#include <QFile>

#include <cerrno>

namespace FolderSwap {

namespace {

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

FileStatus syncFolder(const QString &folder)
{
    if (SystemCalls::syncFolder(encoded(folder).constData()) == 0)
        return {};
    return FileStatus::systemFailure(QStringLiteral("flush the folder"), folder, errno);
}

// Moves every entry of folder/from into folder/to (both inside the data
// folder), never over an entry that is there, then flushes both.
FileStatus moveEntries(const QString &fromFolder, const QString &toFolder, const QStringList &names)
{
    const QDir from(fromFolder);
    const QDir to(toFolder);
    for (const QString &name : names) {
        if (SystemCalls::renameNoReplace(encoded(from.filePath(name)).constData(), encoded(to.filePath(name)).constData()) != 0)
            return FileStatus::systemFailure(QStringLiteral("move"), from.filePath(name), errno);
    }
    if (FileStatus status = syncFolder(fromFolder); !status)
        return status;
    return syncFolder(toFolder);
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

FileStatus renameFolder(const QDir &folder, const QString &from, const QString &to)
{
    if (SystemCalls::renameNoReplace(encoded(folder.filePath(from)).constData(), encoded(folder.filePath(to)).constData()) != 0)
        return FileStatus::systemFailure(QStringLiteral("rename"), folder.filePath(from), errno);
    return syncFolder(folder.path());
}

FileStatus removeFolder(const QDir &folder, const QString &name)
{
    QDir gone(folder.filePath(name));
    if (!gone.exists())
        return {};
    if (!gone.removeRecursively())
        return FileStatus::failure(gone.path(), QStringLiteral("Could not remove %1").arg(gone.path()));
    return syncFolder(folder.path());
}

// From Restore.old on: the new files in, the old ones gone.
FileStatus goAhead(const QDir &folder)
{
    if (folder.exists(Incoming)) {
        const QString incoming = folder.filePath(Incoming);
        if (FileStatus status = moveEntries(incoming, folder.path(), entriesOf(incoming)); !status)
            return status;
        if (FileStatus status = removeFolder(folder, Incoming); !status)
            return status;
    }
    return removeFolder(folder, Left);
}

} // namespace

QStringList replacedNames()
{
    QStringList names;
    for (const DataFileInfo &info : DataFileTable())
        names << info.name;
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        names << ReminderStore::FileName + QLatin1String(suffix);
    names << QStringLiteral("Pictures") << ScratchFileName << WriteJournal::FileName;
    return names;
}

FileStatus swapIn(const QString &path)
{
    const QDir folder(path);
    if (!folder.mkdir(Leaving))
        return FileStatus::failure(folder.filePath(Leaving), QStringLiteral("Could not make the folder %1").arg(folder.filePath(Leaving)));
    QStringList present;
    for (const QString &name : replacedNames()) {
        struct stat any {};
        if (SystemCalls::lstat(encoded(folder.filePath(name)).constData(), &any) == 0)
            present << name;
    }
    FileStatus status = moveEntries(path, folder.filePath(Leaving), present);
    if (status)
        status = renameFolder(folder, Leaving, Left);
    if (!status) {
        (void)finishPending(path); // puts the moved files back, as far as it can
        return status;
    }
    return goAhead(folder);
}

FileStatus finishPending(const QString &path, Pending *outcome)
{
    const QDir folder(path);
    if (outcome)
        *outcome = Pending::Nothing;
    if (folder.exists(Left)) {
        if (outcome)
            *outcome = Pending::Finished;
        return goAhead(folder);
    }
    const bool pending = folder.exists(Leaving) || folder.exists(Incoming) || folder.exists(Staging);
    if (folder.exists(Leaving)) {
        const QString leaving = folder.filePath(Leaving);
        if (FileStatus status = moveEntries(leaving, path, entriesOf(leaving)); !status)
            return status;
    }
    for (const QString &name : {Leaving, Incoming, Staging}) {
        if (FileStatus status = removeFolder(folder, name); !status)
            return status;
    }
    if (outcome && pending)
        *outcome = Pending::Undone;
    return {};
}

} // namespace FolderSwap
