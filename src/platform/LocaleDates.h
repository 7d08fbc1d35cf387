#pragma once

#include <QLocale>
#include <QString>

// What the value formats need to know about a locale's numeric dates and
// times, taken from its short date and time formats.
namespace ValueFormats::LocaleDates {

enum class Order { MonthDayYear, DayMonthYear, YearMonthDay };

// The order of day, month and year in the locale's short date (M/d/yy in
// en_US gives MonthDayYear).
Order dateOrder(const QLocale &locale);
// The separator between the fields of the locale's short date ("/", "." or
// "-"); "/" when the format has none.
QString dateSeparator(const QLocale &locale);
// The separator between hours and minutes (":" in most locales).
QString timeSeparator(const QLocale &locale);

} // namespace ValueFormats::LocaleDates
