#pragma once

#include "print/LogPrintLines.h"

class PrintDevice;
struct RideHeading;

// The highlighted entry of a log with the notes shown for it.
struct LogEntryPrintout
{
    LogColumns log;
    LogCells cells;
    QString notes;
};

// Prints one log entry with its notes as one document: the ride heading, the
// entry under its underlined column titles, then the notes on as many pages as
// they need. Returns what ending the document returned.
bool PrintLogEntry(PrintDevice &device, const LogEntryPrintout &entry, const RideHeading &ride);
