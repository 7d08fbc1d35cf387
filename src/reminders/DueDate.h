#pragma once

#include "store/Reminder.h"

#include <QLocale>

#include <optional>

// When a reminder falls due and how it stands on a given day at a given
// mileage. Plain values in, plain values out: "today" and the ride's miles
// are the caller's.
namespace DueDate {

// How far ahead a reminder counts as due: within 30 days or 500 miles.
struct Lead
{
    qint64 days = 30;
    qint64 miles = 500;
};

// The point at which a reminder next falls due, by each measure it uses.
// A repeating reminder adds its months to the day it was last done; a day
// that the month lacks becomes the month's last day (31 January and one
// month is 28 or 29 February; 29 February 2024 and twelve months is
// 28 February 2025). Miles stop at the largest number rather than wrap.
struct Point
{
    QDate date;                  // null when not due by date
    std::optional<qint64> miles; // empty when not due by miles
};
Point nextDue(const Reminder &reminder);

enum class State { Later, Due, Overdue, Finished };

struct Standing
{
    State state = State::Later;
    Point point;
    qint64 daysLeft = 0;  // to point.date; below 0 when past it
    qint64 milesLeft = 0; // to point.miles; below 0 when past it
};

// Overdue once the due date is past or the ride has gone beyond the due
// miles, by whichever measure comes first; due when either is within the
// lead (the due day itself, or the due mileage exactly, is still due);
// later otherwise. A reminder that happens once and has been done is
// finished.
Standing standing(const Reminder &reminder, QDate today, qint64 rideMiles, Lead lead = {});

// The standing as the lists show it: "due in 12 days / 340 miles", "due
// today", "due in 2,000 miles", "overdue by 3 days", "overdue by 1 day / 120
// miles" (only the measures that are past), "done on 05/01/2027".
QString standingText(const Reminder &reminder, const Standing &standing, const QLocale &locale = QLocale());

// The main window's notice of a ride's reminders that are due, overdue
// ones included: "1 reminder due", "3 reminders due (1 overdue)"; empty for
// none.
QString noticeText(int due, int overdue);

// Miles with the locale's thousands separators: "60,000 miles", "1 mile".
QString milesText(qint64 miles, const QLocale &locale = QLocale());

} // namespace DueDate
