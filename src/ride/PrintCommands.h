#pragma once

#include "print/PrintDialog.h"
#include "store/LogKind.h"

#include <QString>

class QWidget;
struct MainWindowControls;

// The main window's print commands.

// cmdRidePrint: the print options of the ride shown, with its picture file
// picturePath (empty: none), modally over the main window, which dims
// around them while fading is on.
void PrintRideReport(QWidget *mainWindow, const MainWindowControls &ui, const QString &picturePath);

// cmdMaintPrint to cmdGasPrint: the highlighted entry of the log with its
// notes, on the default printer or, with Print To, where the user chooses.
// The main window stays as it is while it prints.
void PrintHighlightedLogEntry(QWidget *mainWindow, const MainWindowControls &ui, LogKind kind,
                              PrintCommand command = PrintCommand::Print);
