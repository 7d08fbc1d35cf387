#pragma once

#include "data/DataFileTable.h"
#include "data/FileStatus.h"

// What happens to a scratch file TempFile.$$$ that a compaction left behind.
//
// This program's compaction replaces a data file with one rename, so the data
// file exists at every moment; a scratch file it leaves behind (the process
// was killed, the power failed) is only a stale copy. An interrupted
// compaction of an older program, however, deletes the data file before it
// renames the scratch file, and then the scratch file is the only copy of the
// surviving records. The scratch file does not say which data file it
// belongs to, so the policy is:
//
// - A stale copy (every record of it is found in a data file that exists)
//   stays where it is; the next compaction starts its scratch file empty.
// - Otherwise, when exactly one missing data file can be its origin (its
//   length is a whole, non-zero number of that file's records, and each
//   record looks like one of that file, see DataFileInfo::looksLikeRecord),
//   it becomes that data file, with one rename, never a copy.
// - When no missing data file, or more than one, can be its origin (Maint.Dat
//   and Goody.Dat both missing, say: their records have the same length), it
//   is set aside under a new name "TempFile-<n>.$$$", never replacing a file,
//   so that its records are neither lost nor put into the wrong log.
//   `torqal-data check` lists such files and `torqal-data dump --kind` reads
//   them.
//
// The program recovers at start, before it opens a data file, so that it can
// say what it set aside; opening a missing data file recovers as well.
// A compaction sets any non-empty leftover that is not a stale copy aside
// before it starts its own scratch file.
namespace ScratchRecovery {

struct Outcome
{
    enum class Kind { Nothing, Restored, SetAside };
    Kind kind = Kind::Nothing;
    QString fileName; // the data file restored, or the name set aside as
};

// Recovers the working folder's scratch file by the policy above.
FileStatus recover(Outcome *outcome = nullptr);

// Opening a missing data file first recovers the scratch file, so that the
// file receives its records should the scratch file be its only copy.
FileStatus restoreMissingFile(const DataFileInfo &file);

// Before a compaction: sets a leftover scratch file aside unless it is empty
// or a stale copy.
FileStatus setAsideLeftover();

// Whether the working folder's scratch file is one this program's
// compaction left behind when it was stopped before its rename: a regular
// file, empty or a stale copy (see above). The data files are then whole;
// the scratch file only takes room until the next compaction starts anew.
bool isStaleLeftover();

// The name given to a leftover set aside: "TempFile-<number>.$$$".
bool isSetAsideName(QStringView fileName);

} // namespace ScratchRecovery
