#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

// A reminder of one ride: something to do by a date, by miles, or by
// whichever of the two comes first.
//
// A reminder that happens once is due on `onDate` and/or at `atMiles`; once it
// has been done (`lastDoneDate` set) it is finished. A repeating reminder is
// due every `everyMonths` months and/or every `everyMiles` miles, counted from
// when it was last done (`lastDoneDate`, `lastDoneMiles`); doing it counts
// afresh from then. A measure that is not used holds a null date or 0.
//
// A ride's miles are the miles the program knows of it: the sum of its
// gasoline log's miles travelled.
struct Reminder
{
    qint64 id = 0;      // its row in the reminders database; 0 until stored
    double rideKey = 0; // the RideKey of its ride
    QString description;
    bool repeating = false;

    // Once.
    QDate onDate;
    qint64 atMiles = 0;

    // Repeating.
    int everyMonths = 0;
    qint64 everyMiles = 0;

    // When it was last done (for a reminder that happens once: whether it is done).
    QDate lastDoneDate;
    qint64 lastDoneMiles = 0;

    bool byDate() const { return repeating ? everyMonths > 0 : onDate.isValid(); }
    bool byMiles() const { return repeating ? everyMiles > 0 : atMiles > 0; }
    bool finished() const { return !repeating && lastDoneDate.isValid(); }

    bool operator==(const Reminder &) const = default;
};
