#pragma once

#include "model/RideFieldValues.h"
#include "ride/RideWindow.h"

#include <QObject>
#include <QString>

#include <functional>

class RideView;
class RidesMenu;

// Adding and editing a ride in the main window's own boxes: the add and
// edit commands unlock the boxes, save checks and writes the ride, cancel
// goes back to the view of the ride shown.
class ReminderStore;

class RideEditing : public QObject
{
    Q_OBJECT

public:
    RideEditing(const RideWindow &rw, RideView &view, RidesMenu &menu);

    void cmdRideAdd_Click();
    void cmdRideEdit_Click();
    void SaveRide();
    void CancelRideEdit();

    // Torqal.db, which keeps a new ride's units (null when it cannot be used).
    void setDatabase(std::function<ReminderStore *()> database) { m_database = std::move(database); }

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
    std::function<ReminderStore *()> m_database;
};
