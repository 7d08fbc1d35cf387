#pragma once

#include "Verb.h"

// `torqal-data check [FOLDER]`: one line per data file with its length and
// record count and what is wrong with it: a cut-short or stray partial last
// record, records marked deleted (a deletion that did not finish), records
// that cannot be records (only zero bytes, only 0xFF bytes, a key or date
// that is no number), log entries whose ride is not in Torqal.Dat, more
// records than a file may hold. Then a line per data file found under another
// spelling, per scratch file left over by an interrupted compaction
// (TempFile.$$$, or one set aside as TempFile-<n>.$$$) and per side file of a
// repair, one line for the reminders database Torqal.db (its reminders,
// those whose ride is not in Torqal.Dat, or why it cannot be read), a
// closing verdict, and the commands that help further.
// Exit status: 0 when nothing is wrong, 1 when something is, 2 when the
// folder or a data file cannot be read, or a data file is no regular file
// (with one line on `errors`).
int checkCommand(const QString &folder, QTextStream &out, QTextStream &errors);

Verb checkVerb();
