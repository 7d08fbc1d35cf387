#include "platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &folder)
    : path(QDir(folder).filePath(QStringLiteral("Torqal.lock")))
    , lock(path)
{
    // Only a dead owner makes a lock stale, never its age: the program may
    // run for days.
    lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    if (lock.isLocked())
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return lock.tryLock(0);
}

QString SingleInstance::defaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
