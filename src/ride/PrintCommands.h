#pragma once

#include "print/PrintDialog.h"
#include "store/LogKind.h"

#include <QString>

class QWidget;
struct RideModel;

// The main window's print commands.

// cmdRidePrint: the print options of the ride shown, modally over the main
// window, which dims around them while fading is on.
void PrintRideReport(QWidget *mainWindow, const RideModel &shown);

// cmdMaintPrint to cmdGasPrint: entry `row` of the log's list (the
// highlighted one) with its notes, on the default printer or, with Print To,
// where the user chooses; nothing when no row is highlighted. The main window
// stays as it is while it prints.
void PrintLogEntry(QWidget *mainWindow, const RideModel &shown, LogKind kind, int row,
                   PrintCommand command = PrintCommand::Print);
