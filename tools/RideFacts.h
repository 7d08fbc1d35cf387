#pragma once

#include "ReminderReading.h"

#include "model/RideMiles.h"

#include <QDir>
#include <QString>

#include <map>

// What the data tool knows of each ride on file for its reminders: the name
// under which the program lists it and its miles, as the program counts them
// (its odometer now, see RideOdometer). Rides marked deleted are left out.
struct RideFact
{
    int order = 0; // its place in Torqal.Dat
    QString label; // its own name, or else year, make and model
    RideOdometer odometer;
    std::optional<qint64> bought; // its reading when bought

    qint64 miles() const { return odometer.now(bought); }
};

using RideFacts = std::map<double, RideFact>;

// Reads the rides of Torqal.Dat in the folder (a missing file holds none),
// and then their miles: Gas.Dat, and Maint.Dat and Trip.Dat when `database`
// (Torqal.db as read) holds readings of their entries. False, with `error`
// naming the file, when one cannot be read (a broken link, or a folder that
// does not let it be looked at, among others).
bool readRides(const QDir &folder, RideFacts &facts, QString &error);
bool readRideMiles(const QDir &folder, const ReminderReading &database, RideFacts &facts, QString &error);
