#pragma once

#include "platform/Currency.h"
#include "store/RideExtras.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class ReminderStore;

// "Units of this ride": the distance, fuel and economy the ride counts in,
// and its odometer reading when it was bought; below them the currency of
// every ride, its symbol and how amounts are written with it. OK stores
// them; when the distance or the fuel changes and the ride has trips or
// fill-ups, it first asks whether their numbers are converted or already are
// in the new units. A stored currency is the program's from then on.
class RideUnitsWindow : public QDialog
{
    Q_OBJECT

public:
    RideUnitsWindow(ReminderStore &database, double rideKey, bool hasEntries, QWidget *parent = nullptr);

    // Whether OK changed the ride's units (its lists then need refilling),
    // and whether the currency changed (every amount shown then needs
    // writing anew).
    bool changed() const { return m_changed; }
    bool currencyChanged() const { return m_currencyChanged; }

    QComboBox *distance() const { return m_distance; }
    QComboBox *fuel() const { return m_fuel; }
    QComboBox *economy() const { return m_economy; }
    QLineEdit *boughtOdometer() const { return m_bought; }
    QLineEdit *currencySymbol() const { return m_symbol; }
    // Before the amount, before with a blank, after, after with a blank; each
    // item an example amount written so.
    QComboBox *currencyWritten() const { return m_written; }

    void accept() override;

private:
    RideExtras chosen() const;
    Currency chosenCurrency() const;
    void showExamples();
    bool storeCurrency(const Currency &currency);

    ReminderStore &m_database;
    double m_rideKey;
    bool m_hasEntries;
    RideExtras m_old;
    QComboBox *m_distance;
    QComboBox *m_fuel;
    QComboBox *m_economy;
    QLineEdit *m_bought;
    Currency m_oldCurrency;
    QLineEdit *m_symbol;
    QComboBox *m_written;
    bool m_changed = false;
    bool m_currencyChanged = false;
};

// What the window changed.
struct RideUnitsChanges
{
    bool units = false;
    bool currency = false;
};

// Opens the window over `parent` for the ride.
RideUnitsChanges ChangeRideUnits(QWidget *parent, ReminderStore &database, double rideKey, bool hasEntries);
