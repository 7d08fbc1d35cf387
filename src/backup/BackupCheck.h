#pragma once

#include "backup/BackupManifest.h"

#include <QString>

// What a check of a backup found.
struct BackupCheck
{
    enum class Verdict {
        Sound,      // every file matches the manifest; `manifest` says what it holds
        Refused,    // damaged, incomplete or no Torqal backup at all; `problem` says what is wrong
        CannotRead, // the archive cannot be read, or its files cannot be written out; `problem` says why
    };
    Verdict verdict = Verdict::CannotRead;
    QString problem;
    BackupManifest manifest;
};

// How far a check goes. A backup copies the folder as it is, damage and
// all (a backup before a repair holds the files to be repaired), so reading
// one back checks its files; restoring one also checks what they hold.
enum class BackupChecks {
    Files,      // the manifest is a backup's, and the archive holds exactly the files it lists, each with its size and checksum
    Everything, // and the data files hold whole records and no more than a data file may, the rides and entries are those counted, and Torqal.db passes SQLite's integrity check and holds the reminders counted
};

// Reads the backup `archive` and writes its files into `folder` (an empty
// folder), each flushed to disk, then checks them (see BackupChecks). The
// files written are left for the caller, whatever the verdict.
BackupCheck checkBackup(const QString &archive, const QString &folder, BackupChecks checks = BackupChecks::Everything);
