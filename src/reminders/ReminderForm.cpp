#include "reminders/ReminderForm.h"

#include "data/DateValue.h"
#include "platform/LineBreaks.h"
#include "platform/ValueFormats.h"

#include <cmath>

namespace ReminderForm {

namespace {

constexpr qint64 MonthsLimit = 1200;

// A whole number from 0 to limit as typed; empty text is 0. No value for
// anything else.
std::optional<qint64> wholeNumber(const QString &text, qint64 limit)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return 0;
    const std::optional<double> number = ValueFormats::numberFromText(typed);
    if (!number || *number != std::floor(*number) || *number < 0 || *number > double(limit))
        return std::nullopt;
    return qint64(*number);
}

QString numberText(qint64 number)
{
    return number > 0 ? QString::number(number) : QString();
}

Problem notADate(const QString &text, Field field)
{
    return {QStringLiteral("I don't recognize") + CrLf + CrLf + QStringLiteral("   ") + text.trimmed() + CrLf + CrLf
                + QStringLiteral("as a valid date."),
            field};
}

Problem notANumber(const QString &what, qint64 limit, Field field)
{
    return {QStringLiteral("The %1 must be a whole number from 0 to %2.").arg(what, QLocale().toString(limit)), field};
}

std::optional<Problem> checkDate(const QString &text, Field field)
{
    if (!text.trimmed().isEmpty() && !dateOf(text).isValid())
        return notADate(text, field);
    return std::nullopt;
}

std::optional<Problem> checkNumber(const QString &text, const QString &what, qint64 limit, Field field)
{
    if (!wholeNumber(text, limit))
        return notANumber(what, limit, field);
    return std::nullopt;
}

} // namespace

QDate dateOf(const QString &text)
{
    const std::optional<double> value = ValueFormats::dateValueFromText(text);
    return value ? DateValue::toDateTime(*value).date() : QDate();
}

QString textOf(QDate date)
{
    return date.isValid() ? ValueFormats::dateText(DateValue::fromDateTime(date)) : QString();
}

Fields newFields(QDate today, qint64 rideMiles)
{
    Fields fields;
    fields[Field::LastDoneDate] = textOf(today);
    fields[Field::LastDoneMiles] = QString::number(milesInRange(rideMiles));
    return fields;
}

Fields fieldsOf(const Reminder &reminder)
{
    Fields fields;
    fields[Field::Description] = reminder.description;
    fields.repeating = reminder.repeating;
    if (reminder.repeating) {
        fields[Field::EveryMonths] = numberText(reminder.everyMonths);
        fields[Field::EveryMiles] = numberText(reminder.everyMiles);
        fields[Field::LastDoneDate] = textOf(reminder.lastDoneDate);
        fields[Field::LastDoneMiles] = QString::number(reminder.lastDoneMiles);
    } else {
        fields[Field::OnDate] = textOf(reminder.onDate);
        fields[Field::AtMiles] = numberText(reminder.atMiles);
    }
    return fields;
}

std::optional<Problem> check(const Fields &fields)
{
    if (fields[Field::Description].trimmed().isEmpty())
        return Problem{QStringLiteral("Please say what is to be done (for example: Oil change)."), Field::Description};
    if (!fields.repeating) {
        if (auto problem = checkDate(fields[Field::OnDate], Field::OnDate))
            return problem;
        if (auto problem = checkNumber(fields[Field::AtMiles], QStringLiteral("miles"), MilesLimit, Field::AtMiles))
            return problem;
        if (!dateOf(fields[Field::OnDate]).isValid() && wholeNumber(fields[Field::AtMiles], MilesLimit) == 0)
            return Problem{QStringLiteral("Please give the date or the miles at which it falls due, or both."), Field::OnDate};
        return std::nullopt;
    }
    if (auto problem = checkNumber(fields[Field::EveryMonths], QStringLiteral("months"), MonthsLimit, Field::EveryMonths))
        return problem;
    if (auto problem = checkNumber(fields[Field::EveryMiles], QStringLiteral("miles"), MilesLimit, Field::EveryMiles))
        return problem;
    const bool byMonths = wholeNumber(fields[Field::EveryMonths], MonthsLimit) > 0;
    if (!byMonths && wholeNumber(fields[Field::EveryMiles], MilesLimit) == 0)
        return Problem{QStringLiteral("Please give how many months or miles apart it falls due, or both."), Field::EveryMonths};
    if (auto problem = checkDate(fields[Field::LastDoneDate], Field::LastDoneDate))
        return problem;
    if (byMonths && !dateOf(fields[Field::LastDoneDate]).isValid())
        return Problem{QStringLiteral("Please give the date on which it was last done."), Field::LastDoneDate};
    return checkNumber(fields[Field::LastDoneMiles], QStringLiteral("miles"), MilesLimit, Field::LastDoneMiles);
}

Reminder reminderOf(const Fields &fields, const Reminder &base)
{
    Reminder reminder;
    reminder.id = base.id;
    reminder.rideKey = base.rideKey;
    reminder.description = fields[Field::Description].trimmed();
    reminder.repeating = fields.repeating;
    if (fields.repeating) {
        reminder.everyMonths = int(wholeNumber(fields[Field::EveryMonths], MonthsLimit).value_or(0));
        reminder.everyMiles = wholeNumber(fields[Field::EveryMiles], MilesLimit).value_or(0);
        reminder.lastDoneDate = dateOf(fields[Field::LastDoneDate]);
        reminder.lastDoneMiles = wholeNumber(fields[Field::LastDoneMiles], MilesLimit).value_or(0);
    } else {
        reminder.onDate = dateOf(fields[Field::OnDate]);
        reminder.atMiles = wholeNumber(fields[Field::AtMiles], MilesLimit).value_or(0);
        // Done stays done while it is the same date and miles.
        if (!base.repeating && base.onDate == reminder.onDate && base.atMiles == reminder.atMiles) {
            reminder.lastDoneDate = base.lastDoneDate;
            reminder.lastDoneMiles = base.lastDoneMiles;
        }
    }
    return reminder;
}

} // namespace ReminderForm
