#pragma once

#include "store/EntryExtras.h"
#include "store/Reminder.h"
#include "store/RideExtras.h"

#include <QDir>
#include <QList>

// The reminders database Torqal.db beside the data files, as the commands
// that only read take it: without creating, changing or restoring a byte of
// the folder.
//
// A change that a crash cut short leaves the file with its rollback journal
// (Torqal.db-journal), which SQLite applies only for a program that may
// write; Torqal does so when it next opens the file. Until then the file is
// read as it will be then: from a private copy of the two files in a
// temporary folder, where SQLite undoes the change.
struct ReminderReading
{
    enum class Verdict {
        Missing,    // no file: no reminders
        Read,       // `reminders` holds them
        Damaged,    // see ReminderStore.h; also a broken link
        CannotRead, // in use by another program, not readable, of another layout
    };

    Verdict verdict = Verdict::Missing;
    QList<Reminder> reminders;
    // The rides whose deletion Torqal has still to finish in the file.
    QList<double> ridesBeingDeleted;
    // The values kept for log entries beyond their records (see EntryExtras).
    std::vector<EntryExtrasTable::Row> entryExtras;
    // The values kept for rides (their units, their reading when bought).
    std::map<double, RideExtras> rideExtras;
    // Read as they are once the change cut short is undone.
    bool changeCutShort = false;
    // Damaged or CannotRead: what is wrong, naming the file.
    QString problem;
};

ReminderReading readReminders(const QDir &folder);
