#pragma once

#include "model/LogKindInfo.h"
#include "store/LogEntry.h"

#include <QString>

#include <array>
#include <optional>

// The texts of an entry's row as the list shows them: the three visible
// cells, the record number and the date as "yyyymmdd" ("DateSort").
struct LogRow
{
    std::array<QString, 3> cells;
    int recordNumber = 0;
    QString dateSort;

    bool operator==(const LogRow &) const = default;
};

// One visible cell:
// - column 0, every log: the date, "mm/dd/yyyy";
// - maintenance, goodies: the trimmed description | the cost ("" for 0,
//   else $##,##0.00);
// - trips: the trimmed description | the miles ("" for 0, else a plain
//   integer);
// - gasoline: the gallons (###.0) | the miles, three blanks and the miles per
//   gallon in parentheses: "350   (28.2)"; with no gallons, the miles alone.
QString logCell(LogKind kind, const LogEntry &entry, int column);
LogRow logRow(LogKind kind, const LogEntry &entry);

// "yyyymmdd" of a LogEntry::dateSort, "" for no date.
QString dateSortText(int dateSort);

// Miles per gallon as "#####.0", or "" when there is no figure: no gallons
// (rather than a division by zero), or values that are no numbers.
QString milesPerGallonText(qint32 miles, float gallons);

// A gasoline entry's miles cell with its figure (see FuelEconomy): "350
// (28.2)", or the miles alone without one.
QString gasMilesCell(qint32 miles, std::optional<double> economy);
