#pragma once

#include <QString>
#include <QStringList>

#include <array>

class PrintDevice;

// A log as its list in the main window shows it: the kind (1 maintenance and
// repairs, 2 goodies, 3 trips, 4 gasoline), the caption of its tab and the
// titles of its three visible columns.
inline constexpr int GasolineLog = 4;

struct LogColumns
{
    int kind = 1;
    QString tabCaption;
    std::array<QString, 3> titles;
};

// The three visible cells of one list row: the date, the description (the
// gallons for gasoline) and the amount (miles and miles per gallon for
// gasoline), as the list shows them.
using LogCells = std::array<QString, 3>;

// The heading of a log printout at the left margin, underlined: "'Trips' List"
// (or whatever follows the tab caption), an empty line and the column titles.
void PrintLogHeading(PrintDevice &device, const LogColumns &log, const QString &afterCaption);

// One entry in the columns of its log; amounts of maintenance, goodies and
// trips end at the right edge for amounts.
void PrintLogEntryLine(PrintDevice &device, int kind, const LogCells &cells);

// An entry's notes as the lines printed under it in the current font: the
// notes' own lines, broken at blanks to fit from the description column to
// the right edge for amounts (a word too long for that is cut where it
// reaches the edge). Line breaks and blanks at either end are left out.
QStringList LogNoteLines(const PrintDevice &device, const QString &notes);

// Prints the text so that it ends at the right edge for amounts, and ends the
// line.
void PrintRightAligned(PrintDevice &device, const QString &text);
