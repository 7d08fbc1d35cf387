#pragma once

#include <QString>

// What the start-up does about the data folder before any window reads it,
// each step with at most one message box:
// 0. a restore cut short is finished or undone (FolderSwap.h);
// 1. a data file found only under another spelling (TORQAL.DAT) is offered
//    to be renamed to its own name;
// 2. a scratch file left over by an interrupted deletion is restored as the
//    one data file it can come from, or else set aside and named
//    (ScratchRecovery.h);
// 3. the data files that end in part of a record are named with the command
//    that repairs them; the program writes nothing into them (RecordFile).
// A step that is refused (a read-only folder) is reported and the start goes
// on: the data files are then only read.
void LookAfterDataFolder(const QString &folder);
