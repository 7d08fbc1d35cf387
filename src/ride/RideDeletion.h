#pragma once

#include "ride/RideWindow.h"

#include <QObject>

class RideView;
class RidesMenu;

// Deleting the ride shown with every log entry that belongs to it, after the
// user confirms: the ride is marked, then the ride file and the four log
// files are compacted, and the view shows what is left.
class RideDeletion : public QObject
{
    Q_OBJECT

public:
    RideDeletion(const RideWindow &rw, RideView &view, RidesMenu &menu);

    void DeleteRide();

private:
    FileStatus removeRide();
    FileStatus removeLogEntries(double rideKey);

    RideWindow rw;
    RideView &m_view;
    RidesMenu &m_menu;
};
