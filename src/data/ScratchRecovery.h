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
// surviving records. The policy:
//
// - Opening a missing data file first looks at the scratch file. It becomes
//   that data file (one rename, never a copy) when its length is a whole,
//   non-zero number of that file's records, each record looks like one of
//   that file (see DataFileInfo::looksLikeRecord), and its records are not all
//   found in a data file that exists (then it is a stale copy). Otherwise the
//   data file is created empty as usual and the scratch file stays untouched.
// - A compaction starts its scratch file empty. A leftover scratch file whose
//   records are all still found in an existing data file is overwritten;
//   any other non-empty leftover is first set aside under a new name
//   "TempFile-<n>.$$$" (never replacing a file), so it is never deleted or
//   overwritten. `torqal-data check` lists such files.
//
// The scratch file does not say which data file it belongs to. Two missing
// files with the same record length (Maint.Dat and Goody.Dat, say) cannot be
// told apart: the first of them opened receives the records. They are not
// lost either way.
namespace ScratchRecovery {

FileStatus restoreMissingFile(const DataFileInfo &file);
FileStatus setAsideLeftover();

// The name given to a leftover set aside: "TempFile-<number>.$$$".
bool isSetAsideName(QStringView fileName);

} // namespace ScratchRecovery
