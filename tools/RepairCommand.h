#pragma once

#include "Verb.h"

// `torqal-data repair [FOLDER]`: mends the data files that end in part of a
// record. For each, the bytes after the last whole record are written to a
// new side file "<name>.partial" (never over a file that is there) and
// flushed to disk; only then is the data file shortened to its whole records.
// Nothing is deleted: should a step fail, the data file is as it was (with at
// most a side file holding a copy of its last bytes), or, when its shortening
// could not be flushed, shortened with those bytes whole in the side file.
// Before a file is changed, the folder is kept as an automatic backup in
// its Backups/; when that fails nothing is repaired, unless `withoutBackup`.
// Refuses while Torqal (or another repair) holds the folder's lock.
// Exit status: 0 when every data file is whole afterwards, 2 when the folder
// or a file cannot be repaired (with one line on `errors`).
int repairCommand(const QString &folder, QTextStream &out, QTextStream &errors, bool withoutBackup = false);

Verb repairVerb();

// Puts back (or finishes) a change of the data files in `folder` that was
// cut short, as the program does when it starts, saying so on `out`; false,
// with one line on `errors`, when it cannot.
bool putBackCutShortChange(const QString &folder, QTextStream &out, QTextStream &errors);
