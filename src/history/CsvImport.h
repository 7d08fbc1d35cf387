#pragma once

#include "data/Records.h"
#include "history/Csv.h"
#include "store/EntryExtras.h"
#include "store/LogKind.h"

#include <QLocale>
#include <QStringList>

#include <vector>

// Reading rows of a CSV file as new entries of one log of one ride.
//
// Each entry has four fields, filled from the columns chosen for them: the
// date, the description (gallons for gasoline), the amount (cost, trip
// miles, or gas miles) and the notes. A row becomes an entry only when the
// entry editor would save the same texts: the editor's own checks (a date it
// reads, yyyy-mm-dd included; a description, or gallons and miles; never the
// deletion marker) and its own conversion into a record. Beyond the editor's
// checks a row is refused when the files could not store it as it stands: a
// text longer than its field, a character outside the files' code page or a
// control character (line breaks and tabs in the notes excepted), or an
// amount that is no number. The editor stores such an amount as 0; a wrong
// column must not import zeros. Amounts are read with a decimal point first
// (1234.50), then as the user's locale writes them ($1,234.50). A
// description or notes cell that the export guarded against spreadsheet
// formulas ("'=..."; see csvTextCell) loses that one apostrophe.
//
// Nothing here writes: the window and the command line write the entries
// (LogEntryWrite.h) once the user has seen them.
namespace CsvImport {

inline constexpr int NoColumn = -1;

// The names of the four fields of the log: Date, Description, Cost, Notes;
// Date, Description, Miles, Notes for trips; Date, Gallons, Miles, Notes for
// gasoline.
QStringList fieldNames(LogKind kind);

// Which column fills each field, and whether the first row names the
// columns.
struct Plan
{
    LogKind kind = LogKind::Maintenance;
    bool hasHeader = false;
    std::array<int, 4> columns{NoColumn, NoColumn, NoColumn, NoColumn};
    // A file of several rides (an export of every ride) names each row's
    // ride in a Ride column: only the rows of `ride` are read, so that the
    // entries of the other rides never land in the shown ride's log.
    int rideColumn = NoColumn;
    QString ride;
    // The columns of what an entry holds beyond its record (see
    // EntryExtras), found by their header names as the export writes them:
    // Odometer (maintenance, trips, gasoline), and for gasoline Cost, Partial
    // and Missed.
    std::array<int, 4> extraColumns{NoColumn, NoColumn, NoColumn, NoColumn};
};

// The plan the header suggests: a first row in which a cell names a field
// ("Date", "Cost", "Brief Description", "Mileage", ...) is the header, and
// each field takes the column that names it; a column named "Ride" names the
// rides, and the rows of the first ride in it are read. Without such a row
// every row is data, and the fields take the first columns in their order.
Plan guessPlan(LogKind kind, const std::vector<CsvRecord> &rows);

// The rides the Ride column names, in the order of their first rows; empty
// without a Ride column.
QStringList ridesOf(const std::vector<CsvRecord> &rows, const Plan &plan);

// The four field texts of a data row under the plan (empty for no column).
std::array<QString, 4> fieldTexts(const CsvRecord &row, const Plan &plan);

struct Problem
{
    int line;
    QString message; // one line
    bool operator==(const Problem &) const = default;
};

// The entries of the rows, for the ride rideKey, in file order, and the rows
// left out with their line numbers. Only the records of the plan's log are
// filled.
struct Entries
{
    std::vector<ExpenseRecord> expenses;
    std::vector<TripRecord> trips;
    std::vector<GasRecord> gas;
    // Each entry's extras, in the order of the entries; empty when the plan
    // has no column for them.
    std::vector<EntryExtras> extras;
    std::vector<Problem> problems;
    int otherRides = 0; // rows of other rides than the plan's, left out

    std::size_t count() const { return expenses.size() + trips.size() + gas.size(); }
};
Entries readEntries(const std::vector<CsvRecord> &rows, const Plan &plan, double rideKey,
                    const QLocale &locale = QLocale());

} // namespace CsvImport
