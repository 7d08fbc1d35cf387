#pragma once

#include "Verb.h"

#include "data/DataFileTable.h"

// `torqal-data dump [--kind KIND] FILE`: every record of a data file as CSV, a header row
// ("Record" and the field names in layout order) first, then one row per
// record: its number, then each field:
//   key     the stored double with 17 significant digits
//   date    yyyy-mm-dd hh:mm:ss rounded to the second; empty when 0 (a value
//           that is no date at all shows as a number, as a key does)
//   money   the amount with exactly four decimals (1234.5000, -12.5000)
//   single  9 significant digits
//   long    a plain integer
//   text    without leading and trailing blanks
// The file is read as the data file `kind`, or when that is null as the data
// file its name gives in any letter case (a scratch file needs `kind`).
// Returns the exit code: 0, or 2 for a file it cannot dump (with one line on
// `errors`).
int dumpCommand(const QString &path, const DataFileInfo *kind, QTextStream &out, QTextStream &errors);

Verb dumpVerb();
