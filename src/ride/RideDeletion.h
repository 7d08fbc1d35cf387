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
class RideDeletion : public QObject
{
    Q_OBJECT

public:
    RideDeletion(const RideWindow &rw, RideView &view, RidesMenu &menu);

    void DeleteRide();

    // What else goes with a deleted ride, given its key; runs once the ride
    // is out of the ride file, whatever happens to its log entries.
    void setRideRemoved(std::function<void(double rideKey)> removed) { m_rideRemoved = std::move(removed); }

private:
    RideWindow rw;
    RideView &m_view;
    RidesMenu &m_menu;
    std::function<void(double)> m_rideRemoved;
};
