#pragma once

#include "store/Reminder.h"

#include <QString>

#include <algorithm>
#include <array>
#include <optional>

// What the reminder editor shows and how it checks its input, without the
// window: texts in, a reminder out.
namespace ReminderForm {

// The editor's text boxes. A reminder that happens once uses OnDate and
// AtMiles; a repeating one the last four.
enum class Field { Description, OnDate, AtMiles, EveryMonths, EveryMiles, LastDoneDate, LastDoneMiles };
constexpr int FieldCount = 7;

struct Fields
{
    std::array<QString, FieldCount> texts;
    bool repeating = true;

    QString &operator[](Field field) { return texts[std::size_t(field)]; }
    const QString &operator[](Field field) const { return texts[std::size_t(field)]; }
};

// The description fills the description of the maintenance entry that
// marks the reminder done, so it is no longer than that.
constexpr int DescriptionLimit = 60;

// The largest number of miles the editor takes.
constexpr qint64 MilesLimit = 99'999'999;
// The ride's miles as a reminder can hold them: from 0 to MilesLimit (a
// ride whose gasoline log adds up to less than 0 has done 0 miles).
constexpr qint64 milesInRange(qint64 miles) { return std::clamp<qint64>(miles, 0, MilesLimit); }

// A new reminder: repeating, counted from today at the ride's miles.
Fields newFields(QDate today, qint64 rideMiles);
// The fields of a stored reminder, dates as the program shows them.
Fields fieldsOf(const Reminder &reminder);

struct Problem
{
    QString message;
    Field field;
};

// The checks of Save, in the order of the fields; the first that fails is
// returned. Dates are read as everywhere in the program; miles and months
// are whole numbers (thousands separators allowed); a reminder needs a
// description and at least one of its date and its miles.
std::optional<Problem> check(const Fields &fields);

// The reminder the checked fields describe, keeping the id and ride of
// `base`, and its being done when it happens once on the same date and
// miles as before.
Reminder reminderOf(const Fields &fields, const Reminder &base);

// A date text of the program's windows as a date; null when it is none.
QDate dateOf(const QString &text);
QString textOf(QDate date);

} // namespace ReminderForm
