#pragma once

#include "data/Records.h"
#include "history/Csv.h"
#include "history/CsvEncoding.h"
#include "history/CsvValues.h"
#include "store/EntryExtras.h"
#include "store/LogKind.h"

#include <QLocale>
#include <QStringList>

#include <optional>
#include <vector>

// Reading rows of a CSV file as new entries of one log of one ride.
//
// Each entry has four fields, filled from the columns chosen for them: the
// date, the description (gallons for gasoline), the amount (cost, trip
// miles, or gas miles) and the notes. Every value is read exactly as the
// file writes it (see CsvValues), in the date order and decimal marks the
// plan names for its columns: a cell that is not wholly a value leaves its
// row out with the reason, in every log. A row becomes an entry only when
// the entry editor would take the same values: its checks (a date; a
// description, or gallons and miles; never the deletion marker; numbers its
// record can hold). Beyond the editor's checks a row is refused when the
// files could not store it as it stands: a text longer than its field, a
// character outside the files' code page or a control character (line
// breaks and tabs in the notes excepted). An empty cost or trip distance is
// 0, as in the editor. A description or notes cell that the export guarded
// against spreadsheet formulas ("'=..."; see csvTextCell) loses that one
// apostrophe.
//
// Nothing here writes: the window and the command line write the entries
// (LogEntryWrite.h) once the user has seen them.
namespace CsvImport {

inline constexpr int NoColumn = -1;

// A row left out, and why.
struct Problem
{
    int line;
    QString message; // one line
    bool operator==(const Problem &) const = default;
};

// The rows of a CSV file's bytes, read in the encoding and with the
// delimiter given, else in those the bytes evidently use (see
// detectCsvEncoding and detectCsvDelimiter). Bytes not valid in the
// encoding give no rows, only the problem naming the line where they stop
// being valid: a file is never read half in one encoding.
struct FileRows
{
    CsvEncoding encoding = CsvEncoding::Utf8;
    QChar delimiter = u',';
    std::vector<CsvRecord> rows;
    std::optional<Problem> undecodable;
};
FileRows readFile(const QByteArray &bytes, std::optional<CsvEncoding> encoding = std::nullopt,
                  std::optional<QChar> delimiter = std::nullopt);

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
    // How the columns write their values: the order of day and month of the
    // date column's dates, and the decimal mark of each number column, by
    // field and by extra column (the odometer's and the cost's).
    CsvValues::DateOrder dateOrder = CsvValues::DateOrder::MonthFirst;
    std::array<CsvValues::DecimalMark, 4> fieldMarks{};
    std::array<CsvValues::DecimalMark, 4> extraMarks{};
};

// What a field of the log holds.
enum class FieldValue { Text, Date, Number, Money };
FieldValue fieldValue(LogKind kind, int field);

// The cells of the column in the data rows, with their lines.
std::vector<CsvValues::Cell> columnCells(const std::vector<CsvRecord> &rows, const Plan &plan, int column);

// The decimal mark most of the cells of the plan's number columns need,
// taken together: a file that writes 35,10 in one column writes 1.234 in
// another as one thousand two hundred and thirty-four.
std::optional<CsvValues::DecimalMark> fileMark(const std::vector<CsvRecord> &rows, const Plan &plan);

// Sets the date order or decimal mark of the field from its column's cells:
// the one they need; for a number column whose cells leave it open, the
// file's (fileMark); else the locale's (see CsvValues::dateEvidence and
// numberEvidence).
void decideFormat(const std::vector<CsvRecord> &rows, Plan &plan, int field, const QLocale &locale = QLocale());

// The plan the header suggests: a first row in which a cell names a field
// ("Date", "Cost", "Brief Description", "Mileage", ...) is the header, and
// each field takes the column that names it; a column named "Ride" names the
// rides, and the rows of the first ride in it are read. Without such a row
// every row is data, and the fields take the first columns in their order.
// Each column's date order and decimal mark are decided from its cells.
Plan guessPlan(LogKind kind, const std::vector<CsvRecord> &rows, const QLocale &locale = QLocale());

// Decides the date order and the decimal marks of every column of the plan
// (its fields' and its odometer's and cost's) from their cells, as
// guessPlan does once it has found the columns.
void decideFormats(const std::vector<CsvRecord> &rows, Plan &plan, const QLocale &locale = QLocale());

// The rides the Ride column names, in the order of their first rows; empty
// without a Ride column.
QStringList ridesOf(const std::vector<CsvRecord> &rows, const Plan &plan);

// A check box's cell: empty, "no", "false", "0" or "n" for unticked, "yes",
// "true", "1", "y" or "x" for ticked (any case); none for another text.
std::optional<bool> readTick(const QString &cell);

// The four field texts of a data row under the plan (empty for no column).
std::array<QString, 4> fieldTexts(const CsvRecord &row, const Plan &plan);

// The entries of the rows, for the ride rideKey, in file order, and the rows
// left out with their line numbers. A date column whose dates need both
// orders (13/05/2026 and 05/13/2026) leaves every row out: no date in it
// can be trusted. The locale serves only the month names. Only the records of the plan's log are
// filled.
struct Entries
{
    std::vector<ExpenseRecord> expenses;
    std::vector<TripRecord> trips;
    std::vector<GasRecord> gas;
    // Each entry's extras, in the order of the entries; empty when the plan
    // has no column for them.
    std::vector<EntryExtras> extras;
    // The line of the file each entry was read from, in the order of the
    // entries.
    std::vector<int> lines;
    std::vector<Problem> problems;
    int otherRides = 0; // rows of other rides than the plan's, left out

    std::size_t count() const { return expenses.size() + trips.size() + gas.size(); }
};
Entries readEntries(const std::vector<CsvRecord> &rows, const Plan &plan, double rideKey,
                    const QLocale &locale = QLocale());

} // namespace CsvImport
