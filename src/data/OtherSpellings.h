#pragma once

#include "data/DataFileTable.h"
#include "data/FileStatus.h"

#include <QList>
#include <QString>
#include <QStringList>

// Data files whose names arrived in other letters' case (TORQAL.DAT,
// maint.dat from a FAT-formatted stick). The program reads each data file
// under its own name only, never under two spellings at once; these are
// found so that they can be named, and renamed with the user's consent.
struct OtherSpelling
{
    const DataFileInfo *file;
    QStringList names;       // the other spellings found, in name order
    bool ownNamePresent;     // the file is there under its own name as well

    // Exactly one other spelling and no file of the own name: renaming it is
    // safe and cannot be mistaken.
    bool canBeRenamed() const { return !ownNamePresent && names.size() == 1; }
};

// The data files found in `folder` under other spellings, in the order of
// the data file table. On a file system that ignores letter case, a file
// whose own name finds it is not another spelling.
QList<OtherSpelling> otherSpellings(const QString &folder);

// Renames the one other spelling to the file's own name, in the working
// folder, never replacing a file.
FileStatus renameToOwnName(const OtherSpelling &spelling);
