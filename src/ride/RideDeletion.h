#pragma once

#include "ride/RideWindow.h"

#include <QObject>

#include <functional>

class RideView;
class RidesMenu;

// Deleting the ride shown with every log entry that belongs to it, after the
// user confirms (see Store::deleteRide), then whatever else the program
// keeps of the ride (its reminders), and the view of what is left. Once the
// ride file no longer holds the ride, the deletion stands.
class ReminderStore;

class RideDeletion : public QObject
{
    Q_OBJECT

public:
    RideDeletion(const RideWindow &rw, RideView &view, RidesMenu &menu);

    void DeleteRide();

    // The reminders, whose ride's reminders go with it (null when they
    // cannot be used).
    void setReminders(std::function<ReminderStore *()> reminders) { m_reminders = std::move(reminders); }

private:
    RideWindow rw;
    RideView &m_view;
    RidesMenu &m_menu;
    std::function<ReminderStore *()> m_reminders;
};
