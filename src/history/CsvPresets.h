#pragma once

#include "history/Csv.h"
#include "history/CsvImport.h"
#include "store/LogKind.h"
#include "store/RideExtras.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The CSV exports of other trackers, each read the way its tracker writes
// it: which of its columns fill an entry's fields and extras, the units its
// numbers are in, and how it marks a fill-up that was partial or followed a
// missed one. "Generic" is the program's own reading: columns by their
// header names (see CsvImport::guessPlan) or in their order.
//
// A column is known by its name: the letters of its header cell before any
// "(" or "/", in lower case ("Odo (km)" is "odo", "fuelup_date"
// "fuelupdate"). What stands in the parentheses or after the "/" names the
// column's unit ("km", "mi", "litres", "us gallons", "L"). Dates and decimal
// marks are decided from each column's cells, as for any file.

// One kind of record a tracker exports (its fill-ups, its services or costs)
// and the log it goes to.
struct CsvPresetPart
{
    LogKind kind = LogKind::Gas;
    // The section of the file that holds the records ("log" for the table
    // after a row "## Log"); empty when the file is one table.
    QString section;
    // The names that all stand in such a table's header.
    QStringList signature;
    // For each value, the names its column goes by; the first found counts.
    QStringList date, odometer, distance, fuel, totalCost, unitPrice, description, cost, notes;
    // How a fill-up's flags are written: a column ticked for a full tank, one
    // ticked for a partial fill-up, one ticked when the fill-up before is not
    // in the log, or a type of fueling (1 full, 2 partial, 3 first, 0 not
    // counted).
    QStringList full, partial, missed, fuelingType;
    // The order of day and month the tracker writes its dates in, for dates
    // that read either way; none to leave it to the desktop's settings.
    // Dates that need the other order are read in it, as in any file.
    std::optional<CsvValues::DateOrder> dateOrder;
    // The units of the numbers when the header does not name them; none for
    // the ride's own.
    std::optional<DistanceUnit> distanceUnit;
    std::optional<FuelUnit> fuelUnit;
};

struct CsvPreset
{
    QString name;
    std::vector<CsvPresetPart> parts; // none for Generic

    bool generic() const { return parts.empty(); }
};

namespace CsvPresets {

inline constexpr int NoColumn = CsvImport::NoColumn;

// Every preset, Generic first, as the import window offers them.
const std::vector<CsvPreset> &all();
// The preset of the name ("Fuelly", "fuelio", ...), any case; none for no such
// name.
const CsvPreset *named(const QString &name);

// The preset whose header fits the rows best: the one with the most names of
// a part's signature, all of them standing in the header of the file (or of
// the part's section); Generic when none fits.
const CsvPreset &recognise(const std::vector<CsvRecord> &rows);

// The log the rows go to under the preset: that of the part whose header
// fits best; for Generic, gasoline when a column names fuel (gallons,
// litres), else none (the caller decides, by the file's name for instance).
std::optional<LogKind> logOf(const CsvPreset &preset, const std::vector<CsvRecord> &rows);

// The rows of a file read under a preset for one log.
struct Reading
{
    const CsvPreset *preset = nullptr;
    // The rows of the part's section (the file's for a file of one table),
    // with the lines they stand on in the file.
    std::vector<CsvRecord> rows;
    // What CsvImport::readEntries reads: a fill-up's miles are read from
    // its odometer reading when `fromReadings`, and become distances in
    // finish().
    CsvImport::Plan plan;
    // The columns that finish() reads besides the plan's.
    int distance = NoColumn;
    int unitPrice = NoColumn;
    int full = NoColumn;
    int partial = NoColumn;
    int missed = NoColumn;
    int fuelingType = NoColumn;
    bool fromReadings = false;
    // The units of the file's numbers; none where they are the ride's.
    std::optional<DistanceUnit> distanceUnit;
    std::optional<FuelUnit> fuelUnit;
};

// The preset's reading of the rows for the log. A preset without a part for
// the log reads the rows as Generic does.
Reading read(const CsvPreset &preset, LogKind kind, const std::vector<CsvRecord> &rows,
             const QLocale &locale = QLocale());

} // namespace CsvPresets
