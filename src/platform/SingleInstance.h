#pragma once

#include <QLockFile>
#include <QString>

// Tells whether another instance of the program is running: the first
// instance holds a lock file in the per-user runtime folder for as long as it
// runs. A lock left behind by a process that no longer exists is taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &folder = defaultFolder());

    // True when this process now holds the lock (it is the only instance).
    bool acquire();

    QString lockFilePath() const { return path; }

    static QString defaultFolder();

private:
    QString path;
    QLockFile lock;
};
