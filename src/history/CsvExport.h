#pragma once

#include "data/FileStatus.h"
#include "store/RideExtras.h"
#include "store/RideHistory.h"
#include "store/LogKind.h"

#include <QString>

#include <optional>
#include <vector>

class ReminderStore;

// A ride's history, or every ride's, as CSV files that a spreadsheet opens:
// ride.csv with every field of the ride, and one file per log
// (maintenance.csv, goodies.csv, trips.csv, gasoline.csv).
//
// The files are RFC 4180 (see Csv.h) in UTF-8 without a byte-order mark.
// Each starts with a header row of plain names (Date, Description, Cost,
// Miles, Gallons, MPG, Notes, and the ride's field names). Values are
// written so that any program reads them alike: dates as yyyy-mm-dd (a time
// of day, where an entry has one, follows as hh:mm:ss), amounts and numbers
// with a decimal point and no thousands separators (1234.50, 12.4), text as
// the lists show it (without its surrounding blanks), notes with their line
// breaks, and text that a spreadsheet would run as a formula with an
// apostrophe in front (see csvTextCell in Csv.h). A gasoline entry's MPG is
// computed for the reader (see FuelEconomy) and empty where there is no
// figure; it is never read back. What an entry holds beyond its record
// follows its notes: the odometer reading (maintenance, trips, gasoline),
// and a fill-up's cost and "yes" where it was partial or followed a missed
// one; a cell is empty where the entry holds nothing. An export of every ride puts two
// columns first in each file: Ride, the ride's number in the ride file at the
// time of the export, the same in ride.csv and in the logs, and Ride Name, the
// name the rides menu lists it by (its own name, or year, make and model).
//
// Writing never touches the data files. Each file is written whole to a
// temporary file beside it and then put in place, so a file of the folder
// holds either its old or its new content; other files of the folder are left
// alone.

struct CsvFile
{
    QString name; // "ride.csv", "maintenance.csv", ...
    QString text; // the whole file, header first, rows ended by CR LF
};

// The file of each log, and the log a file name belongs to.
QString csvFileName(LogKind kind);

// The header names of a log's file, without the Ride and Ride Name columns,
// in the units given ("Litres", "Kilometres", "L/100 km"). An export of
// rides of different units names the defaults and adds a Units column to
// the trips and the fill-ups.
QStringList csvLogHeader(LogKind kind, const RideExtras &units = {});

// The five files of the rides, in the order ride, maintenance, goodies,
// trips, gasoline. withRideColumn is for an export of every ride.
std::vector<CsvFile> csvExport(const std::vector<RideHistory> &rides, bool withRideColumn);

// Writes the files into the folder, creating the folder when it is missing.
// Files of the same names are replaced only once every file is written out
// beside them: a file that cannot be written is named, and leaves the
// folder's files as they were.
FileStatus writeCsvFiles(const QString &folder, const std::vector<CsvFile> &files);

// Writes the five files of ride `rideNumber` (without one, of every ride,
// with the Ride and Ride Name columns) straight from the data files into the
// folder, as csvExport and writeCsvFiles would: the entries are read and
// written one at a time, so that full logs take little memory. With
// Torqal.db, the entries' extras too.
FileStatus exportCsvFiles(const QString &folder, std::optional<int> rideNumber, const ReminderStore *database);

// The texts of values as the files hold them: 1234.5 as "1234.50", 12.3456
// as "12.3456"; a float as its shortest text that reads back the same.
QString csvMoney(qint64 amount);
QString csvNumber(float value);
QString csvDate(double dateValue);
