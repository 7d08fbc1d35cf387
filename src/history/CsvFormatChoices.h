#pragma once

#include "history/CsvImport.h"

#include <QLocale>
#include <QString>

#include <vector>

// How the import window offers and names the way each mapped column is
// read: the date orders or decimal marks a field's column can take, each
// with what it makes of the column's first value that reads two ways, and
// one line saying how every date and number column is read and why.
namespace CsvImport {

struct FormatChoice
{
    QString text; // "Day first: 05/02/2026 is 5 February 2026"
    int value;    // a CsvValues::DateOrder or DecimalMark
};

// The ways the field's column can be read, when its values leave a choice:
// for dates the order the column needs when it needs one, else both orders
// when a date reads as two days; for numbers the mark the cells need when
// they all need the same, else both marks when the cells differ or one
// reads as two numbers. None for a text field, for no column, and where
// every reading gives the same values.
std::vector<FormatChoice> formatChoices(const std::vector<CsvRecord> &rows, const Plan &plan, int field);

// The plan's reading of the field as a choice's value.
int formatOf(const Plan &plan, int field);
// Sets the field's reading to a choice's value.
void setFormat(Plan &plan, int field, int value);

// "Date: day first (as its dates show); Miles: decimal point (by the
// desktop's settings: 1,234 is 1234)": every mapped date and number column
// (the odometer and cost columns included), and why it is read so.
QString formatSummary(const std::vector<CsvRecord> &rows, const Plan &plan, const QLocale &locale = QLocale());

} // namespace CsvImport
