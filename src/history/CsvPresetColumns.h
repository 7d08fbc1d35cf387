#pragma once

#include "history/Csv.h"
#include "store/RideExtras.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// How the presets find their columns, their units and their sections in a
// file (see CsvPresets).
namespace CsvPresets {

// A header cell's column name: its letters before any "(" or "/", in lower
// case ("Odo (km)" is "odo", "Price / L" "price", "fuelup_date"
// "fuelupdate").
QString columnName(const QString &cell);
QStringList columnNames(const QStringList &cells);

// The unit a header cell names, by a word of it: "km", "kilometres" and "mi",
// "miles"; "L", "litres" and "gal", "gallons" (imperial with "imp", "uk" or
// "imperial", else US). None when it names none.
std::optional<DistanceUnit> distanceUnitIn(const QString &cell);
std::optional<FuelUnit> fuelUnitIn(const QString &cell);

// The rows of a section: those after the row "## Name" whose name's letters
// in lower case are `section`, up to the next such row. All the rows for no
// section.
std::vector<CsvRecord> sectionRows(const std::vector<CsvRecord> &rows, const QString &section);
// The first of them, the section's header; none for a section without rows.
const CsvRecord *sectionHeader(const std::vector<CsvRecord> &rows, const QString &section);

// The distance unit a column of one of the names states in the header of
// any section of the file.
std::optional<DistanceUnit> sectionsDistanceUnit(const std::vector<CsvRecord> &rows, const QStringList &names);

} // namespace CsvPresets
