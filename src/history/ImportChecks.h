#pragma once

#include "history/CsvImport.h"
#include "store/LogEntry.h"
#include "store/RideExtras.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <vector>

// Values of rows about to be imported that look wrong, told before anything
// is written. They are only told: such a row is still a value read exactly
// from the file, and the user decides whether to import it. A row looks wrong
// when
// - it is dated after today;
// - it is a fill-up whose economy (that of the chain of fill-ups it ends, see
//   FuelEconomy, in date order) is beyond 3 to 150 miles per US gallon, the
//   same range in the ride's units: the sign of a column read as the wrong
//   thing (odometer readings taken for the miles of each fill-up, litres for
//   gallons);
// - it is a trip or fill-up whose distance is more than ten times the median
//   distance of the rows and of the log's entries together, once there are
//   three distances at least. The median, unlike the mean, is not pulled up
//   by the very values it is to catch; a tenfold jump is beyond what one tank
//   or one ordinary trip varies by, while short trips and partial fill-ups,
//   far below the median, are common and not told.
namespace ImportChecks {

inline constexpr double FewestMpg = 3;
inline constexpr double MostMpg = 150;
inline constexpr double FarFromMedian = 10;
inline constexpr std::size_t DistancesForMedian = 3;

// For each entry, in order, why its values look wrong ("the date 03/15/2027
// is after today; ..."), empty when they look right. `log` holds the ride's
// entries already in the log.
std::vector<QString> suspicions(LogKind kind, const CsvImport::Entries &entries, const std::vector<LogEntry> &log,
                                const RideExtras &units, QDate today, const QLocale &locale);

} // namespace ImportChecks
