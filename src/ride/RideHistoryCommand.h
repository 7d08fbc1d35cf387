#pragma once

#include <functional>

class HistoryWindow;
class QWidget;

// cmdRideHistory: the history window of ride `rideNumber`, modally over the
// main window, which dims around it while fading is on; addPages adds the
// pages of other capabilities before it shows. When an import wrote
// entries, refillLogs runs after the window closed. A history that cannot be
// read is reported instead.
void ShowRideHistory(QWidget *mainWindow, int rideNumber, const std::function<void()> &refillLogs,
                     const std::function<void(HistoryWindow &)> &addPages = {});
