#pragma once

#include "print/LogEntryPrintout.h"
#include "print/RideReportContent.h"
#include "store/LogKind.h"

#include <optional>

struct MainWindowControls;

// What the printouts print, read from the main window as it shows the ride:
// the heading values, the ride's fields, notes and picture, the log lists
// with their titles and totals, and the tabs' captions.

// Year, make, model and the ride's name; the time of printing is left to
// the printout.
RideHeading RideHeadingShown(const MainWindowControls &ui);

// The whole ride report: fields 4 to 26, the notes, the picture shown, from
// its file picturePath (printed through the larger-picture window), and the
// four logs.
RideReportContent RideReportShown(const MainWindowControls &ui, const QString &picturePath);

// The highlighted entry of the log with the notes shown for it; nothing when
// the list has no highlighted entry.
std::optional<LogEntryPrintout> LogEntryShown(const MainWindowControls &ui, LogKind kind);
