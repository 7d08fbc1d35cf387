#pragma once

#include "data/Records.h"

#include <QString>

#include <array>

// One entry as its log's list shows it: the three visible cells, and the two
// values the program keeps with the row without showing them, the entry's
// record number in its file ("RecNum") and its date as "yyyymmdd" ("DateSort").
struct LogRow
{
    std::array<QString, 3> cells;
    int recordNumber = 0;
    QString dateSort;

    bool operator==(const LogRow &) const = default;
};

// Maintenance and goodies: date | description | cost ("" for 0, else $##,##0.00).
LogRow logRow(const ExpenseRecord &record, int recordNumber);
// Trips: date | description | miles ("" for 0, else a plain integer).
LogRow logRow(const TripRecord &record, int recordNumber);
// Gasoline: date | gallons (###.0) | miles, three blanks and the miles per
// gallon in parentheses: "350   (28.2)". An entry with no gallons has no
// miles per gallon, and shows its miles alone.
LogRow logRow(const GasRecord &record, int recordNumber);

// Miles per gallon as "#####.0", or "" when there is no figure: no gallons
// (rather than a division by zero), or values that are no numbers.
QString milesPerGallonText(qint32 miles, float gallons);
