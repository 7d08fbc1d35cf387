#pragma once

#include <QLockFile>
#include <QString>

// One program per data folder: the running program holds the lock file
// Torqal.lock in its data folder, so that a second program on the same
// folder is refused whatever its runtime folder (another login, a home shared
// over the network). The lock is held until the object is destroyed. A lock
// left behind by a process that no longer runs is taken over; only a dead
// owner makes a lock stale, never its age, for the program may run for days.
class SingleInstance
{
public:
    enum class Outcome {
        Acquired,       // this process holds the lock
        HeldElsewhere,  // a running program holds it (on this or another computer)
        Unreadable,     // a lock file is there, but whose it is cannot be read
        InTheWay,       // a folder (or other non-file) stands at the lock file's name
        CannotMake,     // the lock file cannot be made: read-only folder, full disk
    };

    explicit SingleInstance(const QString &dataFolder);

    Outcome acquire();

    QString lockFilePath() const { return path; }

    static inline const QString LockFileName = QStringLiteral("Torqal.lock");

private:
    Outcome whyRefused();

    QString path;
    QLockFile lock;
};
