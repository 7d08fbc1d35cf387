#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// Reading the values of a CSV file's cells exactly as the file writes them:
// a cell is wholly a value, or it is refused with the reason. How a column
// writes its values (the order of day and month, the decimal mark) is
// decided from all of its cells, never from the desktop's settings alone:
// those only break a tie that the cells leave open.
//
// Everything here is plain functions over texts, free of widgets and of
// shared state, so that it can run on any thread. No regular expression is
// built per cell: numeric dates and numbers are read by hand.
namespace CsvValues {

// The order of day and month in a date that does not start with its year.
enum class DateOrder { MonthFirst, DayFirst };
// The mark between the whole part of a number and its decimals.
enum class DecimalMark { Point, Comma };

// The orders and marks the desktop's settings use.
DateOrder localeDateOrder(const QLocale &locale);
DecimalMark localeDecimalMark(const QLocale &locale);

// "day first" / "month first", "decimal point" / "decimal comma".
QString orderName(DateOrder order);
QString markName(DecimalMark mark);

// A cell with the line of the file it stands on.
struct Cell
{
    int line = 0;
    QString text;
};

// A value read from a cell, or why the cell holds none.
template<class T>
struct Reading
{
    std::optional<T> value;
    QString problem; // for instance "\"12 gal\" is no number"
};

// ---- Dates ---------------------------------------------------------------
// A date as a date value (days since 30 Dec 1899, the time of day as the
// fraction), from one of:
//  - year first: 2026-02-05, 2026/02/05, 2026.02.05;
//  - day and month in `order` with a 2- or 4-digit year, separated by "/",
//    "." or "-" (the same one twice): 05/02/2026, 5.2.26;
//  - a month name as the entry editor reads it (March 15, 2009; 15-Mar-09);
// then optionally a time of day after a blank or "T": 14:30, 14:30:15,
// 2:30 PM. Two-digit years 00-29 are 2000-2029, 30-99 1930-1999. A date
// that does not exist (31/02/2026) is refused.
Reading<double> readDate(const QString &cell, DateOrder order, const QLocale &locale = QLocale());

// What a column's dates say about their order: the first date that can only
// be day first (13/05/2026), the first that can only be month first
// (05/13/2026), and the first that reads as two different days in the two
// orders (05/02/2026).
struct DateEvidence
{
    std::optional<Cell> dayFirst;
    std::optional<Cell> monthFirst;
    std::optional<Cell> eitherWay;

    // Dates that need both orders: the column cannot be read.
    bool mixed() const { return dayFirst && monthFirst; }
    // The order the dates need, when they need one.
    std::optional<DateOrder> needed() const;
};
DateEvidence dateEvidence(const std::vector<Cell> &cells);

// The day a date that reads both ways stands for in the order, as
// "5 February 2026"; empty when the text is no such date.
QString dayInOrder(const QString &cell, DateOrder order);

// ---- Numbers -------------------------------------------------------------
// A number that is wholly one: blanks around it, a leading sign, digits with
// `mark` before the decimals, and between groups of three digits one
// thousands separator ("," or "." whichever is not the mark, a blank, a thin
// or no-break blank, an apostrophe); without thousands separators also an
// exponent (1.5e3). "12 gal", "2023-01-05" and "35,10" read with a decimal
// point are refused, each with its reason.
Reading<double> readNumber(const QString &cell, DecimalMark mark);
// An amount of money: a number as above, which may also carry a currency
// symbol before or after it and stand in parentheses for a negative amount;
// exact in decimal, in ten-thousandths, the digits past the fourth decimal
// rounded half to even. Refused beyond the range of the files' money.
Reading<qint64> readMoney(const QString &cell, DecimalMark mark);

// What a column's numbers say about their decimal mark: how many cells
// read only with a decimal point (12.5, 1,234.5), how many only with a
// decimal comma (35,10, 1.234,5), the first of each, and the first cell that
// reads as two different numbers (1,234: one thousand two hundred and
// thirty-four, or one and a bit).
struct NumberEvidence
{
    int pointCells = 0;
    int commaCells = 0;
    std::optional<Cell> point;
    std::optional<Cell> comma;
    std::optional<Cell> eitherWay;

    // The mark most of the cells that need one need; none on a tie.
    std::optional<DecimalMark> needed() const;
};
NumberEvidence numberEvidence(const std::vector<Cell> &cells, bool money);

} // namespace CsvValues
