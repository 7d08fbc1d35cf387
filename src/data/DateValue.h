#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// A date value is the stored form of every date in the data files: the number
// of days since 30 December 1899 00:00 as a double, the fraction being the time
// of day (1.5 is 31 December 1899 12:00). 0 means "no date".
//
// Days before the epoch are negative; as in the files' original convention the
// fraction still counts forward from midnight, so -1.25 is 29 December 1899 06:00.
namespace DateValue {

inline const QDate Epoch{1899, 12, 30};

double fromDateTime(QDate date, QTime time = QTime(0, 0));
inline double fromDateTime(const QDateTime &moment) { return fromDateTime(moment.date(), moment.time()); }

// The calendar moment a value denotes, to the millisecond, in UTC (which here
// stands for "no time zone"). An invalid QDateTime for values that are no date
// (NaN, infinities, before year 100 or after year 9999).
QDateTime toDateTime(double value);
// Its day alone, as toDateTime(value).date() gives it, reckoned without
// making the moment (the lists find the day of thousands of entries).
// False for a value that is no date.
bool toDay(double value, int &year, int &month, int &day);

} // namespace DateValue
