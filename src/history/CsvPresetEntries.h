#pragma once

#include "history/CsvPresets.h"
#include "model/LogEntryRequest.h"

#include <QString>
#include <QStringList>

#include <vector>

// The step after CsvImport::readEntries for a file read under a preset:
// the entries take the ride's units and the tracker's flags, and fill-ups
// read from odometer readings get their distances.
namespace CsvPresets {

// How the file's numbers become the ride's, for the preview: "litres → US
// gallons, km → miles, distances from the odometer readings"; empty when
// they are taken as they stand.
QString conversions(const Reading &reading, const RideExtras &ride);

// Finishes `entries`, read by CsvImport::readEntries from reading.rows under
// reading.plan, for a ride of the units `ride` whose log already holds the
// odometer readings `logReadings` (in the ride's units):
// - distances, fuel and odometer readings are converted into the ride's
//   units (a distance stays whole, rounded to the nearest);
// - a fill-up's partial and missed flags are read from the tracker's columns,
//   and its cost, when the file gives only a price per unit, is that price
//   times the fuel in the file's unit, to the ten-thousandth;
// - a fill-up read from its odometer reading drives the distance since the
//   reading before it: the fill-ups of the file and the log's readings
//   together, by day, and of one day by reading. A reading below the one
//   before leaves its row out with the reason; the first reading, with none
//   before, starts the chain with a distance of 0, which a note says.
// A cell of the tracker's columns that is not wholly its value leaves its
// row out with the reason. Returns the notes for the preview, each a
// sentence without its full stop.
QStringList finish(const Reading &reading, CsvImport::Entries &entries, const RideExtras &ride,
                   const std::vector<OdometerReading> &logReadings);

} // namespace CsvPresets
