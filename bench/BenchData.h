#pragma once

#include "data/Records.h"

#include <QString>

// The data files of the benchmarks, written straight into a folder in large
// blocks (the program's own writing, record by record, would take minutes for
// the largest files).
namespace BenchData {

// The key of the ride that the program shows first (record 1), and of the
// ride every other log entry belongs to.
constexpr double ShownRide = 40123.5;
constexpr double OtherRide = 40200.25;

// Ride n: year, make and model, no name of its own, and a notes text of some
// length. Ride 1 has the key ShownRide.
RideRecord ride(int n);

// Writes `count` rides (ride(1) to ride(count)) as the folder's ride file.
void writeRides(const QString &folder, int count);

// Writes the four logs with `entries` entries each; the shown ride owns every
// `every`-th entry, the other ride the rest. Dates are out of order, several
// entries share a day, and every entry has notes.
void writeLogs(const QString &folder, int entries, int every);

// Gives every entry of the four logs that writeLogs wrote (the same
// `entries` and `every`) its extras in the folder's Torqal.db: an odometer
// reading each, and for the fill-ups a cost, every fifth one partial.
void writeExtras(const QString &folder, int entries, int every);

// Prints one figure against its aim on a line of its own, "figure: start,
// demo rides: 1.14 x bare (aim 1.2)", marked "(over)" above its aim;
// scripts/run-benchmarks gathers these lines at the end of the run. `unit`
// follows the value ("x bare", "ms", "MB").
void figure(const QString &name, double value, const char *unit, double aim);

// Stops the benchmark with a message on standard error.
[[noreturn]] void fail(const QString &what);

} // namespace BenchData
