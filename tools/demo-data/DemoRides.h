#pragma once

#include "data/Records.h"

#include <QDate>
#include <QList>
#include <QString>

// The rides of the demo data folder: a car, a motorcycle and an ATV, each
// with some months of maintenance, goodies, trips and gasoline entries, so
// that every page of the program has something to show.

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
};

// The demo rides with their entries dated in the months before `today`.
QList<DemoRide> demoRides(QDate today);
