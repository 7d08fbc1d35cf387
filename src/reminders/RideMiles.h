#pragma once

#include "data/RecordFile.h"

#include <map>

// The miles the program knows of each ride with gasoline entries, by
// RideKey: the sum of its gasoline log's miles travelled, read from Gas.Dat.
// On failure the sums hold what was read before it, and the failure names
// the file.
FileStatus milesOfRides(DataFiles &files, std::map<double, qint64> &miles);
