#include "platform/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

SingleInstance::SingleInstance(const QString &dataFolder)
    : path(QDir(dataFolder).filePath(LockFileName))
    , lock(path)
{
    lock.setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::acquire()
{
    if (lock.isLocked())
        return Outcome::Acquired;
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return Outcome::InTheWay;
    if (lock.tryLock(0))
        return Outcome::Acquired;
    return whyRefused();
}

SingleInstance::Outcome SingleInstance::whyRefused()
{
    if (lock.error() != QLockFile::LockFailedError)
        return Outcome::CannotMake;
    qint64 owner = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&owner, &host, &application))
        return Outcome::HeldElsewhere;
    // A program starting at this very moment may not have written its name
    // into the lock file yet: look once more before calling the file damaged.
    QThread::msleep(250);
    if (lock.tryLock(0))
        return Outcome::Acquired;
    if (lock.error() != QLockFile::LockFailedError)
        return Outcome::CannotMake;
    return lock.getLockInfo(&owner, &host, &application) ? Outcome::HeldElsewhere : Outcome::Unreadable;
}
