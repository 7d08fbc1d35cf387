#pragma once

#include "backup/BackupCheck.h"

#include <functional>

// Restores a backup into a data folder: the archive is checked whole (see
// BackupCheck) before anything of the folder changes, and its files then
// replace the folder's all together (see FolderSwap). A restore cut short
// earlier is finished or undone first.
namespace Restore {

// Into `folder`, which is made when missing and must otherwise be empty
// (refused if not).
BackupCheck intoEmptyFolder(const QString &archive, const QString &folder);

// Over the files of `folder`, which no program may be using (the caller
// holds its lock, or is the program). `keepOld` runs once the archive is
// checked and before any file of the folder moves: it keeps the files about
// to be replaced (an automatic backup); its failure stops the restore with
// nothing changed.
BackupCheck overFolder(const QString &archive, const QString &folder, const std::function<FileStatus()> &keepOld);

} // namespace Restore
