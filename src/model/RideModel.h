#pragma once

#include "data/Records.h"
#include "model/LogListing.h"

#include <array>

// The ride the main window shows, as the printouts and the reminders notice
// read it: its record as stored and its four logs as their lists show them,
// with every figure of them (LogTotals). The main window keeps it: it
// stores the record when it shows a ride, and its lists show the logs held
// here and refill them.
struct RideModel
{
    int number = 0; // the ride's record in the ride file; 0 when none is shown
    RideRecord record;
    std::array<LogListing, 4> logs{LogListing(LogKind::Maintenance), LogListing(LogKind::Goodies),
                                   LogListing(LogKind::Trips), LogListing(LogKind::Gas)};

    LogListing &log(LogKind kind) { return logs[std::size_t(logIndex(kind) - 1)]; }
    const LogListing &log(LogKind kind) const { return logs[std::size_t(logIndex(kind) - 1)]; }
};
