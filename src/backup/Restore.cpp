#include "backup/Restore.h"

#include "backup/FolderSwap.h"
#include "data/SystemCalls.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cerrno>

namespace Restore {

namespace {

BackupCheck failed(BackupCheck::Verdict verdict, const QString &problem)
{
    BackupCheck result;
    result.verdict = verdict;
    result.problem = problem;
    return result;
}

// Flushes the staged folders' entries, so that the staging is complete on
// disk before it is renamed.
FileStatus syncFolders(const QString &top)
{
    QStringList folders{top};
    QDirIterator below(top, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (below.hasNext())
        folders << below.next();
    for (const QString &folder : folders) {
        if (SystemCalls::syncFolder(QFile::encodeName(folder).constData()) != 0)
            return FileStatus::systemFailure(QStringLiteral("flush the folder"), folder, errno);
    }
    return {};
}

BackupCheck restore(const QString &archive, const QString &folder, const std::function<FileStatus()> &keepOld)
{
    const QDir dir(folder);
    if (!dir.mkdir(FolderSwap::Staging))
        return failed(BackupCheck::Verdict::CannotRead, QStringLiteral("Could not make the folder %1").arg(dir.filePath(FolderSwap::Staging)));
    BackupCheck check = checkBackup(archive, dir.filePath(FolderSwap::Staging));
    FileStatus status;
    if (check.verdict == BackupCheck::Verdict::Sound) {
        status = syncFolders(dir.filePath(FolderSwap::Staging));
        if (status && SystemCalls::renameNoReplace(QFile::encodeName(dir.filePath(FolderSwap::Staging)).constData(),
                                                   QFile::encodeName(dir.filePath(FolderSwap::Incoming)).constData()) != 0)
            status = FileStatus::systemFailure(QStringLiteral("rename"), dir.filePath(FolderSwap::Staging), errno);
        if (status && SystemCalls::syncFolder(QFile::encodeName(folder).constData()) != 0)
            status = FileStatus::systemFailure(QStringLiteral("flush the folder"), folder, errno);
        if (status && keepOld)
            status = keepOld();
        if (status)
            status = FolderSwap::swapIn(folder);
    }
    if (check.verdict != BackupCheck::Verdict::Sound || !status) {
        (void)FolderSwap::finishPending(folder); // throws the staged files away
        return status ? check : failed(BackupCheck::Verdict::CannotRead, status.message());
    }
    return check;
}

} // namespace

BackupCheck intoEmptyFolder(const QString &archive, const QString &folder)
{
    if (!QDir().mkpath(folder))
        return failed(BackupCheck::Verdict::CannotRead, QStringLiteral("Could not make the folder %1").arg(folder));
    if (const FileStatus status = FolderSwap::finishPending(folder); !status)
        return failed(BackupCheck::Verdict::CannotRead, status.message());
    if (!QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return failed(BackupCheck::Verdict::Refused, QStringLiteral("%1 is not empty; restore into a new or empty folder").arg(folder));
    return restore(archive, folder, {});
}

BackupCheck overFolder(const QString &archive, const QString &folder, const std::function<FileStatus()> &keepOld)
{
    if (!QDir(folder).exists())
        return failed(BackupCheck::Verdict::CannotRead, QStringLiteral("%1 is not a folder").arg(folder));
    if (const FileStatus status = FolderSwap::finishPending(folder); !status)
        return failed(BackupCheck::Verdict::CannotRead, status.message());
    return restore(archive, folder, keepOld);
}

} // namespace Restore
