#include "app/DataFolderLock.h"

DataFolderLock LockDataFolder(const QString &folder)
{
    // The lock lies in the data folder itself, so that two programs on one
    // folder (two logins, a home shared over the network) cannot meet.
    DataFolderLock lock;
    lock.instance = std::make_unique<SingleInstance>(folder);
    lock.outcome = lock.instance->acquire();
    return lock;
}
