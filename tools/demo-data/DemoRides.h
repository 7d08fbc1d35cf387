#pragma once

#include "data/Records.h"
#include "store/Reminder.h"

#include <QDate>
#include <QList>
#include <QString>

// The rides of the demo data folder: a car, a motorcycle and an ATV, each
// with some months of maintenance, goodies, trips and gasoline entries, and
// a few reminders (some of them due or overdue on the day the demo is made),
// so that every page of the program has something to show.

enum class DemoPicture { Car, Motorcycle, Atv };

struct DemoRide
{
    DemoPicture picture;
    QString pictureFileName; // the picture's file name; the writer fills PicturePath
    RideRecord ride;
    // The log entries carry the ride's RideKey.
    QList<ExpenseRecord> maintenance;
    QList<ExpenseRecord> goodies;
    QList<TripRecord> trips;
    QList<GasRecord> gas;
    // The reminders carry the ride's RideKey.
    QList<Reminder> reminders;
};

// The demo rides with their entries dated in the months before `today`.
QList<DemoRide> demoRides(QDate today);
