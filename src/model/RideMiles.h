#pragma once

#include "store/StoreResult.h"

#include <map>

// The miles of every ride with gasoline entries, by RideKey: each ride's
// miles as LogTotals counts them. On failure the sums hold what was read
// before it, and the failure names the file.
StoreRead<std::map<double, qint64>> milesOfEveryRide();
