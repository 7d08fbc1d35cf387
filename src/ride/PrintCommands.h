#pragma once

#include "logs/LogKind.h"

class QWidget;
struct MainWindowControls;

// The main window's print commands.

// cmdRidePrint: the print options of the ride shown, modally over the main
// window, which dims around them while fading is on.
void PrintRideReport(QWidget *mainWindow, const MainWindowControls &ui);

// cmdMaintPrint to cmdGasPrint: the highlighted entry of the log with its
// notes. The main window stays as it is while it prints.
void PrintHighlightedLogEntry(QWidget *mainWindow, const MainWindowControls &ui, LogKind kind);
