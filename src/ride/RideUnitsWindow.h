#pragma once

#include "store/RideExtras.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class ReminderStore;

// "Units of this ride": the distance, fuel and economy the ride counts in,
// and its odometer reading when it was bought. OK stores them; when the
// distance or the fuel changes and the ride has trips or fill-ups, it first
// asks whether their numbers are converted or already are in the new units.
class RideUnitsWindow : public QDialog
{
    Q_OBJECT

public:
    RideUnitsWindow(ReminderStore &database, double rideKey, bool hasEntries, QWidget *parent = nullptr);

    // Whether OK changed the ride's units (its lists then need refilling).
    bool changed() const { return m_changed; }

    QComboBox *distance() const { return m_distance; }
    QComboBox *fuel() const { return m_fuel; }
    QComboBox *economy() const { return m_economy; }
    QLineEdit *boughtOdometer() const { return m_bought; }

    void accept() override;

private:
    RideExtras chosen() const;

    ReminderStore &m_database;
    double m_rideKey;
    bool m_hasEntries;
    RideExtras m_old;
    QComboBox *m_distance;
    QComboBox *m_fuel;
    QComboBox *m_economy;
    QLineEdit *m_bought;
    bool m_changed = false;
};

// Opens the window over `parent` for the ride; true when the units changed.
bool ChangeRideUnits(QWidget *parent, ReminderStore &database, double rideKey, bool hasEntries);
