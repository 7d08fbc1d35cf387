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

struct Moment
{
    QDate date; // invalid for a value that is no date
    int milliseconds = 0;
};

Moment momentOf(double value)
{
    if (!std::isfinite(value) || value < LowestValue || value >= HighestValue)
        return {};
    const double whole = std::trunc(value);
    auto milliseconds = static_cast<qint64>(std::llround(std::fabs(value - whole) * MillisecondsPerDay));
    QDate date = Epoch.addDays(static_cast<qint64>(whole));
    if (milliseconds >= static_cast<qint64>(MillisecondsPerDay)) {
        // Rounded up to midnight: that is the start of the following day.
        date = date.addDays(1);
        milliseconds = 0;
    }
    return {date, static_cast<int>(milliseconds)};
}

} // namespace

QDateTime toDateTime(double value)
{
    const Moment moment = momentOf(value);
    if (!moment.date.isValid())
        return {};
    // Stored dates carry no time zone; UTC keeps them free of daylight-saving gaps.
    return QDateTime(moment.date, QTime::fromMSecsSinceStartOfDay(moment.milliseconds), Qt::UTC);
}

QDate toDate(double value)
{
    return momentOf(value).date;
}

} // namespace DateValue
