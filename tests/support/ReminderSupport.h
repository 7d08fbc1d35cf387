#pragma once

// Reminders as the reminder tests write them: once(...) and every(...).

#include "reminders/Reminder.h"

#include <QMetaType>

namespace ReminderTest {

// Due once: on a date (a null date for none) and/or at a mileage (0 for none).
inline Reminder once(QDate onDate, qint64 atMiles = 0, const QString &description = QStringLiteral("Inspection"))
{
    Reminder reminder;
    reminder.description = description;
    reminder.onDate = onDate;
    reminder.atMiles = atMiles;
    return reminder;
}

// Due every so many months and/or miles (0 for none), last done on lastDone at lastMiles.
inline Reminder every(int months, qint64 miles, QDate lastDone, qint64 lastMiles = 0,
                      const QString &description = QStringLiteral("Oil change"))
{
    Reminder reminder;
    reminder.description = description;
    reminder.repeating = true;
    reminder.everyMonths = months;
    reminder.everyMiles = miles;
    reminder.lastDoneDate = lastDone;
    reminder.lastDoneMiles = lastMiles;
    return reminder;
}

inline Reminder ofRide(Reminder reminder, double rideKey)
{
    reminder.rideKey = rideKey;
    return reminder;
}

} // namespace ReminderTest

Q_DECLARE_METATYPE(Reminder)
