#include "ride/RideUnitsWindow.h"

#include "model/EntryExtrasForm.h"
#include "model/Units.h"
#include "platform/BusyPointer.h"
#include "platform/Identity.h"
#include "platform/LineBreaks.h"
#include "platform/MessageBox.h"
#include "platform/ValueFormats.h"
#include "store/ProgramSettings.h"
#include "store/RideUnitsChange.h"
#include "ui/FieldBoxes.h"
#include "ui/ModalRun.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
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

// The amount each way of writing shows.
constexpr ValueFormats::Money ExampleAmount = 12345000;

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

    m_oldCurrency = ValueFormats::currency();
    auto *currency = new QGroupBox(QStringLiteral("Currency (every ride)"), this);
    m_symbol = new QLineEdit(currency);
    m_symbol->setObjectName(QStringLiteral("txtCurrencySymbol"));
    m_symbol->setAccessibleName(QStringLiteral("Currency symbol"));
    FieldBoxes::limitOneLine(m_symbol, 8);
    FieldBoxes::setText(m_symbol, m_oldCurrency.symbol);
    m_symbol->setToolTip(QStringLiteral(" The symbol of the currency every amount is in, such as $, \u20AC or CHF "));
    m_written = new QComboBox(currency);
    m_written->setObjectName(QStringLiteral("cboCurrencyWritten"));
    m_written->setAccessibleName(QStringLiteral("Amounts written as"));
    for (int i = 0; i < 4; ++i)
        m_written->addItem(QString());
    m_written->setCurrentIndex(2 * int(m_oldCurrency.side) + int(m_oldCurrency.spaced));
    showExamples();
    connect(m_symbol, &QLineEdit::textChanged, this, &RideUnitsWindow::showExamples);
    auto *currencyForm = new QFormLayout(currency);
    currencyForm->addRow(QStringLiteral("&Symbol:"), m_symbol);
    currencyForm->addRow(QStringLiteral("Amounts &written as:"), m_written);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RideUnitsWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RideUnitsWindow::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(currency);
    layout->addWidget(buttons);
}

Currency RideUnitsWindow::chosenCurrency() const
{
    Currency currency;
    currency.symbol = m_symbol->text().trimmed();
    currency.side = m_written->currentIndex() >= 2 ? Currency::Side::After : Currency::Side::Before;
    currency.spaced = m_written->currentIndex() % 2 == 1;
    return currency;
}

// Each way of writing as an example amount with the symbol typed (or the
// one the window opened with while the box holds none that can be used).
void RideUnitsWindow::showExamples()
{
    Currency currency;
    currency.symbol = Currency::isSymbol(m_symbol->text().trimmed()) ? m_symbol->text().trimmed() : m_oldCurrency.symbol;
    for (int i = 0; i < m_written->count(); ++i) {
        currency.side = i >= 2 ? Currency::Side::After : Currency::Side::Before;
        currency.spaced = i % 2 == 1;
        m_written->setItemText(i, ValueFormats::moneyText(ExampleAmount, currency));
    }
}

// Stores the currency and makes it the program's; false when it could not
// be stored (the user has been told).
bool RideUnitsWindow::storeCurrency(const Currency &currency)
{
    if (currency == m_oldCurrency)
        return true;
    if (const FileStatus stored = Store::putCurrency(m_database, currency); !stored) {
        MessageBox::tell(this, ApplicationTitle, stored.message() + QStringLiteral(".") + CrLf + CrLf
                                                     + QStringLiteral("The currency was not changed."),
                         MessageBox::Icon::Critical);
        return false;
    }
    ValueFormats::setCurrency(currency);
    m_oldCurrency = currency;
    m_currencyChanged = true;
    return true;
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
    const Currency currency = chosenCurrency();
    if (!Currency::isSymbol(currency.symbol)) {
        MessageBox::tell(this, ApplicationTitle,
                         QStringLiteral("The currency symbol must be one to eight characters without digits, such as \u20AC or CHF."),
                         MessageBox::Icon::Critical);
        m_symbol->setFocus();
        return;
    }
    if (!storeCurrency(currency))
        return;
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
    // Stored: should OK come again, the units are changed from these.
    m_old = units;
    m_changed = true;
    QDialog::accept();
}

RideUnitsChanges ChangeRideUnits(QWidget *parent, ReminderStore &database, double rideKey, bool hasEntries)
{
    RideUnitsWindow window(database, rideKey, hasEntries, parent);
    RunModal(window);
    return {window.changed(), window.currencyChanged()};
}
