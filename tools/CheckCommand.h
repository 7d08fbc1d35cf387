#pragma once

#include <QString>
#include <QTextStream>

// `torqal-data check [FOLDER]`: one line per data file with its length and
// record count and what is wrong with it: a cut-short or stray partial last
// record, records marked deleted (a deletion that did not finish), log
// entries whose ride is not in Torqal.Dat, more records than a file may
// hold. Then one line per scratch file left over by an interrupted
// compaction (TempFile.$$$, or one set aside as TempFile-<n>.$$$), one line
// for the reminders database Torqal.db (its reminders, those whose ride is
// not in Torqal.Dat, or why it cannot be read), and a closing verdict.
// Returns the exit code: 0 when nothing is wrong, 1 when something is, 2 when
// the folder cannot be checked (with one line on `errors`).
int checkCommand(const QString &folder, QTextStream &out, QTextStream &errors);
