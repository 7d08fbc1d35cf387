#pragma once

#include "data/Records.h"
#include "store/EntryExtras.h"
#include "platform/ValueFormats.h"

#include <QDate>

#include <vector>

// The figures behind the history charts, from a ride's entries in the order
// of its lists. Entries without a date are left out of every figure; sums
// stop at the limits of their type as the lists' totals do.
namespace HistoryFigures {

// The moving average runs over this many fill-ups.
inline constexpr int AverageOver = 5;

// A figure of one fill-up (its miles per gallon, or the price it paid for
// its fuel), and the mean of that figure of this fill-up and of up to four
// fill-ups before it that have one.
struct FillUpPoint
{
    QDate date;
    double value = 0;
    double average = 0;

    bool operator==(const FillUpPoint &) const = default;
};

// Every fill-up with a figure above 0 (see FuelEconomy: the fill-up's miles
// over its gallons, or those of the chain of partial fill-ups it ends), in
// the order given; the others have no figure (no division by zero, no
// negative economy, no partial or missed fill-up) and do not count towards
// the average. `extras` are the fill-ups' own, in the same order (none:
// every fill-up full).
std::vector<FillUpPoint> milesPerGallon(const std::vector<GasRecord> &gas, const std::vector<EntryExtras> &extras = {});

// The price of the fuel of every fill-up with a cost above 0 and fuel above
// 0: its cost over its fuel, in money per the ride's fuel unit, in the order
// given. A fill-up of no cost (or of none given) has no price: it would pull
// the average down to a price nobody paid.
std::vector<FillUpPoint> fuelPrices(const std::vector<GasRecord> &gas, const std::vector<EntryExtras> &extras);

// The fill-ups a chart `columns` wide draws of `points` (in date order): the
// time line from the first to the last fill-up is cut into that many
// columns, and of the fill-ups in one column only those with the lowest and
// the highest `value` are kept, in date order. The chart keeps its shape and
// its outliers while drawing at most two points a column, however long the
// log.
std::vector<FillUpPoint> drawnPoints(const std::vector<FillUpPoint> &points, int columns, double FillUpPoint::*value);

// The money spent in one month: maintenance and repairs, goodies (every
// cost, as the lists' totals add them) and fuel (every fill-up's cost given).
struct MonthSpending
{
    QDate month; // its first day
    ValueFormats::Money maintenance = 0;
    ValueFormats::Money goodies = 0;
    ValueFormats::Money fuel = 0;

    bool operator==(const MonthSpending &) const = default;
};

// Every month from the first to the last dated entry of the two logs or
// dated fill-up with a cost (`gasExtras` are the fill-ups' own, in the same
// order), months without any included (with nothing spent), so that the
// months stand evenly along the time line. A fill-up without a cost spends
// nothing and widens no time line. Empty when there is no such entry.
std::vector<MonthSpending> spendingPerMonth(const std::vector<ExpenseRecord> &maintenance,
                                            const std::vector<ExpenseRecord> &goodies,
                                            const std::vector<GasRecord> &gas = {},
                                            const std::vector<EntryExtras> &gasExtras = {});

// The miles of one month: of the gasoline log (every fill-up's miles) and of
// the trips (every positive mileage), as the lists' totals add them.
struct MonthMiles
{
    QDate month;
    qint64 gasoline = 0;
    qint64 trips = 0;

    bool operator==(const MonthMiles &) const = default;
};

// Every month from the first to the last dated entry of either log, as above.
std::vector<MonthMiles> milesPerMonth(const std::vector<GasRecord> &gas, const std::vector<TripRecord> &trips);

// The month starts at which the time line of fill-ups from `first` to `last`
// is marked: from the start of the first fill-up's month to the start of the
// month after the last one's, every month, or every 2, 3 or 6 months, or
// every 1, 2, 5, 10, 20, 50 ... years, whichever is the shortest that cuts the
// line into at most MarkedSpans spans. A span of several months starts at a
// multiple of its length (January, April, July, October for three months;
// a year divisible by the number of years), so that the marks fall on the
// same months whatever the first fill-up.
inline constexpr int MarkedSpans = 8;
std::vector<QDate> monthMarks(QDate first, QDate last);

// The day of a stored date; an invalid date for "no date" (0 or below, or a
// value that is no date at all).
QDate entryDay(double dateValue);

} // namespace HistoryFigures
