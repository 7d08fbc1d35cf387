#include "ride/RideUnitsWindow.h"

#include "model/EntryExtrasForm.h"
#include "model/Units.h"
#include "platform/BusyPointer.h"
#include "platform/Identity.h"
#include "platform/LineBreaks.h"
#include "platform/MessageBox.h"
#include "store/RideUnitsChange.h"
#include "ui/FieldBoxes.h"
#include "ui/ModalRun.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace {

QComboBox *choice(QWidget *parent, const QString &name, const QStringList &items, int current)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(current);
    return box;
}

} // namespace

RideUnitsWindow::RideUnitsWindow(ReminderStore &database, double rideKey, bool hasEntries, QWidget *parent)
    : QDialog(parent), m_database(database), m_rideKey(rideKey), m_hasEntries(hasEntries)
{
    setObjectName(QStringLiteral("RideUnitsWindow"));
    setWindowTitle(QStringLiteral("Units of this ride"));
    if (const FileStatus status = Store::readRideExtras(database, rideKey, m_old); !status)
        MessageBox::tell(parent, ApplicationTitle, status.message(), MessageBox::Icon::Warning);

    m_distance = choice(this, QStringLiteral("cboDistance"),
                        {Units::distanceName(DistanceUnit::Miles), Units::distanceName(DistanceUnit::Kilometres)},
                        int(m_old.distance));
    m_fuel = choice(this, QStringLiteral("cboFuel"), {QStringLiteral("US gallons"), QStringLiteral("Imperial gallons"),
                                                      Units::fuelName(FuelUnit::Litres)},
                    int(m_old.fuel));
    m_economy = choice(this, QStringLiteral("cboEconomy"),
                       {Units::economyName(EconomyUnit::MilesPerGallon), Units::economyName(EconomyUnit::LitresPer100Km),
                        Units::economyName(EconomyUnit::KmPerLitre)},
                       int(m_old.economy));
    m_bought = new QLineEdit(this);
    m_bought->setObjectName(QStringLiteral("txtBoughtOdometer"));
    FieldBoxes::limitOneLine(m_bought, 12);
    if (m_old.boughtOdometer)
        FieldBoxes::setText(m_bought, QString::number(*m_old.boughtOdometer));
    m_bought->setToolTip(QStringLiteral(" The odometer reading when you bought the ride, in its distance unit "));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Distance:"), m_distance);
    form->addRow(QStringLiteral("&Fuel:"), m_fuel);
    form->addRow(QStringLiteral("&Economy shown as:"), m_economy);
    form->addRow(QStringLiteral("&Odometer when bought:"), m_bought);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RideUnitsWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RideUnitsWindow::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

RideExtras RideUnitsWindow::chosen() const
{
    RideExtras units = m_old;
    units.distance = DistanceUnit(m_distance->currentIndex());
    units.fuel = FuelUnit(m_fuel->currentIndex());
    units.economy = EconomyUnit(m_economy->currentIndex());
    return units;
}

void RideUnitsWindow::accept()
{
    RideExtras units = chosen();
    EntryExtras reading;
    if (const auto problem = EntryExtrasForm::read({m_bought->text(), {}, false, false}, reading)) {
        MessageBox::tell(this, ApplicationTitle, problem->message, MessageBox::Icon::Critical);
        m_bought->setFocus();
        return;
    }
    units.boughtOdometer = reading.odometer;
    Store::UnitsChange change = Store::UnitsChange::Relabel;
    const bool renumbered = units.distance != m_old.distance || units.fuel != m_old.fuel;
    if (renumbered && m_hasEntries) {
        const MessageBox::Button answer = MessageBox::ask(
            this, QStringLiteral("Change the units"),
            QStringLiteral("Convert this ride's trips, fill-ups and odometer readings into the new units?") + CrLf + CrLf
                + QStringLiteral("Yes: their numbers are recalculated (miles stay whole).") + CrLf
                + QStringLiteral("No: they keep their numbers, which already are in the new units."),
            MessageBox::Button::Yes);
        if (answer == MessageBox::Button::Yes) {
            change = Store::UnitsChange::Convert;
            // A reading left as it was converts with the others.
            if (units.boughtOdometer && units.boughtOdometer == m_old.boughtOdometer)
                units.boughtOdometer = qint64(std::llround(double(*units.boughtOdometer) * kilometresIn(m_old.distance)
                                                           / kilometresIn(units.distance)));
        }
    }
    if (units == m_old) {
        QDialog::accept();
        return;
    }
    StoreResult stored;
    {
        BusyPointer busy(this);
        stored = Store::changeRideUnits(m_database, m_rideKey, units, change);
    }
    if (!stored.done()) {
        MessageBox::tell(this, ApplicationTitle, stored.status.message() + QStringLiteral(".") + CrLf + CrLf
                                                     + QStringLiteral("The units were not changed."),
                         MessageBox::Icon::Critical);
        return;
    }
    if (stored.outcome == StoreOutcome::WrittenWithWarning)
        MessageBox::tell(this, ApplicationTitle, stored.status.message(), MessageBox::Icon::Warning);
    m_changed = true;
    QDialog::accept();
}

bool ChangeRideUnits(QWidget *parent, ReminderStore &database, double rideKey, bool hasEntries)
{
    RideUnitsWindow window(database, rideKey, hasEntries, parent);
    RunModal(window);
    return window.changed();
}
