#pragma once

#include "reminders/ReminderPage.h"
#include "reminders/ReminderService.h"
#include "ride/RideWindow.h"

#include <QObject>

#include <functional>

class HistoryWindow;
class MainWindowLogs;

// The main window's reminders: the "Reminders" page of the ride's history
// window, the notice under the ride's name (which opens that page), the list
// of overdue reminders at start, and the removal of a deleted ride's
// reminders.
class RideReminders : public QObject
{
    Q_OBJECT

public:
    // databasePath: Torqal.db in the data folder.
    RideReminders(const RideWindow &rw, MainWindowLogs &logs, const QString &databasePath);

    // Once the main window is on screen: opens the reminders (telling the
    // user should that fail), shows the notice and, unless the user asked
    // not to see it at start, the list of every ride's overdue reminders.
    void start();

    // How a row of the overdue list opens its ride's reminders: the main
    // window shows the ride (by its number in the ride file) and opens its
    // history on the "Reminders" page.
    void setRideOpener(std::function<void(int rideNumber)> openRide) { m_openRide = std::move(openRide); }

    // Shows how the shown ride's reminders stand ("2 reminders due"), or
    // hides the notice while no ride is shown or the reminders are not open.
    // (Adding or editing a ride hides it until the ride is shown again.)
    void refreshNotice();

    // Adds the shown ride's "Reminders" page to its history window, opened
    // on that page when `show`; no page while the reminders cannot be used
    // (the user is told why once).
    void addPage(HistoryWindow &window, bool show);

    // The reminders for a command that changes them together with the data
    // files (deleting a ride); null when they cannot be used (the user is
    // told why once).
    ReminderStore *store();

private:
    // The shown ride as its reminders know it.
    StoreRead<ReminderRide> shownRide(const ReminderStore &store) const;
    bool recordDone(ReminderStore &store, const Reminder &reminder, qint64 rideMiles, QWidget *over);
    void showOverdueAtStart(ReminderStore &store);

    RideWindow rw;
    MainWindowLogs &m_logs;
    ReminderService m_service;
    std::function<void(int rideNumber)> m_openRide;
};
