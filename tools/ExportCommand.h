#pragma once

#include "Verb.h"

// `torqal-data export FOLDER OUTDIR [--ride N]`: ride.csv and the four log
// files (maintenance.csv, goodies.csv, trips.csv, gasoline.csv) in OUTDIR, as
// the history window's export writes them: of every ride with the Ride and Ride Name columns,
// or of ride N alone (`ride` 0 for every ride). Only reads the data files.
// Exit status: 0 when the files are written, 2 when the folder or the ride
// cannot be read or a file cannot be written (with one line on `errors`).
int exportCommand(const QString &folder, const QString &outFolder, int ride, QTextStream &out, QTextStream &errors);

Verb exportVerb();
