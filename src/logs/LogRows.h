#pragma once

#include "data/Records.h"
#include "logs/LogKind.h"

#include <QByteArray>
#include <QString>

#include <array>

// One listed entry with what its row shows, as read from its record. The
// row's texts are made from it when they are asked for, so that a long log
// is listed without formatting rows nobody looks at.
struct LogEntry
{
    int recordNumber = 0; // in the log file ("RecNum")
    int dateSort = -1;    // the date as the number yyyymmdd; -1 for no date
    double entryDate = 0;
    // Maintenance, goodies, trips: the description without its blanks, in
    // the files' code page, one byte a character: a log of 32767 entries
    // listed takes megabytes less than as text.
    QByteArray description;
    qint64 cost = 0;      // maintenance, goodies
    qint32 miles = 0;     // trips, gasoline
    float gallons = 0;    // gasoline
};

LogEntry logEntry(const ExpenseRecord &record, int recordNumber);
LogEntry logEntry(const TripRecord &record, int recordNumber);
LogEntry logEntry(const GasRecord &record, int recordNumber);

// A description field's bytes as LogEntry keeps them: the blanks before and
// after the text left out.
QByteArray descriptionBytes(const char *field, qsizetype width);

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

// "yyyymmdd" of a date value as a number (20090315), -1 for a value that is
// no date. Its order is that of the text.
int dateSortNumber(double dateValue);
QString dateSortText(int dateSort);

// Miles per gallon as "#####.0", or "" when there is no figure: no gallons
// (rather than a division by zero), or values that are no numbers.
QString milesPerGallonText(qint32 miles, float gallons);
