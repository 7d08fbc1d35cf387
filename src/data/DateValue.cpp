#include "data/DateValue.h"

#include <cmath>

namespace DateValue {

namespace {
constexpr double MillisecondsPerDay = 86400000.0;
// 1 January 100 to 31 December 9999, the range the original date type covers.
constexpr double LowestValue = -657434.0;
constexpr double HighestValue = 2958466.0;
} // namespace

double fromDateTime(QDate date, QTime time)
{
    const auto days = static_cast<double>(Epoch.daysTo(date));
    const double fraction = (time.isValid() ? time.msecsSinceStartOfDay() : 0) / MillisecondsPerDay;
    return days >= 0 ? days + fraction : days - fraction;
}

namespace {

// The day of a value as days from the epoch and the time of that day, as
// toDateTime rounds them; false for a value that is no date.
bool split(double value, qint64 &days, int &milliseconds)
{
    if (!std::isfinite(value) || value < LowestValue || value >= HighestValue)
        return false;
    const double whole = std::trunc(value);
    auto rounded = static_cast<qint64>(std::llround(std::fabs(value - whole) * MillisecondsPerDay));
    days = static_cast<qint64>(whole);
    if (rounded >= static_cast<qint64>(MillisecondsPerDay)) {
        // Rounded up to midnight: that is the start of the following day.
        ++days;
        rounded = 0;
    }
    milliseconds = static_cast<int>(rounded);
    return true;
}

} // namespace

QDateTime toDateTime(double value)
{
    qint64 days = 0;
    int milliseconds = 0;
    if (!split(value, days, milliseconds))
        return {};
    // Stored dates carry no time zone; UTC keeps them free of daylight-saving gaps.
    return QDateTime(Epoch.addDays(days), QTime::fromMSecsSinceStartOfDay(milliseconds), Qt::UTC);
}

bool toDay(double value, int &year, int &month, int &day)
{
    qint64 days = 0;
    int milliseconds = 0;
    if (!split(value, days, milliseconds))
        return false;
    // Counted from 1 March of the year 0 (693899 days before the epoch), a
    // year ends with its leap day, and every 400 years (146097 days) the
    // calendar repeats. Every date value lies after that day.
    const qint64 fromMarch = days + 693899;
    const qint64 era = fromMarch / 146097;
    const qint64 dayOfEra = fromMarch - era * 146097;
    const qint64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 monthFromMarch = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return true;
}

} // namespace DateValue
