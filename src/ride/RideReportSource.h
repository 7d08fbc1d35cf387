#pragma once

#include "print/LogEntryPrintout.h"
#include "print/RideReportContent.h"
#include "store/LogKind.h"

#include <optional>

struct RideModel;

// What the printouts print, read from the model of the shown ride, never
// from the window's boxes or lists: the heading values, the ride's fields,
// notes and picture, the logs with their titles and totals. The time of
// printing is left to the printout.

// Year, make, model and the ride's name.
RideHeading RideHeadingOf(const RideModel &shown);

// The whole ride report: the fields from "Style" to "Key Code#", the notes,
// the picture (printed through the larger-picture window), and the four
// logs.
RideReportContent RideReportOf(const RideModel &shown);

// Entry `row` of the log's list with its notes as stored; nothing for a row
// the list does not have (none highlighted), or notes that cannot be read.
std::optional<LogEntryPrintout> LogEntryOf(const RideModel &shown, LogKind kind, int row);
