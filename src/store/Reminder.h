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
// A ride's miles are what its odometer shows now (see RideOdometer): its
// latest reading of any log plus the miles of the fill-ups since; without
// readings, the reading when it was bought plus every fill-up's miles; with
// neither, the sum of its gasoline log's miles. When a change moves a ride
// from one of these to another, the store moves its reminders' miles with
// it (see OdometerShift). The miles are in the ride's distance unit.
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
