#pragma once

#include "Verb.h"

// `torqal-data backup FOLDER FILE.zip`: writes a backup of the data folder
// (see BackupWrite). Exit status 0 when written and read back, 2 when it
// cannot be (with one line on `errors`).
Verb backupVerb();

// `torqal-data verify FILE.zip`: checks a backup as a restore would, changing
// nothing, and says what it holds. Exit status 0 sound, 1 damaged or no
// backup, 2 cannot be read.
Verb verifyVerb();

// `torqal-data restore [--replace] FILE.zip FOLDER`: restores a backup into
// a new or empty folder, or with --replace over a folder no program uses
// (taking its lock; the files replaced are first kept as an automatic
// backup in its Backups/). Exit status 0 restored, 1 refused (a damaged
// archive, a folder not empty), 2 cannot read or write.
Verb restoreVerb();
