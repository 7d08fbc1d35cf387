#pragma once

#include "model/RideModel.h"

#include <QString>
#include <QtGlobal>

// What the main window shows and which mode it is in. The main window owns
// one for the whole run; the ride commands, the log commands and the
// printouts read it.
struct RideState
{
    qint16 CurrentRide = 0;    // record number of the ride shown; 0 = none
    double CurrentRideKey = 0; // RideKey of the ride shown; 0 when none is shown
    qint16 RideCount = 0;      // rides in Torqal.Dat at its last open or close
    QString PicturePath;       // the ride's as stored (shown or not), or the one chosen for a ride being added
    bool AddingEntry = false;  // a ride or a log entry is being added
    bool EditingEntry = false; // a ride or a log entry is being edited
    // The ride shown as the printouts and the reminders read it: its record
    // as stored when it was shown, and the logs its lists show.
    RideModel Shown;

    bool inEditMode() const { return AddingEntry || EditingEntry; }
};

// The ride shown when the main window first opens, from the text stored under
// "Last Ride Viewed": that ride when it is on file; ride 1 when the text is no
// record number on file (missing, not a number, 0, negative, beyond the end);
// 0 when no ride is on file.
qint16 FirstRideToShow(const QString &lastRideViewed, qint16 rideCount);
