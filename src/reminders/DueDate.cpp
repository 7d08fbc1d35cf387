#include "reminders/DueDate.h"

#include "data/DateValue.h"
#include "data/Saturating.h"
#include "platform/ValueFormats.h"

#include <QStringList>

namespace DueDate {

namespace {

QString daysText(qint64 days)
{
    return days == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(days);
}

QString dateText(QDate date, const QLocale &locale)
{
    return ValueFormats::dateText(DateValue::fromDateTime(date), locale);
}

} // namespace

Point nextDue(const Reminder &reminder)
{
    Point point;
    if (reminder.repeating) {
        if (reminder.everyMonths > 0 && reminder.lastDoneDate.isValid())
            point.date = reminder.lastDoneDate.addMonths(reminder.everyMonths);
        if (reminder.everyMiles > 0)
            point.miles = saturatingAdd(reminder.lastDoneMiles, reminder.everyMiles);
    } else {
        point.date = reminder.onDate;
        if (reminder.atMiles > 0)
            point.miles = reminder.atMiles;
    }
    return point;
}

Standing standing(const Reminder &reminder, QDate today, qint64 rideMiles, Lead lead)
{
    Standing result;
    result.point = nextDue(reminder);
    if (reminder.finished()) {
        result.state = State::Finished;
        return result;
    }
    const bool byDate = result.point.date.isValid();
    const bool byMiles = result.point.miles.has_value();
    if (byDate)
        result.daysLeft = today.daysTo(result.point.date);
    if (byMiles)
        result.milesLeft = saturatingSubtract(*result.point.miles, rideMiles);

    if ((byDate && result.daysLeft < 0) || (byMiles && result.milesLeft < 0))
        result.state = State::Overdue;
    else if ((byDate && result.daysLeft <= lead.days) || (byMiles && result.milesLeft <= lead.miles))
        result.state = State::Due;
    return result;
}

QString standingText(const Reminder &reminder, const Standing &standing, const QLocale &locale)
{
    const bool byDate = standing.point.date.isValid();
    const bool byMiles = standing.point.miles.has_value();
    QStringList parts;
    switch (standing.state) {
    case State::Finished:
        return QStringLiteral("done on ") + dateText(reminder.lastDoneDate, locale);
    case State::Overdue:
        if (byDate && standing.daysLeft < 0)
            parts << daysText(-standing.daysLeft);
        if (byMiles && standing.milesLeft < 0)
            parts << milesText(-standing.milesLeft, locale);
        return QStringLiteral("overdue by ") + parts.join(QStringLiteral(" / "));
    case State::Due:
    case State::Later:
        break;
    }
    if (!byDate && !byMiles)
        return QStringLiteral("no due date or miles");
    if (byDate)
        parts << (standing.daysLeft == 0 ? QStringLiteral("today") : QStringLiteral("in ") + daysText(standing.daysLeft));
    if (byMiles)
        parts << (standing.milesLeft == 0 ? QStringLiteral("now") : QStringLiteral("in ") + milesText(standing.milesLeft, locale));
    // "in 12 days / 340 miles" rather than "in 12 days / in 340 miles".
    if (parts.size() == 2 && parts[0].startsWith(QStringLiteral("in ")) && parts[1].startsWith(QStringLiteral("in ")))
        parts[1].remove(0, 3);
    return QStringLiteral("due ") + parts.join(QStringLiteral(" / "));
}

QString noticeText(int due, int overdue)
{
    if (due <= 0)
        return {};
    QString text = due == 1 ? QStringLiteral("1 reminder due") : QStringLiteral("%1 reminders due").arg(due);
    if (overdue > 0)
        text += QStringLiteral(" (%1 overdue)").arg(overdue);
    return text;
}

QString milesText(qint64 miles, const QLocale &locale)
{
    return locale.toString(miles) + (miles == 1 ? QStringLiteral(" mile") : QStringLiteral(" miles"));
}

} // namespace DueDate
