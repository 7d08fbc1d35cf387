#pragma once

#include "data/FileStatus.h"

#include <QString>
#include <QStringList>

// Replacing a data folder's files by a restore's, all of them or none.
//
// A restore writes the archive's files into the subfolder Restore.partial
// and checks them; renamed to Restore.new, they are complete and on disk.
// swapIn() then moves the folder's own files (replacedNames()) into
// Restore.old.partial, renames that to Restore.old (from this moment the
// restore is going ahead), moves the new files in, and removes Restore.new
// and Restore.old. Every rename is flushed to disk before the next step.
//
// What is in the folder after a kill or power cut at any moment, once
// finishPending() has run (at the next start, or before the next command on
// the folder): before Restore.old exists, the folder's own files, as they
// were (the new ones are thrown away); from then on, the restored files.
// Files of the folder that a restore does not replace (the lock, Backups/,
// other folders) are never touched.
namespace FolderSwap {

inline const QString Staging = QStringLiteral("Restore.partial");
inline const QString Incoming = QStringLiteral("Restore.new");
inline const QString Leaving = QStringLiteral("Restore.old.partial");
inline const QString Left = QStringLiteral("Restore.old");

// The names a restore replaces: the data files, Torqal.db with SQLite's
// files beside it (a journal left there would be played into the new
// database), Pictures/, a compaction's scratch file (which would otherwise
// be taken for the only copy of a data file the archive lacks) and the data
// files' journal Torqal.jnl (which belongs to the files it would put back).
QStringList replacedNames();

// Swaps the complete files in Restore.new in for the folder's own (see above).
FileStatus swapIn(const QString &folder);

enum class Pending { Nothing, Undone, Finished };

// Finishes a restore cut short once it was going ahead, or undoes it
// before then (see above). A failure leaves what is left to do for the next
// try.
FileStatus finishPending(const QString &folder, Pending *outcome = nullptr);

} // namespace FolderSwap
