#pragma once

// Log entries made for the log tests, written through the data store.

#include "data/DataTestSupport.h"
#include "data/DateValue.h"

#include <QDate>

namespace LogTest {

inline constexpr double RideA = 40000.5;
inline constexpr double RideB = 40100.75;

inline double day(int year, int month, int dayOfMonth)
{
    return DateValue::fromDateTime(QDate(year, month, dayOfMonth));
}

inline ExpenseRecord expense(double rideKey, double date, const QString &description, qint64 cost,
                             const QString &notes = QString())
{
    ExpenseRecord r;
    r.RideKey = rideKey;
    r.EntryDate = date;
    r.Description = description;
    r.Cost = cost;
    r.Notes = notes;
    return r;
}

inline TripRecord trip(double rideKey, double date, const QString &description, qint32 miles,
                       const QString &notes = QString())
{
    TripRecord r;
    r.RideKey = rideKey;
    r.EntryDate = date;
    r.Description = description;
    r.Miles = miles;
    r.Notes = notes;
    return r;
}

inline GasRecord gas(double rideKey, double date, float gallons, qint32 miles, const QString &notes = QString())
{
    GasRecord r;
    r.RideKey = rideKey;
    r.EntryDate = date;
    r.Gallons = gallons;
    r.Miles = miles;
    r.Notes = notes;
    return r;
}

} // namespace LogTest
