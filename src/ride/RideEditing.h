#pragma once

#include "model/RideFieldValues.h"
#include "ride/RideWindow.h"

#include <QObject>
#include <QString>

class RideView;
class RidesMenu;

// Adding and editing a ride in the main window's own boxes: the add and
// edit commands unlock the boxes, save checks and writes the ride, cancel
// goes back to the view of the ride shown.
class RideEditing : public QObject
{
    Q_OBJECT

public:
    RideEditing(const RideWindow &rw, RideView &view, RidesMenu &menu);

    void cmdRideAdd_Click();
    void cmdRideEdit_Click();
    void SaveRide();
    void CancelRideEdit();

private:
    void enterMode(const QString &modeCaption, const QString &saveHover, const QString &cancelHover);
    void setFieldsLocked(bool locked);
    StoreResult writeRide();
    RideBoxTexts shownBoxes() const;

    RideWindow rw;
    RideView &m_view;
    RidesMenu &m_menu;
    QString rememberedRideCountCaption; // lbl(0) while a mode is active
    bool savedMark = false;             // CancelRideEdit runs on behalf of a save
};
