#pragma once

#include <functional>

class HistoryWindow;
class ReminderStore;
class QWidget;

// cmdRideHistory: the history window of ride `rideNumber`, modally over the
// main window, which dims around it while fading is on; addPages adds the
// pages of other capabilities before it shows. When an import wrote
// entries, refillLogs runs after the window closed. The entries' extras come
// from `database` when given. A history that cannot be
// read is reported instead.
void ShowRideHistory(QWidget *mainWindow, int rideNumber, ReminderStore *database, const std::function<void()> &refillLogs,
                     const std::function<void(HistoryWindow &)> &addPages = {});
