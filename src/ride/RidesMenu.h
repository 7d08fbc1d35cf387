#pragma once

#include "ride/RideWindow.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;

// The pop-up list of every ride on file, opened by the select-ride command,
// with the caption that counts the rides. Item r is ride record r; with two
// or more rides a separator and "Exit this Menu" follow.
class RidesMenu : public QObject
{
    Q_OBJECT

public:
    // showRide shows the ride chosen (ShowRide after CurrentRide is set).
    RidesMenu(const RideWindow &rw, std::function<void(qint16)> showRide);

    // Rebuilds the items from the ride file, the count caption and the
    // select-ride command's visibility. The ride buffer holds the last ride
    // afterwards.
    void BuildRidesMenu();

    // Opens the menu at the mouse position.
    void cmdSelectRide_Click();

    // The chosen item: a ride other than the one shown is shown; the shown
    // ride, the separator and "Exit this Menu" change nothing.
    void menuListRides_Click(int index);

    QMenu *menu() const { return menuListRidesMenu; }

private:
    QAction *addItem(const QString &caption);

    RideWindow rw;
    std::function<void(qint16)> m_showRide;
    QMenu *menuListRidesMenu;
    QList<QAction *> menuListRides;
};
