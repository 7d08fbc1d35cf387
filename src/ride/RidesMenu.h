#pragma once

#include "ride/RideWindow.h"

#include <QObject>
#include <QStringList>

#include <functional>

class ListMenu;
class RidesMenuItems;

// The pop-up list of every ride on file, opened by the select-ride command,
// with the caption that counts the rides. The items are numbered as
// menuListRides: item 0 is a separator, hidden with two or more rides; item r
// (1 to N) is ride record r, labelled by RideLabels::MenuLabel; with two or
// more rides a separator (N + 1) and "Exit this Menu" (N + 2) follow.
//
// However many rides there are, every one can be reached: the menu scrolls
// within the screen, and typing the first letters of a label jumps to it.
// Building the list only counts the rides; their labels are read from the
// ride file when the menu is next opened (or its items asked for), in one
// pass over the file.
class RidesMenu : public QObject
{
    Q_OBJECT

public:
    // showRide shows the ride chosen (ShowRide after CurrentRide is set).
    RidesMenu(const RideWindow &rw, std::function<void(qint16)> showRide);
    ~RidesMenu() override;

    // Rebuilds the list from the ride file: RideCount, the count caption and
    // the select-ride command's visibility now, the labels when next needed.
    void BuildRidesMenu();

    // Opens the menu at the mouse position.
    void cmdSelectRide_Click();

    // The chosen item: a ride other than the one shown is shown; the shown
    // ride, the separators and "Exit this Menu" change nothing.
    void menuListRides_Click(int index);

    // The items as the menu lists them; a separator's caption is "-".
    int itemCount() const;
    bool isItemVisible(int index) const;
    QString caption(int index);

    ListMenu *menu() const { return menuListRidesMenu; }

private:
    void readLabels();

    RideWindow rw;
    std::function<void(qint16)> m_showRide;
    RidesMenuItems *m_items;
    ListMenu *menuListRidesMenu;
};
